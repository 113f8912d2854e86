#pragma once

#include <cstddef>

namespace orlivo::zip {

// The code point at p[i] of a UTF-8 text of n bytes, advancing i past it. A byte that starts no complete
// sequence stands for itself.
inline char32_t nextCodePoint(const unsigned char* p, std::size_t n, std::size_t& i) {
    char32_t c = p[i];
    if (c >= 0xF0 && i + 3 < n) {
        c = (c & 0x07) << 18 | (p[i + 1] & 0x3Fu) << 12 | (p[i + 2] & 0x3Fu) << 6 | (p[i + 3] & 0x3Fu);
        i += 4;
    } else if (c >= 0xE0 && i + 2 < n) {
        c = (c & 0x0F) << 12 | (p[i + 1] & 0x3Fu) << 6 | (p[i + 2] & 0x3Fu);
        i += 3;
    } else if (c >= 0xC0 && i + 1 < n) {
        c = (c & 0x1F) << 6 | (p[i + 1] & 0x3Fu);
        i += 2;
    } else {
        i += 1;
    }
    return c;
}

}  // namespace orlivo::zip
