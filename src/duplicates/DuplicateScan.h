#pragma once

#include "FileSearch.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orlivo::duplicates {

enum class ContentMethod { None, Md5, Crc32 };

// What besides equal name and size makes two files duplicates.
struct DuplicateRule {
    bool sameCreateDate = false;  // equal last-write times (the option's caption says creation)
    bool sameModDate = false;     // last-write times in the same span of 2^32 x 100 ns
    ContentMethod content = ContentMethod::None;
};

// One listed file of a result, in result order; its path and size are those of the found file.
struct DuplicateFile {
    std::uint32_t file = 0;    // index among the found files
    std::int32_t groupId = 0;  // 0, 1, 2, ... in list order
    std::int32_t colorId = 1;  // 1, 2, 1, 2, ... from group to group
    std::int32_t id = 0;       // 1, 2, 3, ...
};

struct ScanHooks {
    std::function<void(const std::string& folder)> directory;  // "Directory: " in the status bar
    std::function<void(const std::string& text)> step;         // the navigator's root node text
    std::function<void(std::size_t done, std::size_t total)> progress;
    std::function<bool()> keepAlive;  // lets events run; true = cancel
};

struct ScanResult {
    PathArena paths;
    std::deque<FoundFile> found;  // one per file on disk; a deque grows without copying
    std::vector<DuplicateFile> files;
    std::size_t enumerated = 0;
    bool cancelled = false;

    const FoundFile& of(const DuplicateFile& d) const { return found[d.file]; }
    std::string path(const DuplicateFile& d) const { return std::string(of(d).path(paths)); }
    std::string_view name(const DuplicateFile& d) const { return of(d).name(paths); }
};

// The pairwise rule on two files' times: equal last-write times (A) and equal upper halves of the 64-bit
// file time in 100 ns units since 1601 (B), as far as the rule asks for them.
bool timesMatch(const DuplicateRule& rule, std::int64_t mtimeNsA, std::int64_t mtimeNsB);

// Finds duplicates below the roots: equal name (exact, with case) and size, the rule's times, and with a
// content method equal bytes (the fingerprint narrows, a byte comparison decides). One path per file on
// disk: hard links and overlapping roots count once. Sorted by name (ordinal), size, then content class
// and path; cut into groups of equal name and size (and, with content, equal bytes).
ScanResult findDuplicates(const std::vector<std::string>& roots, const SearchCriteria& criteria,
                          const DuplicateRule& rule, const ScanHooks& hooks);

}  // namespace orlivo::duplicates
