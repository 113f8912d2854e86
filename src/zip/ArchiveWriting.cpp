#include "ArchiveWriting.h"

#include "Bytes.h"
#include "EntryReader.h"
#include "ReadFile.h"
#include "Volumes.h"
#include "ZipError.h"

#include <vector>

namespace orlivo::zip {

void recomputeVersions(CentralEntry& e, bool zip64) {
    const unsigned madeLow = e.versionMadeBy & 0xFF, neededLow = e.versionNeeded & 0xFF;
    if (madeLow <= 45 && neededLow <= 45) {
        unsigned v = 45;
        if (e.method == 0) {
            v = 10;
        } else if (e.method >= 1 && e.method <= 8) {
            v = 20;
        } else if (e.method == 9) {
            v = 21;
        } else if (e.method == 10) {
            v = 25;
        } else if (e.method == 12) {
            v = 46;
        }
        if (e.isDirOnly && e.method == 0)
            v = std::max(v, 20u);
        if (e.flags & 0x20)
            v = std::max(v, 27u);
        if (zip64)
            v = std::max(v, 45u);
        e.versionNeeded = std::uint16_t((e.versionNeeded & 0xFF00) | v);
    }
    if (e.versionMadeBy == 2866)
        e.versionMadeBy = 30;
    const std::uint16_t host = e.versionMadeBy & 0xFF00;
    if (zip64) {
        e.versionMadeBy = std::uint16_t(host | 45);
    } else if ((e.versionMadeBy & 0xFF) == 45) {
        e.versionMadeBy = std::uint16_t(host | 30);
    }
}

std::string withoutZip64(const std::string& extra) {
    std::string out;
    std::size_t pos = 0;
    while (pos + 4 <= extra.size()) {
        const auto* p = reinterpret_cast<const unsigned char*>(extra.data() + pos);
        const std::size_t length = get16(p + 2);
        if (pos + 4 + length > extra.size())
            break;  // a damaged tail is dropped
        if (get16(p) != 0x0001)
            out.append(extra, pos, 4 + length);
        pos += 4 + length;
    }
    return out;
}

std::string localHeader(const CentralEntry& e, bool sizesInDescriptor) {
    const bool zip64 = e.uncompressedSize >= kZip64Limit || e.compressedSize >= kZip64Limit;
    std::string extra;
    if (zip64) {
        put16(extra, 0x0001);
        put16(extra, 16);
        put64(extra, e.uncompressedSize);
        put64(extra, e.compressedSize);
    }
    extra += withoutZip64(e.extra);
    std::string h;
    h.reserve(30 + e.rawName.size() + extra.size());
    put32(h, kLocalHeaderSig);
    put16(h, e.versionNeeded);
    put16(h, e.flags);
    put16(h, e.method);
    put32(h, e.dosDateTime);
    put32(h, sizesInDescriptor ? 0 : e.crc);
    put32(h, sizesInDescriptor ? 0 : zip64 ? 0xFFFFFFFFu : std::uint32_t(e.compressedSize));
    put32(h, sizesInDescriptor ? 0 : zip64 ? 0xFFFFFFFFu : std::uint32_t(e.uncompressedSize));
    put16(h, std::uint16_t(e.rawName.size()));
    put16(h, std::uint16_t(extra.size()));
    h += e.rawName;
    h += extra;
    return h;
}

void writeLocalHeader(PartWriter& out, CentralEntry& e, bool sizesInDescriptor) {
    const std::string header = localHeader(e, sizesInDescriptor);
    if (header.size() > out.roomLeft())
        out.nextPart();
    e.diskStart = std::uint32_t(out.disk());
    e.localOffset = out.offset();
    out.writeRecord(header);
}

namespace {

// Where an entry's data lies, and for a small entry the data itself: header, name, extra field and data
// come in one read, which matters for archives of many small entries.
struct SourceData {
    DataLocation at;
    const unsigned char* inMemory = nullptr;
};

SourceData findData(Volumes& source, const CentralEntry& entry) {
    constexpr std::uint64_t kSmall = 256 * 1024;
    const std::uint64_t guess = 30 + entry.rawName.size() + entry.extra.size() + 64 + entry.compressedSize;
    if (guess <= kSmall) {
        std::size_t got = 0;
        const unsigned char* p =
            source.window(int(entry.diskStart), entry.localOffset, std::size_t(guess), got);
        if (p && got >= 30 && get32(p) == kLocalHeaderSig) {
            const std::size_t start = 30 + get16(p + 26) + get16(p + 28);
            if (start + entry.compressedSize <= got) {
                return {{int(entry.diskStart), entry.localOffset + start, false}, p + start};
            }
        }
    }
    return {locateData(source, entry), nullptr};
}

}  // namespace

CentralEntry copyEntry(Volumes& source, CentralEntry entry, PartWriter& out,
                       const std::function<void(std::uint64_t)>& progress, const CentralEntry* as) {
    const SourceData data = findData(source, entry);
    CentralEntry e = std::move(entry);
    if (as) {
        e.name = as->name;
        e.rawName = as->rawName;
        e.flags = std::uint16_t((e.flags & ~0x0800) | (as->flags & 0x0800));
        e.extra = as->extra;
        e.comment = as->comment;
        e.dosDateTime = as->dosDateTime;
    }
    // A data descriptor stays only where the encryption check byte depends on it.
    const bool descriptor = e.encrypted() && (e.flags & 0x08);
    if (!descriptor)
        e.flags &= std::uint16_t(~0x08);
    const bool zip64 = e.uncompressedSize >= kZip64Limit || e.compressedSize >= kZip64Limit;
    recomputeVersions(e, zip64 || descriptor);
    writeLocalHeader(out, e, descriptor);

    const DataLocation& at = data.at;
    const ReadFile* part = source.part(at.disk);
    if (data.inMemory) {
        out.writeData(data.inMemory, std::size_t(e.compressedSize));
    } else if (!(part && at.offset + e.compressedSize <= part->size() && out.roomLeft() >= e.compressedSize &&
                 out.copyRange(part->fd(), at.offset, e.compressedSize))) {
        SpanReader in(source, at.disk, at.offset, e.compressedSize);
        // Copying moves no more than it must through memory: large blocks, few calls.
        std::vector<unsigned char> chunk(std::size_t(std::min<std::uint64_t>(e.compressedSize, 4u << 20)));
        std::uint64_t done = 0;
        while (done < e.compressedSize) {
            const std::size_t got = in.read(chunk.data(), chunk.size());
            if (got == 0)
                fail(msg::CopyData, {e.name});
            out.writeData(chunk.data(), got);
            done += got;
            if (progress)
                progress(done);
        }
    }
    if (progress)
        progress(e.compressedSize);
    if (descriptor) {
        std::string d;
        put32(d, kSpanMarkerSig);
        put32(d, e.crc);
        if ((e.versionNeeded & 0xFF) >= 45) {
            put64(d, e.compressedSize);
            put64(d, e.uncompressedSize);
        } else {
            put32(d, std::uint32_t(e.compressedSize));
            put32(d, std::uint32_t(e.uncompressedSize));
        }
        out.writeRecord(d);
    }
    return e;
}

EndInfo finishArchive(PartWriter& out, std::vector<CentralEntry>& entries, const std::string& comment) {
    std::uint64_t onDisk = 0;
    bool started = false;
    int centralDisk = 0;
    std::uint64_t centralOffset = 0, centralSize = 0;
    for (CentralEntry& e : entries) {
        const bool needU = e.uncompressedSize >= kZip64Limit, needC = e.compressedSize >= kZip64Limit,
                   needO = e.localOffset >= kZip64Limit, needD = e.diskStart >= 0xFFFF;
        std::string zip64;
        if (needU)
            put64(zip64, e.uncompressedSize);
        if (needC)
            put64(zip64, e.compressedSize);
        if (needO)
            put64(zip64, e.localOffset);
        if (needD)
            put32(zip64, e.diskStart);
        std::string extra;
        if (!zip64.empty()) {
            put16(extra, 0x0001);
            put16(extra, std::uint16_t(zip64.size()));
            extra += zip64;
            if ((e.versionNeeded & 0xFF) < 45)
                e.versionNeeded = std::uint16_t((e.versionNeeded & 0xFF00) | 45);
        }
        extra += withoutZip64(e.extra);
        e.extra = extra;
        if (46 + e.rawName.size() + e.extra.size() + e.comment.size() > 65535)
            fail(msg::HeaderTooLong);
        std::string h;
        h.reserve(46 + e.rawName.size() + e.extra.size() + e.comment.size());
        put32(h, kCentralHeaderSig);
        put16(h, e.versionMadeBy);
        put16(h, e.versionNeeded);
        put16(h, e.flags);
        put16(h, e.method);
        put32(h, e.dosDateTime);
        put32(h, e.crc);
        put32(h, needC ? 0xFFFFFFFFu : std::uint32_t(e.compressedSize));
        put32(h, needU ? 0xFFFFFFFFu : std::uint32_t(e.uncompressedSize));
        put16(h, std::uint16_t(e.rawName.size()));
        put16(h, std::uint16_t(e.extra.size()));
        put16(h, std::uint16_t(e.comment.size()));
        put16(h, needD ? 0xFFFF : std::uint16_t(e.diskStart));
        put16(h, e.internalAttributes);
        put32(h, e.externalAttributes);
        put32(h, needO ? 0xFFFFFFFFu : std::uint32_t(e.localOffset));
        h += e.rawName;
        h += e.extra;
        h += e.comment;
        const int before = out.disk();
        if (h.size() > out.roomLeft())
            out.nextPart();
        if (!started) {
            started = true;
            centralDisk = out.disk();
            centralOffset = out.offset();
        }
        if (out.disk() != before)
            onDisk = 0;
        out.writeRecord(h);
        centralSize += h.size();
        ++onDisk;
    }
    if (!started) {
        centralDisk = out.disk();
        centralOffset = out.offset();
    }
    const std::uint64_t total = entries.size();
    const std::string tail = comment.substr(0, 65535);
    auto build = [&](int lastDisk) {
        const bool zip64 = lastDisk >= 0xFFFF || centralDisk >= 0xFFFF || total >= 0xFFFF ||
                           onDisk >= 0xFFFF || centralSize >= kZip64Limit || centralOffset >= kZip64Limit;
        std::string r;
        if (zip64) {
            const std::uint64_t recordOffset = out.offset();
            put32(r, kZip64EndRecordSig);
            put64(r, 44);
            put16(r, 45);
            put16(r, 45);
            put32(r, std::uint32_t(lastDisk));
            put32(r, std::uint32_t(centralDisk));
            put64(r, onDisk);
            put64(r, total);
            put64(r, centralSize);
            put64(r, centralOffset);
            put32(r, kZip64LocatorSig);
            put32(r, std::uint32_t(lastDisk));
            put64(r, recordOffset);
            put32(r, std::uint32_t(lastDisk + 1));
        }
        put32(r, kEndRecordSig);
        put16(r, lastDisk >= 0xFFFF ? 0xFFFF : std::uint16_t(lastDisk));
        put16(r, centralDisk >= 0xFFFF ? 0xFFFF : std::uint16_t(centralDisk));
        put16(r, onDisk >= 0xFFFF ? 0xFFFF : std::uint16_t(onDisk));
        put16(r, total >= 0xFFFF ? 0xFFFF : std::uint16_t(total));
        put32(r, centralSize >= kZip64Limit ? 0xFFFFFFFFu : std::uint32_t(centralSize));
        put32(r, centralOffset >= kZip64Limit ? 0xFFFFFFFFu : std::uint32_t(centralOffset));
        put16(r, std::uint16_t(tail.size()));
        r += tail;
        return r;
    };
    std::string records = build(out.disk());
    if (records.size() > out.roomLeft()) {
        // The end records stay together: on a new part, written again with that part's number.
        out.nextPart();
        onDisk = 0;
        records = build(out.disk());
    }
    EndInfo end;
    end.diskNumber = std::uint32_t(out.disk());
    end.totalDisks = end.diskNumber + 1;
    end.entriesOnDisk = onDisk;
    end.totalEntries = total;
    end.centralDisk = std::uint32_t(centralDisk);
    end.centralSize = centralSize;
    end.centralOffset = centralOffset;
    end.comment = tail;
    end.endRecordOffset = out.offset();
    end.usedZip64 = records.size() > 22 + tail.size();
    out.writeRecord(records);
    return end;
}

}  // namespace orlivo::zip
