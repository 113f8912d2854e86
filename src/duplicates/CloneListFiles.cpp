#include "CloneListFiles.h"

#include <sys/stat.h>

namespace orlivo::duplicates {

CloneListPaths CloneListPaths::in(const std::string& folder) {
    const std::string base = folder + (folder.ends_with('/') ? "" : "/") + "CLONE_FILE_LIST";
    return {base + ".CLN", base + ".CLP"};
}

bool SaveCloneLists(const CloneListPaths& paths, const std::vector<TCloneRecord>& records,
                    const std::vector<TNodeItems>& nodes) {
    const std::size_t slash = paths.records.find_last_of('/');
    if (slash != std::string::npos)
        ::mkdir(paths.records.substr(0, slash).c_str(), 0777);
    return writeRecords(paths.records, records) && writeNodes(paths.nodes, nodes);
}

LoadOutcome loadCloneLists(const CloneListPaths& paths, LoadedLists& out,
                           const std::function<bool(const std::string&)>& exists) {
    out = {};
    struct stat st {};
    if (::stat(paths.records.c_str(), &st) != 0)
        return LoadOutcome::NoSavedList;
    auto records = readRecords(paths.records);
    if (!records)
        return LoadOutcome::Damaged;
    for (TCloneRecord& r : *records)
        if (exists(r.FullPath))
            out.records.push_back(std::move(r));
    auto nodes = readNodes(paths.nodes);
    if (!nodes) {
        out = {};
        return LoadOutcome::Damaged;
    }
    for (TNodeItems& n : *nodes)
        if (exists(n.lName))
            out.nodes.push_back(std::move(n));
    return LoadOutcome::Loaded;
}

}  // namespace orlivo::duplicates
