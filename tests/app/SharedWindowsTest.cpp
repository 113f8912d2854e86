#include "TMsgform.h"
#include "TWork_f.h"
#include "TsmMsg_f.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace orlivo::app;

TEST(TWork_f, ShowingDisablesCompetingCommandsAndClosingUndoesIt) {
    QWidget main;
    QPushButton analyze(&main), alreadyOff(&main);
    TWork_f work(&main);
    work.addCompetingControl(&analyze);
    bool busy = false;
    int extraShows = 0, extraCloses = 0;
    work.setBusyHandler([&](bool b) { busy = b; });
    work.addShowStep([&] { ++extraShows; }, [&] { ++extraCloses; });

    work.setText("Loading duplicates");
    work.progressBar()->show();
    work.progressBar()->setValue(40);
    work.Show();
    work.Show();  // a second show changes nothing more
    EXPECT_TRUE(busy);
    EXPECT_FALSE(analyze.isEnabled());
    EXPECT_EQ(work.progressBar()->value(), 0);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    work.Close();
    EXPECT_FALSE(busy);
    EXPECT_TRUE(analyze.isEnabled());
    EXPECT_EQ(work.text(), "Working on it...");
    EXPECT_TRUE(work.progressBar()->isHidden());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(extraShows, 1);
    EXPECT_EQ(extraCloses, 1);
    work.Close();
    EXPECT_EQ(extraCloses, 1);
}

TEST(TsmMsg_f, ProgressAndCancel) {
    TsmMsg_f window;
    window.lblInfo->setText("old");
    window.btnCancel->setText("Close");
    window.show();
    EXPECT_EQ(window.btnCancel->text(), "Cancel");
    EXPECT_TRUE(window.lblInfo->text().isEmpty());
    EXPECT_FALSE(window.progress(40, "photo.jpg"));
    EXPECT_EQ(window.ProgressBar1->value(), 40);
    EXPECT_EQ(window.lblInfo->text(), "photo.jpg");
    window.btnCancel->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.progress(50, "next.jpg"));  // the engine is told to stop once
    EXPECT_FALSE(window.progress(60, "after.jpg"));
    window.show();
    EXPECT_FALSE(window.progress(100, "last.jpg"));
    EXPECT_EQ(window.btnCancel->text(), "Close");
}

TEST(TMsgform, CloseEmptiesItAndCancelReachesTheOperation) {
    TMsgform window;
    int cancels = 0, renameClears = 0;
    window.setCancelHandler([&] { ++cancels; });
    window.setClearRenameList([&] { ++renameClears; });
    EXPECT_EQ(window.windowTitle(), "Messages");
    EXPECT_TRUE(window.cbAutoClose->isChecked());
    EXPECT_EQ(window.PageControl1->tabText(0), "Summary");
    EXPECT_EQ(window.PageControl1->tabText(1), "Details");
    window.show();
    window.RichEdit1->setPlainText("3 files extracted");
    new QTreeWidgetItem(window.ListView1, {"a.txt", "CRC error"});
    window.PageControl1->setCurrentIndex(1);
    window.pnlProgress->hide();
    window.btnCancel->click();
    EXPECT_EQ(cancels, 1);
    window.close();
    EXPECT_TRUE(window.RichEdit1->toPlainText().isEmpty());
    EXPECT_EQ(window.ListView1->topLevelItemCount(), 0);
    EXPECT_FALSE(window.pnlProgress->isHidden());
    EXPECT_EQ(window.PageControl1->currentIndex(), 0);
    EXPECT_EQ(renameClears, 2);
}
