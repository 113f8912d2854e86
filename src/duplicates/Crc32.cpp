#include "Crc32.h"

namespace orlivo::duplicates {

const std::uint32_t* Crc32::table() {
    static const auto built = [] {
        struct Table {
            std::uint32_t t[256];
        } table{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table.t[i] = c;
        }
        return table;
    }();
    return built.t;
}

void Crc32::update(const void* data, std::size_t n) {
    const std::uint32_t* t = table();
    const auto* p = static_cast<const unsigned char*>(data);
    std::uint32_t crc = fCrc;
    for (std::size_t i = 0; i < n; ++i) crc = t[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    fCrc = crc;
}

}  // namespace orlivo::duplicates
