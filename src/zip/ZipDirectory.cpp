#include "ZipDirectory.h"

#include "Bytes.h"
#include "NameDecoding.h"
#include "ReadFile.h"
#include "Volumes.h"
#include "ZipError.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace orlivo::zip {
namespace {

constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kMaxTail = 65557;
constexpr std::size_t kCentralHeaderSize = 46;

void readZip64End(const ReadFile& file, std::uint64_t endOffset, EndInfo& e, bool fields[7]) {
    if (endOffset < 20)
        return;
    unsigned char loc[20];
    if (!file.readExactly(endOffset - 20, loc, 20) || get32(loc) != kZip64LocatorSig)
        return;
    const std::uint32_t recordDisk = get32(loc + 4);
    const std::uint64_t recordOffset = get64(loc + 8);
    const std::uint32_t total = get32(loc + 16);
    if (total == 0)
        fail(msg::ReadEndRecord);
    e.totalDisks = total;
    e.diskNumber = total - 1;
    if (recordDisk != e.diskNumber)
        fail(msg::ReadEndRecord);
    unsigned char rec[56];
    if (!file.readExactly(recordOffset, rec, 56) || get32(rec) != kZip64EndRecordSig)
        fail(msg::ReadEndRecord);
    if ((get16(rec + 14) & 0xFF) > 45 || get64(rec + 4) < 44)
        fail(msg::UnsupportedVersion);
    if (fields[0])
        e.diskNumber = get32(rec + 16);
    if (fields[1])
        e.centralDisk = get32(rec + 20);
    if (fields[2])
        e.entriesOnDisk = get64(rec + 24);
    if (fields[3])
        e.totalEntries = get64(rec + 32);
    if (fields[4])
        e.centralSize = get64(rec + 40);
    if (fields[5])
        e.centralOffset = get64(rec + 48);
    e.usedZip64 = true;
    e.endRecordOffset = recordOffset;  // where the central directory must end
}

// Completes the 32-bit fields that are all-ones from the Zip64 extra field (id 1). Missing bytes: 136.
void applyZip64Extra(CentralEntry& c) {
    const bool needU = c.uncompressedSize == 0xFFFFFFFFu, needC = c.compressedSize == 0xFFFFFFFFu,
               needO = c.localOffset == 0xFFFFFFFFu, needD = c.diskStart == 0xFFFFu;
    if (!needU && !needC && !needO && !needD)
        return;
    std::size_t pos = 0;
    while (pos + 4 <= c.extra.size()) {
        const auto* p = reinterpret_cast<const unsigned char*>(c.extra.data() + pos);
        const std::uint16_t id = get16(p), length = get16(p + 2);
        if (pos + 4 + length > c.extra.size())
            break;
        if (id == 0x0001) {
            const unsigned char* d = p + 4;
            std::size_t left = length;
            auto take = [&](std::size_t n) -> const unsigned char* {
                if (left < n)
                    fail(msg::Zip64Field);
                const unsigned char* at = d;
                d += n;
                left -= n;
                return at;
            };
            if (needU)
                c.uncompressedSize = get64(take(8));
            if (needC)
                c.compressedSize = get64(take(8));
            if (needO)
                c.localOffset = get64(take(8));
            if (needD)
                c.diskStart = get32(take(4));
            return;
        }
        pos += 4 + length;
    }
}

// Entries whose local header lies outside their part, or inside the span of an earlier entry, are
// invalid: sorting by position finds them in O(n log n).
void markInvalidEntries(Volumes& volumes, std::vector<CentralEntry>& entries) {
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const CentralEntry &x = entries[a], &y = entries[b];
        return x.diskStart != y.diskStart       ? x.diskStart < y.diskStart
               : x.localOffset != y.localOffset ? x.localOffset < y.localOffset
                                                : a < b;
    });
    const bool single = volumes.totalDisks() == 1;
    const std::uint64_t archiveSize = single ? volumes.partSize(0) : 0;
    std::uint64_t previousEnd = 0;
    std::uint32_t previousDisk = 0;
    bool first = true;
    for (std::size_t index : order) {
        CentralEntry& c = entries[index];
        const std::uint64_t partSize = volumes.partSize(int(c.diskStart));
        if (c.rawName.empty() || c.localOffset >= partSize || partSize - c.localOffset < 30) {
            c.invalid = true;
            continue;
        }
        // A lower bound of the entry's extent: header, name and data (the local extra field may be empty).
        const std::uint64_t extent = 30 + c.rawName.size() + c.compressedSize;
        if (single && (c.compressedSize > archiveSize || c.localOffset + extent > archiveSize))
            c.invalid = true;
        if (!first && c.diskStart == previousDisk && c.localOffset < previousEnd) {
            c.invalid = true;
            continue;
        }
        first = false;
        previousDisk = c.diskStart;
        previousEnd = single || c.localOffset + extent <= partSize ? c.localOffset + extent : partSize;
    }
}

}  // namespace

