#include "input/record_reader.h"

#include "input/posix_file.h"

#include <QtEndian>

#include <sys/stat.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <memory>

namespace chartview {

namespace {

constexpr std::size_t kLabelOffset = 0;
constexpr std::size_t kValue1Offset = 256;
constexpr std::size_t kValue2Offset = 392;

// About 1 MiB of whole records: large enough that system calls cost nothing next to the
// copy, small enough to stay in cache while the sink decodes it.
constexpr std::int64_t kChunkRecords = (1 << 20) / kRecordSize;

static_assert(sizeof(off_t) >= sizeof(std::int64_t), "file lengths must be 64-bit");

double decodeValue(const std::byte* at) {
    return std::bit_cast<double>(qFromLittleEndian<quint64>(at));
}

}  // namespace

ChartRecord decodeRecord(std::span<const std::byte, kRecordSize> bytes) {
    ChartRecord record;
    const std::byte* label = bytes.data() + kLabelOffset;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(record.label.data(), label, sizeof record.label);
    } else {
        for (int i = 0; i < kLabelUnits; ++i) {
            record.label[i] = qFromLittleEndian<quint16>(label + 2 * i);
        }
    }
    record.value1 = decodeValue(bytes.data() + kValue1Offset);
    record.value2 = decodeValue(bytes.data() + kValue2Offset);
    return record;
}

std::variant<std::int64_t, LengthFailure> takeFileLength(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return LengthFailure{std::strerror(errno)};
    }
    if (S_ISDIR(status.st_mode)) {
        return LengthFailure{std::strerror(EISDIR)};
    }
    return static_cast<std::int64_t>(status.st_size);
}

bool readRecords(const std::string& path, std::int64_t count, const RecordChunkSink& sink) {
    if (count < 0) {
        return false;
    }
    std::optional<PosixReadFile> file = PosixReadFile::open(path);
    if (!file) {
        return false;
    }
    const std::int64_t bufferRecords = std::min(count, kChunkRecords);
    auto buffer = std::make_unique_for_overwrite<std::byte[]>(bufferRecords * kRecordSize);
    for (std::int64_t first = 0; first < count;) {
        const std::int64_t records = std::min(count - first, bufferRecords);
        const std::span<std::byte> chunk(buffer.get(), records * kRecordSize);
        // A short read means the file ended before record count-1: it shrank since measured.
        if (file->readFully(chunk) != static_cast<std::int64_t>(chunk.size())) {
            return false;
        }
        sink(first, chunk);
        first += records;
    }
    return file->close();
}

}  // namespace chartview
