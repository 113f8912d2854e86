#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orlivo::duplicates {

// A file's content fingerprints; nothing when the file cannot be read.
std::optional<std::string> md5OfFile(const std::string& path);
std::optional<std::uint32_t> crc32OfFile(const std::string& path);
// Whether two files hold the same bytes (read side by side, stopping at the first difference).
bool sameBytes(const std::string& a, const std::string& b);

}  // namespace orlivo::duplicates
