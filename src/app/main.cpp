#include "AppWindows.h"
#include "OrlivoApplication.h"
#include "Platform.h"
#include "QtDialogs.h"
#include "TMain_f.h"
#include "TSplash_f.h"

#include <memory>

int main(int argc, char** argv) {
    orlivo::app::OrlivoApplication application(argc, argv);
    auto splash = std::make_unique<orlivo::app::TSplash_f>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    auto platform = orlivo::platform::Platform::system();
    orlivo::app::QtDialogs dialogs;
    orlivo::app::AppContext context(*platform, dialogs);
    orlivo::app::AppWindows windows(context, splash.get());

    splash.reset();
    windows.main().show();
    return application.exec();
}
