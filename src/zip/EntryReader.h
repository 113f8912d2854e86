#pragma once

#include "ZipDirectory.h"

#include <cstdint>
#include <functional>
#include <string>

namespace orlivo::zip {

class Volumes;

// Where an entry's stored data begins, found through its local header.
struct DataLocation {
    int disk = 0;
    std::uint64_t offset = 0;
    bool localNameDiffers = false;
};
DataLocation locateData(Volumes& volumes, const CentralEntry& entry);

// The check byte of an encrypted entry: the high byte of the time with a data descriptor, else of the CRC.
unsigned char checkByteOf(const CentralEntry& entry);
// Whether the password opens the entry (its 12-byte encryption header checks out).
bool passwordFits(Volumes& volumes, const CentralEntry& entry, const DataLocation& at,
                  const std::string& password);

// Reads an entry's data, decrypting and inflating it, hands the plain bytes to sink and checks their
// CRC-32. Never produces more than the entry's declared size (more is a data error, 137). progress gets
// the count of stored bytes consumed so far and may throw to stop. ZipError on failure (24 for a CRC
// mismatch, 137 for damaged data, 131 for an unsupported method).
void readEntryData(Volumes& volumes, const CentralEntry& entry, const DataLocation& at,
                   const std::string& password,
                   const std::function<void(const unsigned char*, std::size_t)>& sink,
                   const std::function<void(std::uint64_t)>& progress);

// The transfer buffer size for an input of that many bytes: 4 KB below 4 KB, (n + 1) KB up to 63 KB,
// 64 KB from there on.
std::size_t transferBufferSize(std::uint64_t inputSize);

}  // namespace orlivo::zip
