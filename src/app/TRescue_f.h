#pragma once

#include "AppContext.h"
#include "RescueVault.h"

#include <QWidget>

#include <functional>

class QLabel;
class QMenu;
class QSplitter;
class QTableWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace orlivo::app {

class OptionsPage;
class TMsgform;
class TsmMsg_f;

// "Rescue Center": the archives of the rescue vault, their contents, restoring one of them and deleting
// them. Created at start, closing only hides it; the list is read again each time it is shown.
class TRescue_f : public QWidget {
    Q_OBJECT
public:
    TRescue_f(AppContext& context, const OptionsPage* options, TsmMsg_f* progress, TMsgform* messages,
              QWidget* parent = nullptr);

    // Opens the window, restoring it first when minimised.
    void open();
    void FillList();
    void lvBackupClick();
    void btnSelectAllClick();
    void btnRestoreClick();
    void btnClearAllClick();
    void btnDeleteClick();
    void btnCancelClick() { CancelAll = true; }
    void btnExploreClick(bool down);
    // The help topic opener.
    std::function<void(int context)> openHelp;
    // The system root that restored paths go under ("/", a sandbox in tests).
    QString systemRoot = QStringLiteral("/");

    QTreeWidget* lvBackup = nullptr;
    QTableWidget* SortGrid1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QToolButton* btnSelectAll = nullptr;
    QToolButton* btnRestore = nullptr;
    QToolButton* btnClearAll = nullptr;
    QToolButton* btnDelete = nullptr;
    QToolButton* btnCancel = nullptr;
    QToolButton* btnExplore = nullptr;
    QToolButton* ToolButton2 = nullptr;
    QToolButton* ToolButton1 = nullptr;
    QLabel* StatusBar1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    bool CancelAll = false;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QString archivePath(const QTreeWidgetItem* item) const;
    void listContents(const QString& archive);
    void showFailures(const QString& archive, const std::vector<std::string>& failures);

    AppContext& fContext;
    const OptionsPage* fOptions;
    TsmMsg_f* fProgress;
    TMsgform* fMessages;
};

}  // namespace orlivo::app
