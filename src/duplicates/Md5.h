#pragma once

#include <cstdint>
#include <string>

namespace orlivo::duplicates {

// The MD5 message digest (RFC 1321).
class Md5 {
public:
    Md5();
    void update(const void* data, std::size_t n);
    // The digest as 32 upper-case hexadecimal digits; the object is finished afterwards.
    std::string hexDigest();

private:
    void transform(const unsigned char block[64]);

    std::uint32_t fState[4];
    std::uint64_t fLength = 0;  // bytes
    unsigned char fBuffer[64];
    std::size_t fBuffered = 0;
};

}  // namespace orlivo::duplicates
