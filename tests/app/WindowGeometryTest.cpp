#include "IniFile.h"
#include "WindowGeometry.h"

#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace orlivo;
using namespace orlivo::app;

TEST(WindowGeometry, SaveWritesSizeOnlyWhenAsked) {
    QTemporaryDir dir;
    platform::IniFile ini(dir.filePath("g.ini"));
    SaveWindowGeometry(ini, "frmMain", {10, 20, 300, 400}, false);
    EXPECT_EQ(ini.keys("frmMain Settings"), QStringList({"Left", "Top"}));
    SaveWindowGeometry(ini, "frmMain", {10, 20, 300, 400}, true);
    EXPECT_EQ(ini.readInteger("FRMMAIN SETTINGS", "width", 0), 300);
    EXPECT_EQ(ini.readInteger("frmMain Settings", "Height", 0), 400);
}

TEST(WindowGeometry, LoadDefaultsCentreAndClampsIntoTheWorkArea) {
    const WorkArea area{0, 0, 1600, 860};  // a task bar of 40 below a 1600x900 screen
    const WindowRect current{5, 5, 400, 300};
    struct Case {
        const char* name;
        const char* stored;  // Left, Top, Width, Height; empty = not stored
        SizeLimits limits;
        bool withSize;
        WindowRect expected;
    };
    const Case cases[] = {
        {"nothing stored: centred", "", {}, true, {600, 280, 400, 300}},
        {"as stored", "100,50,500,400", {}, true, {100, 50, 500, 400}},
        {"negative becomes 0", "-30,-1,500,400", {}, true, {0, 0, 500, 400}},
        {"past the right edge ends at it", "1500,10,500,400", {}, true, {1100, 10, 500, 400}},
        {"past the bottom edge ends at it", "10,700,500,400", {}, true, {10, 460, 500, 400}},
        {"size clamped to limits", "0,0,100,5000", {300, 200, 0, 600}, true, {0, 0, 300, 600}},
        {"size not read without it", "10,10,900,900", {}, false, {10, 10, 400, 300}},
        // Wider than the work area: kept at the left edge rather than pushed past it.
        {"larger than the area", "10,10,2000,400", {}, true, {0, 10, 2000, 400}},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        platform::IniFile ini(dir.filePath("g.ini"));
        const QStringList v = QString(c.stored).split(',', Qt::SkipEmptyParts);
        if (v.size() == 4) {
            ini.writeString("w Settings", "Left", v[0]);
            ini.writeString("w Settings", "Top", v[1]);
            ini.writeString("w Settings", "Width", v[2]);
            ini.writeString("w Settings", "Height", v[3]);
        }
        const WindowRect r = LoadWindowGeometry(ini, "w", current, c.limits, area, c.withSize);
        EXPECT_EQ(r.left, c.expected.left) << c.name;
        EXPECT_EQ(r.top, c.expected.top) << c.name;
        EXPECT_EQ(r.width, c.expected.width) << c.name;
        EXPECT_EQ(r.height, c.expected.height) << c.name;
    }
}
