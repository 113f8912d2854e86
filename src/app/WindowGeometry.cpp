#include "WindowGeometry.h"

#include "IniFile.h"

#include <algorithm>

namespace orlivo::app {
namespace {

QString sectionOf(const QString& componentName) {
    return componentName + " Settings";
}

int clampToLimits(int value, int minimum, int maximum) {
    if (maximum > 0)
        value = std::min(value, maximum);
    return std::max(value, minimum);
}

int readInt(const platform::IniFile& ini, const QString& section, const char* key, int fallback) {
    return int(std::clamp<qint64>(ini.readInteger(section, key, fallback), -1000000, 1000000));
}

}  // namespace

void SaveWindowGeometry(platform::IniFile& ini, const QString& componentName, const WindowRect& r,
                        bool withSize) {
    const QString section = sectionOf(componentName);
    if (withSize) {
        ini.writeInteger(section, "Width", r.width);
        ini.writeInteger(section, "Height", r.height);
    }
    ini.writeInteger(section, "Left", r.left);
    ini.writeInteger(section, "Top", r.top);
}

WindowRect LoadWindowGeometry(const platform::IniFile& ini, const QString& componentName,
                              const WindowRect& current, const SizeLimits& limits, const WorkArea& area,
                              bool withSize) {
    const QString section = sectionOf(componentName);
    WindowRect r = current;
    if (withSize) {
        r.width =
            clampToLimits(readInt(ini, section, "Width", current.width), limits.minWidth, limits.maxWidth);
        r.height = clampToLimits(readInt(ini, section, "Height", current.height), limits.minHeight,
                                 limits.maxHeight);
    }
    r.left = readInt(ini, section, "Left", (area.right - area.left - r.width) / 2);
    r.top = readInt(ini, section, "Top", (area.bottom - area.top - r.height) / 2);
    return ClampToWorkArea(r, area);
}

WindowRect ClampToWorkArea(WindowRect r, const WorkArea& area) {
    if (r.left < 0)
        r.left = 0;
    if (r.top < 0)
        r.top = 0;
    if (r.left + r.width > area.right)
        r.left = area.right - r.width;
    if (r.top + r.height > area.bottom)
        r.top = area.bottom - r.height;
    // A window larger than the work area would otherwise be pushed past its left or top edge, leaving
    // its title bar out of reach.
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    return r;
}

}  // namespace orlivo::app
