#include "AboutPage.h"
#include "AppWindows.h"
#include "OptionsPage.h"
#include "OrlivoApplication.h"
#include "PageTitles.h"
#include "Sandbox.h"
#include "TMain_f.h"
#include "TWork_f.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace orlivo;
using namespace orlivo::app;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : windows(*box.context), m(windows.main()) {}

    void open(int tag) {
        QObject sender;
        sender.setProperty("Tag", tag);
        m.actCleanerExecute(&sender);
    }

    test::Sandbox box;
    AppWindows windows;
    TMain_f& m;
};

}  // namespace

TEST_F(MainWindowTest, WindowsAreCreatedOnceInTheirOrder) {
    EXPECT_EQ(windows.creationOrder(), QStringList({"Main_f", "Data_f", "Msgform", "Work_f", "smMsg_f",
                                                    "Folders_f", "Rescue_f", "Navigator_f"}));
    EXPECT_EQ(m.windowTitle(), "Orlivo 10 -Marrowby Technologies Inc.");
    EXPECT_EQ(QApplication::applicationName(), "Orlivo");
    EXPECT_EQ(m.pgMain->count(), 8);
    EXPECT_EQ(m.Label4->text(), "Operating System: Sandbox OS 1.0, Linux 6.1");
    EXPECT_EQ(m.Label6->text(), "CPU 64 Bit: Test CPU, GenuineTest");
    EXPECT_EQ(m.Label5->text(), "Computer name: sandbox-host");
    EXPECT_EQ(m.OldColor, 0xFF0000);
    EXPECT_TRUE(m.fRemoveOrphans);
}

TEST_F(MainWindowTest, EachTagOpensItsPageWithItsTitle) {
    const std::pair<int, const char*> cases[] = {
        {0, "About ORV"},
        {1, "File shedder"},
        {2, "Zip file manager"},
        {4, "Duplicate files manager"},
        {5, "Cleaner and optimizer"},
        {6, "Startup manager"},
        {7, "Search for files"},
    };
    for (const auto& [tag, title] : cases) {
        open(tag);
        EXPECT_EQ(m.lblTitle->text(), title);
        EXPECT_EQ(m.pgMain->currentIndex(), tag);
    }
    open(42);
    EXPECT_EQ(m.lblTitle->text(), "Orlivo");
    m.actions[PageSettings]->trigger();
    EXPECT_EQ(m.lblTitle->text(), "Settings");
    EXPECT_EQ(m.pgMain->currentIndex(), PageSettings);
    // The side menu buttons carry the actions.
    m.actions[PageZipManager]->trigger();
    EXPECT_EQ(m.lblTitle->text(), "Zip file manager");
}

TEST_F(MainWindowTest, ToolWindowsAreEmbeddedAtMostOnce) {
    int created = 0;
    m.setJunkWindowFactory([&](QWidget*) {
        ++created;
        return new QWidget();
    });
    auto* startup = new QWidget();
    auto* find = new QWidget();
    m.setStartUpWindow(startup);
    m.setFindWindow(find);
    for (int round = 0; round < 2; ++round) {
        open(PageJunkFiles);
        open(PageStartUp);
        open(PageFindFiles);
    }
    EXPECT_EQ(created, 1);
    EXPECT_EQ(startup->parentWidget(), m.pnlStartForm);
    EXPECT_EQ(find->parentWidget(), m.pnlFindFiles);
    for (QWidget* host : {m.pnlContainer, m.pnlStartForm, m.pnlFindFiles}) {
        EXPECT_EQ(host->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 1);
    }
}

