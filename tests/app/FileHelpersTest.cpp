#include "DisplaySize.h"
#include "NumericText.h"
#include "PathText.h"
#include "Sandbox.h"
#include "ShellHelpers.h"
#include "TWork_f.h"

#include <QComboBox>

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace orlivo;
using namespace orlivo::app;

TEST(ConvertToDisplaySize, ThresholdsAndRounding) {
    const std::pair<qint64, const char*> cases[] = {
        {0, "0 KB"},
        {1, "1 KB"},
        {1024, "1 KB"},
        {1025, "2 KB"},
        {102398976, "99999 KB"},
        {102398977, "97 MB"},
        {1023998976, "976 MB"},
        {1023998977, "976 MB"},  // 1,000,000 KB: the GB division would say 0 GB
        {1048574976, "999 MB"},  // 1,023,999 KB

        {1048576000, "1 GB"},
        {2147483648LL, "2 GB"},
        {5368709120LL, "5 GB"},
        {-1, "0 KB"},
        {-5000000, "0 KB"},
        {std::numeric_limits<qint64>::max(), "8796093022 GB"},
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(ConvertToDisplaySize(bytes, 7), text) << bytes;
}

TEST(NumericText, IntegersAndNumericOrder) {
    EXPECT_TRUE(IsInteger("42"));
    EXPECT_TRUE(IsInteger("-2147483648"));
    EXPECT_FALSE(IsInteger("2147483648"));
    EXPECT_FALSE(IsInteger("4a"));
    EXPECT_FALSE(IsInteger(""));
    QStringList list = {"10", "9", "100", "0", "-3", "21"};
    SortAsIntegers(list);
    EXPECT_EQ(list, QStringList({"-3", "0", "9", "10", "21", "100"}));
}

TEST(TrailingSeparator, AppendsOnlyWhenMissing) {
    EXPECT_EQ(IncludeTrailingSeparator(""), "");
    EXPECT_EQ(IncludeTrailingSeparator("/a/b"), "/a/b/");
    EXPECT_EQ(IncludeTrailingSeparator("/a/b/"), "/a/b/");
}

TEST(ShellHelpers, FileTypeRaisesForMissingFilesAndFillsTheFilterOnce) {
    test::Sandbox box;
    const QString file = box.writeFile(box.root() + "/x/notes.txt");
    const QString other = box.writeFile(box.root() + "/x/more.TXT");
    EXPECT_THROW(GetFileType(box.root() + "/x/gone.txt"), OsError);
    QComboBox filter;
    filter.addItem("All types");
    const QString type = GetFileType(file, true, &filter);
    filter.setCurrentIndex(1);
    EXPECT_EQ(GetFileType(other, true, &filter), type);
    EXPECT_EQ(filter.count(), 2);
    EXPECT_EQ(filter.currentIndex(), 0);
    EXPECT_EQ(GetFileType(file, false, nullptr), type);
}

TEST(ShellHelpers, EveryImageIndexIsANewIcon) {
    test::Sandbox box;
    const QString file = box.writeFile(box.root() + "/a.txt");
    ImageList images;
    const int first = GetImageIndex(file, nullptr, images);
    const int second = GetImageIndex(file, nullptr, images);
    EXPECT_GE(first, 0);
    EXPECT_NE(first, second);
    EXPECT_EQ(images.count(), 2);
    EXPECT_EQ(GetImageIndex("", nullptr, images), -1);
}

TEST(ShellHelpers, SpecialFolderEndsInSeparatorAndKeepsLocationOnRefusal) {
    test::Sandbox box;
    QString location = "unchanged";
    EXPECT_EQ(GetSpecialFolder(*box.platform, 16, location), 0u);
    EXPECT_EQ(location, box.platform->locations().desktop + "/");
    location = "unchanged";
    EXPECT_EQ(GetSpecialFolder(*box.platform, 10, location), 0x8000FFFFu);
    EXPECT_EQ(GetSpecialFolder(*box.platform, 999, location), 0x80070057u);
    EXPECT_EQ(location, "unchanged");
    // The data root has no trailing separator.
    EXPECT_FALSE(box.platform->specialFolder(35).path.endsWith('/'));
}

TEST(ShellHelpers, OpeningGoesThroughTheDesktopWhileBusy) {
    test::Sandbox box;
    const QString file = box.writeFile(box.root() + "/docs/report.pdf");
    TWork_f work(nullptr);
    bool busyWhileOpening = false;
    work.setBusyHandler([&](bool busy) { busyWhileOpening = busyWhileOpening || busy; });
    OpenExternally(*box.platform, &work, file);
    OpenFileLocation(*box.platform, &work, file);
    EXPECT_EQ(box.launcher().opened, QStringList({file, box.root() + "/docs/"}));
    EXPECT_TRUE(busyWhileOpening);
    EXPECT_FALSE(work.isBusy());
    EXPECT_FALSE(work.isVisible());
}
