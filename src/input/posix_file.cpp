#include "input/posix_file.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

#include <utility>

namespace chartview {

std::optional<PosixReadFile> PosixReadFile::open(const std::string& path) {
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return std::nullopt;
    }
    // Only a hint: a file that cannot take it (a pipe, say) still reads the same.
    (void)::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return PosixReadFile(fd);
}

PosixReadFile::PosixReadFile(PosixReadFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

PosixReadFile::~PosixReadFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::int64_t PosixReadFile::readFully(std::span<std::byte> buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t got = ::read(fd_, buffer.data() + done, buffer.size() - done);
        if (got > 0) {
            done += static_cast<std::size_t>(got);
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            return -1;
        }
    }
    return static_cast<std::int64_t>(done);
}

bool PosixReadFile::close() {
    const int result = ::close(std::exchange(fd_, -1));
    // On Linux the descriptor is gone even when close is interrupted, and nothing was written
    // through it, so an interruption loses nothing.
    return result == 0 || errno == EINTR;
}

}  // namespace chartview
