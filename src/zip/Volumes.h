#pragma once

#include "PartNames.h"
#include "ReadFile.h"

#include <map>
#include <string>

namespace orlivo::zip {

// The open files of one archive for the duration of an operation: one for a single-file archive, one per
// part of a multi-part archive, opened when first needed. Reads run on across part boundaries.
class Volumes {
public:
    Volumes(PartNames names, int totalDisks)
        : fNames(std::move(names)), fTotal(totalDisks < 1 ? 1 : totalDisks) {}

    int totalDisks() const { return fTotal; }
    const PartNames& names() const { return fNames; }
    // The file of a disk, or null when it cannot be opened.
    const ReadFile* part(int disk);
    std::uint64_t partSize(int disk);
    // Reads n bytes from (disk, offset) on, continuing at the start of the following parts; returns the
    // count read.
    std::size_t read(int disk, std::uint64_t offset, void* buffer, std::size_t n);
    // The same, moving (disk, offset) past what was read.
    std::size_t readOn(int& disk, std::uint64_t& offset, void* buffer, std::size_t n);
    // Up to n bytes at (disk, offset) from a read-ahead window of one part, for walking many small
    // records in order with few reads; sets got to the count available (short at the end of the part).
    const unsigned char* window(int disk, std::uint64_t offset, std::size_t n, std::size_t& got);

private:
    static constexpr std::size_t kWindow = 1 << 20;
    std::string fWindow;
    int fWindowDisk = -1;
    std::uint64_t fWindowStart = 0;

    PartNames fNames;
    int fTotal;
    std::map<int, ReadFile> fOpen;
};

// A forward reader over a run of bytes of the archive, possibly spanning parts.
class SpanReader {
public:
    SpanReader(Volumes& volumes, int disk, std::uint64_t offset, std::uint64_t length)
        : fVolumes(volumes), fDisk(disk), fOffset(offset), fLeft(length) {}

    std::uint64_t remaining() const { return fLeft; }
    // Up to n bytes; fewer only at the end of the run or of the archive (then a short count).
    std::size_t read(void* buffer, std::size_t n);

private:
    Volumes& fVolumes;
    int fDisk;
    std::uint64_t fOffset;
    std::uint64_t fLeft;
};

}  // namespace orlivo::zip
