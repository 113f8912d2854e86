#pragma once

#include <QColor>
#include <QStringList>

namespace orlivo::app::defaults {

// The stored options of the main window and their values when nothing is stored.
constexpr int kThemeIndex = -1;  // no selection
// Windows' scroll-bar system colour, which the first group colour starts with.
inline const QColor kColorGroup1(200, 200, 200);
inline const QColor kColorGroup2(Qt::white);
constexpr int kHighlight = 0;   // "Highlight in bold font"
constexpr int kPlaceGroup = 1;  // "Left Justify Headers and Footers"
constexpr bool kSaveDuplicates = true;
constexpr bool kLoadLists = true;
constexpr bool kKeepBackups = false;
constexpr int kBackupLifeDays = 30, kBackupLifeMin = 0, kBackupLifeMax = 365;
constexpr int kMaxDiskMb = 500, kMaxDiskMin = 50, kMaxDiskMax = 10000;
constexpr bool kResearch = true;
constexpr int kShredPasses = 2, kShredPassesMin = 1, kShredPassesMax = 10;
constexpr bool kDeleteBackupAfterRestore = true;  // not stored: on at every start

// Menu items whose checked state the main window stores; all start unchecked but "&Compact", the side
// menu's initial close style.
inline const QStringList kStoredMenuItems = {
    "CollapseAll1",
    "CommaseparatedvaluesCSV1",
    "Compact1",
    "Delete1",
    "Delete2",
    "Deletefilesfromarchive1",
    "DeleteP",
    "DeleteSelected",
    "Deleteselected1",
    "delListDrive",
    "Deselectall1",
    "DeselectAll2",
    "Deselectall3",
    "Display1",
    "MoveSelected",
    "lvZipDelete",
    "Moveselectedfiles1",
};

inline const QStringList kPreviewExtensions = {".HTML", ".HTM", ".PDF", ".TEXT", ".TXT", ".LOG", ".PNG",
                                               ".BMP",  ".GIF", ".JPG", ".JPEG", ".XML", ".ICO", ".CFG"};

}  // namespace orlivo::app::defaults