TEST_F(MainWindowTest, SideMenuCommands) {
    m.show();
    open(PageZipManager);
    EXPECT_EQ(m.svMain->width(), 200);
    EXPECT_TRUE(m.pnlHidden->isVisible());
    EXPECT_FALSE(m.mnZip->isEnabled());  // reachable from the open side menu instead
    EXPECT_TRUE(m.lblPanel8->text().contains(kMakerWebAddress));

    m.Image1Click();  // closes; compact is the initial close style
    EXPECT_FALSE(m.sideMenu().isOpen());
    EXPECT_EQ(m.svMain->width(), 48);
    EXPECT_FALSE(m.pnlHidden->isVisible());
    EXPECT_TRUE(m.Compact1->isChecked());
    EXPECT_TRUE(m.mnZip->isEnabled());
    EXPECT_TRUE(m.lblPanel8->text().isEmpty());

    m.CollapseOnly1->trigger();
    EXPECT_FALSE(m.svMain->isVisible());
    EXPECT_TRUE(m.CollapseOnly1->isChecked());
    EXPECT_FALSE(m.Compact1->isChecked());

    m.CollapseAndExpandView1->trigger();
    EXPECT_FALSE(m.pnlTop->isVisible());
    EXPECT_EQ(m.CollapseAndExpandView1->text(), "&Restore all views");
    EXPECT_TRUE(m.CollapseAndExpandView1->isChecked());
    EXPECT_EQ(m.CollapseAndExpandView1->property("Tag").toInt(), 1);
    m.CollapseAndExpandView1->trigger();
    EXPECT_TRUE(m.pnlTop->isVisible());
    EXPECT_TRUE(m.sideMenu().isOpen());
    EXPECT_EQ(m.CollapseAndExpandView1->text(), "Col&lapse and expand view");
    EXPECT_FALSE(m.CollapseAndExpandView1->isChecked());
    EXPECT_FALSE(m.Compact1->isChecked() || m.CollapseOnly1->isChecked());
    EXPECT_TRUE(m.pnlHidden->isVisible());  // zip page, open menu

    m.Compact1->trigger();
    EXPECT_EQ(m.svMain->width(), 48);
    EXPECT_TRUE(m.Compact1->isChecked());
    m.Image1Click();
    EXPECT_TRUE(m.sideMenu().isOpen());
    open(PageAbout);
    EXPECT_FALSE(m.pnlHidden->isVisible());
}

TEST_F(MainWindowTest, InfoBarShowsTheMarkedTotalsOnTheDuplicatesPage) {
    m.fMarkedCount = 2;
    m.fMarkedSize = 4000;
    open(PageDuplicates);
    EXPECT_EQ(m.tbInfoText->text(), "2 files are marked for deletion. Total size 4 KB");
    m.StatusPanels[0]->setText("/scanning/here");
    open(PageAbout);
    EXPECT_TRUE(m.tbInfoText->text().isEmpty());
    EXPECT_TRUE(m.StatusPanels[0]->text().isEmpty());
    m.fMarkedSize = 0;
    open(PageDuplicates);
    EXPECT_TRUE(m.tbInfoText->text().isEmpty());
}

TEST_F(MainWindowTest, HelpOpensTheLocalPageOfItsContext) {
    m.options->btnHelp->click();
    ASSERT_EQ(box.launcher().opened.size(), 1);
    EXPECT_EQ(box.launcher().opened[0], box.platform->locations().programFolder + "/Help/ORV10/60.html");
}

TEST_F(MainWindowTest, NativeThemeOpensTheCleanerAtOnce) {
    m.show();
    EXPECT_FALSE(m.themeTimer()->isActive());
    EXPECT_EQ(m.lblTitle->text(), "Cleaner and optimizer");
    EXPECT_EQ(m.pgMain->currentIndex(), PageJunkFiles);
}

TEST_F(MainWindowTest, OnlyTheLastOfQuickThemeChangesApplies) {
    m.show();
    QSignalSpy fired(m.themeTimer(), &QTimer::timeout);
    m.options->cbxVCLStyles->setCurrentIndex(1);
    m.cbxVCLStylesChange();
    QTest::qWait(400);
    m.options->cbxVCLStyles->setCurrentIndex(2);
    m.cbxVCLStylesChange();
    QTest::qWait(800);  // 1.2 s after the first choice, 0.8 s after the second
    EXPECT_EQ(fired.count(), 0);
    EXPECT_EQ(m.appliedTheme(), m.themes().names()[0]);
    ASSERT_TRUE(fired.wait(1000));
    EXPECT_EQ(fired.count(), 1);
    EXPECT_EQ(m.appliedTheme(), m.themes().names()[2]);
    EXPECT_FALSE(windows.work().isBusy());
    m.themes().apply(m.themes().names()[0]);
}

