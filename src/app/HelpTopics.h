#pragma once

#include <QString>

namespace orlivo::app {

// Help contexts of the program's help buttons.
namespace help {
constexpr int Duplicates = 10;
constexpr int Cleaner = 20;
constexpr int ZipManager = 30;
constexpr int Shredder = 40;
constexpr int StartupManager = 50;
constexpr int Options = 60;
constexpr int RescueCenter = 70;
constexpr int SearchInArchives = 80;
constexpr int SearchForArchives = 90;
constexpr int AddFiles = 100;
}  // namespace help

// The local HTML page of a help context, in the Help folder beside the executable.
QString HelpPageFor(const QString& programFolder, int context);

}  // namespace orlivo::app
