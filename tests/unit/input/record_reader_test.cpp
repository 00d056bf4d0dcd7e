#include "input/record_reader.h"

#include "support/record_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cstring>
#include <filesystem>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace chartview {
namespace {

using testing::TempFiles;
using testing::TestRecord;

ChartRecord decode(const QByteArray& bytes) {
    return decodeRecord(std::span<const std::byte, kRecordSize>(
        reinterpret_cast<const std::byte*>(bytes.constData()), kRecordSize));
}

std::array<char16_t, kLabelUnits> paddedLabel(std::u16string_view units) {
    std::array<char16_t, kLabelUnits> label{};
    std::ranges::copy(units, label.begin());
    return label;
}

// What one readRecords call handed to its sink.
struct ReadLog {
    bool ok = false;
    std::vector<std::int64_t> chunkFirsts;
    std::vector<std::size_t> chunkBytes;
    std::vector<ChartRecord> records;
};

ReadLog readAll(const std::string& path, std::int64_t count) {
    ReadLog log;
    log.ok = readRecords(path, count, [&](std::int64_t first, std::span<const std::byte> bytes) {
        log.chunkFirsts.push_back(first);
        log.chunkBytes.push_back(bytes.size());
        for (std::size_t at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize) {
            log.records.push_back(decodeRecord(bytes.subspan(at).first<kRecordSize>()));
        }
    });
    return log;
}

std::string lengthFailure(const std::string& path) {
    const auto result = takeFileLength(path);
    return std::holds_alternative<LengthFailure>(result)
               ? std::get<LengthFailure>(result).reason
               : "length " + std::to_string(std::get<0>(result));
}

TEST(RecordCount, FollowsLastIndexLoop) {
    struct Case {
        std::int64_t length;
        double lastIndex;
        std::int64_t count;
    };
    const Case cases[] = {
        {0, -1.0, 0},
        {199, -0.5025, 0},
        {200, -0.5, 0},
        {399, -0.0025, 0},
        {400, 0.0, 1},
        {600, 0.5, 1},
        {601, 0.5025, 1},
        {799, 0.9975, 1},
        {1000, 1.5, 2},
        {1400, 2.5, 3},
        {4'000'000'000'400, 1e10, 10'000'000'001},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        EXPECT_NEAR(lastIndexFor(c.length), c.lastIndex, 1e-12);
        EXPECT_EQ(recordCountFor(c.length), c.count);
        if (c.count < 100) {
            std::int64_t loopCount = 0;
            for (double i = 0; i <= lastIndexFor(c.length); i += 1) {
                ++loopCount;
            }
            EXPECT_EQ(loopCount, c.count);
        }
    }
}

TEST(DecodeRecord, ReadsLittleEndianFieldsAtTheirOffsets) {
    QByteArray bytes(kRecordSize, '\xee');
    std::memset(bytes.data(), 0, 128);
    bytes[0] = 'A';
    bytes[2] = '\x42';
    bytes[3] = '\x30';  // U+3042
    const char one[] = {0, 0, 0, 0, 0, 0, '\xf0', '\x3f'};
    const char minusTwo[] = {0, 0, 0, 0, 0, 0, 0, '\xc0'};
    std::memcpy(bytes.data() + 256, one, 8);
    std::memcpy(bytes.data() + 392, minusTwo, 8);

    const ChartRecord record = decode(bytes);
    EXPECT_EQ(record.label, paddedLabel(u"A\u3042"));
    EXPECT_EQ(record.value1, 1.0);
    EXPECT_EQ(record.value2, -2.0);
}

TEST(DecodeRecord, KeepsLabelUnitsExactlyAsStored) {
    struct Case {
        const char* name;
        std::u16string label;
    };
    const Case cases[] = {
        {"short label padded with zeros", u"Tokyo"},
        {"empty label", u""},
        {"zero unit inside", std::u16string(u"ab\0cd", 5)},
        {"unpaired surrogates", u"\xD800x\xDC00\xDBFF"},
        {"leading blank", u" East"},
        {"all 64 units used", std::u16string(kLabelUnits, u'\xFFFF')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartRecord record = decode(testing::encodeRecord({c.label, 0, 0}));
        EXPECT_EQ(record.label, paddedLabel(c.label));
    }
}

TEST(DecodeRecord, KeepsValueBitsExactly) {
    const std::uint64_t bitsCases[] = {
        0x7FF0000000000123,  // signalling NaN with a payload
        0xFFF8000000000ABC,  // negative quiet NaN with a payload
        0x7FF0000000000000,  // +infinity
        0xFFF0000000000000,  // -infinity
        0x8000000000000000,  // -0
        0x0000000000000001,  // smallest subnormal
        0x4059000000000000,  // 100
    };
    for (const std::uint64_t bits : bitsCases) {
        SCOPED_TRACE(bits);
        const double value = std::bit_cast<double>(bits);
        const ChartRecord record = decode(testing::encodeRecord({u"x", value, value}));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(record.value1), bits);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(record.value2), bits);
    }
}

TEST(DecodeRecord, IgnoresTheUnusedBlocks) {
    const TestRecord zeros{u"Osaka", 12.5, -3.25, '\0'};
    TestRecord filled = zeros;
    filled.extraFill = '\xff';
    const ChartRecord a = decode(testing::encodeRecord(zeros));
    const ChartRecord b = decode(testing::encodeRecord(filled));
    EXPECT_EQ(a.label, b.label);
    EXPECT_EQ(b.value1, 12.5);
    EXPECT_EQ(b.value2, -3.25);
}

TEST(TakeFileLength, SizesWithoutOpening) {
    TempFiles files;
    const std::string regular = files.write(u"data.dat"_s, testing::encodeFile({}, 1000));
    const std::string empty = files.write(u"empty.dat"_s, {});
    const std::string oddName =
        files.write(QFile::decodeName("\xff\xfe.dat"), QByteArray(401, 'x'));
    const std::string fifo = files.path(u"fifo"_s);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    EXPECT_EQ(std::get<std::int64_t>(takeFileLength(regular)), 1000);
    EXPECT_EQ(std::get<std::int64_t>(takeFileLength(empty)), 0);
    // Opening a FIFO with no writer would block for ever.
    EXPECT_EQ(std::get<std::int64_t>(takeFileLength(fifo)), 0);
    EXPECT_EQ(std::get<std::int64_t>(takeFileLength(oddName)), 401);
}

TEST(TakeFileLength, GivesTheSystemReasonOnFailure) {
    TempFiles files;
    const std::string regular = files.write(u"data.dat"_s, QByteArray(400, 'x'));
    struct Case {
        const char* name;
        std::string path;
        std::string reason;
    };
    const Case cases[] = {
        {"missing", files.path(u"missing.dat"_s), "No such file or directory"},
        {"empty path", "", "No such file or directory"},
        {"trailing blank", regular + " ", "No such file or directory"},
        {"directory", files.path(u""_s), "Is a directory"},
        {"file used as folder", regular + "/x", "Not a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lengthFailure(c.path), c.reason);
    }
}

TEST(TakeFileLength, FolderWithoutSearchPermission) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root searches every folder";
    }
    TempFiles files;
    const std::string folder = files.path(u"locked"_s);
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    const std::string inside = files.write(u"locked/data.dat"_s, QByteArray(400, 'x'));
    ASSERT_EQ(::chmod(folder.c_str(), 0600), 0);
    EXPECT_EQ(lengthFailure(inside), "Permission denied");
    ::chmod(folder.c_str(), 0700);
}

