#include "NameIndex.h"

#include "Utf8.h"

#include <algorithm>
#include <array>

namespace orlivo::zip {
namespace {

constexpr std::array<std::uint32_t, 30> kSizes = {
    61,   131,  257,  389,   521,   641,   769,   1031,  1283,  1543,  2053,  2579,  3593,  4099,  5147,
    6151, 7177, 8209, 10243, 12289, 14341, 16411, 18433, 20483, 22521, 24593, 28687, 32771, 40961, 65537};

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 32) : c;
}

}  // namespace

bool equalsIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upperAscii(a[i]) != upperAscii(b[i]))
            return false;
    }
    return true;
}

// The ELF (PJW) hash over the name's UTF-16 code units, a-z taken as upper case.
std::uint32_t NameIndex::hash(const std::string& name) {
    std::uint32_t h = 0;
    auto step = [&h](std::uint32_t c) {
        if (c >= 'a' && c <= 'z')
            c -= 32;
        h = (h << 4) + c;
        const std::uint32_t g = h & 0xF0000000u;
        if (g != 0)
            h = (h ^ (g >> 24)) & 0x0FFFFFFFu;
    };
    const auto* p = reinterpret_cast<const unsigned char*>(name.data());
    const std::size_t n = name.size();
    for (std::size_t i = 0; i < n;) {
        const std::uint32_t c = nextCodePoint(p, n, i);
        if (c >= 0x10000) {
            step(0xD800 + ((c - 0x10000) >> 10));
            step(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            step(c);
        }
    }
    return h;
}

std::uint32_t NameIndex::bucketCountFor(std::size_t names) {
    if (names <= 11999) {
        for (std::uint32_t s : kSizes) {
            if (s >= names)
                return s;
        }
    }
    std::uint32_t below = kSizes.front();
    for (std::uint32_t s : kSizes) {
        if (s < names)
            below = s;
    }
    return below;
}

void NameIndex::build(const std::vector<const std::string*>& names) {
    fNames = names;
    fHeads.assign(bucketCountFor(names.size()), -1);
    fNext.assign(names.size(), -1);
    // Inserting from the last entry to the first keeps each chain in archive order.
    for (std::size_t i = names.size(); i-- > 0;) {
        const std::uint32_t b = hash(*names[i]) % std::uint32_t(fHeads.size());
        fNext[i] = fHeads[b];
        fHeads[b] = std::int32_t(i);
    }
}

long NameIndex::find(const std::string& name) const {
    if (fHeads.empty())
        return -1;
    for (std::int32_t i = fHeads[hash(name) % std::uint32_t(fHeads.size())]; i >= 0;
         i = fNext[std::size_t(i)]) {
        if (equalsIgnoringAsciiCase(*fNames[std::size_t(i)], name))
            return i;
    }
    return -1;
}

}  // namespace orlivo::zip
