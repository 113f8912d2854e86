#include "CloneRecords.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <unordered_map>

namespace orlivo::duplicates {
namespace {

void putText(std::string& out, std::size_t offset, const std::string& text, std::size_t max) {
    const std::string fitted = fitText(text, max);
    out[offset] = char(fitted.size());
    std::memcpy(out.data() + offset + 1, fitted.data(), fitted.size());
}

std::string getText(const unsigned char* p, std::size_t max) {
    return std::string(reinterpret_cast<const char*>(p + 1), std::min<std::size_t>(p[0], max));
}

void putInt(std::string& out, std::size_t offset, std::int32_t v) {
    const auto u = std::uint32_t(v);
    for (int i = 0; i < 4; ++i) out[offset + std::size_t(i)] = char((u >> (8 * i)) & 0xFF);
}

std::int32_t getInt(const unsigned char* p) {
    return std::int32_t(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                        std::uint32_t(p[3]) << 24);
}

// Written to a temporary name and renamed into place.
bool writeWhole(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

std::optional<std::string> readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string lowerAscii(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
    }
    return s;
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string fitText(const std::string& text, std::size_t max) {
    if (text.size() <= max)
        return text;
    std::size_t cut = max;
    // Never half a UTF-8 character.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut);
}

std::string TCloneRecord::encode() const {
    std::string out(kSize, '\0');
    putText(out, 0, Name, 255);
    putText(out, 256, Size, 50);
    putText(out, 307, FileType, 76);
    putText(out, 384, DateModified, 50);
    putInt(out, 436, ImageIndex);
    putInt(out, 440, ColorId);
    putInt(out, 444, GroupID);
    putInt(out, 448, ID);
    putText(out, 452, MD5, 255);
    return out;
}

TCloneRecord TCloneRecord::decode(const unsigned char* p) {
    TCloneRecord r;
    r.Name = getText(p, 255);
    r.Size = getText(p + 256, 50);
    r.FileType = getText(p + 307, 76);
    r.DateModified = getText(p + 384, 50);
    r.ImageIndex = getInt(p + 436);
    r.ColorId = getInt(p + 440);
    r.GroupID = getInt(p + 444);
    r.ID = getInt(p + 448);
    r.MD5 = getText(p + 452, 255);
    r.FullPath = r.Name;
    return r;
}

std::string TNodeItems::encode() const {
    std::string out(kSize, '\0');
    putText(out, 0, Name, 255);
    putText(out, 256, lName, 255);
    putText(out, 512, Size, 20);
    putInt(out, 536, ImageIndex);
    putText(out, 540, StaticText, 40);
    return out;
}

TNodeItems TNodeItems::decode(const unsigned char* p) {
    TNodeItems n;
    n.Name = getText(p, 255);
    n.lName = getText(p + 256, 255);
    n.Size = getText(p + 512, 20);
    n.ImageIndex = getInt(p + 536);
    n.StaticText = getText(p + 540, 40);
    return n;
}

namespace {

// Every record of a file of fixed-size records, and the file of a list of them.
template <typename Record>
bool writeAll(const std::string& path, const std::vector<Record>& list) {
    std::string bytes;
    bytes.reserve(list.size() * Record::kSize);
    for (const Record& r : list) bytes += r.encode();
    return writeWhole(path, bytes);
}

template <typename Record>
std::optional<std::vector<Record>> readAll(const std::string& path) {
    const auto bytes = readWhole(path);
    if (!bytes)
        return std::nullopt;
    std::vector<Record> list;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes->data());
    for (std::size_t at = 0; at + Record::kSize <= bytes->size(); at += Record::kSize) {
        list.push_back(Record::decode(p + at));
    }
    return list;
}

}  // namespace

bool writeRecords(const std::string& path, const std::vector<TCloneRecord>& records) {
    return writeAll(path, records);
}

bool writeNodes(const std::string& path, const std::vector<TNodeItems>& nodes) {
    return writeAll(path, nodes);
}

std::optional<std::vector<TCloneRecord>> readRecords(const std::string& path) {
    return readAll<TCloneRecord>(path);
}

std::optional<std::vector<TNodeItems>> readNodes(const std::string& path) {
    return readAll<TNodeItems>(path);
}

void completeColors(std::vector<TCloneRecord>& records) {
    // The first known record of each (name, size), found in one pass instead of a search per record.
    std::unordered_map<std::string, std::vector<std::size_t>> known;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].ColorId != -1)
            known[lowerAscii(fileNameOf(records[i].Name)) + '\n' + records[i].Size].push_back(i);
    }
    for (TCloneRecord& r : records) {
        if (r.ColorId != -1)
            continue;
        const auto it = known.find(lowerAscii(fileNameOf(r.Name)) + '\n' + r.Size);
        if (it == known.end())
            continue;
        for (std::size_t k : it->second) {
            if (records[k].Name != r.Name) {
                r.ColorId = records[k].ColorId;
                r.GroupID = records[k].GroupID;
                break;
            }
        }
    }
}

}  // namespace orlivo::duplicates
