#include "TRescue_f.h"

#include "DisplaySize.h"
#include "HelpTopics.h"
#include "LocalFiles.h"
#include "OptionsPage.h"
#include "ShellHelpers.h"
#include "TMsgform.h"
#include "ToolButtons.h"
#include "TsmMsg_f.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orlivo::app {

namespace {

// A grid cell that sorts by a number rather than by its text.
class NumberItem : public QTableWidgetItem {
public:
    NumberItem(const QString& text, qint64 value) : QTableWidgetItem(text) { setData(Qt::UserRole, value); }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(Qt::UserRole).toLongLong() < other.data(Qt::UserRole).toLongLong();
    }
};

}  // namespace

TRescue_f::TRescue_f(AppContext& context, const OptionsPage* options, TsmMsg_f* progress, TMsgform* messages,
                     QWidget* parent)
    : QWidget(parent, Qt::Window),
      fContext(context),
      fOptions(options),
      fProgress(progress),
      fMessages(messages) {
    setObjectName("Rescue_f");
    setWindowTitle("Rescue Center");
    resize(820, 480);
    auto* layout = new QVBoxLayout(this);
    auto* header = new QLabel(
        "<b>Rescue Center</b><br>Select a backup from the list below , click the \"Restore\" "
        "button to undo the changes made to your computer. Click the \"Explore\" button to "
        "list files.",
        this);
    header->setWordWrap(true);
    layout->addWidget(header);

    auto* bar = new QHBoxLayout();
    btnSelectAll = makeToolButton(this, "btnSelectAll", "Toggle", QStyle::SP_DialogApplyButton);
    btnRestore = makeToolButton(this, "btnRestore", "Restore ", QStyle::SP_BrowserReload);
    btnClearAll = makeToolButton(this, "btnClearAll", "Clear", QStyle::SP_DialogResetButton);
    btnDelete = makeToolButton(this, "btnDelete", "Delete Selected", QStyle::SP_TrashIcon);
    btnCancel = makeToolButton(this, "btnCancel", "Cancel", QStyle::SP_BrowserStop);
    btnExplore = makeToolButton(this, "btnExplore", "Explore", QStyle::SP_FileDialogContentsView);
    btnExplore->setCheckable(true);
    ToolButton2 = makeToolButton(this, "ToolButton2", "Help", QStyle::SP_DialogHelpButton);
    ToolButton1 = makeToolButton(this, "ToolButton1", "Exit", QStyle::SP_DialogCloseButton);
    for (QToolButton* b : {btnSelectAll, btnRestore, btnClearAll, btnDelete, btnCancel, btnExplore})
        bar->addWidget(b);
    bar->addStretch();
    bar->addWidget(ToolButton2);
    bar->addWidget(ToolButton1);
    layout->addLayout(bar);
    btnRestore->setEnabled(false);
    btnExplore->setEnabled(false);
    btnCancel->setEnabled(false);

    Splitter1 = new QSplitter(this);
    lvBackup = new QTreeWidget(Splitter1);
    lvBackup->setObjectName("lvBackup");
    lvBackup->setRootIsDecorated(false);
    lvBackup->setHeaderLabels({"Backup Date/Time", "Size", "Date"});
    lvBackup->setColumnWidth(0, 260);
    lvBackup->setContextMenuPolicy(Qt::CustomContextMenu);
    SortGrid1 = new QTableWidget(Splitter1);
    SortGrid1->setObjectName("SortGrid1");
    SortGrid1->setColumnCount(3);
    SortGrid1->setHorizontalHeaderLabels({"Name", "Size", "Date modified"});
    SortGrid1->verticalHeader()->hide();
    SortGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SortGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    SortGrid1->setSortingEnabled(true);
    SortGrid1->hide();
    layout->addWidget(Splitter1, 1);
    StatusBar1 = new QLabel(this);
    StatusBar1->setObjectName("StatusBar1");
    layout->addWidget(StatusBar1);

    PopupMenu1 = new QMenu(this);
    connect(PopupMenu1->addAction("Clear"), &QAction::triggered, this, &TRescue_f::btnClearAllClick);
    connect(PopupMenu1->addAction("Restore selected"), &QAction::triggered, this,
            &TRescue_f::btnRestoreClick);
    connect(PopupMenu1->addAction("Delete selected"), &QAction::triggered, this, &TRescue_f::btnDeleteClick);
    connect(PopupMenu1->addAction("Exit"), &QAction::triggered, this, &QWidget::close);
    connect(lvBackup, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->popup(lvBackup->viewport()->mapToGlobal(p)); });

    connect(btnSelectAll, &QToolButton::clicked, this, &TRescue_f::btnSelectAllClick);
    connect(btnRestore, &QToolButton::clicked, this, &TRescue_f::btnRestoreClick);
    connect(btnClearAll, &QToolButton::clicked, this, &TRescue_f::btnClearAllClick);
    connect(btnDelete, &QToolButton::clicked, this, &TRescue_f::btnDeleteClick);
    connect(btnCancel, &QToolButton::clicked, this, &TRescue_f::btnCancelClick);
    connect(btnExplore, &QToolButton::toggled, this, &TRescue_f::btnExploreClick);
    connect(ToolButton2, &QToolButton::clicked, this, [this] {
        if (openHelp)
            openHelp(help::RescueCenter);
    });
    connect(ToolButton1, &QToolButton::clicked, this, &QWidget::close);
    // Selecting a row checks it and deselecting unchecks it; a box can still change alone.
    connect(lvBackup, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* now, QTreeWidgetItem* before) {
                if (before)
                    before->setCheckState(0, Qt::Unchecked);
                if (now)
                    now->setCheckState(0, Qt::Checked);
                lvBackupClick();
            });
    FillList();
}

