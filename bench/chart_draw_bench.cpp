#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <string>

#include "chart/chart_presentation.h"
#include "chart/series_colors.h"
#include "chartlib/chart.h"
#include "chartlib/layout/chart_font.h"
#include "chartlib/layout/chart_layout.h"
#include "chartlib/layout/font_text_metrics.h"
#include "chartlib/paint/chart_painter.h"

// Frames of the chart as the viewer shows it, set up by the viewer's own steps: bar charts of
// two series and pies of one slice per record, at the default size and, for redraws after a
// resize, at two sizes in turn.
namespace {

using namespace ChartLib;

const QSize kFrame(779, 530);
const QSize kResized(760, 515);

std::u16string recordLabel(int record) {
    std::u16string label = u" Record " + std::u16string(1, char16_t(u'A' + record % 26));
    label.resize(65, u'\0');  // a 64-unit label padded with zeros, after the leading blank
    return label;
}

DataArray barTable(int records) {
    DataArray data(records, 3);
    std::mt19937 random(7);
    for (int record = 0; record < records; ++record) {
        data.setText(record, 0, recordLabel(record));
        data.setNumber(record, 1, double(random() % 100000));
        data.setNumber(record, 2, double(random() % 60000) - 10000);
    }
    return data;
}

DataArray pieTable(int records) {
    DataArray data(2, records);
    std::mt19937 random(11);
    for (int record = 0; record < records; ++record) {
        data.setText(0, record, recordLabel(record));
        data.setNumber(1, record, double(random() % 1000));
    }
    return data;
}

// Charts are made once per size and kind: making them is not what is measured.
const Chart& cachedChart(bool pie, int records) {
    static std::map<std::pair<bool, int>, std::unique_ptr<Chart>> charts;
    auto& slot = charts[{pie, records}];
    if (!slot) {
        slot = std::make_unique<Chart>();
        slot->setChartData(pie ? pieTable(records) : barTable(records));
        chartview::ApplySeriesColors(*slot);
        const auto fields =
            chartview::LaunchFields::split(pie ? "x|A|B|0|1|Pie|-|0" : "x|A|B|0|0|First|Second|1");
        chartview::ApplyChartPresentation(*slot, *fields);
    }
    return *slot;
}

void paintInto(QImage& image, const ChartModel& model, const ChartValues* values, QSize size) {
    QPainter painter(&image);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    if (values) {
        paintChart(painter, model, *values, area);
    } else {
        paintChart(painter, model, area);
    }
}

// A first frame: the one pass over the values, layout and paint.
void firstFrame(benchmark::State& state, bool pie) {
    const ChartModel& model = cachedChart(pie, static_cast<int>(state.range(0))).model();
    QImage image(kFrame, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        paintInto(image, model, nullptr, kFrame);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Redraws after a resize, as the window makes them: layout and paint at a new size, from the
// values' pass made when the data was set.
void redrawAfterResize(benchmark::State& state, bool pie) {
    const ChartModel& model = cachedChart(pie, static_cast<int>(state.range(0))).model();
    const ChartValues values = scanChartValues(model);
    QImage image(kFrame, QImage::Format_ARGB32_Premultiplied);
    bool resized = false;
    for (auto _ : state) {
        paintInto(image, model, &values, resized ? kResized : kFrame);
        resized = !resized;
        benchmark::DoNotOptimize(image.constBits());
    }
}

void layoutOnly(benchmark::State& state, bool pie) {
    const ChartModel& model = cachedChart(pie, static_cast<int>(state.range(0))).model();
    const ChartValues values = scanChartValues(model);
    const FontTextMetrics metrics(chartFont());
    for (auto _ : state) {
        const ChartGeometry geometry =
            layoutChart(model, values, QRectF(QPointF(0, 0), QSizeF(kFrame)), metrics);
        benchmark::DoNotOptimize(geometry.bar.bars.data());
        benchmark::DoNotOptimize(geometry.pie.slices.data());
    }
}

void BM_FirstFrameBar(benchmark::State& state) {
    firstFrame(state, false);
}
void BM_FirstFramePie(benchmark::State& state) {
    firstFrame(state, true);
}
void BM_RedrawBar(benchmark::State& state) {
    redrawAfterResize(state, false);
}
void BM_RedrawPie(benchmark::State& state) {
    redrawAfterResize(state, true);
}
void BM_LayoutBar(benchmark::State& state) {
    layoutOnly(state, false);
}
void BM_LayoutPie(benchmark::State& state) {
    layoutOnly(state, true);
}

#define CHART_SIZES Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)
// 100 records: the start-up frame.
BENCHMARK(BM_FirstFrameBar)->Arg(100)->CHART_SIZES;
BENCHMARK(BM_FirstFramePie)->Arg(100)->CHART_SIZES;
BENCHMARK(BM_RedrawBar)->CHART_SIZES;
BENCHMARK(BM_RedrawPie)->CHART_SIZES;
BENCHMARK(BM_LayoutBar)->CHART_SIZES;
BENCHMARK(BM_LayoutPie)->CHART_SIZES;

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
