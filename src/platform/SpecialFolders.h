#pragma once

#include "Locations.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace orlivo::platform {

// Shell special-folder identifiers (CSIDL values) the program asks for.
namespace csidl {
constexpr int Controls = 3;
constexpr int Printers = 4;
constexpr int Startup = 7;
constexpr int Recent = 8;
constexpr int BitBucket = 10;
constexpr int DesktopDirectory = 16;
constexpr int Drives = 17;
constexpr int Network = 18;
constexpr int CommonStartup = 24;
constexpr int AppData = 26;
constexpr int LocalAppData = 28;
constexpr int CommonAppData = 35;
constexpr int Windows = 36;
constexpr int Profile = 40;
}  // namespace csidl

// Shell result codes as the Windows shell returns them.
namespace shellresult {
constexpr std::uint32_t Ok = 0;
constexpr std::uint32_t Unexpected = 0x8000FFFFu;  // identifier known, but no file-system path
constexpr std::uint32_t InvalidArg = 0x80070057u;  // identifier refused
}  // namespace shellresult

struct SpecialFolderResult {
    std::uint32_t code = shellresult::InvalidArg;
    QString path;  // without trailing separator; set only when code is Ok
};

// Resolves a CSIDL identifier. Virtual folders (printers, the Recycle Bin, ...) resolve but have no path;
// identifiers without a Linux meaning are refused as the shell refuses an unknown one.
SpecialFolderResult specialFolder(const Locations& locations, int identifier);

}  // namespace orlivo::platform
