#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace orlivo::zip {

// A file being written by the engine. Every write and the close are checked; a failure raises ZipError
// (write error 107, or the id given). Files not committed are removed when they go out of scope.
class WriteFile {
public:
    virtual ~WriteFile() = default;
    virtual void write(const void* data, std::size_t n) = 0;
    virtual void writeAt(std::uint64_t offset, const void* data, std::size_t n) = 0;
    virtual std::uint64_t position() const = 0;
    // Closes the file and keeps it.
    virtual void commit() = 0;
    virtual const std::string& path() const = 0;
    // Appends length bytes of another open file in the kernel (no copy through memory); false when the
    // file system cannot, before anything was written.
    virtual bool copyRange(int /*fromFd*/, std::uint64_t /*fromOffset*/, std::uint64_t /*length*/) {
        return false;
    }
};

// How the engine creates its files; tests replace it to simulate a full disk.
using WriteFileFactory = std::function<std::unique_ptr<WriteFile>(const std::string& path)>;
std::unique_ptr<WriteFile> createPosixFile(const std::string& path);

}  // namespace orlivo::zip
