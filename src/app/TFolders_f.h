#pragma once

#include "AppContext.h"
#include "EmptyFolders.h"

#include <QDialog>

class QLabel;
class QStatusBar;
class QToolButton;
class QTreeWidget;

namespace orlivo::app {

class TWork_f;

// "List of Empty Folders": the empty-folder candidates that are empty now, to delete to the Recycle Bin
// or for good.
class TFolders_f : public QDialog {
    Q_OBJECT
public:
    TFolders_f(AppContext& context, duplicates::FoldersList& folders, TWork_f* work,
               QWidget* parent = nullptr);

    void FormShow();
    void btnSelectAllClick();
    void btnClearAllClick();
    void btnExploreClick();
    void btnDeleteClick();

    QTreeWidget* tvFolders = nullptr;
    QToolButton* btnSelectAll = nullptr;
    QToolButton* btnClearAll = nullptr;
    QToolButton* btnExplore = nullptr;
    QToolButton* btnDelete = nullptr;
    QToolButton* btnCancel = nullptr;
    QToolButton* btnExit = nullptr;
    QStatusBar* StatusBar1 = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& fContext;
    duplicates::FoldersList& fFolders;
    TWork_f* fWork;
};

}  // namespace orlivo::app