EndInfo readEndInfo(const std::string& lastPartPath) {
    const ReadFile file(lastPartPath);
    if (!file.isOpen())
        fail(msg::FileError, {lastPartPath});
    const std::uint64_t size = file.size();
    if (size < kEndRecordSize)
        fail(msg::NotAZip);
    EndInfo e;
    unsigned char rec[kEndRecordSize];
    std::uint64_t at = size - kEndRecordSize;
    if (!file.readExactly(at, rec, kEndRecordSize))
        fail(msg::NotAZip);
    if (get32(rec) == kEndRecordSig) {
        if (get16(rec + 20) != 0)
            e.commentLengthFlag = true;
    } else {
        const std::size_t tailSize = std::size_t(std::min<std::uint64_t>(size, kMaxTail));
        std::string tail(tailSize, '\0');
        if (!file.readExactly(size - tailSize, tail.data(), tailSize))
            fail(msg::NotAZip);
        const auto* t = reinterpret_cast<const unsigned char*>(tail.data());
        std::int64_t found = -1;
        for (std::int64_t p = std::int64_t(tailSize) - 23; p >= 0; --p) {
            if (t[p] == 0x50 && get32(t + p) == kEndRecordSig) {
                found = p;
                break;
            }
        }
        if (found < 0)
            fail(msg::NotAZip);
        std::memcpy(rec, t + found, kEndRecordSize);
        at = size - tailSize + std::uint64_t(found);
        const std::size_t available = tailSize - std::size_t(found) - kEndRecordSize;
        const std::size_t length = std::min<std::size_t>(get16(rec + 20), available);
        e.comment = tail.substr(std::size_t(found) + kEndRecordSize, length);
        if (length != available)
            e.commentLengthFlag = true;
    }
    e.endRecordOffset = at;
    e.diskNumber = get16(rec + 4);
    e.centralDisk = get16(rec + 6);
    e.entriesOnDisk = get16(rec + 8);
    e.totalEntries = get16(rec + 10);
    e.centralSize = get32(rec + 12);
    e.centralOffset = get32(rec + 16);
    e.totalDisks = e.diskNumber + 1;
    bool allOnes[7] = {e.diskNumber == 0xFFFF,
                       e.centralDisk == 0xFFFF,
                       e.entriesOnDisk == 0xFFFF,
                       e.totalEntries == 0xFFFF,
                       e.centralSize == 0xFFFFFFFFu,
                       e.centralOffset == 0xFFFFFFFFu,
                       false};
    if (std::any_of(allOnes, allOnes + 6, [](bool b) { return b; }))
        readZip64End(file, at, e, allOnes);
    if (e.endRecordOffset < e.centralSize || e.endRecordOffset - e.centralSize != e.centralOffset) {
        e.structureFlag = true;
    }
    return e;
}

