#include "Volumes.h"

#include <algorithm>

namespace orlivo::zip {

const ReadFile* Volumes::part(int disk) {
    if (disk < 0 || disk >= fTotal)
        return nullptr;
    auto it = fOpen.find(disk);
    if (it == fOpen.end())
        it = fOpen.emplace(disk, ReadFile(fNames.pathOf(disk, fTotal))).first;
    return it->second.isOpen() ? &it->second : nullptr;
}

std::uint64_t Volumes::partSize(int disk) {
    const ReadFile* f = part(disk);
    return f ? f->size() : 0;
}

std::size_t Volumes::readOn(int& disk, std::uint64_t& offset, void* buffer, std::size_t n) {
    std::size_t done = 0;
    auto* out = static_cast<char*>(buffer);
    while (done < n) {
        const ReadFile* f = part(disk);
        if (!f)
            break;
        if (offset >= f->size()) {
            if (disk + 1 >= fTotal)
                break;
            offset -= f->size();
            ++disk;
            continue;
        }
        const std::size_t got = f->readAt(offset, out + done, n - done);
        if (got == 0)
            break;
        done += got;
        offset += got;
    }
    return done;
}

std::size_t Volumes::read(int disk, std::uint64_t offset, void* buffer, std::size_t n) {
    return readOn(disk, offset, buffer, n);
}

const unsigned char* Volumes::window(int disk, std::uint64_t offset, std::size_t n, std::size_t& got) {
    got = 0;
    if (n > kWindow)
        return nullptr;
    const bool inside =
        disk == fWindowDisk && offset >= fWindowStart && offset + n <= fWindowStart + fWindow.size();
    if (!inside) {
        const ReadFile* f = part(disk);
        if (!f)
            return nullptr;
        fWindow.resize(kWindow);
        fWindow.resize(f->readAt(offset, fWindow.data(), kWindow));
        fWindowDisk = disk;
        fWindowStart = offset;
    }
    const std::uint64_t at = offset - fWindowStart;
    got = std::size_t(std::min<std::uint64_t>(n, fWindow.size() - at));
    return reinterpret_cast<const unsigned char*>(fWindow.data()) + at;
}

std::size_t SpanReader::read(void* buffer, std::size_t n) {
    const std::size_t done =
        fVolumes.readOn(fDisk, fOffset, buffer, std::size_t(std::min<std::uint64_t>(n, fLeft)));
    fLeft -= done;
    return done;
}

}  // namespace orlivo::zip
