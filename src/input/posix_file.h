#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace chartview {

// A file opened read-only with plain POSIX calls, so that reads are exact and every failure
// (open, read, close) is seen. Closed on destruction if close() was not called.
class PosixReadFile {
public:
    // Opens `path` read-only, close-on-exec, and hints sequential access; nullopt when open fails.
    static std::optional<PosixReadFile> open(const std::string& path);

    PosixReadFile(PosixReadFile&& other) noexcept;
    PosixReadFile& operator=(PosixReadFile&&) = delete;
    PosixReadFile(const PosixReadFile&) = delete;
    PosixReadFile& operator=(const PosixReadFile&) = delete;
    ~PosixReadFile();

    // Fills `buffer` from the current position, retrying interrupted and partial reads.
    // Returns the bytes read (fewer only at end of file), or -1 when a read fails.
    std::int64_t readFully(std::span<std::byte> buffer);
    // Closes the file; false when the system reports a failure.
    bool close();

private:
    explicit PosixReadFile(int fd) : fd_(fd) {}

    int fd_ = -1;
};

}  // namespace chartview
