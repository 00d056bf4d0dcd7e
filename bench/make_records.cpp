// Writes a record file of COUNT records for the benchmarks: labels "Item n", Value1 a
// sawtooth, Value2 a slower one. Usage: make_records COUNT FILE
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kRecordSize = 400;

void putRecord(char* at, long long index) {
    std::memset(at, 0, kRecordSize);
    const std::string label = "Item " + std::to_string(index);
    for (std::size_t i = 0; i < label.size() && i < 64; ++i) {
        qToLittleEndian<quint16>(static_cast<quint16>(label[i]), at + 2 * i);
    }
    const double value1 = static_cast<double>(index % 1000) * 13.0;
    const double value2 = static_cast<double>(index % 777) * 17.0;
    quint64 bits;
    std::memcpy(&bits, &value1, sizeof bits);
    qToLittleEndian(bits, at + 256);
    std::memcpy(&bits, &value2, sizeof bits);
    qToLittleEndian(bits, at + 392);
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
    QByteArray chunk(kChunk * kRecordSize, '\0');
    for (long long first = 0; first < count; first += kChunk) {
        const long long n = std::min(kChunk, count - first);
        for (long long i = 0; i < n; ++i) {
            putRecord(chunk.data() + i * kRecordSize, first + i);
        }
        file.write(chunk.constData(), n * kRecordSize);
    }
    return file.commit() ? 0 : 74;
}
