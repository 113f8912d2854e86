#pragma once

#include <cstdint>
#include <string>

namespace orlivo::zip {

// Traditional PKWARE encryption (APPNOTE 6.1): three 32-bit keys updated with every plain byte.
class PkCrypt {
public:
    explicit PkCrypt(const std::string& password);

    unsigned char decrypt(unsigned char c) {
        const unsigned char plain = c ^ streamByte();
        update(plain);
        return plain;
    }
    void decrypt(unsigned char* data, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) data[i] = decrypt(data[i]);
    }
    unsigned char encrypt(unsigned char plain) {
        const unsigned char c = plain ^ streamByte();
        update(plain);
        return c;
    }

    // Decrypts the 12-byte header and tells whether its last byte is the check byte.
    bool checkHeader(const unsigned char header[12], unsigned char checkByte);

private:
    unsigned char streamByte() const {
        const std::uint32_t t = (fKeys[2] | 2) & 0xFFFF;  // unsigned: the product overflows an int
        return static_cast<unsigned char>((t * (t ^ 1)) >> 8);
    }
    void update(unsigned char c);

    std::uint32_t fKeys[3];
};

}  // namespace orlivo::zip
