#include "AppWindows.h"
#include "ClonesModel.h"
#include "ColorBox.h"
#include "DuplicatesPage.h"
#include "FiltersPanel.h"
#include "FlatView.h"
#include "GroupedModel.h"
#include "OptionsPage.h"
#include "PageTitles.h"
#include "Sandbox.h"
#include "ScannedPage.h"
#include "TData_f.h"
#include "TMain_f.h"
#include "TNavigator_f.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace orlivo;
using namespace orlivo::app;

using test::ScannedPage;

TEST(DuplicateResults, FlatMarksTotalsWarningAndColours) {
    ScannedPage s;
    DuplicatesPage& page = s.page;
    ASSERT_EQ(page.result().FIDLISTB.size(), 5u);
    EXPECT_TRUE(page.flatShown());
    EXPECT_EQ(page.lvClones->model()->rowCount(), 5);
    EXPECT_EQ(s.flat(0, ClonesModel::Grouping).toString(), "Group 0");
    EXPECT_EQ(s.flat(3, ClonesModel::Size).toString(), "3 KB");

    page.selectFlatRows({0, 3});  // 1,000 and 3,000 bytes
    EXPECT_EQ(s.info(), "2 files are marked for deletion. Total size 4 KB");
    EXPECT_EQ(s.main.fMarkedCount, 2);
    EXPECT_TRUE(s.flat(0, 0, Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(s.flat(0, 0, Qt::CheckStateRole).toInt(), Qt::Checked);
    // The state image toggles its row's selection.
    page.clonesModel().setData(page.clonesModel().index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_EQ(s.info(), "1 files are marked for deletion. Total size 3 KB");

    page.selectFlatRows({4});  // all of group B
    EXPECT_FALSE(s.main.lblWarning->isHidden());
    EXPECT_EQ(s.main.lblWarning->text(), "This duplicate group has all files marked for deletion");
    EXPECT_FALSE(s.flat(3, ClonesModel::Grouping, Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_TRUE(s.flat(0, ClonesModel::Grouping, Qt::DecorationRole).isNull());
    page.clonesModel().setData(page.clonesModel().index(4, 0), Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_TRUE(s.main.lblWarning->isHidden());
    EXPECT_TRUE(s.flat(3, ClonesModel::Grouping, Qt::DecorationRole).isNull());
    page.DeselectAllClick();
    EXPECT_EQ(s.info(), "");
    EXPECT_TRUE(s.main.pnlImage->isHidden());

    // Consecutive groups alternate between the two colours, and a new colour repaints.
    const QColor a = s.flat(0, 0, Qt::BackgroundRole).value<QColor>();
    const QColor b = s.flat(3, 0, Qt::BackgroundRole).value<QColor>();
    EXPECT_NE(a, b);
    EXPECT_EQ(s.flat(1, 0, Qt::BackgroundRole).value<QColor>(), a);
    const QColor group1 = s.main.options->cbColor1->color() == a ? s.main.options->cbColor1->color()
                                                                 : s.main.options->cbColor2->color();
    EXPECT_EQ(a, group1);
    s.main.options->cbColor1->setColor(QColor(Qt::yellow));
    s.main.options->cbColor2->setColor(QColor(Qt::cyan));
    EXPECT_TRUE(s.flat(0, 0, Qt::BackgroundRole).value<QColor>() == QColor(Qt::yellow) ||
                s.flat(0, 0, Qt::BackgroundRole).value<QColor>() == QColor(Qt::cyan));
    EXPECT_NE(s.flat(0, 0, Qt::BackgroundRole).value<QColor>(),
              s.flat(3, 0, Qt::BackgroundRole).value<QColor>());
    // Strikeout instead of bold.
    s.main.options->rgHighlight->button(1)->setChecked(true);
    page.selectFlatRows({1});
    EXPECT_TRUE(s.flat(1, 0, Qt::FontRole).value<QFont>().strikeOut());
}

TEST(DuplicateResults, AFiveGigabyteRowAndRowsBeyondTheList) {
    ImageList images;
    ClonesModel model(images);
    std::vector<duplicates::TCloneRecord> rows(1);
    rows[0].FullPath = "/big.iso";
    rows[0].Size = "5368709120";
    model.setRows(&rows, false);
    EXPECT_EQ(model.index(0, ClonesModel::Size).data().toString(), "5 GB");
    model.marks().mark(0);
    EXPECT_EQ(model.marks().size(), 5368709120);
    EXPECT_EQ(model.record(7), nullptr);
}

TEST(DuplicateResults, SelectionCommandsWriteTheirCount) {
    ScannedPage s;
    DuplicatesPage& page = s.page;
    page.SelectOneDuplicateClick();
    EXPECT_EQ(s.main.StatusPanels[2]->text(), "2 duplicates selected");
    EXPECT_TRUE(page.clonesModel().marks().marked(0));
    EXPECT_TRUE(page.clonesModel().marks().marked(3));
    page.SelectAllDuplicatesClick();
    EXPECT_EQ(s.main.StatusPanels[2]->text(), "3 duplicates selected");
    for (int row : {1, 2, 4}) EXPECT_TRUE(page.clonesModel().marks().marked(row)) << row;
    EXPECT_FALSE(page.clonesModel().marks().marked(0));

    page.InvertSelectionClick();
    EXPECT_EQ(s.main.fMarkedCount, 2);
    page.setCurrentFlatRow(0);
    page.JumpToNextClick();  // scrolls, never selects
    EXPECT_EQ(s.main.fMarkedCount, 2);

    // The toolbar's type items follow the type filter's list; the flat pop-up names the current row's.
    ASSERT_TRUE(page.popSelectPopup());
    ASSERT_EQ(page.popSelectTypes->actions().size(), page.filters->cbFilter->count());
    const QString type = page.filters->cbFilter->itemText(0);
    page.popSelectTypes->actions()[0]->trigger();
    EXPECT_EQ(s.main.StatusPanels[2]->text(), "3 duplicates selected");
    page.popClonesPopup();
    EXPECT_NE(DuplicatesPage::item(page.popClones, "Select all duplicates of type: " + type), nullptr);
    page.ClearSelectionsClick();
    EXPECT_EQ(s.main.StatusPanels[2]->text(), "");
    EXPECT_EQ(s.main.fMarkedCount, 0);
}

TEST(DuplicateResults, FiltersNarrowTheViewAndRestrictCommands) {
    ScannedPage s;
    DuplicatesPage& page = s.page;
    FiltersPanel& f = *page.filters;
    page.btnApplyClick();  // nothing checked: nothing happens
    EXPECT_FALSE(page.filtersActive());

    f.cbSizeFilter->setChecked(true);
    f.edMinSz->setText("1");
    f.edMaxSz->setText("2");
    page.btnApplyClick();
    ASSERT_TRUE(page.filtersActive());
    ASSERT_EQ(page.lvClones->model()->rowCount(), 2);  // the two b.txt of 3,000 bytes
    EXPECT_TRUE(s.flat(0, 0).toString().endsWith("b.txt"));
    EXPECT_FALSE(s.flat(0, 0, Qt::BackgroundRole).isValid());  // no group colours while filtered
    EXPECT_FALSE(page.btnManage->isEnabled());
    EXPECT_FALSE(page.btnSelect->isEnabled());
    for (const auto& [command, action] : page.disposalItems) {
        if (action->parent() != page.popManage) {
            EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
        }
    }

    // The row commands act on the file shown in the filtered row.
    page.setCurrentFlatRow(1);
    page.OpenLocationClick();
    EXPECT_EQ(s.box.launcher().opened.back(),
              QString::fromStdString(page.FIDLISTF()[1].FullPath).section('/', 0, -2) + "/");

    const QString refusal = "Not available with filters active, disable filters to continue";
    page.btnSearchClick();
    EXPECT_EQ(s.lastText(), refusal);
    EXPECT_FALSE(page.popManagePopup());
    EXPECT_EQ(s.lastText(), refusal);
    EXPECT_EQ(s.box.dialogs.shown.back().title, "Information");
    EXPECT_FALSE(page.popSelectPopup());
    page.selectFlatRows({0});
    page.SelectOneDuplicateClick();
    EXPECT_EQ(s.lastText(), "Not available with filters active. Please disable filters to contiue");
    EXPECT_EQ(s.main.fMarkedCount, 1);  // refused: nothing changed
    page.SelectAllDuplicatesClick();
    EXPECT_EQ(s.lastText(), "Not available with filters active. Please diable filters to continue");
    page.SelectTypeClick("Text", false);
    EXPECT_EQ(s.main.fMarkedCount, 0);  // the pop-up version only clears the selection

    page.btnClearFilterClick();
    EXPECT_FALSE(page.filtersActive());
    EXPECT_EQ(page.lvClones->model()->rowCount(), 5);
    EXPECT_TRUE(page.btnManage->isEnabled());
    EXPECT_TRUE(page.popManagePopup());

    // Date and type: today's files of the chosen type; From after To alone is refused.
    f.cbSizeFilter->setChecked(false);
    f.cbDateFilter->setChecked(true);
    f.dtDateFrom->setDate(QDate::currentDate());
    f.dtDateTo->setDate(QDate::currentDate());
    f.cbTypeFilter->setChecked(true);
    page.btnApplyClick();
    EXPECT_EQ(page.lvClones->model()->rowCount(), 5);
    f.cbTypeFilter->setChecked(false);
    f.dtDateFrom->setDate(QDate::currentDate().addDays(1));
    page.btnApplyClick();
    EXPECT_EQ(s.lastText(),
              "\"From\" date cannot be bigger than \"To\" date, please review dates to continue.");
    EXPECT_TRUE(page.filtersActive());
    EXPECT_EQ(page.lvClones->model()->rowCount(), 0);
}

TEST(DuplicateResults, NavigatorListsNamesInTheGroupedView) {
    ScannedPage s;
    DuplicatesPage& page = s.page;
    TNavigator_f& nav = *page.navigator;
    EXPECT_EQ(nav.rootText(), "List all duplicate files. Click here");
    EXPECT_TRUE(nav.lblOpenLast->isHidden());
    ASSERT_EQ(nav.vVNodes->model()->rowCount(), 2);
    const int a = s.node("a.txt"), b = s.node("b.txt");
    EXPECT_EQ(nav.vVNodes->model()->index(a, 0).data(NodesModel::StaticTextRole).toString(),
              "(3 KB in 3 files.)");

    page.selectFlatRows({0});
    page.vVNodesNodeClick(a);
    EXPECT_FALSE(page.flatShown());
    EXPECT_EQ(s.main.fMarkedCount, 0);  // listing a name clears the flat marks
    EXPECT_FALSE(page.btnSaveClones->isEnabled());
    ASSERT_EQ(page.groupedList().groups.size(), 1u);
    EXPECT_EQ(page.groupedList().groups[0].header, "a.txt");
    EXPECT_EQ(page.groupedList().groups[0].footer, "3 KB found in 3 duplicate files.");
    EXPECT_EQ(page.groupedModel().rowCount(page.groupedModel().index(0, 0)),
              4);  // three files and the footer
    page.vVNodesNodeClick(b);
    EXPECT_EQ(page.groupedList().groups.size(), 2u);  // "Allow multiple groups in lists" is on
    page.Addgroups1->trigger();
    page.vVNodesNodeClick(b);
    ASSERT_EQ(page.groupedList().groups.size(), 1u);
    EXPECT_EQ(page.groupedList().groups[0].header, "b.txt");

    // Checking every file of the group warns; the pop-up names the counts and the group.
    GroupedModel& model = page.groupedModel();
    model.setData(s.groupedRow(0, 0), Qt::Checked, Qt::CheckStateRole);
    EXPECT_TRUE(s.main.lblWarning->isHidden());
    model.setData(s.groupedRow(0, 1), Qt::Checked, Qt::CheckStateRole);
    EXPECT_FALSE(s.main.lblWarning->isHidden());
    EXPECT_FALSE(model.index(0, GroupedModel::GroupId, model.index(0, 0)).data(Qt::DecorationRole).isNull());
    page.ListView1->setCurrentIndex(s.groupedRow(0, 0));
    page.popListViewPopup();
    EXPECT_NE(DuplicatesPage::item(page.popListView,
                                   "Remove the selected\"2 files\" from the list (no files are deleted)"),
              nullptr);
    EXPECT_NE(
        DuplicatesPage::item(page.popListView, "Remove group \"b.txt\" from the list (no files are deleted)"),
        nullptr);
    EXPECT_TRUE(page.disposalItems[Disposal::lvRecycleBin]->isEnabled());
    EXPECT_TRUE(page.popManagePopup());
    EXPECT_FALSE(page.disposalItems[Disposal::DeleteP]->isEnabled());  // flat page only
    EXPECT_TRUE(page.disposalItems[Disposal::DeleteSelected]->isEnabled());

    page.Addgroups1->trigger();
    page.vVNodesNodeClick(a);
    page.ListView1->setCurrentIndex(s.groupedRow(0, 0));
    page.RemoveSelectedGroupsClick();
    ASSERT_EQ(page.groupedList().groups.size(), 1u);
    EXPECT_EQ(page.groupedList().groups[0].header, "a.txt");
    EXPECT_EQ(page.result().FIDLISTB.size(), 5u);  // the flat view still has them

    // A name click clears active filters first; the root node shows all results again.
    page.jvdupNodesClick();
    EXPECT_TRUE(page.flatShown());
    EXPECT_TRUE(page.groupedList().empty());
    page.filters->cbSizeFilter->setChecked(true);
    page.btnApplyClick();
    ASSERT_TRUE(page.filtersActive());
    page.vVNodesNodeClick(a);
    EXPECT_FALSE(page.filtersActive());
    EXPECT_EQ(page.groupedList().rowCount(), 3);
}

TEST(DuplicateResults, NavigatorDocksAndNeverCloses) {
    ScannedPage s;
    TNavigator_f& nav = *s.page.navigator;
    s.main.resize(1600, 900);
    s.main.show();
    s.main.actCleanerExecute(s.main.actions.value(PageDuplicates));
    QCoreApplication::processEvents();
    EXPECT_EQ(nav.width(), 295);
    EXPECT_EQ(s.page.pnlDuplicates->dockWidgetArea(&nav), Qt::LeftDockWidgetArea);
    EXPECT_FALSE(nav.features() & QDockWidget::DockWidgetClosable);
    nav.close();
    EXPECT_TRUE(nav.isVisible());

    nav.setFloating(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(s.page.pnlDuplicates->centralWidget()->x(), 0);  // the dock panel has no width left
    nav.setFloating(false);
    QCoreApplication::processEvents();
    EXPECT_GE(s.page.pnlDuplicates->centralWidget()->x(), nav.width());
    s.main.hide();
}

TEST(DuplicateResults, OrphansLeaveTheResultAndTheNavigator) {
    ScannedPage s;
    DuplicatesPage& page = s.page;
    page.vVNodesNodeClick(s.node("b.txt"));
    auto& records = page.result().FIDLISTB;
    // One b.txt leaves the result as a disposal would take it; its group is left with one file.
    records.erase(records.begin() + 3);
    page.UpdateNavigatorNames({"b.txt"});
    EXPECT_EQ(page.result().FIDListN[s.node("b.txt")].StaticText, "(3 KB in 1 files.)");
    page.RemoveGroupOrphans({1});
    EXPECT_EQ(records.size(), 3u);
    EXPECT_EQ(s.node("b.txt"), -1);
    EXPECT_NE(s.node("a.txt"), -1);
    EXPECT_EQ(page.lvClones->model()->rowCount(), 3);
    EXPECT_EQ(page.filters->cbFilter->count(), 1);          // a.txt still has the type
    EXPECT_EQ(page.groupedList().groupsNamed("b.txt"), 1);  // two rows listed: not a group of one

    // With the option off, nothing is removed.
    page.lvOrphans->trigger();
    EXPECT_FALSE(s.main.fRemoveOrphans);
    records.erase(records.begin());
    records.erase(records.begin());
    page.RemoveGroupOrphans({0});
    EXPECT_EQ(records.size(), 1u);
}

TEST(DuplicateResults, ClearAllAsksFirst) {
    ScannedPage s;
    s.box.dialogs.answers = {Answer::No};
    s.page.ClearAllClick();
    EXPECT_EQ(s.lastText(), "This will clear the duplicate files list. Continue?");
    EXPECT_EQ(s.page.result().FIDLISTB.size(), 5u);
    s.box.dialogs.answers = {Answer::Yes};
    s.page.ClearAllClick();
    EXPECT_TRUE(s.page.result().FIDLISTB.empty());
    EXPECT_EQ(s.page.lvClones->model()->rowCount(), 0);
    EXPECT_EQ(s.page.navigator->vVNodes->model()->rowCount(), 0);
}

TEST(DuplicateResults, MouseAndKeysMarkRowsAsAListDoes) {
    ScannedPage s;
    s.main.resize(1600, 900);
    s.main.show();
    s.main.actCleanerExecute(s.main.actions.value(PageDuplicates));
    QCoreApplication::processEvents();
    FlatView& view = *s.page.lvClones;
    const duplicates::FlatMarks& marks = s.page.clonesModel().marks();
    auto at = [&](int row, int column = ClonesModel::Size) {
        return view.visualRect(s.page.clonesModel().index(row, column)).center();
    };
    auto markedRows = [&] {
        std::vector<int> rows;
        for (int r = 0; r < 5; ++r)
            if (marks.marked(r))
                rows.push_back(r);
        return rows;
    };
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(1));
    EXPECT_EQ(markedRows(), (std::vector<int>{1}));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier, at(3));
    EXPECT_EQ(markedRows(), (std::vector<int>{1, 3}));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, at(4));
    EXPECT_EQ(markedRows(), (std::vector<int>{3, 4}));  // the range from the last Ctrl+click
    EXPECT_EQ(s.info(), "2 files are marked for deletion. Total size 6 KB");

    // The state image toggles its row alone; the others stay marked.
    const QModelIndex first = s.page.clonesModel().index(0, 0);
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.rect = view.visualRect(first);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect check = view.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &view);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, check.center());
    EXPECT_EQ(markedRows(), (std::vector<int>{0, 3, 4}));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, check.center());
    EXPECT_EQ(markedRows(), (std::vector<int>{3, 4}));

    view.setFocus();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(0));
    QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(markedRows(), (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(s.main.lblWarning->isHidden());  // all of group A
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(markedRows(), (std::vector<int>{3}));
    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(s.main.fMarkedCount, 5);
    s.main.hide();
}