TEST(ReadRecords, HandsOverEveryRecordInChunksWithTheirIndices) {
    TempFiles files;
    const int count = 5000;
    const std::string path =
        files.write(u"big.dat"_s, testing::encodeFile(testing::numberedRecords(count)));

    const ReadLog log = readAll(path, count);
    ASSERT_TRUE(log.ok);
    ASSERT_GT(log.chunkFirsts.size(), 1u);
    std::int64_t expectedFirst = 0;
    for (std::size_t i = 0; i < log.chunkFirsts.size(); ++i) {
        EXPECT_EQ(log.chunkFirsts[i], expectedFirst);
        EXPECT_EQ(log.chunkBytes[i] % kRecordSize, 0u);
        EXPECT_LE(log.chunkBytes[i], 2u << 20);
        expectedFirst += static_cast<std::int64_t>(log.chunkBytes[i] / kRecordSize);
    }
    ASSERT_EQ(log.records.size(), static_cast<std::size_t>(count));
    for (int i = 0; i < count; i += 997) {
        SCOPED_TRACE(i);
        EXPECT_EQ(log.records[i].label, paddedLabel(u"R" + QString::number(i).toStdU16String()));
        EXPECT_EQ(log.records[i].value1, i);
        EXPECT_EQ(log.records[i].value2, 2.0 * i);
    }
}

