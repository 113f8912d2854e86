#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orlivo::duplicates {

// One file of a duplicate result, as the working file clist.cln and the saved lists hold it: 708 bytes,
// length-prefixed 8-bit texts in the system's ANSI code page (UTF-8 here), 32-bit little-endian integers.
struct TCloneRecord {
    static constexpr std::size_t kSize = 708;

    std::string Name;  // full path; at most 255 bytes in the file
    std::string Size;  // decimal byte count
    std::string FileType;
    std::string DateModified;
    std::int32_t ImageIndex = 0;
    std::int32_t ColorId = 1;  // -1: to be taken from a like record
    std::int32_t GroupID = 0;
    std::int32_t ID = 0;
    std::string MD5;  // always empty
    // The whole path even when the file's Name field had to cut it; commands act on this one.
    std::string FullPath;

    std::string encode() const;
    static TCloneRecord decode(const unsigned char* bytes);
};

// One distinct file name of a result (clistN.cln): 584 bytes, same encodings.
struct TNodeItems {
    static constexpr std::size_t kSize = 584;

    std::string Name;   // file name
    std::string lName;  // full path of the first file of that name
    std::string Size;   // display size of that file
    std::int32_t ImageIndex = 0;
    std::string StaticText;  // "(3 MB in 3 files.)"

    std::string encode() const;
    static TNodeItems decode(const unsigned char* bytes);
};

// Length-prefixed text of at most max bytes, cut at a character boundary.
std::string fitText(const std::string& text, std::size_t max);

// Whole files of records; false (and nothing replaced) when writing fails.
bool writeRecords(const std::string& path, const std::vector<TCloneRecord>& records);
bool writeNodes(const std::string& path, const std::vector<TNodeItems>& nodes);
std::optional<std::vector<TCloneRecord>> readRecords(const std::string& path);
std::optional<std::vector<TNodeItems>> readNodes(const std::string& path);

// Completes records whose ColorId is -1 from the first record with another path, the same file name
// (case ignored) and the same Size text whose ColorId is known.
void completeColors(std::vector<TCloneRecord>& records);

}  // namespace orlivo::duplicates
