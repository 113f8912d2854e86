#include "AppWindows.h"

#include "DisposalCommands.h"
#include "DuplicatesPage.h"
#include "OptionsPage.h"
#include "PageTitles.h"
#include "RescueVault.h"
#include "TData_f.h"
#include "TFolders_f.h"
#include "TMain_f.h"
#include "TMsgform.h"
#include "TNavigator_f.h"
#include "TRescue_f.h"
#include "TSplash_f.h"
#include "TWork_f.h"
#include "TsmMsg_f.h"

#include <QCheckBox>
#include <QDateTime>
#include <QSpinBox>

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
    DuplicatesPage& page = *fMain->duplicatesPage;
    fFolders.reset(create<TFolders_f>(context, page.FoldersList, fWork.get(), fMain.get()));
    fRescue.reset(create<TRescue_f>(context, fMain->options, fSmMsg.get(), fMsgform.get(), fMain.get()));
    fOrder << page.navigator->objectName();  // made with the page it docks in
    fMain->setWorkWindow(fWork.get());
    page.setWindows(fData.get(), fWork.get());
    fDisposal = std::make_unique<DisposalCommands>(context, page, fWork.get(), fSmMsg.get(), fMain->options);
    page.dispose = [this](Disposal command) { fDisposal->run(command); };
    page.exploreEmptyFolders = [this] { fFolders->exec(); };
    page.openRescueCenter = [this] { fRescue->open(); };
    page.openFindFiles = [this] { fMain->actCleanerExecute(fMain->actions.value(PageFindFiles)); };
    fRescue->openHelp = [this](int topic) { fMain->OpenHelp(topic); };
    TMain_f::CloseSteps& close = fMain->closeSteps();
    close.duplicateListHasRecords = [&page] { return !page.result().FIDLISTB.empty(); };
    close.saveDuplicateLists = [&page] { page.SaveCloneLists(); };
    close.vaultRetention = [this, &context] {
        rescue::retentionPass(context.folders.rescue().toStdString(), fMain->options->cbDays->isChecked(),
                              fMain->options->spBackUpLife->value(), QDateTime::currentSecsSinceEpoch());
    };
    if (splash)
        splash->setStatus("Loading...");
}

AppWindows::~AppWindows() {
    fDisposal.reset();
    fRescue.reset();
    fFolders.reset();
    // The shared windows are children of the main window on the Qt side; release them first.
    fSmMsg.reset();
    fWork.reset();
    fMsgform.reset();
    fData.reset();
    fMain.reset();
}

}  // namespace orlivo::app
