#pragma once

#include "CloneRecords.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace orlivo::duplicates {

// A record taken out of the result because its group had no other file left; the file stays on disk.
struct RemovedOrphan {
    std::string name;  // file name
    std::string fileType;
};

// Takes out of the list every group of the given numbers that holds at most one record, visiting the
// numbers from the last to the first; when a single record is left in the whole list, it goes too.
// Returns the removed records in the order they left.
std::vector<RemovedOrphan> removeGroupOrphans(std::vector<TCloneRecord>& records,
                                              const std::vector<std::int32_t>& groups);

// The file name of a record's path.
std::string fileNameOf(const std::string& path);

// Takes the records at these positions out of the list in one pass, keeping the others in order.
void eraseAt(std::vector<TCloneRecord>& records, std::vector<std::size_t> positions);

// The file names and types the records have, gathered once for many questions.
struct RemainingNames {
    explicit RemainingNames(const std::vector<TCloneRecord>& records);
    bool named(const std::string& name) const { return names.count(name) != 0; }
    bool ofType(const std::string& type) const { return types.count(type) != 0; }
    std::unordered_set<std::string> names;
    std::unordered_set<std::string> types;
};

// Whether any record still has the file name or the type: names and types that no record has any more
// leave the navigator and the type filter.
bool anyRecordNamed(const std::vector<TCloneRecord>& records, const std::string& name);
bool anyRecordOfType(const std::vector<TCloneRecord>& records, const std::string& type);

}  // namespace orlivo::duplicates