void TRescue_f::open() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TRescue_f::showEvent(QShowEvent* e) {
    FillList();
    QWidget::showEvent(e);
}

QString TRescue_f::archivePath(const QTreeWidgetItem* item) const {
    return item ? fContext.folders.rescue() + "/" + item->text(0) : QString();
}

void TRescue_f::FillList() {
    CancelAll = false;
    lvBackup->clear();
    StatusBar1->clear();
    const platform::LocaleFormats& formats = fContext.platform.localeFormats();
    QFileIconProvider icons;
    for (const rescue::VaultArchive& a : rescue::listVault(fContext.folders.rescue().toStdString())) {
        auto* item = new QTreeWidgetItem(lvBackup);
        item->setText(0, QString::fromStdString(a.name));
        item->setIcon(0, icons.icon(QFileInfo(QString::fromStdString(a.path))));
        item->setText(1, ConvertToDisplaySize(a.size));
        item->setText(2, formats.formatDate(QDateTime::fromSecsSinceEpoch(a.mtime).date()));
        item->setCheckState(0, Qt::Unchecked);
    }
    lvBackupClick();
}

void TRescue_f::lvBackupClick() {
    const bool selected = lvBackup->currentItem() != nullptr;
    btnExplore->setEnabled(selected);
    btnRestore->setEnabled(selected);
    if (btnExplore->isChecked() && selected && SortGrid1->isVisible())
        listContents(archivePath(lvBackup->currentItem()));
}