TEST(MainWindowStart, StoredThemeAppliesOneSecondAfterShow) {
    test::Sandbox box;
    {
        AppWindows windows(*box.context);
        windows.main().show();
        windows.main().options->cbxVCLStyles->setCurrentIndex(1);
        windows.main().close();
    }
    AppWindows windows(*box.context);
    TMain_f& m = windows.main();
    m.show();
    EXPECT_TRUE(m.themeTimer()->isActive());
    EXPECT_EQ(m.lblTitle->text(), "Orlivo");  // the cleaner page opens with the theme
    QSignalSpy fired(m.themeTimer(), &QTimer::timeout);
    ASSERT_TRUE(fired.wait(2000));
    EXPECT_EQ(m.appliedTheme(), m.themes().names()[1]);
    EXPECT_EQ(m.lblTitle->text(), "Cleaner and optimizer");
    EXPECT_FALSE(m.fApplyTheme);
    m.themes().apply(m.themes().names()[0]);
}

TEST_F(MainWindowTest, ClosingEmptiesTempAndRunsTheHousekeepingInOrder) {
    const DataFolders f = box.folders();
    box.writeFile(f.temp() + "/clist.cln");
    box.writeFile(f.temp() + "/preview/page.html");
    const QString ro = box.writeFile(f.temp() + "/readonly.txt");
    QFile::setPermissions(ro, QFile::ReadOwner);
    QStringList steps;
    bool busyDuringSteps = false;
    auto& s = m.closeSteps();
    s.saveActiveArchiveList = [&] {
        steps << "archive list";
        busyDuringSteps = windows.work().isBusy() && windows.work().text() == "House keeping...";
    };
    s.duplicateListHasRecords = [&] {
        steps << "has records: " + QString(QDir(f.temp()).isEmpty() ? "temp empty" : "temp full");
        return true;
    };
    s.saveDuplicateLists = [&] { steps << "save duplicates"; };
    s.vaultRetention = [&] { steps << "retention"; };
    m.options->cbDays->setChecked(true);
    m.show();
    m.close();
    EXPECT_EQ(steps,
              QStringList({"archive list", "has records: temp empty", "save duplicates", "retention"}));
    EXPECT_TRUE(busyDuringSteps);
    EXPECT_FALSE(windows.work().isBusy());
    EXPECT_TRUE(QDir(f.temp()).exists());
    EXPECT_TRUE(QDir(f.temp()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST_F(MainWindowTest, OptionsOffSkipTheirExitSteps) {
    QStringList steps;
    auto& s = m.closeSteps();
    s.duplicateListHasRecords = [&] { return false; };
    s.saveDuplicateLists = [&] { steps << "save duplicates"; };
    s.vaultRetention = [&] { steps << "retention"; };
    m.show();
    m.close();  // autosave on, but an empty list is not saved; backups kept forever
    m.options->cbSaveDuplicates->setChecked(false);
    s.duplicateListHasRecords = [&] { return true; };
    m.show();
    m.close();
    EXPECT_TRUE(steps.isEmpty());
}

namespace {

class Throwing : public QWidget {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw std::runtime_error("handler failed");
        return QWidget::event(e);
    }
};

}  // namespace

TEST(ExceptionHook, ExceptionsReachingTheEventLoopAreSwallowed) {
    auto* app = dynamic_cast<OrlivoApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    Throwing widget;
    QEvent event(QEvent::User);
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&widget, &event));
    EXPECT_EQ(app->lastSwallowed(), "handler failed");

    bool after = false;
    QTimer::singleShot(0, &widget, [] { throw 42; });
    QTimer::singleShot(5, &widget, [&] { after = true; });
    QTest::qWait(50);
    EXPECT_TRUE(after);  // the program went on
    EXPECT_EQ(app->lastSwallowed(), "unknown exception");
}
