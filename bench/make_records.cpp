// Writes a record file of COUNT records for the benchmarks: labels "Item n", Value1 a
// sawtooth, Value2 a slower one. Usage: make_records COUNT FILE
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "data/record_encoder.h"

namespace {

chartview::ChartRecord benchRecord(long long index) {
    chartview::ChartRecord record;
    const std::string label = "Item " + std::to_string(index);
    std::copy(label.begin(), label.end(), record.label.begin());  // ASCII: one unit a char
    record.value1 = static_cast<double>(index % 1000) * 13.0;
    record.value2 = static_cast<double>(index % 777) * 17.0;
    return record;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: make_records COUNT FILE\n", stderr);
        return 64;
    }
    const long long count = std::atoll(argv[1]);
    QSaveFile file(QFile::decodeName(argv[2]));
    if (count < 0 || !file.open(QIODevice::WriteOnly)) {
        std::fputs("make_records: cannot write the file\n", stderr);
        return 73;
    }
    constexpr long long kChunk = 4096;
    QByteArray chunk(kChunk * chartview::kRecordSize, '\0');
    for (long long first = 0; first < count; first += kChunk) {
        const long long n = std::min(kChunk, count - first);
        for (long long i = 0; i < n; ++i) {
            const auto bytes = chartview::data::encodeRecord(benchRecord(first + i));
            std::memcpy(chunk.data() + i * chartview::kRecordSize, bytes.data(), bytes.size());
        }
        file.write(chunk.constData(), n * chartview::kRecordSize);
    }
    return file.commit() ? 0 : 74;
}
