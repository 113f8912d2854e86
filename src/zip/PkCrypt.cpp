#include "PkCrypt.h"

#include <zlib.h>

namespace orlivo::zip {
namespace {

std::uint32_t crcByte(std::uint32_t crc, unsigned char c) {
    static const z_crc_t* table = get_crc_table();
    return table[(crc ^ c) & 0xFF] ^ (crc >> 8);
}

}  // namespace

PkCrypt::PkCrypt(const std::string& password) : fKeys{305419896u, 591751049u, 878082192u} {
    for (unsigned char c : password) update(c);
}

void PkCrypt::update(unsigned char c) {
    fKeys[0] = crcByte(fKeys[0], c);
    fKeys[1] = (fKeys[1] + (fKeys[0] & 0xFF)) * 134775813u + 1;
    fKeys[2] = crcByte(fKeys[2], static_cast<unsigned char>(fKeys[1] >> 24));
}

bool PkCrypt::checkHeader(const unsigned char header[12], unsigned char checkByte) {
    unsigned char plain[12];
    for (int i = 0; i < 12; ++i) plain[i] = decrypt(header[i]);
    return plain[11] == checkByte;
}

}  // namespace orlivo::zip
