#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/process.h"
#include "support/record_files.h"

namespace chartview::testing {
namespace {

using namespace Qt::StringLiterals;

ProcessResult runRender(const QStringList& arguments) {
    // chartview-render needs no display at all.
    return runProcess(builtProgram(u"chartview-render"_s), arguments, environmentWithoutDisplay());
}

QJsonObject describe(const QString& argumentText) {
    const ProcessResult result = runRender({u"--describe"_s, argumentText});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(result.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out.left(200).toStdString();
    return document.object();
}

QString fieldsFor(const std::string& path, const char* rest) {
    return QString::fromStdString(path) + QString::fromUtf8(rest);
}

TEST(RenderCliTest, DescribesABarChart) {
    TempFiles files;
    const std::string path = files.write(
        u"bar.dat"_s, encodeFile({{u"North", 1200.5, 900}, {u"South", -3, 1e300}}, 250));
    const QJsonObject chart = describe(fieldsFor(path, "|Sales 2025|Umsatz|0|0|2025|2024|1"));
    EXPECT_EQ(chart[u"caption"_s].toString(), u"Sales 2025"_s);
    EXPECT_EQ(chart[u"chartType"_s].toInt(), 1);
    EXPECT_TRUE(chart[u"showLegend"_s].toBool());
    EXPECT_EQ(chart[u"rowCount"_s].toInt(), 3);  // 1050 bytes: two records and an empty row
    EXPECT_EQ(chart[u"columnCount"_s].toInt(), 2);
    const QJsonArray rowLabels = chart[u"rowLabels"_s].toArray();
    ASSERT_EQ(rowLabels.size(), 3);
    EXPECT_EQ(rowLabels[0].toString(), u" North"_s + QString(59, QChar(0)));
    EXPECT_EQ(rowLabels[2].toString(), QString());
    EXPECT_EQ(chart[u"columnLabels"_s].toArray(), (QJsonArray{u"2025"_s, u"2024"_s}));
    EXPECT_EQ(chart[u"axes"_s][u"1"_s][u"labelFormat"_s].toString(), u"#,###"_s);
    EXPECT_TRUE(chart[u"axes"_s][u"2"_s][u"hidden"_s].toBool());
    const QJsonArray series = chart[u"series"_s].toArray();
    ASSERT_EQ(series.size(), 2);
    EXPECT_EQ(series[0][u"label"_s].toString(), u"2025"_s);
    EXPECT_EQ(series[0][u"values"_s].toArray(), (QJsonArray{1200.5, -3.0, QJsonValue::Null}));
    EXPECT_EQ(series[1][u"values"_s][1].toDouble(), 1e300);
    EXPECT_EQ(series[0][u"brush"_s][u"fill"_s].toArray(), (QJsonArray{255, 0, 0}));
    EXPECT_EQ(series[1][u"brush"_s][u"fill"_s].toArray(), (QJsonArray{255, 255, 0}));
}

TEST(RenderCliTest, DescribesAPieWithPatternsFromSlice16) {
    TempFiles files;
    const std::string path = files.write(u"pie.dat"_s, encodeFile(numberedRecords(31)));
    const QJsonObject chart = describe(fieldsFor(path, "|A|B|1|1|Share|unused|0"));
    EXPECT_EQ(chart[u"caption"_s].toString(), u"B"_s);
    EXPECT_EQ(chart[u"chartType"_s].toInt(), 14);
    EXPECT_EQ(chart[u"rowCount"_s].toInt(), 1);
    EXPECT_EQ(chart[u"rowLabels"_s].toArray(), (QJsonArray{u"Share"_s}));
    const QJsonArray series = chart[u"series"_s].toArray();
    ASSERT_EQ(series.size(), 31);
    const QJsonObject brush16 = series[15][u"brush"_s].toObject();
    EXPECT_EQ(brush16[u"style"_s].toInt(), 2);
    EXPECT_EQ(brush16[u"index"_s].toInt(), 15);
    EXPECT_EQ(brush16[u"pattern"_s].toArray(), (QJsonArray{0, 0, 0}));
    EXPECT_EQ(series[30][u"brush"_s][u"index"_s].toInt(), 5);
    const QJsonObject label = series[0][u"pointLabel"_s].toObject();
    EXPECT_EQ(
        label,
        (QJsonObject{{u"locationType"_s, 6}, {u"component"_s, 2}, {u"percentFormat"_s, u"0%"_s}}));
}

// Raw code units and special doubles survive as text, checked on the bytes themselves.
TEST(RenderCliTest, DescribeKeepsEveryCodeUnitAndDouble) {
    TempFiles files;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::string path = files.write(
        u"odd.dat"_s, encodeFile({{std::u16string{u'\xD800', u'"', u'\\', u'\x01'}, nan, -0.0},
                                  {u"\u00e9", inf, -inf},
                                  {u"x", 0.1, 5e-324}}));
    const ProcessResult result = runRender({u"--describe"_s, fieldsFor(path, "|A|B|0|0|s|t|1")});
    ASSERT_EQ(result.exitCode, 0);
    const QByteArray& out = result.out;
    EXPECT_TRUE(out.contains(R"(" \ud800\"\\\u0001\u0000)")) << out.left(300).toStdString();
    EXPECT_TRUE(out.contains(R"(" \u00e9\u0000)"));
    EXPECT_TRUE(out.contains(R"("values":["NaN","Infinity",0.1])"));
    EXPECT_TRUE(out.contains(R"("values":[-0.0,"-Infinity",5e-324])"));
    EXPECT_EQ(out.count('\n'), 1);  // one object, nothing else
}

TEST(RenderCliTest, WritesEachFormatWholeAtTheGivenSize) {
    TempFiles files;
    const std::string path = files.write(u"d.dat"_s, encodeFile(numberedRecords(5)));
    for (const QString& name : {u"c.png"_s, u"c.svg"_s, u"c.pdf"_s}) {
        SCOPED_TRACE(name.toStdString());
        const QString out = QString::fromStdString(files.path(name));
        const ProcessResult result =
            runRender({u"-o"_s, out, u"--size"_s, u"400x300"_s, fieldsFor(path, "|A|B|0|1|s|t|1")});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_GT(QFile(out).size(), 100);
    }
    EXPECT_EQ(QImage(QString::fromStdString(files.path(u"c.png"_s))).size(), QSize(400, 300));
    const QString hiDpi = QString::fromStdString(files.path(u"hidpi.png"_s));
    runRender({u"-o"_s, hiDpi, u"--scale"_s, u"2"_s, fieldsFor(path, "|A|B|0|1|s|t|1")});
    EXPECT_EQ(QImage(hiDpi).size(), QSize(1558, 1060));
    // Only the asked-for files: no temporary names left behind.
    EXPECT_EQ(QDir(QString::fromStdString(files.path(u"."_s))).entryList(QDir::Files).size(), 5);
}

TEST(RenderCliTest, RefusesUnusableOptionsAndFields) {
    TempFiles files;
    const std::string path = files.write(u"d.dat"_s, encodeFile(numberedRecords(2)));
    const QString good = fieldsFor(path, "|A|B|0|0|s|t|1");
    struct Case {
        const char* name;
        QStringList arguments;
        int status;
    };
    const Case cases[] = {
        {"nothing to do", {good}, 64},
        {"unknown option", {u"--frobnicate"_s, u"--describe"_s, good}, 64},
        {"unknown format", {u"-o"_s, u"x.bmp"_s, good}, 64},
        {"bad size", {u"--size"_s, u"0x10"_s, u"--describe"_s, good}, 64},
        {"bad scale", {u"--scale"_s, u"-1"_s, u"--describe"_s, good}, 64},
        {"seven fields", {u"--describe"_s, u"a|b|c|d|e|f|g"_s}, 64},
        {"missing file", {u"--describe"_s, u"/nonexistent|A|B|0|0|s|t|1"_s}, 66},
        {"unwritable output", {u"-o"_s, u"/nonexistent/dir/x.png"_s, good}, 70},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProcessResult result = runRender(c.arguments);
        ASSERT_TRUE(result.finished);
        EXPECT_EQ(result.exitCode, c.status) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}

}  // namespace
}  // namespace chartview::testing
