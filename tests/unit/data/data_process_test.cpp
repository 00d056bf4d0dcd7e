#include "support/process.h"
#include "support/record_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace chartview::testing {
namespace {

constexpr int kRecordSize = 400;

ProcessResult runData(const QStringList& arguments) {
    return runProcess(builtProgram(u"chartview-data"_s), arguments);
}

QString qPath(const std::string& path) {
    return QString::fromStdString(path);
}

QByteArray readFile(const std::string& path) {
    QFile file(qPath(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

double fromBits(std::uint64_t bits) {
    return std::bit_cast<double>(bits);
}

// Labels and values that are hard to carry through text: zero units, unpaired surrogates,
// full 64-unit labels, CSV specials, NaN payloads, -0, denormals.
std::vector<TestRecord> trickyRecords() {
    std::u16string zerosInside(64, u'\0');
    zerosInside[10] = u'a';
    zerosInside[63] = u'z';
    std::u16string full;
    for (int i = 0; i < 32; ++i) {
        full += u"\U0001F600";
    }
    return {
        {u"\uFEFF"
         u"starts like a byte order mark",
         1, 2, 'Z'},
        {u"", 0, -0.0, 'Z'},
        {zerosInside, fromBits(0x7FF8000000000001), fromBits(0xFFF0000000000001), 'Z'},
        {full, std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
         'Z'},
        {std::u16string{char16_t(0xD800), u'x', char16_t(0xDFFF)}, 5e-324, 1e308, 'Z'},
        {u"a,\"b\"\r\n\\u0041\\", std::numeric_limits<double>::quiet_NaN(),
         -std::numeric_limits<double>::quiet_NaN(), 'Z'},
        {u"\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 \u58F2\u4E0A", 0.1, -1.5, 'Z'},
        {std::u16string(64, u'\\'), 1.7976931348623157e308, 2.2250738585072014e-308, 'Z'},
    };
}

TEST(DataProcess, PackWritesTheRecordsAndDumpPackReproducesThem) {
    TempFiles files;
    const QByteArray csv =
        "\xEF\xBB\xBF"
        "plain,1,2\r\n"
        "\"comma, \"\"quote\"\"\nand break\",-0,nan\r\n"
        "\\u0000\\uD800\\\\,inf,0x7ff8000000000001\n"
        "\xF0\x9F\x98\x80 \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D,1e308,4.9e-324";
    const std::vector<TestRecord> expected = {
        {u"plain", 1, 2},
        {u"comma, \"quote\"\nand break", -0.0, std::numeric_limits<double>::quiet_NaN()},
        {std::u16string{u'\0', char16_t(0xD800), u'\\'}, std::numeric_limits<double>::infinity(),
         fromBits(0x7FF8000000000001)},
        {u"\U0001F600 \u05E9\u05DC\u05D5\u05DD", 1e308, 5e-324},
    };
    const std::string in = files.write(u"in.csv"_s, csv);
    const ProcessResult pack = runData({u"pack"_s, qPath(in), qPath(files.path(u"a.dat"_s))});
    ASSERT_EQ(pack.exitCode, 0) << pack.err.toStdString();
    EXPECT_EQ(pack.err, QByteArray());
    EXPECT_EQ(readFile(files.path(u"a.dat"_s)), encodeFile(expected));

    const ProcessResult dump = runData({u"dump"_s, qPath(files.path(u"a.dat"_s))});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    EXPECT_EQ(dump.err, QByteArray());
    const std::string dumped = files.write(u"dumped.csv"_s, dump.out);
    ASSERT_EQ(runData({u"pack"_s, qPath(dumped), qPath(files.path(u"b.dat"_s))}).exitCode, 0);
    EXPECT_EQ(readFile(files.path(u"b.dat"_s)), encodeFile(expected));
}

// The ignored blocks hold filler in the original and come back as zeros.
TEST(DataProcess, DumpOfTrickyRecordsPacksBackToTheSameLabelAndValueBytes) {
    TempFiles files;
    const std::vector<TestRecord> records = trickyRecords();
    const std::string original = files.write(u"tricky.dat"_s, encodeFile(records, 7));

    const ProcessResult dump = runData({u"dump"_s, qPath(original)});
    ASSERT_EQ(dump.exitCode, 0);
    EXPECT_EQ(dump.err.toStdString(),
              "chartview-data: " + original +
                  ": ignored the last 7 bytes, which do not make a whole record of 400\n");
    EXPECT_EQ(dump.out.count('\n'), static_cast<qsizetype>(records.size())) << "one line each";
    const std::string dumped = files.write(u"dumped.csv"_s, dump.out);
    const std::string repacked = files.path(u"repacked.dat"_s);
    const ProcessResult pack = runData({u"pack"_s, qPath(dumped), qPath(repacked)});
    ASSERT_EQ(pack.exitCode, 0) << pack.err.toStdString() << dump.out.toStdString();

    const QByteArray bytes = readFile(repacked);
    ASSERT_EQ(bytes.size(), static_cast<qsizetype>(records.size()) * kRecordSize);
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(i);
        const QByteArray was = encodeRecord(records[i]);
        const QByteArray now = bytes.mid(static_cast<qsizetype>(i) * kRecordSize, kRecordSize);
        EXPECT_EQ(now.mid(0, 128), was.mid(0, 128)) << "label";
        EXPECT_EQ(now.mid(256, 8), was.mid(256, 8)) << "value1";
        EXPECT_EQ(now.mid(392, 8), was.mid(392, 8)) << "value2";
        EXPECT_EQ(now.mid(128, 128), QByteArray(128, '\0'));
        EXPECT_EQ(now.mid(264, 128), QByteArray(128, '\0'));
    }
}

TEST(DataProcess, EmptyInputsGiveEmptyOutputs) {
    TempFiles files;
    const std::string csv = files.write(u"empty.csv"_s, "\xEF\xBB\xBF");
    const std::string out = files.path(u"empty.dat"_s);
    EXPECT_EQ(runData({u"pack"_s, qPath(csv), qPath(out)}).exitCode, 0);
    EXPECT_EQ(readFile(out), QByteArray());
    const ProcessResult dump = runData({u"dump"_s, qPath(out)});
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_EQ(dump.out, QByteArray());
    EXPECT_EQ(dump.err, QByteArray());
}

TEST(DataProcess, BadRowLeavesNoOutputAndNamesItsLine) {
    struct Case {
        const char* name;
        QByteArray csv;
        std::string where;  // ":LINE: message"
    };
    const QByteArray goodRows = "a,1,2\nb,3,4\n";
    const Case cases[] = {
        {"header row", "label,value1,value2\na,1,2\n", ":1: value1 is not a number"},
        {"two fields", goodRows + "c,5\n", ":3: expected 3 fields (label,value1,value2), found 2"},
        {"empty line", "a,1,2\n\nb,3,4\n", ":2: expected 3 fields (label,value1,value2), found 1"},
        {"bad number last", goodRows + "c,5,6x", ":3: value2 is not a number"},
        {"line counted across a quoted break", "\"a\nb\",1,2\r\nc,1,2,3\r\n",
         ":3: expected 3 fields (label,value1,value2), found 4"},
        {"unterminated quote names its first line", goodRows + "\"c,1,2\nd,1,2\n",
         ":3: unterminated quoted field"},
        {"stray quote", "a\"b,1,2\n", ":1: quote inside an unquoted field"},
        {"label too long", QByteArray(65, 'x') + ",1,2\n",
         ":1: label has 65 UTF-16 code units; a record holds at most 64"},
        {"invalid UTF-8", goodRows + "\xC3(,1,2\n", ":3: label has invalid UTF-8 at byte 1"},
        {"bad escape", "\\q,1,2\n",
         ":1: label has a bad escape at byte 1 (use \\uXXXX for a code unit, \\\\ for a "
         "backslash)"},
        {"NaN payload in another notation", "a,nan(0x5),1\n",
         ":1: value1 is a NaN with a payload (write its bits as 0x and 16 hex digits)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        const std::string in = files.write(u"in.csv"_s, c.csv);
        const ProcessResult result =
            runData({u"pack"_s, qPath(in), qPath(files.path(u"out.dat"_s))});
        EXPECT_EQ(result.exitCode, 65);
        EXPECT_EQ(result.err.toStdString(), "chartview-data: " + in + c.where + "\n");
        // Not the output, nor a temporary file beside it.
        EXPECT_EQ(QDir(QFileInfo(qPath(in)).path()).entryList(QDir::Files),
                  QStringList{u"in.csv"_s});
    }
}

TEST(DataProcess, FailedPackLeavesAnExistingOutputUntouched) {
    TempFiles files;
    const std::string in = files.write(u"in.csv"_s, "a,1,2\nb,x,3\n");
    const std::string out = files.write(u"out.dat"_s, "old contents");
    EXPECT_EQ(runData({u"pack"_s, qPath(in), qPath(out)}).exitCode, 65);
    EXPECT_EQ(readFile(out), QByteArray("old contents"));
}

TEST(DataProcess, FileAndUsageErrors) {
    TempFiles files;
    const QString good = qPath(files.write(u"good.csv"_s, "a,1,2\n"));
    const QString missing = qPath(files.path(u"missing"_s));
    const QString inMissingFolder = qPath(files.path(u"no/such/out.dat"_s));
    const std::string usage =
        "usage: chartview-data pack IN.csv OUT.dat | dump IN.dat | --help | --version\n";
    struct Case {
        const char* name;
        QStringList arguments;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {"pack of a missing input",
         {u"pack"_s, missing, qPath(files.path(u"o.dat"_s))},
         66,
         "chartview-data: " + missing.toStdString() + ": No such file or directory\n"},
        {"pack into a missing folder",
         {u"pack"_s, good, inMissingFolder},
         73,
         "chartview-data: " + inMissingFolder.toStdString() + ": No such file or directory\n"},
        {"dump of a missing input",
         {u"dump"_s, missing},
         66,
         "chartview-data: " + missing.toStdString() + ": No such file or directory\n"},
        {"no arguments", {}, 64, "chartview-data: no command\n" + usage},
        {"unknown command", {u"convert"_s, good}, 64, "chartview-data: unknown command\n" + usage},
        {"pack without output",
         {u"pack"_s, good},
         64,
         "chartview-data: pack takes IN.csv and OUT.dat\n" + usage},
        {"dump with two inputs",
         {u"dump"_s, good, good},
         64,
         "chartview-data: dump takes IN.dat\n" + usage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProcessResult result = runData(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.err.toStdString(), c.err);
        EXPECT_EQ(result.out, QByteArray());
    }
    EXPECT_FALSE(QFileInfo::exists(qPath(files.path(u"o.dat"_s))));
}

TEST(DataProcess, HelpAndVersion) {
    const ProcessResult help = runData({u"--help"_s});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("usage: chartview-data pack IN.csv OUT.dat"));
    for (const char* topic : {"no header row", "\\uXXXX", "0x and exactly 16 hex digits"}) {
        EXPECT_TRUE(help.out.contains(topic)) << topic;
    }
    const ProcessResult version = runData({u"--version"_s});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArray("chartview-data " CHARTVIEW_VERSION "\n"));
}

}  // namespace
}  // namespace chartview::testing
