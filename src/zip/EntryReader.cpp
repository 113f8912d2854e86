#include "EntryReader.h"

#include "Bytes.h"
#include "PkCrypt.h"
#include "Volumes.h"
#include "ZipError.h"

#include <zlib.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace orlivo::zip {

std::size_t transferBufferSize(std::uint64_t inputSize) {
    const std::uint64_t kb = inputSize / 1024;
    if (kb < 4)
        return 4096;
    if (kb < 64)
        return std::size_t(kb + 1) * 1024;
    return 65536;
}

DataLocation locateData(Volumes& volumes, const CentralEntry& entry) {
    unsigned char h[30];
    const int disk = int(entry.diskStart);
    if (volumes.read(disk, entry.localOffset, h, 30) != 30 || get32(h) != kLocalHeaderSig)
        fail(msg::ReadLocalHeader);
    const std::size_t nameLength = get16(h + 26), extraLength = get16(h + 28);
    DataLocation at{disk, entry.localOffset + 30 + nameLength + extraLength, false};
    std::string name(nameLength, '\0');
    if (volumes.read(disk, entry.localOffset + 30, name.data(), nameLength) != nameLength)
        fail(msg::ReadLocalHeader);
    at.localNameDiffers = name != entry.rawName;
    // A local header of a multi-part archive may end on one part; its data then begins on the next.
    while (at.disk + 1 < volumes.totalDisks() && at.offset >= volumes.partSize(at.disk)) {
        at.offset -= volumes.partSize(at.disk);
        ++at.disk;
    }
    return at;
}

unsigned char checkByteOf(const CentralEntry& entry) {
    return (entry.flags & 0x08) ? static_cast<unsigned char>(entry.dosDateTime >> 8)
                                : static_cast<unsigned char>(entry.crc >> 24);
}

bool passwordFits(Volumes& volumes, const CentralEntry& entry, const DataLocation& at,
                  const std::string& password) {
    unsigned char header[12];
    if (entry.compressedSize < 12 || volumes.read(at.disk, at.offset, header, 12) != 12)
        return false;
    PkCrypt crypt(password);
    return crypt.checkHeader(header, checkByteOf(entry));
}

void readEntryData(Volumes& volumes, const CentralEntry& entry, const DataLocation& at,
                   const std::string& password,
                   const std::function<void(const unsigned char*, std::size_t)>& sink,
                   const std::function<void(std::uint64_t)>& progress) {
    if (entry.method != 0 && entry.method != 8)
        fail(msg::UnsupportedVersion);
    std::uint64_t stored = entry.compressedSize;
    SpanReader in(volumes, at.disk, at.offset, stored);
    std::unique_ptr<PkCrypt> crypt;
    if (entry.encrypted()) {
        unsigned char header[12];
        if (stored < 12 || in.read(header, 12) != 12)
            fail(msg::DataError);
        crypt = std::make_unique<PkCrypt>(password);
        if (!crypt->checkHeader(header, checkByteOf(entry)))
            fail(msg::PasswordFailed);
        stored -= 12;
    }
    if (entry.method == 0 && stored != entry.uncompressedSize)
        fail(msg::DataError);

    const std::size_t bufferSize = transferBufferSize(stored);
    // A larger output buffer halves the write calls of an extraction; the input stays at its transfer size.
    std::vector<unsigned char> input(bufferSize), output(entry.method == 8 ? 262144 : 0);
    std::uint64_t consumed = 0, produced = 0;
    std::uint32_t crc = 0;
    auto emit = [&](const unsigned char* data, std::size_t n) {
        if (n > entry.uncompressedSize - produced)
            fail(msg::DataError);
        produced += n;
        crc = std::uint32_t(crc32_z(crc, data, n));
        sink(data, n);
    };

    if (entry.method == 0) {
        while (consumed < stored) {
            const std::size_t got = in.read(input.data(), bufferSize);
            if (got == 0)
                fail(msg::DataError);
            if (crypt)
                crypt->decrypt(input.data(), got);
            consumed += got;
            emit(input.data(), got);
            if (progress)
                progress(consumed);
        }
    } else {
        z_stream z{};
        if (inflateInit2(&z, -15) != Z_OK)
            fail(msg::RequestedMemory);
        struct End {
            z_stream* z;
            ~End() { inflateEnd(z); }
        } end{&z};
        int rc = Z_OK;
        while (rc != Z_STREAM_END) {
            if (z.avail_in == 0) {
                const std::size_t got = in.read(input.data(), bufferSize);
                if (got == 0)
                    fail(msg::DataError);  // the stream ends before its end marker
                if (crypt)
                    crypt->decrypt(input.data(), got);
                consumed += got;
                z.next_in = input.data();
                z.avail_in = uInt(got);
            }
            z.next_out = output.data();
            z.avail_out = uInt(output.size());
            rc = inflate(&z, Z_NO_FLUSH);
            if (rc != Z_OK && rc != Z_STREAM_END)
                fail(rc == Z_MEM_ERROR ? msg::RequestedMemory : msg::DataError);
            emit(output.data(), output.size() - z.avail_out);
            if (progress)
                progress(consumed);
        }
    }
    if (produced != entry.uncompressedSize)
        fail(msg::DataError);
    if (crc != entry.crc)
        fail(msg::CrcError);
}

}  // namespace orlivo::zip
