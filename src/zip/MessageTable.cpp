#include "MessageTable.h"

#include <zlib.h>

#include <cstdint>

namespace orlivo::zip {

extern const unsigned char kMessageBlob[];
extern const std::size_t kMessageBlobSize;

namespace {

constexpr std::size_t kMaxInflated = 20000;

bool inflateRaw(const unsigned char* data, std::size_t size, std::string& out) {
    z_stream z{};
    if (inflateInit2(&z, -15) != Z_OK)
        return false;
    out.assign(kMaxInflated + 1, '\0');
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = uInt(size);
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    const int rc = inflate(&z, Z_FINISH);
    const std::size_t produced = z.total_out;
    inflateEnd(&z);
    // A table that would not fit in its limit is as bad as a damaged one.
    if (rc != Z_STREAM_END || produced > kMaxInflated)
        return false;
    out.resize(produced);
    return true;
}

std::string unescaped(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == 'n' || s[i + 1] == '"' || s[i + 1] == '\\')) {
            out += s[i + 1] == 'n' ? '\n' : s[i + 1];
            ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

}  // namespace

const MessageTable& MessageTable::builtIn() {
    static const MessageTable table = fromBlob(kMessageBlob, kMessageBlobSize);
    return table;
}

MessageTable MessageTable::fromBlob(const unsigned char* blob, std::size_t size) {
    MessageTable t;
    t.fTexts.assign(kSlots, {});
    std::string text;
    if (size < 4 || !inflateRaw(blob + 4, size - 4, text))
        return t;
    const std::uint32_t stored = std::uint32_t(blob[0]) | std::uint32_t(blob[1]) << 8 |
                                 std::uint32_t(blob[2]) << 16 | std::uint32_t(blob[3]) << 24;
    if (crc32(0, reinterpret_cast<const Bytef*>(text.data()), uInt(text.size())) != stored)
        return t;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        const std::size_t comma = line.find(',');
        if (comma == std::string::npos || line.size() < comma + 3 || line[comma + 1] != '"' ||
            line.back() != '"')
            continue;
        int id = -1;
        try {
            id = std::stoi(line.substr(0, comma));
        } catch (...) {
            continue;
        }
        if (id < 0 || id >= kSlots)
            continue;
        t.fTexts[std::size_t(id)] = unescaped(line.substr(comma + 2, line.size() - comma - 3));
        ++t.fCount;
    }
    t.fLoaded = true;
    return t;
}

std::string MessageTable::text(int id) const {
    if (!fLoaded)
        return kLoadFailure;
    if (id < 0 || id >= kSlots || fTexts[std::size_t(id)].empty())
        return "Resource missing for " + std::to_string(id);
    return fTexts[std::size_t(id)];
}

std::string MessageTable::format(int id, const std::vector<std::string>& args) const {
    return substitute(text(id), args);
}

std::string MessageTable::substitute(const std::string& pattern, const std::vector<std::string>& args) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 >= pattern.size()) {
            out += pattern[i];
            continue;
        }
        std::size_t j = i + 1;
        while (j < pattern.size() && (pattern[j] == '.' || (pattern[j] >= '0' && pattern[j] <= '9'))) ++j;
        if (j < pattern.size() && (pattern[j] == 's' || pattern[j] == 'd')) {
            if (next < args.size())
                out += args[next];
            ++next;
            i = j;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace orlivo::zip
