#include "GroupOrphans.h"

#include <algorithm>
#include <unordered_map>

namespace orlivo::duplicates {

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void eraseAt(std::vector<TCloneRecord>& records, std::vector<std::size_t> positions) {
    std::sort(positions.begin(), positions.end());
    std::vector<char> gone(records.size(), 0);
    for (std::size_t p : positions)
        if (p < records.size())
            gone[p] = 1;
    std::size_t i = 0;
    std::erase_if(records, [&](const TCloneRecord&) { return gone[i++] != 0; });
}

std::vector<RemovedOrphan> removeGroupOrphans(std::vector<TCloneRecord>& records,
                                              const std::vector<std::int32_t>& groups) {
    std::vector<RemovedOrphan> removed;
    if (records.empty())
        return removed;
    // One pass finds each group's size and first record; the records then leave in one pass too.
    std::unordered_map<std::int32_t, std::pair<int, std::size_t>> groupOf;  // count, first position
    for (std::size_t i = 0; i < records.size(); ++i) {
        auto [it, added] = groupOf.try_emplace(records[i].GroupID, 0, i);
        ++it->second.first;
    }
    std::vector<std::size_t> positions;
    for (auto g = groups.rbegin(); g != groups.rend(); ++g) {
        auto it = groupOf.find(*g);
        if (it == groupOf.end() || it->second.first != 1)
            continue;  // none left, or still a group of duplicates
        const TCloneRecord& r = records[it->second.second];
        removed.push_back({fileNameOf(r.FullPath), r.FileType});
        positions.push_back(it->second.second);
        it->second.first = 0;
    }
    if (records.size() - positions.size() == 1) {
        // The one record left of the whole list goes too.
        std::vector<char> taken(records.size(), 0);
        for (std::size_t p : positions) taken[p] = 1;
        const std::size_t last = std::size_t(std::find(taken.begin(), taken.end(), 0) - taken.begin());
        removed.push_back({fileNameOf(records[last].FullPath), records[last].FileType});
        positions.push_back(last);
    }
    eraseAt(records, std::move(positions));
    return removed;
}

RemainingNames::RemainingNames(const std::vector<TCloneRecord>& records) {
    for (const TCloneRecord& r : records) {
        names.insert(fileNameOf(r.FullPath));
        types.insert(r.FileType);
    }
}

bool anyRecordNamed(const std::vector<TCloneRecord>& records, const std::string& name) {
    return std::any_of(records.begin(), records.end(),
                       [&](const TCloneRecord& r) { return fileNameOf(r.FullPath) == name; });
}

bool anyRecordOfType(const std::vector<TCloneRecord>& records, const std::string& type) {
    return std::any_of(records.begin(), records.end(),
                       [&](const TCloneRecord& r) { return r.FileType == type; });
}

}  // namespace orlivo::duplicates
