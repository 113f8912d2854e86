#include "Platform.h"

#include <QDir>

namespace orlivo::platform {

Platform::Platform(Locations locations, std::unique_ptr<DesktopLauncher> launcher, ComputerInfo info,
                   LocaleFormats formats)
    : fLocations(std::move(locations)),
      fLauncher(std::move(launcher)),
      fComputerInfo(std::move(info)),
      fLocaleFormats(std::move(formats)) {}

std::unique_ptr<Platform> Platform::system() {
    return std::unique_ptr<Platform>(new Platform(Locations::fromEnvironment(),
                                                  std::make_unique<SystemLauncher>(), ComputerInfo::read(),
                                                  LocaleFormats::system()));
}

std::unique_ptr<Platform> Platform::sandbox(const QString& root) {
    Locations l = Locations::sandbox(root);
    // What exists on any real machine exists in the sandbox too; the program's own folders do not.
    for (const QString& folder :
         {l.home, l.desktop, l.temp, l.systemDriveRoot, l.dataRoot, l.programFolder}) {
        QDir().mkpath(folder);
    }
    ComputerInfo info{"Sandbox OS 1.0", "Linux 6.1", true, "Test CPU", "GenuineTest", "sandbox-host"};
    return std::unique_ptr<Platform>(new Platform(std::move(l), std::make_unique<RecordingLauncher>(),
                                                  std::move(info), LocaleFormats::us()));
}

}  // namespace orlivo::platform
