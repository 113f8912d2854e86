#include "DisposalCommands.h"
#include "FiltersPanel.h"
#include "FlatView.h"
#include "FullDisk.h"
#include "OptionsPage.h"
#include "ScannedPage.h"
#include "TFolders_f.h"
#include "TMsgform.h"
#include "TNavigator_f.h"
#include "TRescue_f.h"
#include "TsmMsg_f.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace orlivo;
using namespace orlivo::app;
using test::ScannedPage;

namespace {

// What the sandbox's trash holds, by file name.
QStringList trashed(const test::Sandbox& box) {
    return QDir(box.platform->locations().homeTrash + "/files").entryList(QDir::Files | QDir::NoDotAndDotDot);
}

// The rows of the flat view whose file is in that folder of the tree.
std::vector<int> rowsIn(const ScannedPage& s, const QString& folder, const std::string& name = {}) {
    std::vector<int> rows;
    const auto& records = s.page.result().FIDLISTB;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const QString path = QString::fromStdString(records[i].FullPath);
        if (path.startsWith(s.file(folder + "/")) &&
            (name.empty() || path.endsWith(QString::fromStdString(name))))
            rows.push_back(int(i));
    }
    return rows;
}

bool unzipTests(const QString& archive) {
    return QProcess::execute("unzip", {"-tq", archive}) == 0;
}

QStringList entryNames(const QString& archive) {
    zip::TZipEngine engine;
    engine.Unattended = true;
    engine.setZipFileName(archive.toStdString());
    QStringList names;
    for (int i = 0; i < engine.Count(); ++i) names << QString::fromStdString(engine.DirEntry(i).FileName);
    return names;
}

}  // namespace

TEST(Disposal, RecycleBinFromTheFlatViewLeavesOutMissingFiles) {
    ScannedPage s;
    const int a = rowsIn(s, "two", "a.txt")[0], b = rowsIn(s, "two", "b.txt")[0];
    s.page.selectFlatRows({a, b});
    QFile::remove(s.file("two/b.txt"));  // gone outside the program
    s.box.dialogs.answers = {Answer::No};
    s.windows.disposal().run(Disposal::DeleteSelected);
    EXPECT_EQ(s.lastText(),
              "You are about to move 2 files to the Recycle Bin. You will be able to recover all the files "
              "from the "
              "Recycle Bin if any of the files were deleted by mistake. Continue?");
    EXPECT_TRUE(QFile::exists(s.file("two/a.txt")));

    s.box.dialogs.answers = {Answer::Yes};
    s.windows.disposal().run(Disposal::DeleteSelected);
    EXPECT_FALSE(QFile::exists(s.file("two/a.txt")));
    EXPECT_EQ(trashed(s.box), QStringList{"a.txt"});
    // The missing file's record stays; the deleted one's is gone, and its folder is a candidate.
    ASSERT_EQ(s.page.result().FIDLISTB.size(), 4u);
    EXPECT_EQ(rowsIn(s, "two").size(), 1u);
    EXPECT_EQ(s.page.FoldersList.paths(), std::vector<std::string>{s.file("two/").toStdString()});
    EXPECT_EQ(s.main.fMarkedCount, 0);
    EXPECT_EQ(s.page.result().FIDListN[s.node("a.txt")].StaticText, "(2 KB in 2 files.)");

    // Nothing marked: the command's own message.
    s.windows.disposal().run(Disposal::DeleteP);
    EXPECT_EQ(s.lastText(), kNothingSelectedText);
}

