#pragma once

#include <sys/stat.h>
#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orlivo::duplicates {

// The paths of a search, one after another in one block: a large tree costs its paths' bytes and little
// more.
// Blocks of 1 MiB, so that growing never copies what is already there (a copy would double the peak).
class PathArena {
public:
    // Adds the pieces as one path, kept within one block; returns where it starts.
    std::uint64_t add(std::string_view a, std::string_view b = {}) {
        const std::size_t n = a.size() + b.size();
        if (fBlocks.empty() || fUsed + n > fBlocks.back().size()) {
            fBlocks.emplace_back(std::max(kBlock, n), '\0');
            fUsed = 0;
        }
        std::string& block = fBlocks.back();
        block.replace(fUsed, a.size(), a);
        block.replace(fUsed + a.size(), b.size(), b);
        const std::uint64_t at = (std::uint64_t(fBlocks.size() - 1) << 32) | fUsed;
        fUsed += n;
        return at;
    }
    std::string_view view(std::uint64_t at, std::uint32_t length) const {
        return std::string_view(fBlocks[std::size_t(at >> 32)]).substr(std::size_t(at & 0xFFFFFFFFu), length);
    }

private:
    static constexpr std::size_t kBlock = 1 << 20;
    std::deque<std::string> fBlocks;
    std::size_t fUsed = 0;
};

// One file found by the search: where its path is, its size, last-write time and identity on disk.
struct FoundFile {
    std::uint64_t pathAt = 0;
    std::uint32_t pathLength = 0;
    std::uint32_t nameStart = 0;  // where the file name begins in the path
    std::uint64_t size = 0;
    std::int64_t mtimeNs = 0;  // nanoseconds since 1970, UTC
    std::uint64_t device = 0, inode = 0;

    std::string_view path(const PathArena& a) const { return a.view(pathAt, pathLength); }
    std::string_view name(const PathArena& a) const { return path(a).substr(nameStart); }
};

// What the search takes into account (the options window's choices).
struct SearchCriteria {
    bool subfolders = true;
    int depth = 3;  // 0 = unlimited; n = the root and n levels below it
    std::vector<std::string> masks{"*.*"};
    bool useMinSize = true, useMaxSize = false;
    std::uint64_t minSize = 1000000, maxSize = 0;
    bool useChangedAfter = false, useChangedBefore = false;
    std::int64_t changedAfterNs = 0, changedBeforeNs = 0;  // local times taken as UTC-free instants
    bool ignoreHidden = true, ignoreSystem = true, ignoreReadOnly = true;
};

// The recursive file finder of the duplicate scan: roots, subfolders and depth, masks, size and date
// bounds and attributes. Symbolic links are never followed into folders (nor reported as files);
// unreadable folders are passed over.
class FileSearch {
public:
    struct Events {
        std::function<void(const std::string& folder)> directoryBegins;
        // Called often enough to keep a window alive; return true to abort the search.
        std::function<bool()> progress;
    };

    FileSearch(SearchCriteria criteria, Events events)
        : fCriteria(std::move(criteria)), fEvents(std::move(events)) {}

    // Appends every matching file below root (its path to paths); false when the search was aborted.
    bool search(const std::string& root, std::deque<FoundFile>& out, PathArena& paths);

    static bool maskMatches(const std::string& mask, std::string_view name);

private:
    bool walk(const std::string& folder, int level, std::deque<FoundFile>& out, PathArena& paths);
    bool accepts(std::string_view name, const struct stat& st) const;

    SearchCriteria fCriteria;
    Events fEvents;
    unsigned fSinceProgress = 0;
};

}  // namespace orlivo::duplicates
