#pragma once

#include "CloneRecords.h"
#include "DuplicateScan.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace orlivo::duplicates {

// What the records take from the desktop: type names, date text, icons and display sizes.
struct RecordDecorations {
    std::function<std::string(const std::string& path)> fileType;
    std::function<std::string(std::int64_t mtimeNs)> dateText;
    std::function<std::int32_t(const std::string& path)> recordIcon;  // appended to the result images
    std::function<std::int32_t(const std::string& path)> nodeIcon;    // appended to the navigator images
    std::function<std::string(std::int64_t bytes)> displaySize;
};

// The result model of the main window: the records, the navigator's nodes and the totals.
struct DuplicateResult {
    std::vector<TCloneRecord> FIDLISTB;
    std::vector<TNodeItems> FIDListN;
    std::int64_t szTotal = 0;
    std::int64_t cntTotal = 0;
    std::vector<std::string> typeNames;  // for the type filter, in the order first met
};

// Writes clist.cln and clistN.cln into the folder and reads them back as the result: records keep the
// full path of their file even where the record's Name field had to cut it. Files that vanished since
// the scan are left out. False when a working file cannot be written or read.
bool buildResult(const ScanResult& scan, const std::string& tempFolder, const RecordDecorations& deco,
                 DuplicateResult& result);

// "(3 MB in 3 files.)": the display size of all files of one name and their count.
std::string nodeStaticText(const std::string& displaySize, std::int64_t count);
// The bytes and files of the records of each of these file names now in the list; a name without
// records is absent.
struct NameTotal {
    std::int64_t bytes = 0;
    std::int64_t files = 0;
};
std::unordered_map<std::string, NameTotal> totalsByName(const std::vector<TCloneRecord>& records,
                                                        const std::unordered_set<std::string>& names);

}  // namespace orlivo::duplicates
