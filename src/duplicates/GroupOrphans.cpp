#include "GroupOrphans.h"

#include <algorithm>
#include <unordered_map>

namespace orlivo::duplicates {

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::vector<RemovedOrphan> removeGroupOrphans(std::vector<TCloneRecord>& records,
                                              const std::vector<std::int32_t>& groups) {
    std::vector<RemovedOrphan> removed;
    if (records.empty())
        return removed;
    std::unordered_map<std::int32_t, int> counts;
    for (const TCloneRecord& r : records) ++counts[r.GroupID];
    auto take = [&](std::vector<TCloneRecord>::iterator it) {
        removed.push_back({fileNameOf(it->FullPath), it->FileType});
        --counts[it->GroupID];
        records.erase(it);
    };
    for (auto g = groups.rbegin(); g != groups.rend(); ++g) {
        if (counts[*g] != 1)
            continue;  // none left, or still a group of duplicates
        take(std::find_if(records.begin(), records.end(),
                          [&](const TCloneRecord& r) { return r.GroupID == *g; }));
    }
    if (records.size() == 1)
        take(records.begin());
    return removed;
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
