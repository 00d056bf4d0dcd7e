#include "data/dump_command.h"

#include "data/record_row.h"
#include "input/record_reader.h"

#include <cerrno>
#include <cstring>
#include <variant>

namespace chartview::data {

namespace {

// What reading the records did, for the outcome.
struct DumpLog {
    bool readOk = false;
    bool sawRecords = false;
    bool writeFailed = false;
    int readErrno = 0;
    int writeErrno = 0;
};

DumpLog writeRows(const std::string& path, std::int64_t count, std::FILE* out) {
    DumpLog log;
    std::string text;  // one chunk's rows, reused so that memory stays bounded
    errno = 0;
    log.readOk = readRecords(path, count, [&](std::int64_t, std::span<const std::byte> chunk) {
        log.sawRecords = true;
        if (log.writeFailed) {
            return;  // readRecords cannot be stopped; skip the work instead
        }
        text.clear();
        for (std::size_t at = 0; at < chunk.size(); at += kRecordSize) {
            appendRow(decodeRecord(chunk.subspan(at).first<kRecordSize>()), text);
        }
        if (std::fwrite(text.data(), 1, text.size(), out) != text.size()) {
            log.writeFailed = true;
            log.writeErrno = errno;
        }
    });
    log.readErrno = errno;
    return log;
}

CommandOutcome readFailure(const std::string& path, const DumpLog& log) {
    std::string message = path + ": cannot read the file";
    if (log.readErrno != 0) {
        message += std::string(": ") + std::strerror(log.readErrno);
    }
    // Nothing read: the file could not be opened; otherwise a read failed part way.
    return {log.sawRecords ? DataExit::IoError : DataExit::NoInput, std::move(message)};
}

}  // namespace

CommandOutcome dumpRecords(const std::string& path, std::FILE* out) {
    const auto length = takeFileLength(path);
    if (const auto* failure = std::get_if<LengthFailure>(&length)) {
        return {DataExit::NoInput, path + ": " + failure->reason};
    }
    const std::int64_t bytes = std::get<std::int64_t>(length);
    const DumpLog log = writeRows(path, recordCountFor(bytes), out);
    if (!log.readOk) {
        return readFailure(path, log);
    }
    if (!log.writeFailed && (std::fflush(out) != 0 || std::ferror(out))) {
        return {DataExit::IoError, std::string("cannot write the output: ") + std::strerror(errno)};
    }
    if (log.writeFailed) {
        return {DataExit::IoError,
                std::string("cannot write the output: ") + std::strerror(log.writeErrno)};
    }
    if (const std::int64_t trailing = bytes % kRecordSize; trailing != 0) {
        return {DataExit::Success, path + ": ignored the last " + std::to_string(trailing) +
                                       " bytes, which do not make a whole record of 400"};
    }
    return {};
}

}  // namespace chartview::data
