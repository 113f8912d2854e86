#include "TFolders_f.h"

#include "ShellHelpers.h"
#include "TWork_f.h"
#include "ToolButtons.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orlivo::app {

namespace {

QToolButton* tool(QWidget* parent, const char* name, const QString& text, const QString& hint,
                  const QString& longHint, QStyle::StandardPixmap icon) {
    QToolButton* b = makeToolButton(parent, name, text, icon);
    b->setToolTip(hint);
    b->setStatusTip(longHint);
    return b;
}

}  // namespace

TFolders_f::TFolders_f(AppContext& context, duplicates::FoldersList& folders, TWork_f* work, QWidget* parent)
    : QDialog(parent), fContext(context), fFolders(folders), fWork(work) {
    setObjectName("Folders_f");
    setWindowTitle("List of Empty Folders");
    setModal(true);
    resize(560, 420);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout();
    btnSelectAll = tool(this, "btnSelectAll", "Select all", "Toggle Selection",
                        "Toggle selection of all folders in the list", QStyle::SP_DialogApplyButton);
    btnClearAll =
        tool(this, "btnClearAll", "Clear", "Clear selected",
             "Clear selected folders from the list. Nothing is deleted", QStyle::SP_DialogResetButton);
    btnExplore = tool(this, "btnExplore", "Explore", "Windows Explorer",
                      "Open selected folder in Windows Explorer", QStyle::SP_DirOpenIcon);
    btnDelete = tool(this, "btnDelete", "Delete Selected", "Delete selected",
                     "Delete all selected folders to the Recycle Bin", QStyle::SP_TrashIcon);
    btnCancel = tool(this, "btnCancel", "Cancel", "Cancel", "Cancel", QStyle::SP_BrowserStop);
    btnCancel->setEnabled(false);
    btnExit = tool(this, "btnExit", "Exit", QString(), QString(), QStyle::SP_DialogCloseButton);
    for (QToolButton* b : {btnSelectAll, btnClearAll, btnExplore, btnDelete, btnCancel}) bar->addWidget(b);
    bar->addStretch();
    bar->addWidget(btnExit);
    layout->addLayout(bar);
    auto* heading = new QLabel(
        "<b>Empty folders</b><br>This list contains folders left empty after removal of "
        "duplicate files. Select folders to delete as required.",
        this);
    heading->setWordWrap(true);
    layout->addWidget(heading);
    tvFolders = new QTreeWidget(this);
    tvFolders->setObjectName("tvFolders");
    tvFolders->setHeaderHidden(true);
    tvFolders->setRootIsDecorated(false);
    layout->addWidget(tvFolders, 1);
    StatusBar1 = new QStatusBar(this);
    layout->addWidget(StatusBar1);
    for (QToolButton* b : {btnSelectAll, btnClearAll, btnExplore, btnDelete, btnCancel})
        b->installEventFilter(this);

    connect(btnSelectAll, &QToolButton::clicked, this, &TFolders_f::btnSelectAllClick);
    connect(btnClearAll, &QToolButton::clicked, this, &TFolders_f::btnClearAllClick);
    connect(btnExplore, &QToolButton::clicked, this, &TFolders_f::btnExploreClick);
    connect(btnDelete, &QToolButton::clicked, this, &TFolders_f::btnDeleteClick);
    connect(btnExit, &QToolButton::clicked, this, &QDialog::accept);
}

bool TFolders_f::eventFilter(QObject* watched, QEvent* event) {
    // The status bar shows the long hint of the button under the pointer.
    if (event->type() == QEvent::Enter)
        StatusBar1->showMessage(static_cast<QWidget*>(watched)->statusTip());
    else if (event->type() == QEvent::Leave)
        StatusBar1->clearMessage();
    return QDialog::eventFilter(watched, event);
}

void TFolders_f::showEvent(QShowEvent* e) {
    FormShow();
    QDialog::showEvent(e);
}

void TFolders_f::FormShow() {
    tvFolders->clear();
    for (const std::string& folder : fFolders.paths()) {
        QApplication::processEvents();
        if (!duplicates::isEmptyFolder(folder))
            continue;
        auto* item = new QTreeWidgetItem(tvFolders, {QString::fromStdString(folder)});
        item->setCheckState(0, Qt::Unchecked);
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    }
    const bool any = tvFolders->topLevelItemCount() > 0;
    for (QToolButton* b : {btnSelectAll, btnClearAll, btnExplore, btnDelete}) b->setEnabled(any);
}

void TFolders_f::btnSelectAllClick() {
    for (int i = 0; i < tvFolders->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = tvFolders->topLevelItem(i);
        item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
}

void TFolders_f::btnClearAllClick() {
    for (int i = tvFolders->topLevelItemCount() - 1; i >= 0; --i)
        if (tvFolders->topLevelItem(i)->checkState(0) == Qt::Checked)
            delete tvFolders->takeTopLevelItem(i);
}

void TFolders_f::btnExploreClick() {
    if (tvFolders->topLevelItemCount() == 0 || !tvFolders->currentItem())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    OpenFileLocation(fContext.platform, fWork, tvFolders->currentItem()->text(0));
    QApplication::restoreOverrideCursor();
}

void TFolders_f::btnDeleteClick() {
    bool anyChecked = false;
    for (int i = 0; i < tvFolders->topLevelItemCount(); ++i)
        anyChecked = anyChecked || tvFolders->topLevelItem(i)->checkState(0) == Qt::Checked;
    if (!anyChecked)
        return;
    const Answer a = fContext.dialogs.confirm("Confirm",
                                              "Delete selected folders to the Recycle Bin? Click \"Yes\" to "
                                              "delete to Recycle Bin, \"No\" to permanently "
                                              "delete folders. Or \"Cancel\" to Exit",
                                              true);
    if (a == Answer::Cancel)
        return;
    if (fWork)
        fWork->Show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (int i = tvFolders->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* item = tvFolders->topLevelItem(i);
        if (item->checkState(0) != Qt::Checked)
            continue;
        QApplication::processEvents();
        QString folder = item->text(0);
        while (folder.size() > 1 && folder.endsWith('/')) folder.chop(1);
        platform::ShellFileOperation shell = fContext.platform.fileOperation();
        shell.setFlags(a == Answer::Yes
                           ? platform::FileOpFlag::AllowUndo | platform::FileOpFlag::NoConfirmation |
                                 platform::FileOpFlag::Silent | platform::FileOpFlag::NoErrorUI
                           : platform::FileOpFlag::NoConfirmation | platform::FileOpFlag::Silent |
                                 platform::FileOpFlag::NoErrorUI);
        shell.addSource(folder);
        shell.execute();  // a folder that cannot go stays on disk; its entry goes all the same
        fFolders.remove(item->text(0).toStdString());
        delete tvFolders->takeTopLevelItem(i);
    }
    QApplication::restoreOverrideCursor();
    if (fWork)
        fWork->Close();
}

}  // namespace orlivo::app
