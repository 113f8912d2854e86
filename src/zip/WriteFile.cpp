#include "WriteFile.h"

#include "ZipError.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

namespace orlivo::zip {
namespace {

class PosixFile final : public WriteFile {
public:
    explicit PosixFile(std::string path) : fPath(std::move(path)) {
        fFd = ::open(fPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fFd < 0)
            fail(90);
    }
    ~PosixFile() override {
        if (fFd >= 0) {
            ::close(fFd);
            ::unlink(fPath.c_str());
        }
    }
    void write(const void* data, std::size_t n) override {
        writeAt(fPosition, data, n);
        fPosition += n;
    }
    void writeAt(std::uint64_t offset, const void* data, std::size_t n) override {
        const auto* p = static_cast<const char*>(data);
        while (n > 0) {
            const ssize_t w = ::pwrite(fFd, p, n, off_t(offset));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                fail(msg::WriteOutput);
            p += w;
            n -= std::size_t(w);
            offset += std::uint64_t(w);
        }
    }
    std::uint64_t position() const override { return fPosition; }
    void commit() override {
        const int fd = fFd;
        fFd = -1;
        if (::close(fd) != 0) {
            ::unlink(fPath.c_str());
            fail(msg::WriteOutput);
        }
    }
    const std::string& path() const override { return fPath; }

private:
    std::string fPath;
    int fFd = -1;
    std::uint64_t fPosition = 0;
};

}  // namespace

std::unique_ptr<WriteFile> createPosixFile(const std::string& path) {
    return std::make_unique<PosixFile>(path);
}

}  // namespace orlivo::zip
