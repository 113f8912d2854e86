#include "DisposalEffects.h"

#include "GroupOrphans.h"

#include <algorithm>
#include <unordered_set>

namespace orlivo::duplicates {

DisposalEffects removeDisposed(std::vector<TCloneRecord>& records, std::vector<std::size_t> positions,
                               FoldersList& candidates) {
    DisposalEffects out;
    std::unordered_set<std::string> seenNames;
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (auto p = positions.rbegin(); p != positions.rend(); ++p) {
        if (*p >= records.size())
            continue;
        const TCloneRecord& r = records[*p];
        out.groups.push_back(r.GroupID);
        std::string name = fileNameOf(r.FullPath);
        if (seenNames.insert(name).second)
            out.names.push_back(std::move(name));
        candidates.add(folderOf(r.FullPath));
        ++out.removed;
    }
    eraseAt(records, std::move(positions));
    std::sort(out.groups.begin(), out.groups.end());
    out.groups.erase(std::unique(out.groups.begin(), out.groups.end()), out.groups.end());
    return out;
}

std::vector<std::size_t> positionsGone(const std::vector<TCloneRecord>& records,
                                       const std::vector<std::size_t>& positions,
                                       const std::function<bool(const std::string&)>& exists) {
    std::vector<std::size_t> out;
    for (std::size_t p : positions)
        if (p < records.size() && !exists(records[p].FullPath))
            out.push_back(p);
    return out;
}

}  // namespace orlivo::duplicates
