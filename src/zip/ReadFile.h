#pragma once

#include <cstdint>
#include <string>

namespace orlivo::zip {

// A file opened for reading at explicit offsets; closed when it goes out of scope.
class ReadFile {
public:
    ReadFile() = default;
    explicit ReadFile(const std::string& path);
    ~ReadFile();
    ReadFile(ReadFile&& other) noexcept;
    ReadFile& operator=(ReadFile&& other) noexcept;
    ReadFile(const ReadFile&) = delete;
    ReadFile& operator=(const ReadFile&) = delete;

    bool isOpen() const { return fFd >= 0; }
    int fd() const { return fFd; }
    std::uint64_t size() const { return fSize; }
    std::int64_t modifiedNs() const { return fModifiedNs; }
    // Reads up to n bytes at offset; returns the count read (short only at the end of the file or on an
    // error, which then reads as 0 bytes more).
    std::size_t readAt(std::uint64_t offset, void* buffer, std::size_t n) const;
    bool readExactly(std::uint64_t offset, void* buffer, std::size_t n) const {
        return readAt(offset, buffer, n) == n;
    }

private:
    int fFd = -1;
    std::uint64_t fSize = 0;
    std::int64_t fModifiedNs = 0;
};

// Size and modification time of a file, for noticing that an archive changed between operations.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
    static FileStamp of(const std::string& path);
};

}  // namespace orlivo::zip
