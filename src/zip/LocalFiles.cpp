#include "LocalFiles.h"

#include <sys/stat.h>
#include <cerrno>

namespace orlivo::zip {

std::time_t fromDosDateTime(std::uint32_t dt) {
    std::tm t{};
    t.tm_year = int((dt >> 25) & 0x7F) + 80;
    t.tm_mon = int((dt >> 21) & 0x0F) - 1;
    t.tm_mday = int((dt >> 16) & 0x1F);
    t.tm_hour = int((dt >> 11) & 0x1F);
    t.tm_min = int((dt >> 5) & 0x3F);
    t.tm_sec = int(dt & 0x1F) * 2;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

std::uint32_t toDosDateTime(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    if (tm.tm_year < 80)
        return (1u << 21) | (1u << 16);  // 1980-01-01, the earliest time the format has
    if (tm.tm_year > 207)
        tm.tm_year = 207;
    const std::uint32_t date = std::uint32_t((tm.tm_year - 80) << 9 | (tm.tm_mon + 1) << 5 | tm.tm_mday);
    const std::uint32_t time = std::uint32_t(tm.tm_hour << 11 | tm.tm_min << 5 | tm.tm_sec / 2);
    return date << 16 | time;
}

bool isDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool makeDirectories(const std::string& path) {
    if (path.empty() || isDirectory(path))
        return true;
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !makeDirectories(path.substr(0, slash)))
        return false;
    return ::mkdir(path.c_str(), 0777) == 0 || (errno == EEXIST && isDirectory(path));
}

}  // namespace orlivo::zip
