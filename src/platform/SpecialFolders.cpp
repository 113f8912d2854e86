#include "SpecialFolders.h"

namespace orlivo::platform {

SpecialFolderResult specialFolder(const Locations& l, int identifier) {
    auto ok = [](const QString& path) { return SpecialFolderResult{shellresult::Ok, path}; };
    switch (identifier) {
        case csidl::Startup:
            return ok(l.autostart);
        case csidl::Recent:
            return ok(l.recent);
        case csidl::DesktopDirectory:
            return ok(l.desktop);
        case csidl::CommonStartup:
            return ok(l.commonAutostart);
        case csidl::AppData:
            return ok(l.configHome);
        case csidl::LocalAppData:
            return ok(l.dataHome);
        case csidl::CommonAppData:
            return ok(l.dataRoot);
        case csidl::Windows:
            return ok(l.windowsFolder);
        case csidl::Profile:
            return ok(l.home);
        case csidl::Controls:
        case csidl::Printers:
        case csidl::BitBucket:
        case csidl::Drives:
        case csidl::Network:
            return {shellresult::Unexpected, {}};
        default:
            return {shellresult::InvalidArg, {}};
    }
}

}  // namespace orlivo::platform
