#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace orlivo::zip {

// Little-endian fields of zip records.
inline std::uint16_t get16(const unsigned char* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}
inline std::uint32_t get32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
inline std::uint64_t get64(const unsigned char* p) {
    return std::uint64_t(get32(p)) | std::uint64_t(get32(p + 4)) << 32;
}

inline void put16(std::string& out, std::uint16_t v) {
    const char b[2] = {char(v & 0xFF), char(v >> 8)};
    out.append(b, 2);
}
inline void put32(std::string& out, std::uint32_t v) {
    const char b[4] = {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char(v >> 24)};
    out.append(b, 4);
}
inline void put64(std::string& out, std::uint64_t v) {
    put32(out, std::uint32_t(v & 0xFFFFFFFFu));
    put32(out, std::uint32_t(v >> 32));
}

constexpr std::uint32_t kLocalHeaderSig = 0x04034b50;
constexpr std::uint32_t kCentralHeaderSig = 0x02014b50;
constexpr std::uint32_t kEndRecordSig = 0x06054b50;
constexpr std::uint32_t kZip64EndRecordSig = 0x06064b50;
constexpr std::uint32_t kZip64LocatorSig = 0x07064b50;
constexpr std::uint32_t kSpanMarkerSig = 0x08074b50;

}  // namespace orlivo::zip