TEST(Disposal, GroupedMoveToTheVaultWritesOneArchiveThenDeletes) {
    ScannedPage s;
    s.page.vVNodesNodeClick(s.node("a.txt"));
    for (int r = 0; r < 3; ++r)
        s.page.groupedModel().setData(s.groupedRow(0, r), Qt::Checked, Qt::CheckStateRole);
    s.box.dialogs.answers = {Answer::Yes};
    s.windows.disposal().run(Disposal::MoveSelected);
    EXPECT_EQ(
        s.lastText(),
        "This action will move 3 to the Rescue Vault. You will be able to recover all the files from the "
        "Rescue Vault if any of the files were deleted by mistake. Continue?");
    const QStringList vault = QDir(s.box.folders().rescue()).entryList(QDir::Files);
    ASSERT_EQ(vault.size(), 1);
    EXPECT_TRUE(vault[0].endsWith(").rsc"));
    EXPECT_FALSE(vault[0].contains('/') || vault[0].contains(':'));
    const QString archive = s.box.folders().rescue() + "/" + vault[0];
    EXPECT_TRUE(unzipTests(archive));
    QString stored = s.file("one/a.txt").mid(1);
    stored.replace('/', '\\');
    EXPECT_TRUE(entryNames(archive).contains(stored));
    EXPECT_EQ(entryNames(archive).size(), 3);
    for (const char* f : {"one/a.txt", "two/a.txt", "three/a.txt"})
        EXPECT_FALSE(QFile::exists(s.file(f))) << f;
    EXPECT_TRUE(trashed(s.box).isEmpty());  // deleted for good: the vault holds the copies
    EXPECT_TRUE(s.page.groupedList().empty());
    EXPECT_EQ(s.page.result().FIDLISTB.size(), 2u);
    EXPECT_EQ(s.node("a.txt"), -1);

    // The Rescue Center lists it, shows its entries and puts the files back.
    TRescue_f& rescue = s.windows.rescue();
    rescue.FillList();
    ASSERT_EQ(rescue.lvBackup->topLevelItemCount(), 1);
    rescue.lvBackup->setCurrentItem(rescue.lvBackup->topLevelItem(0));
    EXPECT_EQ(rescue.lvBackup->topLevelItem(0)->checkState(0), Qt::Checked);  // selecting checks
    rescue.btnExplore->setChecked(true);
    EXPECT_EQ(rescue.SortGrid1->rowCount(), 3);  // with the header row, four rows as the grid shows them
    EXPECT_EQ(rescue.StatusBar1->text(), "Folder contains 3 files.");
    EXPECT_EQ(rescue.SortGrid1->item(0, 1)->text(), "1 KB");
    s.box.dialogs.answers = {Answer::Yes};
    rescue.btnRestoreClick();
    EXPECT_EQ(s.lastText(), "3 files have been restored.");
    for (const char* f : {"one/a.txt", "two/a.txt", "three/a.txt"})
        EXPECT_TRUE(QFile::exists(s.file(f))) << f;
    EXPECT_FALSE(QFile::exists(archive));  // "Delete backups after restoration" is on
    EXPECT_EQ(rescue.lvBackup->topLevelItemCount(), 0);
}

TEST(Disposal, ZipCommandsAskWhereAndKeepEverythingWhenCancelled) {
    ScannedPage s;
    const int b = rowsIn(s, "one", "b.txt")[0];
    s.page.selectFlatRows({b});
    s.box.dialogs.answers = {Answer::Yes};
    s.box.dialogs.paths = {QString()};  // the save dialog cancelled
    s.windows.disposal().run(Disposal::zDeleteR);
    EXPECT_EQ(s.box.dialogs.shown.back().title, "Save duplicate files in Zip archive");
    EXPECT_TRUE(QFile::exists(s.file("one/b.txt")));
    EXPECT_EQ(s.page.result().FIDLISTB.size(), 5u);

    const QString chosen = s.box.root() + "/saved/kept";  // the default extension is added
    QDir().mkpath(s.box.root() + "/saved");
    s.box.dialogs.answers = {Answer::Yes};
    s.box.dialogs.paths = {chosen};
    s.windows.disposal().run(Disposal::zDeleteR);
    EXPECT_TRUE(unzipTests(chosen + ".zip"));
    EXPECT_EQ(entryNames(chosen + ".zip").size(), 1);
    EXPECT_EQ(trashed(s.box), QStringList{"b.txt"});
    // Group B was left with one file: with orphan removal on, that record leaves the result too.
    EXPECT_EQ(s.page.result().FIDLISTB.size(), 3u);
    EXPECT_EQ(s.node("b.txt"), -1);
    EXPECT_TRUE(QFile::exists(s.file("two/b.txt")));  // only its record went

    // Zip and delete permanently adds to the existing archive.
    s.page.selectFlatRows({0});
    s.box.dialogs.answers = {Answer::Yes};
    s.box.dialogs.paths = {chosen + ".zip"};
    s.windows.disposal().run(Disposal::zDeleteP);
    EXPECT_TRUE(s.lastText().isEmpty() || s.box.dialogs.shown.back().kind != "warning");
    EXPECT_EQ(entryNames(chosen + ".zip").size(), 2);
    EXPECT_EQ(trashed(s.box).size(), 1);
    EXPECT_EQ(s.page.result().FIDLISTB.size(), 2u);
}

