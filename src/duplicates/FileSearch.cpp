#include "FileSearch.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <cstring>

namespace orlivo::duplicates {
namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 32) : c;
}

// '*' any run, '?' one character, case ignored for ASCII letters; "*.*" is every name.
bool wild(std::string_view p, std::string_view t) {
    std::size_t pi = 0, ti = 0, starP = std::string_view::npos, starT = 0;
    while (ti < t.size()) {
        if (pi < p.size() && (p[pi] == '?' || upper(p[pi]) == upper(t[ti]))) {
            ++pi;
            ++ti;
        } else if (pi < p.size() && p[pi] == '*') {
            starP = pi++;
            starT = ti;
        } else if (starP != std::string_view::npos) {
            pi = starP + 1;
            ti = ++starT;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*') ++pi;
    return pi == p.size();
}

std::int64_t twoSecondSteps(std::int64_t ns) {
    return (ns >= 0 ? ns : ns - 1999999999) / 2000000000;
}

}  // namespace

bool FileSearch::maskMatches(const std::string& mask, std::string_view name) {
    if (mask == "*.*" || mask == "*")
        return true;
    return wild(mask, name);
}

bool FileSearch::accepts(std::string_view name, const struct stat& st) const {
    const SearchCriteria& c = fCriteria;
    const bool hidden = !name.empty() && name[0] == '.';
    const bool readOnly = (st.st_mode & 0222) == 0;
    if ((c.ignoreHidden && hidden) || (c.ignoreReadOnly && readOnly))
        return false;
    const std::uint64_t size = std::uint64_t(st.st_size);
    if (c.useMinSize && size < c.minSize)
        return false;
    if (c.useMaxSize && size > c.maxSize)
        return false;
    const std::int64_t mtime = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    if (c.useChangedAfter && twoSecondSteps(mtime) < twoSecondSteps(c.changedAfterNs))
        return false;
    if (c.useChangedBefore && twoSecondSteps(mtime) > twoSecondSteps(c.changedBeforeNs))
        return false;
    for (const std::string& m : c.masks) {
        if (maskMatches(m, name))
            return true;
    }
    return false;
}

bool FileSearch::search(const std::string& root, std::deque<FoundFile>& out, PathArena& paths) {
    std::string start = root;
    while (start.size() > 1 && start.back() == '/') start.pop_back();
    return walk(start, 0, out, paths);
}

bool FileSearch::walk(const std::string& folder, int level, std::deque<FoundFile>& out, PathArena& paths) {
    if (fEvents.directoryBegins)
        fEvents.directoryBegins(folder);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return true;  // missing, or no access: nothing to list here
    const int dfd = ::dirfd(dir);
    std::vector<std::string> subfolders;
    bool aborted = false;
    const std::string prefix = folder == "/" ? folder : folder + "/";
    while (const dirent* e = ::readdir(dir)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        if (++fSinceProgress >= 256) {
            fSinceProgress = 0;
            if (fEvents.progress && fEvents.progress()) {
                aborted = true;
                break;
            }
        }
        if (e->d_type == DT_DIR) {
            subfolders.emplace_back(n);
            continue;
        }
        if (e->d_type != DT_REG && e->d_type != DT_UNKNOWN)
            continue;  // links, devices, sockets
        struct stat st {};
        if (::fstatat(dfd, n, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            subfolders.emplace_back(n);
            continue;
        }
        if (!S_ISREG(st.st_mode) || !accepts(n, st))
            continue;
        FoundFile f;
        f.pathAt = paths.add(prefix, n);
        f.pathLength = std::uint32_t(prefix.size() + std::strlen(n));
        f.nameStart = std::uint32_t(prefix.size());
        f.size = std::uint64_t(st.st_size);
        f.mtimeNs = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        f.device = st.st_dev;
        f.inode = st.st_ino;
        out.push_back(std::move(f));
    }
    ::closedir(dir);
    if (aborted)
        return false;
    const bool deeper = fCriteria.subfolders && (fCriteria.depth == 0 || level < fCriteria.depth);
    if (!deeper)
        return true;
    for (const std::string& sub : subfolders) {
        if (!walk(prefix + sub, level + 1, out, paths))
            return false;
    }
    return true;
}

}  // namespace orlivo::duplicates
