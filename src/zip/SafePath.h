#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orlivo::zip {

// The folder segments of an entry name that is safe to extract below a base folder: split at '/' and
// '\'; empty and "." segments dropped. Nothing (the name is refused) when the name is absolute, carries
// a drive letter or a UNC prefix, has a ".." segment, holds NUL or control characters, or leaves no
// segment at all.
std::optional<std::vector<std::string>> safeSegments(const std::string& entryName);

// Whether path (made canonical, following links) lies inside base (also canonical).
bool isInside(const std::string& canonicalBase, const std::string& canonicalPath);
std::string canonical(const std::string& path);

}  // namespace orlivo::zip
