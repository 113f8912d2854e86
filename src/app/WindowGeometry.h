#pragma once

#include <QString>

namespace orlivo::platform {
class IniFile;
}

namespace orlivo::app {

struct WindowRect {
    int left = 0, top = 0, width = 0, height = 0;
};
struct SizeLimits {
    int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;  // a maximum of 0 means none
};
struct WorkArea {
    int left = 0, top = 0, right = 0, bottom = 0;  // the desktop less the task bar
};

// Pulls a window into the work area: a negative left or top becomes 0, a window reaching past the right
// or bottom edge is moved back to end there (but never past the left or top edge).
WindowRect ClampToWorkArea(WindowRect r, const WorkArea& area);

// A window's geometry in the section "<component name> Settings" of an INI file of the caller's choice.
// save writes Width and Height (with size) and always Left and Top; load reads them back, defaults
// centre the window in the work area, and the result is clamped into the work area.
void SaveWindowGeometry(platform::IniFile& ini, const QString& componentName, const WindowRect& r,
                        bool withSize);
WindowRect LoadWindowGeometry(const platform::IniFile& ini, const QString& componentName,
                              const WindowRect& current, const SizeLimits& limits, const WorkArea& area,
                              bool withSize);

}  // namespace orlivo::app
