#include "support/record_files.h"

#include <QFile>
#include <QtEndian>

#include <cstring>
#include <stdexcept>

namespace chartview::testing {

namespace {
constexpr int kRecordSize = 400;
constexpr int kLabelUnits = 64;

void putDouble(char* at, double value) {
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, at);
}
}  // namespace

QByteArray encodeRecord(const TestRecord& record) {
    if (record.label.size() > kLabelUnits) {
        throw std::invalid_argument("label longer than 64 code units");
    }
    QByteArray bytes(kRecordSize, record.extraFill);
    for (int i = 0; i < kLabelUnits; ++i) {
        const char16_t unit = i < static_cast<int>(record.label.size()) ? record.label[i] : 0;
        qToLittleEndian(static_cast<quint16>(unit), bytes.data() + 2 * i);
    }
    putDouble(bytes.data() + 256, record.value1);
    putDouble(bytes.data() + 392, record.value2);
    return bytes;
}

QByteArray encodeFile(const std::vector<TestRecord>& records, int trailing) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(records.size()) * kRecordSize + trailing);
    for (const TestRecord& record : records) {
        bytes += encodeRecord(record);
    }
    bytes += QByteArray(trailing, '\x5a');
    return bytes;
}

TempFiles::TempFiles() {
    if (!dir_.isValid()) {
        throw std::runtime_error("cannot make a temporary folder");
    }
}

std::string TempFiles::path(const QString& name) const {
    return QFile::encodeName(dir_.filePath(name)).toStdString();
}

std::string TempFiles::write(const QString& name, const QByteArray& bytes) {
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write test file");
    }
    return path(name);
}

std::vector<TestRecord> numberedRecords(int count) {
    std::vector<TestRecord> records;
    records.reserve(count);
    for (int i = 0; i < count; ++i) {
        std::u16string label = u"R" + QString::number(i).toStdU16String();
        records.push_back({label, static_cast<double>(i), 2.0 * i});
    }
    return records;
}

}  // namespace chartview::testing
