#pragma once

#include "AppContext.h"

#include <QStringList>

#include <memory>

namespace orlivo::app {

class DisposalCommands;
class TData_f;
class TFolders_f;
class TRescue_f;
class TMain_f;
class TMsgform;
class TSplash_f;
class TWork_f;
class TsmMsg_f;

// Every window of the program, created once in the fixed order (the main window first) and living until
// the program ends. Windows of tools not yet built are absent from the order.
class AppWindows {
public:
    // splash may be null; it shows the loading steps while the windows are created.
    AppWindows(AppContext& context, TSplash_f* splash = nullptr);
    ~AppWindows();

    TMain_f& main() { return *fMain; }
    TMsgform& messages() { return *fMsgform; }
    TData_f& options() { return *fData; }
    TWork_f& work() { return *fWork; }
    TsmMsg_f& progress() { return *fSmMsg; }
    TFolders_f& folders() { return *fFolders; }
    TRescue_f& rescue() { return *fRescue; }
    DisposalCommands& disposal() { return *fDisposal; }
    // Object names of the windows in the order they were created.
    const QStringList& creationOrder() const { return fOrder; }

private:
    template <typename W, typename... Args>
    W* create(Args&&... args);

    std::unique_ptr<TMain_f> fMain;
    std::unique_ptr<TData_f> fData;
    std::unique_ptr<TMsgform> fMsgform;
    std::unique_ptr<TWork_f> fWork;
    std::unique_ptr<TsmMsg_f> fSmMsg;
    std::unique_ptr<TFolders_f> fFolders;
    std::unique_ptr<TRescue_f> fRescue;
    std::unique_ptr<DisposalCommands> fDisposal;
    QStringList fOrder;
};

}  // namespace orlivo::app