void TRescue_f::btnSelectAllClick() {
    for (int i = 0; i < lvBackup->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lvBackup->topLevelItem(i);
        item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
}

void TRescue_f::btnExploreClick(bool down) {
    if (down && lvBackup->currentItem()) {
        listContents(archivePath(lvBackup->currentItem()));
        SortGrid1->show();
        Splitter1->setSizes({lvBackup->sizeHint().width(), width() - lvBackup->sizeHint().width()});
    } else {
        SortGrid1->setRowCount(0);
        SortGrid1->hide();
    }
}

void TRescue_f::listContents(const QString& archive) {
    SortGrid1->setSortingEnabled(false);
    SortGrid1->setRowCount(0);
    zip::TZipEngine engine;
    engine.Unattended = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    engine.setZipFileName(archive.toStdString());
    StatusBar1->setText(QString("Folder contains %1 files.").arg(engine.Count()));
    const platform::LocaleFormats& formats = fContext.platform.localeFormats();
    SortGrid1->setRowCount(engine.Count());
    for (int i = 0; i < engine.Count(); ++i) {
        QApplication::processEvents();
        const zip::TZipDirEntry e = engine.DirEntry(i);
        const qint64 size = qint64(e.UncompressedSize);
        const QDateTime when = QDateTime::fromSecsSinceEpoch(zip::fromDosDateTime(e.DateTime));
        SortGrid1->setItem(i, 0, new QTableWidgetItem(QString::fromStdString(e.FileName)));
        SortGrid1->setItem(i, 1, new NumberItem(QString("%1 KB").arg((size + 1023) / 1024), size));
        SortGrid1->setItem(i, 2,
                           new NumberItem(formats.formatDate(when.date()) + "  " +
                                              formats.locale.toString(when.time(), QLocale::ShortFormat),
                                          when.toSecsSinceEpoch()));
    }
    SortGrid1->setSortingEnabled(true);
    if (engine.Count() > 0)
        SortGrid1->selectRow(0);
    SortGrid1->resizeColumnsToContents();
    QApplication::restoreOverrideCursor();
}

void TRescue_f::btnRestoreClick() {
    int checked = 0;
    for (int i = 0; i < lvBackup->topLevelItemCount() && checked < 2; ++i)
        checked += lvBackup->topLevelItem(i)->checkState(0) == Qt::Checked;
    if (checked >= 2) {
        fContext.dialogs.information("Information",
                                     "Please select a single backup file at a time to restore.");
        return;
    }
    QTreeWidgetItem* selected = lvBackup->currentItem();
    if (!selected)
        return;
    if (fContext.dialogs.confirm("Confirm", "Restore selected duplicate archive?") != Answer::Yes)
        return;
    const QString archive = archivePath(selected);
    btnCancel->setEnabled(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (fProgress) {
        fProgress->setWindowTitle("Information");
        fProgress->ProgressBar1->setRange(0, 0);
        fProgress->show();
    }
    rescue::RestoreHooks hooks;
    hooks.beforeEntry = [this](const std::string& name, int index, int count) {
        QApplication::processEvents();
        if (CancelAll)
            return true;
        if (fProgress) {
            fProgress->ProgressBar1->setRange(0, count);
            fProgress->ProgressBar1->setValue(index + 1);
            fProgress->lblInfo->setText(QString::fromStdString(name));
        }
        return false;
    };
    const rescue::RestoreOutcome outcome =
        rescue::restoreArchive(archive.toStdString(), systemRoot.toStdString(), hooks);
    if (fProgress)
        fProgress->hide();
    QApplication::restoreOverrideCursor();

    // The archive goes only when every copy in it is back: after a cancel, a skipped or failed entry or
    // an error it keeps the copies that were not restored.
    if (outcome.complete() && fOptions && fOptions->cbDeleteBackup->isChecked()) {
        platform::ShellFileOperation shell = fContext.platform.fileOperation();
        shell.setFlags(platform::FileOpFlag::NoConfirmation | platform::FileOpFlag::Silent |
                       platform::FileOpFlag::NoErrorUI);
        shell.addSource(archive);
        shell.execute();
    }
    if (outcome.restored > 0 && !outcome.cancelled) {
        if (!outcome.failures.empty()) {
            const Answer a = fContext.dialogs.confirm(
                "Question",
                QString("%1 files were restored. Errors occured, %2 files could not be restored. Show "
                        "list of files?")
                    .arg(outcome.restored)
                    .arg(outcome.failures.size()));
            if (a == Answer::Yes)
                showFailures(archive, outcome.failures);
        } else {
            fContext.dialogs.information("Information",
                                         QString("%1 files have been restored.").arg(outcome.restored));
        }
    }
    CancelAll = false;
    btnCancel->setEnabled(false);
    FillList();
}

void TRescue_f::showFailures(const QString& archive, const std::vector<std::string>& failures) {
    if (!fMessages)
        return;
    QStringList summary{"Errors occurs restoring files...", archive};
    fMessages->ListView1->clear();
    fMessages->ListView1->setColumnCount(5);
    fMessages->ListView1->setHeaderLabels({"File", "Action", "#", "Size", "Result"});
    QFileIconProvider icons;
    for (std::size_t i = 0; i < failures.size(); ++i) {
        const QString path = QString::fromStdString(failures[i]);
        summary << path;
        const QFileInfo info(path);
        auto* row = new QTreeWidgetItem(fMessages->ListView1,
                                        {path, "Restore", QString("#%1").arg(i + 1),
                                         QString::number(info.exists() ? info.size() : 0), "Failed"});
        row->setIcon(0, icons.icon(info));
    }
    fMessages->RichEdit1->setPlainText(summary.join("\n"));
    fMessages->PageControl1->setCurrentWidget(fMessages->ListView1);
    fMessages->pnlProgress->hide();
    fMessages->cbAutoClose->hide();
    fMessages->setModal(true);
    fMessages->show();
}

void TRescue_f::btnClearAllClick() {
    btnCancel->setEnabled(true);
    for (int i = lvBackup->topLevelItemCount() - 1; i >= 0 && !CancelAll; --i) {
        QApplication::processEvents();
        if (lvBackup->topLevelItem(i)->checkState(0) == Qt::Checked)
            delete lvBackup->takeTopLevelItem(i);
    }
    CancelAll = false;
    btnCancel->setEnabled(false);
    lvBackupClick();
}

void TRescue_f::btnDeleteClick() {
    btnCancel->setEnabled(true);
    QStringList paths;
    for (int i = lvBackup->topLevelItemCount() - 1; i >= 0 && !CancelAll; --i)
        if (lvBackup->topLevelItem(i)->checkState(0) == Qt::Checked)
            paths << archivePath(lvBackup->topLevelItem(i));
    if (!paths.isEmpty()) {
        platform::ShellFileOperation shell = fContext.platform.fileOperation(platform::ShellOperationUi{
            [this](int count, bool) {
                return fContext.dialogs.confirm("Confirm", QString("Are you sure you want to move these %1 "
                                                                   "items to the Recycle Bin?")
                                                               .arg(count)) == Answer::Yes;
            },
            {},
            {}});
        shell.setFlags(platform::FileOpFlag::AllowUndo | platform::FileOpFlag::SimpleProgress);
        for (const QString& p : paths) shell.addSource(p);
        if (shell.execute()) {
            for (int i = lvBackup->topLevelItemCount() - 1; i >= 0; --i)
                if (lvBackup->topLevelItem(i)->checkState(0) == Qt::Checked)
                    delete lvBackup->takeTopLevelItem(i);
        }
    }
    CancelAll = false;
    btnCancel->setEnabled(false);
    lvBackupClick();
}

}  // namespace orlivo::app
