#include "ReadFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace orlivo::zip {
namespace {

std::int64_t nanoseconds(const struct timespec& t) {
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

}  // namespace

ReadFile::ReadFile(const std::string& path) {
    fFd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fFd < 0)
        return;
    struct stat st {};
    if (::fstat(fFd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fFd);
        fFd = -1;
        return;
    }
    fSize = std::uint64_t(st.st_size);
    fModifiedNs = nanoseconds(st.st_mtim);
}

ReadFile::~ReadFile() {
    if (fFd >= 0)
        ::close(fFd);
}

ReadFile::ReadFile(ReadFile&& other) noexcept
    : fFd(other.fFd), fSize(other.fSize), fModifiedNs(other.fModifiedNs) {
    other.fFd = -1;
}

ReadFile& ReadFile::operator=(ReadFile&& other) noexcept {
    if (this != &other) {
        if (fFd >= 0)
            ::close(fFd);
        fFd = other.fFd;
        fSize = other.fSize;
        fModifiedNs = other.fModifiedNs;
        other.fFd = -1;
    }
    return *this;
}

std::size_t ReadFile::readAt(std::uint64_t offset, void* buffer, std::size_t n) const {
    if (fFd < 0 || offset >= fSize)
        return 0;
    std::size_t done = 0;
    auto* out = static_cast<char*>(buffer);
    while (done < n) {
        const ssize_t got = ::pread(fFd, out + done, n - done, off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += std::size_t(got);
    }
    return done;
}

FileStamp FileStamp::of(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    return {true, std::uint64_t(st.st_size), nanoseconds(st.st_mtim)};
}

}  // namespace orlivo::zip