TEST(Disposal, AFailedArchiveWriteDeletesNothing) {
    ScannedPage s;
    const std::vector<int> rows = rowsIn(s, "one");
    s.page.selectFlatRows(rows);
    s.windows.disposal().engine().CreateFile = [](const std::string& path) {
        return std::make_unique<test::FullDisk>(zip::createPosixFile(path), 100);
    };
    s.box.dialogs.answers = {Answer::Yes};
    s.windows.disposal().run(Disposal::Moveselectedfiles1);
    EXPECT_EQ(s.box.dialogs.shown.back().kind, "warning");  // the engine's report
    EXPECT_TRUE(QFile::exists(s.file("one/a.txt")));
    EXPECT_TRUE(QFile::exists(s.file("one/b.txt")));
    EXPECT_EQ(s.page.result().FIDLISTB.size(), 5u);
    EXPECT_TRUE(QDir(s.box.folders().rescue()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(s.main.fMarkedCount, 2);  // the rows stay marked

    // Cancelled from the progress window: the same.
    s.windows.disposal().engine().CreateFile = zip::createPosixFile;
    s.windows.progress().btnCancel->click();
    s.box.dialogs.answers = {Answer::Yes};
    s.windows.disposal().run(Disposal::Moveselectedfiles1);
    EXPECT_TRUE(QFile::exists(s.file("one/a.txt")));
    EXPECT_EQ(s.page.result().FIDLISTB.size(), 5u);
    EXPECT_TRUE(QDir(s.box.folders().rescue()).entryList(QDir::Files).isEmpty());
}

TEST(Disposal, AFullVaultAndActiveFiltersRefuse) {
    ScannedPage s;
    QDir().mkpath(s.box.folders().rescue());
    QFile big(s.box.folders().rescue() + "/old.rsc");
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(500000000));  // exactly the limit: full
    big.close();
    s.page.selectFlatRows({0});
    s.windows.disposal().run(Disposal::MoveSelected);
    EXPECT_EQ(s.lastText(),
              "Disk space allocation exceeded, \"500\" Delete backup files from the Rescue Center or "
              "increase the space allocation under settings");
    EXPECT_EQ(s.page.result().FIDLISTB.size(), 5u);
    ASSERT_TRUE(big.resize(499999999));
    s.page.filters->cbSizeFilter->setChecked(true);
    s.page.btnApplyClick();
    s.windows.disposal().run(Disposal::MoveSelected);
    EXPECT_EQ(s.lastText(), "Not available with filters active. Please disable filters to continue");
}

TEST(Disposal, EmptiedFoldersAreOfferedAndAnalyzeAsksFirst) {
    ScannedPage s;
    s.box.writeFile(s.box.root() + "/tree/three/zero.dat", QByteArray());  // no data: still empty
    s.page.selectFlatRows(rowsIn(s, "three"));
    s.box.dialogs.answers = {Answer::Yes};
    s.windows.disposal().run(Disposal::DeleteP);
    s.page.selectFlatRows(rowsIn(s, "one", "b.txt"));
    s.box.dialogs.answers = {Answer::Yes};
    s.windows.disposal().run(Disposal::DeleteP);
    EXPECT_EQ(s.page.FoldersList.size(), 2u);

    TFolders_f& window = s.windows.folders();
    window.FormShow();
    ASSERT_EQ(window.tvFolders->topLevelItemCount(), 1);  // one/ still holds a.txt
    EXPECT_EQ(window.tvFolders->topLevelItem(0)->text(0), s.file("three/"));
    EXPECT_TRUE(window.btnDelete->isEnabled());
    window.btnSelectAllClick();
    window.btnClearAllClick();
    EXPECT_EQ(window.tvFolders->topLevelItemCount(), 0);
    window.FormShow();  // cleared from the window only
    EXPECT_EQ(window.tvFolders->topLevelItemCount(), 1);

    bool asked = false;
    s.page.askScanOptions = [&] {
        asked = true;
        return false;
    };
    s.box.dialogs.answers = {Answer::No};
    s.page.btnSearchClick();
    EXPECT_EQ(s.lastText(),
              "There are \"1 empty folders\". Conducting a new scan will clear this list, do you want "
              "to explore them, before you continue?");
    EXPECT_TRUE(asked);
    EXPECT_TRUE(s.page.FoldersList.empty());
    s.page.btnFoldersClick();
    EXPECT_EQ(
        s.lastText(),
        "There are no empty folders. Empty folders will be displayed after duplicates files are deleted.");

    // Deleting for good takes the zero-length file with the folder.
    s.page.FoldersList.add(s.file("three/").toStdString());
    window.FormShow();
    window.btnSelectAllClick();
    s.box.dialogs.answers = {Answer::No};
    window.btnDeleteClick();
    EXPECT_FALSE(QFileInfo::exists(s.file("three")));
    EXPECT_TRUE(s.page.FoldersList.empty());
}

TEST(Disposal, SavedListsRoundTripAndTheirErrors) {
    ScannedPage s;
    DuplicatesPage& page = s.page;
    s.box.dialogs.answers = {Answer::Yes};
    page.btnSaveClonesClick();
    EXPECT_EQ(s.lastText(), "Any previous saved list will be overwritten. Continue?");
    const QString cln = s.box.folders().duplicates() + "/CLONE_FILE_LIST.CLN";
    const QString clp = s.box.folders().duplicates() + "/CLONE_FILE_LIST.CLP";
    ASSERT_TRUE(QFile::exists(cln) && QFile::exists(clp));

    QFile::remove(s.file("three/a.txt"));
    for (int load = 0; load < 2; ++load) {
        s.box.dialogs.answers = {Answer::Yes};
        page.btnOpenClick();
        ASSERT_EQ(page.result().FIDLISTB.size(), 4u);        // the deleted file is not listed
        EXPECT_EQ(page.result().FIDLISTB[0].ImageIndex, 0);  // icons counted from 0 again
        EXPECT_EQ(page.imClones.count(), 5);                 // and the warning icon last
    }
    EXPECT_EQ(page.lvClones->model()->rowCount(), 4);
    EXPECT_EQ(page.navigator->vVNodes->model()->rowCount(), 2);

    QFile::remove(clp);
    s.box.dialogs.answers = {Answer::Yes};
    page.btnOpenClick();
    EXPECT_EQ(s.lastText(),
              "An error occurred loading duplicates list, current list is invalid. Start a new scan.");
    EXPECT_FALSE(QFile::exists(cln));
    EXPECT_TRUE(page.result().FIDLISTB.empty());
    s.box.dialogs.answers = {Answer::Yes};
    page.btnOpenClick();
    EXPECT_EQ(s.lastText(), "File not found, exiting.");

    // An empty saved result: the open-last sequence starts "Analyze".
    page.SaveCloneLists();
    bool analyzed = false;
    page.askScanOptions = [&] {
        analyzed = true;
        return false;
    };
    page.lblOpenLastClick();
    EXPECT_TRUE(analyzed);
}

TEST(Disposal, ClosingSavesANonEmptyResultOnly) {
    const auto savedSize = [](const test::Sandbox& box) {
        return QFileInfo(box.folders().duplicates() + "/CLONE_FILE_LIST.CLN").size();
    };
    {
        ScannedPage s;
        s.main.show();
        s.main.close();
        EXPECT_EQ(savedSize(s.box), 5 * 708);
        s.box.dialogs.answers = {Answer::Yes};
        s.page.ClearAllClick();
        s.main.show();
        s.main.close();
        EXPECT_EQ(savedSize(s.box), 5 * 708);  // an empty result leaves the saved pair as it was
    }
}

TEST(Disposal, RescueCenterRulesAndFailures) {
    test::Sandbox box;
    AppWindows windows(*box.context);
    const QString a = box.writeFile(box.root() + "/files/a.txt", "a");
    const QString b = box.writeFile(box.root() + "/files/b.txt", "b");
    const QString c = box.writeFile(box.root() + "/files/c.txt", "c");
    zip::TZipEngine engine;
    engine.Unattended = true;
    const QString first = box.folders().rescue() + "/1-1-2027 (1-00-00 AM).rsc";
    const QString second = box.folders().rescue() + "/1-2-2027 (1-00-00 AM).rsc";
    ASSERT_EQ(rescue::addFilesToArchive(engine, first.toStdString(),
                                        {a.toStdString(), b.toStdString(), c.toStdString()}),
              0);
    ASSERT_EQ(rescue::addFilesToArchive(engine, second.toStdString(), {a.toStdString()}), 0);
    TRescue_f& r = windows.rescue();
    r.FillList();
    ASSERT_EQ(r.lvBackup->topLevelItemCount(), 2);
    EXPECT_EQ(r.lvBackup->topLevelItem(0)->text(0), "1-1-2027 (1-00-00 AM).rsc");

    r.lvBackup->setCurrentItem(r.lvBackup->topLevelItem(0));
    r.btnSelectAllClick();  // toggles both: the second checked, the first unchecked
    r.lvBackup->topLevelItem(0)->setCheckState(0, Qt::Checked);
    r.btnRestoreClick();
    EXPECT_EQ(box.dialogs.shown.back().text, "Please select a single backup file at a time to restore.");

    // Two of three entries cannot be written: numbered failures, and the archive stays.
    r.lvBackup->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    for (const QString& p : {b, c}) {
        QFile::remove(p);
        QDir().mkpath(p);
    }
    box.dialogs.answers = {Answer::Yes, Answer::Yes};
    r.btnRestoreClick();
    EXPECT_EQ(box.dialogs.shown.back().text,
              "1 files were restored. Errors occured, 2 files could not be restored. Show list of files?");
    EXPECT_EQ(box.dialogs.shown.back().title, "Question");
    TMsgform& list = windows.messages();
    ASSERT_EQ(list.ListView1->topLevelItemCount(), 2);
    EXPECT_EQ(list.ListView1->topLevelItem(0)->text(2), "#1");
    EXPECT_EQ(list.ListView1->topLevelItem(1)->text(2), "#2");
    EXPECT_EQ(list.ListView1->topLevelItem(1)->text(4), "Failed");
    EXPECT_TRUE(list.RichEdit1->toPlainText().startsWith("Errors occurs restoring files...\n" + first));
    EXPECT_TRUE(QFile::exists(first));  // copies not restored are kept
    list.hide();

    // Clear touches no file; the list fills again when shown. Delete Selected goes to the trash.
    ASSERT_EQ(r.lvBackup->topLevelItemCount(), 2);
    r.btnClearAllClick();
    EXPECT_EQ(r.lvBackup->topLevelItemCount(), 2);  // nothing checked
    r.btnSelectAllClick();
    r.btnClearAllClick();
    EXPECT_EQ(r.lvBackup->topLevelItemCount(), 0);
    r.FillList();
    EXPECT_EQ(r.lvBackup->topLevelItemCount(), 2);
    r.lvBackup->topLevelItem(1)->setCheckState(0, Qt::Checked);
    box.dialogs.answers = {Answer::Yes};
    r.btnDeleteClick();
    EXPECT_EQ(r.lvBackup->topLevelItemCount(), 1);
    EXPECT_FALSE(QFile::exists(second));
    EXPECT_TRUE(QFile::exists(first));
    EXPECT_EQ(trashed(box).size(), 1);
}
