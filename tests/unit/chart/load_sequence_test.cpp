#include <gtest/gtest.h>

#include <string>

#include "chart/load_sequence.h"
#include "support/record_files.h"

namespace chartview {
namespace {

using namespace Qt::StringLiterals;
using chartview::testing::encodeFile;
using chartview::testing::numberedRecords;
using chartview::testing::TempFiles;

struct Loaded {
    LoadOutcome outcome;
    QString caption = u"Form1"_s;
};

// Runs the load sequence for `path` with the other seven fields from `rest`
// ("|CaptionA|CaptionB|choice|kind|name1|name2|second").
Loaded load(ChartLib::Chart& chart, const std::string& path, const std::string& rest) {
    const auto fields = LaunchFields::split(path + rest);
    EXPECT_TRUE(fields.has_value());
    Loaded loaded;
    loaded.outcome = runLoadSequence(*fields, chart, [&](const QString& c) { loaded.caption = c; });
    return loaded;
}

TEST(LoadSequenceTest, RefusesFilesThatCannotMakeATable) {
    TempFiles files;
    files.write(u"short"_s, QByteArray(199, 'x'));
    files.write(u"empty"_s, QByteArray());
    struct Case {
        const char* name;
        std::string path;
        ExitStatus status;
        const char* reason;
    };
    const Case cases[] = {
        {"missing", files.path(u"nothing"_s), ExitStatus::NoInput, "No such file"},
        {"empty path", "", ExitStatus::NoInput, "No such file"},
        {"directory", files.path(u"."_s), ExitStatus::NoInput, "Is a directory"},
        {"trailing blank", files.path(u"short "_s), ExitStatus::NoInput, "No such file"},
        {"199 bytes", files.path(u"short"_s), ExitStatus::DataError, "too short"},
        {"0 bytes", files.path(u"empty"_s), ExitStatus::DataError, "too short"},
        {"sys file that holds less than it reports", "/sys/kernel/mm/transparent_hugepage/enabled",
         ExitStatus::IoError, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartLib::Chart chart;
        const Loaded loaded = load(chart, c.path, "|Caption A|Caption B|0|0|S1|S2|1");
        ASSERT_TRUE(loaded.outcome.has_value());
        EXPECT_EQ(loaded.outcome->status, c.status);
        EXPECT_NE(loaded.outcome->message.find(c.reason), std::string::npos)
            << loaded.outcome->message;
        EXPECT_EQ(loaded.outcome->message.empty(), c.status == ExitStatus::IoError);
        EXPECT_EQ(loaded.caption, u"Caption A"_s);  // chosen before the file is looked at
        EXPECT_EQ(chart.model().seriesCount(), 0);  // nothing half-built reaches the chart
    }
}

TEST(LoadSequenceTest, BarSeriesFollowSecondSeries) {
    TempFiles files;
    const std::string path = files.write(u"d.dat"_s, encodeFile(numberedRecords(3)));
    struct Case {
        const char* second;
        int series;
        QString secondLabel;
    };
    const Case cases[] = {{"0", 1, {}},
                          {"1", 2, u"Second"_s},
                          {"2", 2, u"Series 2"_s},
                          {"", 2, u"Series 2"_s},
                          {"00", 2, u"Series 2"_s}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.second);
        ChartLib::Chart chart;
        const Loaded loaded = load(chart, path, std::string("|A|B|1|0|First|Second|") + c.second);
        ASSERT_FALSE(loaded.outcome.has_value());
        const ChartLib::ChartModel& model = chart.model();
        EXPECT_EQ(loaded.caption, u"B"_s);
        EXPECT_EQ(model.chartType(), ChartLib::kChartType2dBar);
        EXPECT_TRUE(model.showLegend());
        ASSERT_EQ(model.seriesCount(), c.series);
        EXPECT_EQ(model.rowCount(), 3);
        EXPECT_EQ(model.seriesLabel(0), u"First"_s);
        if (c.series == 2) {
            EXPECT_EQ(model.seriesLabel(1), c.secondLabel);
            EXPECT_EQ(model.value(2, 1), 4.0);
        }
        EXPECT_EQ(model.rowLabel(1).left(3), u" R1"_s);
        EXPECT_EQ(model.value(2, 0), 2.0);
        EXPECT_EQ(model.axis(1).labelFormat, u"#,###"_s);
        EXPECT_TRUE(model.axis(2).hidden);
    }
}

TEST(LoadSequenceTest, PieHasOneLabelledSlicePerRecord) {
    TempFiles files;
    const std::string path = files.write(u"d.dat"_s, encodeFile(numberedRecords(20), 250));
    ChartLib::Chart chart;
    const Loaded loaded = load(chart, path, "|A|B|0|1|Sales|ignored|0");
    ASSERT_FALSE(loaded.outcome.has_value());
    const ChartLib::ChartModel& model = chart.model();
    EXPECT_EQ(model.chartType(), ChartLib::kChartType2dPie);
    EXPECT_EQ(model.rowCount(), 1);
    ASSERT_EQ(model.seriesCount(), 21);  // 8250 bytes: N = 20, the last slice empty
    EXPECT_EQ(model.rowLabel(0), u"Sales"_s);
    EXPECT_EQ(model.seriesLabel(19).left(4), u" R19"_s);
    EXPECT_FALSE(model.value(0, 20).has_value());
    for (int series = 0; series < model.seriesCount(); ++series) {
        const ChartLib::SeriesStyle& style = model.seriesStyle(series);
        EXPECT_EQ(style.labelLocation, 6);
        EXPECT_EQ(style.labelComponent, 2);
        EXPECT_EQ(model.percentFormat(series), u"0%"_s);
    }
}

TEST(LoadSequenceTest, AFileOfOneEmptyRecordGivesOneEmptyRowOrSlice) {
    TempFiles files;
    const std::string path = files.write(u"half"_s, QByteArray(200, '\x7f'));
    for (const char* kind : {"0", "1"}) {
        SCOPED_TRACE(kind);
        ChartLib::Chart chart;
        const Loaded loaded = load(chart, path, std::string("|A|B|0|") + kind + "|S1|S2|0");
        ASSERT_FALSE(loaded.outcome.has_value());
        EXPECT_EQ(chart.model().rowCount(), 1);
        EXPECT_EQ(chart.model().seriesCount(), 1);
        EXPECT_FALSE(chart.model().value(0, 0).has_value());
    }
}

}  // namespace
}  // namespace chartview
