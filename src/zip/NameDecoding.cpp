#include "NameDecoding.h"

#include "Bytes.h"

#include <algorithm>

namespace orlivo::zip {
namespace {

// IBM PC code page 437, the OEM code page of DOS-made archives, characters 0x80..0xFF.
constexpr char16_t kCp437High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
    0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

bool isPrintableAscii(const std::string& s) {
    for (unsigned char c : s) {
        if (c < 32 || c > 126)
            return false;
    }
    return true;
}

}  // namespace

bool isValidUtf8(const std::string& s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t extra = 0;
        unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            if (c == 0xE0)
                low = 0xA0;  // no overlong forms
            if (c == 0xED)
                high = 0x9F;  // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            if (c == 0xF0)
                low = 0x90;
            if (c == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (i + extra >= n)
            return false;
        if (p[i + 1] < low || p[i + 1] > high)
            return false;
        for (std::size_t k = 2; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += extra + 1;
    }
    return true;
}

std::string decodeCp437(const std::string& raw) {
    std::string out;
    out.reserve(raw.size() * 2);
    for (unsigned char c : raw) appendUtf8(out, c < 0x80 ? char32_t(c) : char32_t(kCp437High[c - 0x80]));
    return out;
}

std::string unicodePathFromExtra(const std::string& extra) {
    std::size_t pos = 0;
    while (pos + 4 <= extra.size()) {
        const auto* p = reinterpret_cast<const unsigned char*>(extra.data() + pos);
        const std::uint16_t id = get16(p), length = get16(p + 2);
        if (pos + 4 + length > extra.size())
            break;
        // Version 1, then the CRC-32 of the header's name, then the UTF-8 name.
        if (id == 0x7075 && length >= 5 && p[4] == 1) {
            std::string name = extra.substr(pos + 9, length - 5);
            if (isValidUtf8(name))
                return name;
        }
        pos += 4 + length;
    }
    return {};
}

std::string decodeEntryName(const std::string& raw, const std::string& extra, std::uint16_t flags,
                            std::uint16_t versionMadeBy) {
    std::string name = unicodePathFromExtra(extra);
    if (name.empty()) {
        const unsigned host = versionMadeBy >> 8;
        const bool oem = host == 0 || host == 6 || versionMadeBy == 2866;
        if (isPrintableAscii(raw) || ((flags & 0x0800) != 0 && isValidUtf8(raw))) {
            name = raw;
        } else if (!oem && isValidUtf8(raw)) {
            name = raw;  // the ANSI code page of this system is UTF-8
        } else {
            name = decodeCp437(raw);
        }
    }
    for (char& c : name) {
        if (c == '/')
            c = '\\';
    }
    return name;
}

}  // namespace orlivo::zip
