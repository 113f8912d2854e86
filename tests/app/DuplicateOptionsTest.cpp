#include "AppWindows.h"
#include "DuplicatesPage.h"
#include "FiltersPanel.h"
#include "Sandbox.h"
#include "TData_f.h"
#include "TMain_f.h"
#include "TWork_f.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace orlivo;
using namespace orlivo::app;

TEST(DuplicateOptions, PathsMessagesAndQuestions) {
    test::Sandbox box;
    AppWindows windows(*box.context);
    TData_f& o = windows.options();
    EXPECT_EQ(o.windowTitle(), "Options");
    o.cbPath->addItems({"/first", "/last"});
    o.rgFileContent->button(0)->setChecked(true);
    o.FormShow();
    EXPECT_TRUE(o.rgFileContent->button(1)->isChecked());  // content is off at every opening
    ASSERT_EQ(o.lbPaths->count(), 1);
    EXPECT_EQ(o.lbPaths->item(0)->text(), "/last");
    EXPECT_FALSE(o.cbCompare->isEnabled());

    o.lbPaths->clearSelection();
    o.btnDeleteClick();
    EXPECT_EQ(box.dialogs.shown.back().text, "Select and item in the list fist");

    o.cbSub->setChecked(false);
    o.cbSub->setChecked(true);
    box.dialogs.answers = {Answer::No};
    o.cbSubClick();
    EXPECT_EQ(box.dialogs.shown.back().text,
              "On large drives selecting scanning all directories may significantly increase scan time.");
    EXPECT_FALSE(o.cbSub->isChecked());
    EXPECT_FALSE(o.jvDepth->isEnabled());

    o.ClearAllClick();
    o.cbPath->setCurrentText("");
    o.btnStartClick();
    EXPECT_EQ(box.dialogs.shown.back().text, "Please specify a location to continue");
    EXPECT_EQ(o.result(), 0);  // the window stays open

    box.dialogs.paths = {box.root() + "/picked"};
    o.btnAddClick();
    EXPECT_EQ(o.cbPath->count(), 1);
    EXPECT_EQ(o.lbPaths->count(), 1);
}

TEST(DuplicateOptions, TheHistoryIsStored) {
    test::Sandbox box;
    {
        AppWindows windows(*box.context);
        windows.options().cbPath->addItems({"/a", "/b c"});
        windows.options().ListBox1->addItem("/excluded");
        windows.options().show();
        windows.options().close();
    }
    AppWindows windows(*box.context);
    windows.options().show();
    EXPECT_EQ(windows.options().cbPath->count(), 2);
    EXPECT_EQ(windows.options().cbPath->itemText(1), "/b c");
    EXPECT_EQ(windows.options().ListBox1->count(), 1);
    windows.options().close();
}

TEST(DuplicateOptions, AnalyzeRunsTheScanIntoTheWorkingFiles) {
    test::Sandbox box;
    box.writeFile(box.root() + "/tree/one/a.txt", QByteArray(1000, 'a'));
    box.writeFile(box.root() + "/tree/two/a.txt", QByteArray(1000, 'a'));
    box.writeFile(box.root() + "/tree/two/b.txt", QByteArray(1000, 'b'));
    AppWindows windows(*box.context);
    TData_f& o = windows.options();
    o.lbPaths->addItem(box.root() + "/tree");
    o.edMin->setValue(0);  // with no bound at all the 1,000,000-byte minimum would apply
    o.btnStartClick();
    ASSERT_EQ(o.result(), 1);
    DuplicatesPage& page = *windows.main().duplicatesPage;
    page.ExecuteSearchForDuplicates();
    ASSERT_EQ(page.result().FIDLISTB.size(), 2u);
    EXPECT_EQ(page.result().FIDLISTB[0].FullPath, (box.root() + "/tree/one/a.txt").toStdString());
    EXPECT_EQ(page.result().FIDListN.size(), 1u);
    EXPECT_EQ(page.result().FIDListN[0].StaticText, "(2 KB in 2 files.)");
    EXPECT_EQ(page.imClones.count(), 3);  // one per record, then the warning icon
    EXPECT_TRUE(QFile::exists(box.folders().temp() + "/clist.cln"));
    EXPECT_TRUE(page.btnSearch->isEnabled());
    EXPECT_FALSE(windows.work().isBusy());
}

TEST(DuplicateOptions, AnalyzeChecksFiltersAndEmptyFoldersFirst) {
    test::Sandbox box;
    AppWindows windows(*box.context);
    DuplicatesPage& page = *windows.main().duplicatesPage;
    bool explored = false, cleared = false;
    page.filters->cbSizeFilter->setChecked(true);
    page.btnApplyClick();
    page.emptyFolderCount = [] { return 3; };
    page.exploreEmptyFolders = [&] { explored = true; };
    page.clearEmptyFolders = [&] { cleared = true; };
    page.btnSearchClick();
    EXPECT_EQ(box.dialogs.shown.back().text,
              "Not available with filters active, disable filters to continue");
    page.btnClearFilterClick();
    box.dialogs.answers = {Answer::Yes};
    page.btnSearchClick();
    EXPECT_EQ(box.dialogs.shown.back().text,
              "There are \"3 empty folders\". Conducting a new scan will clear this list, do you want to "
              "explore them, "
              "before you continue?");
    EXPECT_TRUE(explored);
    EXPECT_FALSE(cleared);
}
