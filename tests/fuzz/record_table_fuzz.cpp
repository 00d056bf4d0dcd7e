// Any bytes as a data file: read through the real reader into a chart table, handed to the
// chart, described as JSON. Byte 0 picks the orientation and the one-series shrink.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "chart/table_loader.h"
#include "chartlib/model/chart_model.h"
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
    using Orientation = chartview::ChartTable::Orientation;
    auto loaded = chartview::loadChartTable(file.path(), bar ? Orientation::Bar : Orientation::Pie);
    if (const auto* failure = std::get_if<chartview::LoadFailure>(&loaded)) {
        if (failure->status == chartview::ExitStatus::IoError) {
            __builtin_trap();  // a memory file can always be read whole
        }
        return 0;
    }
    chartview::ChartTable& table = std::get<chartview::ChartTable>(loaded);
    if (oneSeries) {
        table.dropSecondSeries();
    }
    ChartLib::ChartModel model;
    model.setChartData(std::move(table).release());
    [[maybe_unused]] const std::string json = chartview::describeChart(model, QString());
    return 0;
}
