#include "AppWindows.h"

#include "DuplicatesPage.h"
#include "TData_f.h"
#include "TMain_f.h"
#include "TMsgform.h"
#include "TSplash_f.h"
#include "TWork_f.h"
#include "TsmMsg_f.h"

namespace orlivo::app {

template <typename W, typename... Args>
W* AppWindows::create(Args&&... args) {
    W* window = new W(std::forward<Args>(args)...);
    fOrder << window->objectName();
    return window;
}

AppWindows::AppWindows(AppContext& context, TSplash_f* splash) {
    if (splash)
        splash->setStatus("Loading....");
    fMain.reset(create<TMain_f>(context));
    context.dialogs.setOwner(fMain.get());
    fData.reset(create<TData_f>(context, fMain.get()));
    fMsgform.reset(create<TMsgform>(fMain.get()));
    fWork.reset(create<TWork_f>(fMain.get()));
    fSmMsg.reset(create<TsmMsg_f>(fMain.get()));
    fMain->setWorkWindow(fWork.get());
    fMain->duplicatesPage->setWindows(fData.get(), fWork.get());
    if (splash)
        splash->setStatus("Loading...");
}

AppWindows::~AppWindows() {
    // The shared windows are children of the main window on the Qt side; release them first.
    fSmMsg.reset();
    fWork.reset();
    fMsgform.reset();
    fData.reset();
    fMain.reset();
}

}  // namespace orlivo::app
