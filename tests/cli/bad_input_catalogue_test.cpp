// Every kind of input the viewer cannot use, or can use only with care, tried as a whole
// process: its exit status, its stderr, and that nothing is written.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <functional>
#include <limits>

#include "support/process.h"
#include "support/record_files.h"

namespace chartview::testing {
namespace {

using namespace Qt::StringLiterals;

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

enum class Stderr { Silent, OneLine };

struct Case {
    const char* name;
    // Makes what the case needs in `files` and returns the argument text's bytes.
    std::function<std::string(TempFiles& files)> argumentText;
    int status;
    Stderr err;
    // Checks the chart when the load succeeds.
    std::function<void(const QJsonObject& chart)> check = nullptr;
};

std::string bar(const std::string& path) {
    return path + "|A|B|0|0|one|two|1";
}
std::string pie(const std::string& path) {
    return path + "|A|B|0|1|pie|x|1";
}

std::string fileOf(TempFiles& files, const QByteArray& bytes) {
    return files.write(u"data.dat"_s, bytes);
}

std::string recordsOf(TempFiles& files, const std::vector<TestRecord>& records, int trailing = 0) {
    return fileOf(files, encodeFile(records, trailing));
}

// Passes the argument text byte for byte (QProcess would re-encode it as UTF-8).
ProcessResult runRenderWithBytes(const std::string& argumentText, const QString& workingDir) {
    QByteArray octal;
    for (const unsigned char c : argumentText) {
        octal += "\\0" + QByteArray::number(c, 8);
    }
    QProcessEnvironment environment = environmentWithoutDisplay();
    environment.insert(u"CHARTVIEW_ARG"_s, QString::fromLatin1(octal));
    const QString script =
        u"cd \"$2\" && exec \"$1\" --describe \"$(printf '%b' \"$CHARTVIEW_ARG\")\""_s;
    return runProcess(u"/bin/sh"_s,
                      {u"-c"_s, script, u"sh"_s, builtProgram(u"chartview-render"_s), workingDir},
                      environment);
}

QJsonObject parse(const QByteArray& out) {
    return QJsonDocument::fromJson(out).object();
}

double valueAt(const QJsonObject& chart, int series, int row) {
    const QJsonValue value = chart[u"series"_s][series][u"values"_s][row];
    if (value.isString()) {
        const QString text = value.toString();
        return text == u"NaN"_s ? kNan : text == u"Infinity"_s ? kInf : -kInf;
    }
    return value.toDouble();
}

std::vector<Case> catalogue() {
    return {
        {"no arguments", [](TempFiles&) { return std::string(); }, 64, Stderr::Silent},
        {"seven fields", [](TempFiles&) { return std::string("a|b|c|d|e|f|g"); }, 64,
         Stderr::Silent},
        {"nine fields", [](TempFiles&) { return std::string("a|b|c|d|e|f|g|h|"); }, 64,
         Stderr::Silent},
        {"bar inside a caption",
         [](TempFiles& f) { return recordsOf(f, numberedRecords(1)) + "|A|x|y|0|0|s|t|1"; }, 64,
         Stderr::Silent},
        {"missing file", [](TempFiles& f) { return bar(f.path(u"none"_s)); }, 66, Stderr::OneLine},
        {"empty path", [](TempFiles&) { return bar(""); }, 66, Stderr::OneLine},
        {"directory", [](TempFiles& f) { return bar(f.path(u"."_s)); }, 66, Stderr::OneLine},
        {"path with a trailing blank no file has",
         [](TempFiles& f) { return bar(recordsOf(f, numberedRecords(1)) + " "); }, 66,
         Stderr::OneLine},
        {"path with blanks at its ends that a file has",
         [](TempFiles& f) {
             return bar(f.write(u" spaced.dat "_s, encodeFile(numberedRecords(2))));
         },
         0, Stderr::Silent, [](const QJsonObject& c) { EXPECT_EQ(c[u"rowCount"_s].toInt(), 2); }},
        {"FIFO",
         [](TempFiles& f) {
             const std::string path = f.path(u"fifo"_s);
             mkfifo(path.c_str(), 0600);
             return bar(path);
         },
         65, Stderr::OneLine},
        {"/dev/zero", [](TempFiles&) { return bar("/dev/zero"); }, 65, Stderr::OneLine},
        {"0 bytes", [](TempFiles& f) { return bar(fileOf(f, {})); }, 65, Stderr::OneLine},
        {"1 byte", [](TempFiles& f) { return bar(fileOf(f, "x")); }, 65, Stderr::OneLine},
        {"199 bytes", [](TempFiles& f) { return bar(fileOf(f, QByteArray(199, 'x'))); }, 65,
         Stderr::OneLine},
        {"200 bytes: one empty row",
         [](TempFiles& f) { return bar(fileOf(f, QByteArray(200, 'x'))); }, 0, Stderr::Silent,
         [](const QJsonObject& c) {
             EXPECT_EQ(c[u"rowCount"_s].toInt(), 1);
             EXPECT_TRUE(c[u"series"_s][0][u"values"_s][0].isNull());
         }},
        {"399 bytes: one empty slice",
         [](TempFiles& f) { return pie(fileOf(f, QByteArray(399, 'x'))); }, 0, Stderr::Silent,
         [](const QJsonObject& c) { EXPECT_EQ(c[u"columnCount"_s].toInt(), 1); }},
        {"401 bytes: one record",
         [](TempFiles& f) { return bar(recordsOf(f, numberedRecords(1), 1)); }, 0, Stderr::Silent,
         [](const QJsonObject& c) { EXPECT_EQ(c[u"rowCount"_s].toInt(), 1); }},
        {"799 bytes: one record and an empty row",
         [](TempFiles& f) { return bar(recordsOf(f, numberedRecords(1), 399)); }, 0, Stderr::Silent,
         [](const QJsonObject& c) {
             EXPECT_EQ(c[u"rowCount"_s].toInt(), 2);
             EXPECT_TRUE(c[u"series"_s][0][u"values"_s][1].isNull());
         }},
        {"a sys file that holds less than it reports",
         [](TempFiles&) { return bar("/sys/kernel/mm/transparent_hugepage/enabled"); }, 74,
         Stderr::Silent},
        {"labels of lone surrogates, zeros, right-to-left text and emoji",
         [](TempFiles& f) {
             return pie(
                 recordsOf(f, {{std::u16string{u'\xDC00', u'a', u'\xD800'}, 1, 0},
                               {std::u16string(64, u'\0'), 1, 0},
                               {u"\u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627", 1, 0},
                               {u"\U0001F600\U0001F4CA", 1, 0}}));
         },
         0, Stderr::Silent,
         [](const QJsonObject& c) {
             EXPECT_EQ(c[u"columnCount"_s].toInt(), 4);
             EXPECT_EQ(c[u"columnLabels"_s][3].toString().left(5), u" \U0001F600\U0001F4CA"_s);
         }},
        {"special values in a bar chart",
         [](TempFiles& f) {
             return bar(recordsOf(f, {{u"a", kNan, kInf},
                                      {u"b", -kInf, -0.0},
                                      {u"c", 5e-324, 1e308},
                                      {u"d", -1e308, -5}}));
         },
         0, Stderr::Silent,
         [](const QJsonObject& c) {
             EXPECT_TRUE(std::isnan(valueAt(c, 0, 0)));
             EXPECT_EQ(valueAt(c, 1, 0), kInf);
             EXPECT_EQ(valueAt(c, 1, 1), 0.0);  // -0's sign: checked on the raw text elsewhere
             EXPECT_EQ(valueAt(c, 0, 2), 5e-324);
             EXPECT_EQ(valueAt(c, 1, 2), 1e308);
         }},
        {"negatives and specials in a pie",
         [](TempFiles& f) {
             return pie(
                 recordsOf(f, {{u"a", -5, 0}, {u"b", 10, 0}, {u"c", kNan, 0}, {u"d", kInf, 0}}));
         },
         0, Stderr::Silent, nullptr},
        {"a pie whose values are all zero",
         [](TempFiles& f) {
             return pie(recordsOf(f, {{u"a", 0, 0}, {u"b", 0, 0}}));
         },
         0, Stderr::Silent, nullptr},
        {"100,000 records", [](TempFiles& f) { return pie(recordsOf(f, numberedRecords(100000))); },
         0, Stderr::Silent,
         [](const QJsonObject& c) { EXPECT_EQ(c[u"columnCount"_s].toInt(), 100000); }},
        {"a caption of 10,000 characters",
         [](TempFiles& f) {
             return recordsOf(f, numberedRecords(1)) + "|" + std::string(10000, 'c') +
                    "|B|0|0|s|t|1";
         },
         0, Stderr::Silent,
         [](const QJsonObject& c) { EXPECT_EQ(c[u"caption"_s].toString().size(), 10000); }},
        {"non-UTF-8 bytes in the path and the caption",
         [](TempFiles& f) {
             const std::string path = f.path(u"x"_s) + "\xff\xfe.dat";
             QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
             const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
             const QByteArray bytes = encodeFile(numberedRecords(3));
             [[maybe_unused]] auto written = ::write(fd, bytes.data(), bytes.size());
             ::close(fd);
             return path + "|cap\xc3\x28tion|B|0|0|s\x80|t|1";
         },
         0, Stderr::Silent,
         [](const QJsonObject& c) {
             EXPECT_EQ(c[u"rowCount"_s].toInt(), 3);
             EXPECT_EQ(c[u"caption"_s].toString(), u"cap\ufffd(tion"_s);
             EXPECT_EQ(c[u"columnLabels"_s][0].toString(), u"s\ufffd"_s);
         }},
    };
}

TEST(BadInputCatalogueTest, EachInputEndsAsExpectedAndWritesNothing) {
    for (const Case& c : catalogue()) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        const std::string text = c.argumentText(files);
        const QDir workDir(QString::fromStdString(files.path(u"."_s)));
        const QStringList before =
            workDir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        const ProcessResult result = runRenderWithBytes(text, workDir.path());
        ASSERT_TRUE(result.finished);
        EXPECT_FALSE(result.crashed);
        EXPECT_EQ(result.exitCode, c.status) << result.err.toStdString();
        if (c.err == Stderr::Silent) {
            EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        } else {
            EXPECT_TRUE(result.err.startsWith("chartview-render: ")) << result.err.toStdString();
            EXPECT_EQ(result.err.count('\n'), 1);
        }
        EXPECT_EQ(result.out.isEmpty(), c.status != 0);
        if (c.status == 0 && c.check) {
            c.check(parse(result.out));
        }
        EXPECT_EQ(workDir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                  before);
    }
}

// A file larger than this process may hold is refused before the table is made. The address
// space is capped so the case does not depend on the machine's memory.
TEST(BadInputCatalogueTest, AFileTooLargeForMemoryIsRefused) {
#ifdef CHARTVIEW_SANITIZED
    GTEST_SKIP() << "AddressSanitizer's shadow memory does not fit under an address-space limit";
#endif
    TempFiles files;
    const std::string path = files.path(u"huge.dat"_s);
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
    ASSERT_EQ(::ftruncate(fd, 3LL << 30), 0);  // 3 GiB, sparse
    ::close(fd);
    const ProcessResult result =
        runProcess(u"/usr/bin/prlimit"_s,
                   {u"--as=1000000000"_s, builtProgram(u"chartview-render"_s), u"--describe"_s,
                    QString::fromStdString(bar(path))},
                   environmentWithoutDisplay());
    EXPECT_EQ(result.exitCode, 65) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("too large for memory")) << result.err.toStdString();
    EXPECT_TRUE(result.out.isEmpty());
}

// With memory enough, a 3 GiB file is read whole (7.8 million records).
TEST(BadInputCatalogueTest, AThreeGibSparseFileIsReadWhenMemoryAllows) {
    TempFiles files;
    const std::string path = files.path(u"huge.dat"_s);
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
    ASSERT_EQ(::ftruncate(fd, 3LL << 30), 0);
    ::close(fd);
    const QString png = QString::fromStdString(files.path(u"huge.png"_s));
    const ProcessResult result = runProcess(builtProgram(u"chartview-render"_s),
                                            {u"-o"_s, png, QString::fromStdString(bar(path))},
                                            environmentWithoutDisplay(), 120000);
    ASSERT_TRUE(result.finished);
    EXPECT_TRUE(result.exitCode == 0 || result.exitCode == 65) << result.err.toStdString();
    EXPECT_EQ(QFile::exists(png), result.exitCode == 0);
}

}  // namespace
}  // namespace chartview::testing