TEST(ReadRecords, ReadsExactlyCountRecords) {
    TempFiles files;
    const std::string path =
        files.write(u"d.dat"_s, testing::encodeFile(testing::numberedRecords(10), 150));
    struct Case {
        const char* name;
        std::int64_t count;
        bool ok;
        std::size_t recordsSeen;
    };
    const Case cases[] = {
        {"none", 0, true, 0},
        {"fewer than the file holds", 7, true, 7},
        {"every whole record", 10, true, 10},
        {"more than the file holds", 11, false, 0},
        {"negative", -1, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadLog log = readAll(path, c.count);
        EXPECT_EQ(log.ok, c.ok);
        EXPECT_EQ(log.records.size(), c.recordsSeen);
        if (c.ok && c.recordsSeen > 0) {
            EXPECT_EQ(log.records.back().value1, static_cast<double>(c.recordsSeen - 1));
        }
    }
}

TEST(ReadRecords, FailsWhenFileCannotBeRead) {
    TempFiles files;
    struct Case {
        const char* name;
        std::string path;
    };
    const Case cases[] = {
        {"missing", files.path(u"missing.dat"_s)},
        {"empty path", ""},
        {"directory", files.path(u""_s)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(readAll(c.path, 1).ok);
    }
}

TEST(ReadRecords, FailsWithoutReadPermission) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    TempFiles files;
    const std::string path =
        files.write(u"d.dat"_s, testing::encodeFile(testing::numberedRecords(2)));
    ASSERT_EQ(::chmod(path.c_str(), 0200), 0);
    EXPECT_FALSE(readAll(path, 2).ok);
}

TEST(ReadRecords, FailsWhenFileShrinksWhileRead) {
    TempFiles files;
    const int count = 5000;
    const std::string path =
        files.write(u"d.dat"_s, testing::encodeFile(testing::numberedRecords(count)));
    int chunks = 0;
    const bool ok = readRecords(path, count, [&](std::int64_t, std::span<const std::byte>) {
        if (chunks++ == 0) {
            ASSERT_EQ(::truncate(path.c_str(), 100 * kRecordSize), 0);
        }
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(chunks, 1);
}

TEST(ReadRecords, FailsWhenFileHoldsLessThanStatSays) {
    // Files under /sys report a length of 4096 and hold a few bytes.
    const std::string path = "/sys/kernel/mm/transparent_hugepage/enabled";
    const auto length = takeFileLength(path);
    if (!std::holds_alternative<std::int64_t>(length) || std::get<std::int64_t>(length) != 4096) {
        GTEST_SKIP() << path << " is not a 4096-byte sysfs file here";
    }
    EXPECT_FALSE(readAll(path, recordCountFor(4096)).ok);
}

}  // namespace
}  // namespace chartview
