#pragma once

#include <cstdint>
#include <string>

namespace orlivo::zip {

bool isValidUtf8(const std::string& s);
std::string decodeCp437(const std::string& raw);
// The UTF-8 name of a Unicode path extra field (0x7075), or empty when there is none.
std::string unicodePathFromExtra(const std::string& extra);

// An entry's name as UTF-8 with '\' as the folder separator: from the Unicode path extra field when
// present; as UTF-8 with flag bit 11; in the OEM code page for DOS-made archives; otherwise in the
// system's ANSI code page (UTF-8 here). Bytes that are no valid UTF-8 are read as the OEM code page, so
// every name decodes to something.
std::string decodeEntryName(const std::string& raw, const std::string& extra, std::uint16_t flags,
                            std::uint16_t versionMadeBy);

}  // namespace orlivo::zip
