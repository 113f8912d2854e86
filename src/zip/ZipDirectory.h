#pragma once

#include "PartNames.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orlivo::zip {

class Volumes;

// One central directory entry, with its values completed from a Zip64 extra field.
struct CentralEntry {
    std::uint16_t versionMadeBy = 0, versionNeeded = 0, flags = 0, method = 0;
    std::uint32_t dosDateTime = 0;  // date in the high word
    std::uint32_t crc = 0;
    std::uint64_t compressedSize = 0, uncompressedSize = 0, localOffset = 0;
    std::uint32_t diskStart = 0;
    std::uint16_t internalAttributes = 0;
    std::uint32_t externalAttributes = 0;
    std::string rawName, extra, comment;  // as stored
    std::string name;                     // decoded, UTF-8, '\' between folders
    bool isDirOnly = false;
    bool invalid = false;  // points outside the archive or into another entry

    bool encrypted() const { return (flags & 1) != 0; }
};

// What the end of an archive says about it.
struct EndInfo {
    std::uint32_t diskNumber = 0, totalDisks = 1;
    std::uint64_t entriesOnDisk = 0, totalEntries = 0;
    std::uint32_t centralDisk = 0;
    std::uint64_t centralSize = 0, centralOffset = 0;
    std::string comment;
    std::uint64_t endRecordOffset = 0;
    bool usedZip64 = false;
    bool commentLengthFlag = false;  // 159
    bool structureFlag = false;      // 160
};

struct ZipDirectory {
    EndInfo end;
    std::vector<CentralEntry> entries;  // in archive order
    std::uint64_t prefixOffset = 0;
    std::vector<int> warnings;  // 159, 160 in the order found
};

// Finds the end record of the archive in its last part; ZipError on failure.
EndInfo readEndInfo(const std::string& lastPartPath);
// Loads the central directory. cancelled() is asked between entries.
ZipDirectory readDirectory(Volumes& volumes, const EndInfo& end, const std::function<bool()>& cancelled = {});

}  // namespace orlivo::zip
