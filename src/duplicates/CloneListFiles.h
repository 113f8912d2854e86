#pragma once

#include "CloneRecords.h"

#include <functional>
#include <string>
#include <vector>

namespace orlivo::duplicates {

// The one saved result: CLONE_FILE_LIST.CLN (records) and CLONE_FILE_LIST.CLP (navigator nodes).
struct CloneListPaths {
    std::string records;
    std::string nodes;
    static CloneListPaths in(const std::string& folder);
};

bool SaveCloneLists(const CloneListPaths& paths, const std::vector<TCloneRecord>& records,
                    const std::vector<TNodeItems>& nodes);

enum class LoadOutcome { Loaded, NoSavedList, Damaged };

struct LoadedLists {
    std::vector<TCloneRecord> records;
    std::vector<TNodeItems> nodes;
};

// Reads the saved pair, keeping only records and nodes whose file still exists. A missing record file
// is NoSavedList; a missing or unreadable node file, or an unreadable record file, is Damaged (and the
// caller then removes both files).
LoadOutcome loadCloneLists(const CloneListPaths& paths, LoadedLists& out,
                           const std::function<bool(const std::string&)>& exists);

}  // namespace orlivo::duplicates
