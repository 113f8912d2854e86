#pragma once

#include "ComputerInfo.h"
#include "DesktopLauncher.h"
#include "LocaleFormats.h"
#include "Locations.h"
#include "ShellFileOperation.h"
#include "SpecialFolders.h"
#include "Trash.h"

#include <memory>

namespace orlivo::platform {

// The operating-system services the program uses, built once by main() (or by a test, as a sandbox)
// and handed to whatever needs them.
class Platform {
public:
    // The Linux backend over the real environment.
    static std::unique_ptr<Platform> system();
    // Every location inside root (created as needed); opening files only records them; the computer
    // information and locale formats are fixed so that results do not depend on the machine.
    static std::unique_ptr<Platform> sandbox(const QString& root);

    const Locations& locations() const { return fLocations; }
    DesktopLauncher& launcher() { return *fLauncher; }
    const ComputerInfo& computerInfo() const { return fComputerInfo; }
    const LocaleFormats& localeFormats() const { return fLocaleFormats; }
    Trash trash() const { return Trash(fLocations.homeTrash); }
    ShellFileOperation fileOperation(ShellOperationUi ui = {}) const {
        return ShellFileOperation(trash(), std::move(ui));
    }
    SpecialFolderResult specialFolder(int identifier) const {
        return orlivo::platform::specialFolder(fLocations, identifier);
    }

private:
    Platform(Locations locations, std::unique_ptr<DesktopLauncher> launcher, ComputerInfo info,
             LocaleFormats formats);

    Locations fLocations;
    std::unique_ptr<DesktopLauncher> fLauncher;
    ComputerInfo fComputerInfo;
    LocaleFormats fLocaleFormats;
};

}  // namespace orlivo::platform