ZipDirectory readDirectory(Volumes& volumes, const EndInfo& end, const std::function<bool()>& cancelled) {
    ZipDirectory dir;
    dir.end = end;
    if (end.commentLengthFlag)
        dir.warnings.push_back(msg::CommentLength);
    if (end.structureFlag)
        dir.warnings.push_back(msg::StructureWarning);
    const int lastDisk = int(end.totalDisks) - 1;
    std::uint64_t start = end.centralOffset;
    int disk = int(end.centralDisk);
    if (disk == lastDisk) {
        // Where the directory must begin: right before the (Zip64) end record.
        const std::uint64_t computed =
            end.endRecordOffset >= end.centralSize ? end.endRecordOffset - end.centralSize : 0;
        if (computed != end.centralOffset) {
            if (!end.structureFlag)
                dir.warnings.push_back(msg::StructureWarning);
            unsigned char sig[4];
            const bool recordedHolds =
                volumes.read(disk, end.centralOffset, sig, 4) == 4 && get32(sig) == kCentralHeaderSig;
            start = recordedHolds ? end.centralOffset : computed;
        }
    } else if (disk > lastDisk) {
        fail(msg::ReadEndRecord);
    }
    // The whole directory in one read: it never exceeds what the archive holds.
    std::uint64_t available = 0;
    for (int d = disk; d <= lastDisk; ++d)
        available +=
            d == disk ? volumes.partSize(d) - std::min(start, volumes.partSize(d)) : volumes.partSize(d);
    if (start > volumes.partSize(disk))
        fail(msg::SeekError);
    const std::size_t size = std::size_t(std::min(end.centralSize, available));
    std::string block(size, '\0');
    if (volumes.read(disk, start, block.data(), size) != size)
        fail(msg::SeekError);

    const auto* p = reinterpret_cast<const unsigned char*>(block.data());
    dir.entries.reserve(std::size_t(std::min<std::uint64_t>(end.totalEntries, size / kCentralHeaderSize)));
    std::size_t pos = 0;
    for (std::uint64_t n = 0; n < end.totalEntries; ++n) {
        if (cancelled && cancelled())
            fail(msg::UserCancelled);
        if (size - pos < kCentralHeaderSize)
            fail(msg::ReadCentralHeader);
        const unsigned char* h = p + pos;
        if (get32(h) != kCentralHeaderSig)
            fail(msg::CentralSignature);
        const std::size_t nameLength = get16(h + 28), extraLength = get16(h + 30),
                          commentLength = get16(h + 32);
        if (size - pos - kCentralHeaderSize < nameLength + extraLength + commentLength)
            fail(msg::ReadCentralHeader);
        CentralEntry c;
        c.versionMadeBy = get16(h + 4);
        c.versionNeeded = get16(h + 6);
        c.flags = get16(h + 8);
        c.method = get16(h + 10);
        c.dosDateTime = get32(h + 12);
        c.crc = get32(h + 16);
        c.compressedSize = get32(h + 20);
        c.uncompressedSize = get32(h + 24);
        c.diskStart = get16(h + 34);
        c.internalAttributes = get16(h + 36);
        c.externalAttributes = get32(h + 38);
        c.localOffset = get32(h + 42);
        const char* v = block.data() + pos + kCentralHeaderSize;
        c.rawName.assign(v, nameLength);
        c.extra.assign(v + nameLength, extraLength);
        c.comment.assign(v + nameLength + extraLength, commentLength);
        applyZip64Extra(c);
        c.name = decodeEntryName(c.rawName, c.extra, c.flags, c.versionMadeBy);
        c.isDirOnly = !c.rawName.empty() && (c.rawName.back() == '/' || c.rawName.back() == '\\');
        dir.entries.push_back(std::move(c));
        pos += kCentralHeaderSize + nameLength + extraLength + commentLength;
    }
    // Offsets of a prefixed archive (a self-extracting program in front) are relative to where the zip
    // data begins; move them by how far the directory really is from where it claims to be.
    // A directory that merely misstates its own offset has right entry offsets: the move is made only
    // when it is what finds the first local header.
    if (disk == lastDisk && start != end.centralOffset && !dir.entries.empty()) {
        const std::int64_t shift = std::int64_t(start) - std::int64_t(end.centralOffset);
        const auto first = std::min_element(
            dir.entries.begin(), dir.entries.end(),
            [](const CentralEntry& a, const CentralEntry& b) { return a.localOffset < b.localOffset; });
        auto localHeaderAt = [&](std::int64_t offset) {
            unsigned char sig[4];
            return offset >= 0 && volumes.read(int(first->diskStart), std::uint64_t(offset), sig, 4) == 4 &&
                   get32(sig) == kLocalHeaderSig;
        };
        if (localHeaderAt(std::int64_t(first->localOffset) + shift) ||
            !localHeaderAt(std::int64_t(first->localOffset))) {
            for (CentralEntry& c : dir.entries) {
                if (int(c.diskStart) == disk)
                    c.localOffset = std::uint64_t(std::int64_t(c.localOffset) + shift);
            }
        }
    }
    dir.end.centralOffset = start;
    std::uint64_t smallest = dir.entries.empty() ? 0 : UINT64_MAX;
    for (const CentralEntry& c : dir.entries) smallest = std::min(smallest, c.localOffset);
    dir.prefixOffset = smallest;
    markInvalidEntries(volumes, dir.entries);
    return dir;
}

}  // namespace orlivo::zip
