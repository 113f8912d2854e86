// Renders each page of the main window, offscreen and in a sandbox, into <folder>/<index>-<page>.png.

#include "AppWindows.h"
#include "OrlivoApplication.h"
#include "PageTitles.h"
#include "Sandbox.h"
#include "TMain_f.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QStackedWidget>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    orlivo::app::OrlivoApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    orlivo::test::Sandbox box;
    orlivo::app::AppWindows windows(*box.context);
    orlivo::app::TMain_f& main = windows.main();
    main.show();
    main.resize(1200, 760);
    for (int tag = 0; tag < orlivo::app::MainPageCount; ++tag) {
        QObject sender;
        sender.setProperty("Tag", tag);
        if (tag == orlivo::app::PageSettings) {
            main.actSettingsExecute();
        } else {
            main.actCleanerExecute(&sender);
        }
        QApplication::processEvents();
        const QString name =
            QString("%1/%2-%3.png").arg(folder).arg(tag).arg(main.pgMain->currentWidget()->objectName());
        if (!main.grab().save(name)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
        std::printf("%s  %s\n", qPrintable(name), qPrintable(main.lblTitle->text()));
    }
    return 0;
}
