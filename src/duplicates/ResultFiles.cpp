#include "ResultFiles.h"

#include "GroupOrphans.h"
#include "ResultFilters.h"

#include <sys/stat.h>
#include <algorithm>
#include <unordered_map>

namespace orlivo::duplicates {

std::string nodeStaticText(const std::string& displaySize, std::int64_t count) {
    return "(" + displaySize + " in " + std::to_string(count) + " files.)";
}

std::unordered_map<std::string, NameTotal> totalsByName(const std::vector<TCloneRecord>& records,
                                                        const std::unordered_set<std::string>& names) {
    std::unordered_map<std::string, NameTotal> out;
    for (const TCloneRecord& r : records) {
        const std::string name = fileNameOf(r.FullPath);
        if (!names.count(name))
            continue;
        NameTotal& t = out[name];
        t.bytes += sizeOf(r);
        ++t.files;
    }
    return out;
}

bool buildResult(const ScanResult& scan, const std::string& tempFolder, const RecordDecorations& deco,
                 DuplicateResult& result) {
    result = {};
    ::mkdir(tempFolder.c_str(), 0777);
    std::vector<TCloneRecord> records;
    std::vector<const DuplicateFile*> kept;
    records.reserve(scan.files.size());
    std::int32_t id = 0;
    for (const DuplicateFile& d : scan.files) {
        const FoundFile& f = scan.of(d);
        const std::string path = scan.path(d);
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0)
            continue;  // gone since the scan: no record for it
        TCloneRecord r;
        r.Name = path;
        r.FullPath = path;
        r.Size = std::to_string(f.size);
        r.FileType = deco.fileType ? deco.fileType(path) : std::string();
        r.DateModified = deco.dateText ? deco.dateText(f.mtimeNs) : std::string();
        r.ImageIndex = deco.recordIcon ? deco.recordIcon(path) : std::int32_t(records.size());
        r.ColorId = d.colorId;
        r.GroupID = d.groupId;
        r.ID = ++id;
        records.push_back(std::move(r));
        kept.push_back(&d);
    }
    const std::string clist = tempFolder + "/clist.cln", clistN = tempFolder + "/clistN.cln";
    if (!writeRecords(clist, records))
        return false;

    // One node per file name: the first file of the name, the total of all of them.
    std::unordered_map<std::string, std::pair<std::int64_t, std::int64_t>> totals;
    for (const DuplicateFile* d : kept) {
        auto& t = totals[std::string(scan.name(*d))];
        t.first += std::int64_t(scan.of(*d).size);
        ++t.second;
    }
    std::vector<TNodeItems> nodes;
    for (std::size_t k = 0; k < kept.size(); ++k) {
        if (k > 0 && scan.name(*kept[k - 1]) == scan.name(*kept[k]))
            continue;
        const DuplicateFile& d = *kept[k];
        const FoundFile& f = scan.of(d);
        const auto& [sum, count] = totals[std::string(scan.name(d))];
        TNodeItems n;
        n.Name = std::string(scan.name(d));
        n.lName = scan.path(d);
        n.Size = deco.displaySize ? deco.displaySize(std::int64_t(f.size)) : std::to_string(f.size);
        n.ImageIndex = deco.nodeIcon ? deco.nodeIcon(n.lName) : std::int32_t(nodes.size());
        n.StaticText = nodeStaticText(deco.displaySize ? deco.displaySize(sum) : std::to_string(sum), count);
        result.szTotal += sum;
        result.cntTotal += count;
        nodes.push_back(std::move(n));
        const std::string type = records[k].FileType;
        if (std::find(result.typeNames.begin(), result.typeNames.end(), type) == result.typeNames.end()) {
            result.typeNames.push_back(type);
        }
    }
    if (!writeNodes(clistN, nodes))
        return false;

    auto back = readRecords(clist);
    auto backNodes = readNodes(clistN);
    if (!back || !backNodes || back->size() != records.size())
        return false;
    completeColors(*back);
    // The file's Name field holds at most 255 bytes; the full path comes from the scan, by position.
    for (std::size_t i = 0; i < back->size(); ++i) (*back)[i].FullPath = records[i].FullPath;
    result.FIDLISTB = std::move(*back);
    result.FIDListN = std::move(*backNodes);
    return true;
}

}  // namespace orlivo::duplicates
