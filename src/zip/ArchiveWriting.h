#pragma once

#include "PartWriter.h"
#include "ZipDirectory.h"

#include <functional>
#include <string>
#include <vector>

namespace orlivo::zip {

class Volumes;

constexpr std::uint64_t kZip64Limit = 0xFFFFFFFFu;

// Version needed recomputed from the method and flags (kept when made by or needed above 4.5), and the
// version made by adjusted for whether a Zip64 field is needed.
void recomputeVersions(CentralEntry& e, bool zip64);
// The entry's extra field without its Zip64 field (id 1).
std::string withoutZip64(const std::string& extra);

// Writes the entry's local header in one piece (on the next part when it does not fit) and records
// where it went as the entry's disk and offset.
void writeLocalHeader(PartWriter& out, CentralEntry& e, bool sizesInDescriptor);

// A local header for the entry as it stands (sizes, CRC, flags), with a Zip64 field when a size needs it.
std::string localHeader(const CentralEntry& e, bool sizesInDescriptor);

// Copies one entry of an archive into the one being written: a new local header from the
// central values, then exactly the stored data. Returns the entry as written (new offset, disk, versions).
// With `as`, the entry is written with that entry's name, comment and time (a rename). The entry is
// taken by value, so a caller that no longer needs it can move it in.
CentralEntry copyEntry(Volumes& source, CentralEntry entry, PartWriter& out,
                       const std::function<void(std::uint64_t done)>& progress,
                       const CentralEntry* as = nullptr);

// Writes the central directory and the end records, Zip64 records where values do not fit.
// Returns what the end records say, as the reader would find it.
EndInfo finishArchive(PartWriter& out, std::vector<CentralEntry>& entries, const std::string& comment);

}  // namespace orlivo::zip
