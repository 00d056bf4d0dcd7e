#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <variant>

namespace chartview {

inline constexpr int kRecordSize = 400;
inline constexpr int kLabelUnits = 64;

// One record of the data file, decoded: the label's 64 UTF-16 code units exactly as stored
// (zeros and unpaired surrogates included) and the two values exactly as stored.
struct ChartRecord {
    std::array<char16_t, kLabelUnits> label{};
    double value1 = 0;
    double value2 = 0;
};

// Decodes one record from its 400 little-endian bytes; the two ignored blocks play no part.
ChartRecord decodeRecord(std::span<const std::byte, kRecordSize> bytes);

// Why the length of a data file could not be taken: the system's reason, for example
// "No such file or directory" or "Is a directory".
struct LengthFailure {
    std::string reason;
};

// The length in bytes of the regular file (or anything stat() sizes) named by `path`,
// taken without opening it. A directory or an unreachable path is a LengthFailure.
std::variant<std::int64_t, LengthFailure> takeFileLength(const std::string& path);

// `LastIndex`: length / 400 - 1 as a real division (1000 gives 1.5, 0 gives -1).
inline double lastIndexFor(std::int64_t length) {
    return static_cast<double>(length) / 400.0 - 1.0;
}

// Whole records in a file of `length` bytes: the records that the reading loop
// "i = 0 while i <= LastIndex" reads. The bytes of a trailing partial record are never read.
inline std::int64_t recordCountFor(std::int64_t length) {
    return length / kRecordSize;
}

// Receives whole records in file order: the index of the first and their bytes (a multiple
// of 400). The span is valid only during the call.
using RecordChunkSink = std::function<void(std::int64_t firstIndex, std::span<const std::byte>)>;

// Opens `path`, reads records 0 .. count-1 in file order in bounded chunks (never the whole
// file at once), hands each chunk to `sink`, and closes the file. Returns false when the
// file cannot be opened, a read fails or ends early (the file shrank), or closing fails;
// the sink may then have seen some chunks. Never reads past record count-1, even if the file
// has grown.
bool readRecords(const std::string& path, std::int64_t count, const RecordChunkSink& sink);

}  // namespace chartview
