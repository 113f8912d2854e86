#include "Fingerprints.h"

#include "Crc32.h"
#include "Md5.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <vector>

namespace orlivo::duplicates {
namespace {

class Input {
public:
    explicit Input(const std::string& path) : fFd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
        if (fFd >= 0)
            ::posix_fadvise(fFd, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    ~Input() {
        if (fFd >= 0)
            ::close(fFd);
    }
    bool ok() const { return fFd >= 0; }
    // Bytes read, 0 at the end, -1 on an error.
    ssize_t read(void* buffer, std::size_t n) {
        for (;;) {
            const ssize_t got = ::read(fFd, buffer, n);
            if (got >= 0 || errno != EINTR)
                return got;
        }
    }

private:
    int fFd;
};

template <typename Digest>
bool digestFile(const std::string& path, Digest& digest) {
    Input in(path);
    if (!in.ok())
        return false;
    std::vector<unsigned char> buffer(1 << 16);
    for (;;) {
        const ssize_t got = in.read(buffer.data(), buffer.size());
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        digest.update(buffer.data(), std::size_t(got));
    }
}

}  // namespace

std::optional<std::string> md5OfFile(const std::string& path) {
    Md5 md5;
    if (!digestFile(path, md5))
        return std::nullopt;
    return md5.hexDigest();
}

std::optional<std::uint32_t> crc32OfFile(const std::string& path) {
    Crc32 crc;
    if (!digestFile(path, crc))
        return std::nullopt;
    return crc.value();
}

bool sameBytes(const std::string& a, const std::string& b) {
    Input x(a), y(b);
    if (!x.ok() || !y.ok())
        return false;
    std::vector<unsigned char> bx(1 << 16), by(1 << 16);
    for (;;) {
        const ssize_t nx = x.read(bx.data(), bx.size());
        if (nx < 0)
            return false;
        std::size_t have = 0;
        while (have < std::size_t(nx)) {
            const ssize_t ny = y.read(by.data() + have, std::size_t(nx) - have);
            if (ny <= 0)
                return false;
            have += std::size_t(ny);
        }
        if (nx == 0)
            return y.read(by.data(), 1) == 0;
        if (std::memcmp(bx.data(), by.data(), std::size_t(nx)) != 0)
            return false;
    }
}

}  // namespace orlivo::duplicates
