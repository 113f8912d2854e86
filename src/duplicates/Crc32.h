#pragma once

#include <cstddef>
#include <cstdint>

namespace orlivo::duplicates {

// The CRC-32 of ISO-HDLC and zip: reflected polynomial $EDB88320, preset and final xor $FFFFFFFF.
class Crc32 {
public:
    void update(const void* data, std::size_t n);
    std::uint32_t value() const { return fCrc ^ 0xFFFFFFFFu; }
    static const std::uint32_t* table();

private:
    std::uint32_t fCrc = 0xFFFFFFFFu;
};

}  // namespace orlivo::duplicates
