#pragma once

#include "CloneRecords.h"
#include "EmptyFolders.h"

#include <functional>
#include <string>
#include <vector>

namespace orlivo::duplicates {

// What taking disposed files out of the result did.
struct DisposalEffects {
    std::vector<std::int32_t> groups;  // GroupIDs of the removed records, each once, ascending
    std::vector<std::string> names;    // file names of the removed records, each once
    std::size_t removed = 0;
};

// Takes the records at these result positions out of the list, from the highest position down so that
// no removal shifts a record still to be visited; positions no longer in the list are passed over. The
// removed records' folders become empty-folder candidates.
DisposalEffects removeDisposed(std::vector<TCloneRecord>& records, std::vector<std::size_t> positions,
                               FoldersList& candidates);

// The positions whose file is gone from the disk: after a delete that stopped part-way only those
// leave the result, and the records of files still there stay.
std::vector<std::size_t> positionsGone(const std::vector<TCloneRecord>& records,
                                       const std::vector<std::size_t>& positions,
                                       const std::function<bool(const std::string&)>& exists);

}  // namespace orlivo::duplicates
