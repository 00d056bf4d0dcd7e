#include "data/pack_command.h"

#include "data/csv_reader.h"
#include "data/record_encoder.h"
#include "data/record_row.h"

#include <QFile>
#include <QSaveFile>

#include <optional>
#include <string_view>
#include <variant>

namespace chartview::data {

namespace {

CommandOutcome fileFailure(DataExit status, const std::string& path, const QFileDevice& file) {
    return {status, path + ": " + file.errorString().toStdString()};
}

CommandOutcome rowFailure(const std::string& csvPath, std::int64_t line,
                          const std::string& message) {
    return {DataExit::DataError, csvPath + ":" + std::to_string(line) + ": " + message};
}

std::variant<QByteArray, CommandOutcome> readWholeFile(const std::string& path) {
    QFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::ReadOnly)) {
        return fileFailure(DataExit::NoInput, path, file);
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return fileFailure(DataExit::NoInput, path, file);
    }
    return bytes;
}

// Writes the record of every row to `out`; the first bad row ends the writing.
std::optional<CommandOutcome> writeRecords(CsvReader& reader, const std::string& csvPath,
                                           const std::string& outPath, QSaveFile& out) {
    for (;;) {
        auto step = reader.next();
        if (std::holds_alternative<CsvEnd>(step)) {
            return std::nullopt;
        }
        if (const auto* error = std::get_if<CsvError>(&step)) {
            return rowFailure(csvPath, error->line, error->message);
        }
        const CsvRow& row = std::get<CsvRow>(step);
        const auto record = recordFromFields(row.fields);
        if (const auto* error = std::get_if<RowError>(&record)) {
            return rowFailure(csvPath, row.line, error->message);
        }
        const auto bytes = encodeRecord(std::get<ChartRecord>(record));
        if (out.write(reinterpret_cast<const char*>(bytes.data()), kRecordSize) != kRecordSize) {
            return fileFailure(DataExit::IoError, outPath, out);
        }
    }
}

}  // namespace

CommandOutcome packCsv(const std::string& csvPath, const std::string& outPath) {
    auto input = readWholeFile(csvPath);
    if (auto* failure = std::get_if<CommandOutcome>(&input)) {
        return std::move(*failure);
    }
    const QByteArray& csv = std::get<QByteArray>(input);
    // Written under a temporary name and renamed by commit(); without commit the
    // temporary file is removed and outPath never changes.
    QSaveFile out(QFile::decodeName(outPath.c_str()));
    if (!out.open(QIODevice::WriteOnly)) {
        return fileFailure(DataExit::CantCreate, outPath, out);
    }
    CsvReader reader(std::string_view(csv.constData(), static_cast<std::size_t>(csv.size())));
    if (auto failure = writeRecords(reader, csvPath, outPath, out)) {
        return std::move(*failure);
    }
    if (!out.commit()) {
        return fileFailure(DataExit::IoError, outPath, out);
    }
    return {};
}

}  // namespace chartview::data
