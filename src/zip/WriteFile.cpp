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
        if (fBuffer.size() + n > kBufferSize)
            flush();
        if (n >= kBufferSize) {
            writeAtNow(fPosition, data, n);
        } else {
            fBuffer.append(static_cast<const char*>(data), n);
        }
        fPosition += n;
    }
    void writeAt(std::uint64_t offset, const void* data, std::size_t n) override {
        flush();
        writeAtNow(offset, data, n);
    }
    std::uint64_t position() const override { return fPosition; }
    bool copyRange(int fromFd, std::uint64_t fromOffset, std::uint64_t length) override {
        // Unless both sides share their offset within a page the kernel copies in small pieces, slower
        // than reading and writing large blocks.
        if ((fromOffset ^ fPosition) & 4095)
            return false;
        flush();
        loff_t in = loff_t(fromOffset), out = loff_t(fPosition);
        std::uint64_t done = 0;
        while (done < length) {
            const ssize_t n = ::copy_file_range(fromFd, &in, fFd, &out, std::size_t(length - done), 0);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                if (done == 0 &&
                    (n == 0 || errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
                    return false;
                }
                fail(msg::WriteOutput);
            }
            done += std::uint64_t(n);
        }
        fPosition += length;
        return true;
    }
    void commit() override {
        flush();
        const int fd = fFd;
        fFd = -1;
        if (::close(fd) != 0) {
            ::unlink(fPath.c_str());
            fail(msg::WriteOutput);
        }
    }
    const std::string& path() const override { return fPath; }

private:
    static constexpr std::size_t kBufferSize = 1 << 20;

    void flush() {
        if (fBuffer.empty())
            return;
        writeAtNow(fPosition - fBuffer.size(), fBuffer.data(), fBuffer.size());
        fBuffer.clear();
    }
    void writeAtNow(std::uint64_t offset, const void* data, std::size_t n) {
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

    std::string fPath;
    int fFd = -1;
    std::uint64_t fPosition = 0;
    std::string fBuffer;
};

}  // namespace

std::unique_ptr<WriteFile> createPosixFile(const std::string& path) {
    return std::make_unique<PosixFile>(path);
}

}  // namespace orlivo::zip
