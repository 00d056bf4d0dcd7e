// Any bytes as a data file: read through the real reader into a chart table, handed to the
// chart, described as JSON. Byte 0 picks the orientation and the one-series shrink.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "chart/chart_table.h"
#include "chartlib/model/chart_model.h"
#include "input/record_reader.h"
#include "render/describe_json.h"

namespace {

// The bytes as a file that has a path, without touching the disk.
class MemoryFile {
public:
    explicit MemoryFile(std::span<const std::uint8_t> bytes)
        : fd_(memfd_create("record-fuzz", MFD_CLOEXEC)) {
        if (fd_ >= 0 && !bytes.empty()) {
            [[maybe_unused]] auto written = write(fd_, bytes.data(), bytes.size());
        }
    }
    ~MemoryFile() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const bool bar = data[0] & 1;
    const bool oneSeries = data[0] & 2;
    const MemoryFile file({data + 1, size - 1});
    const auto length = chartview::takeFileLength(file.path());
    if (!std::holds_alternative<std::int64_t>(length)) {
        return 0;
    }
    const std::int64_t bytes = std::get<std::int64_t>(length);
    const std::int64_t n = chartview::ChartTable::lastIndexFor(chartview::lastIndexFor(bytes));
    if (n < 0) {
        return 0;
    }
    using Orientation = chartview::ChartTable::Orientation;
    chartview::ChartTable table(bar ? Orientation::Bar : Orientation::Pie, n);
    const bool read = chartview::readRecords(
        file.path(), chartview::recordCountFor(bytes),
        [&table](std::int64_t first, std::span<const std::byte> records) {
            table.placeRecords(first, records);
        });
    if (!read) {
        __builtin_trap();  // a memory file can always be read whole
    }
    if (oneSeries) {
        table.dropSecondSeries();
    }
    ChartLib::ChartModel model;
    model.setChartData(std::move(table).release());
    [[maybe_unused]] const std::string json = chartview::describeChart(model, QString());
    return 0;
}
