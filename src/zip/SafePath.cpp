#include "SafePath.h"

#include <climits>
#include <cstdlib>

namespace orlivo::zip {

std::optional<std::vector<std::string>> safeSegments(const std::string& name) {
    if (name.empty())
        return std::nullopt;
    if (name[0] == '/' || name[0] == '\\')
        return std::nullopt;  // absolute, or a UNC prefix
    if (name.size() >= 2 && name[1] == ':' &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'))) {
        return std::nullopt;  // a drive letter
    }
    std::vector<std::string> segments;
    std::string current;
    auto finish = [&]() -> bool {
        if (current == "..")
            return false;
        if (!current.empty() && current != ".")
            segments.push_back(current);
        current.clear();
        return true;
    };
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F)
            return std::nullopt;
        if (c == '/' || c == '\\') {
            if (!finish())
                return std::nullopt;
        } else {
            current += char(c);
        }
    }
    if (!finish() || segments.empty())
        return std::nullopt;
    return segments;
}

std::string canonical(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return {};
    return resolved;
}

bool isInside(const std::string& base, const std::string& path) {
    if (base.empty() || path.empty())
        return false;
    if (path == base)
        return true;
    const std::string prefix = base.back() == '/' ? base : base + '/';
    return path.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace orlivo::zip
