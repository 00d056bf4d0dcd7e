#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <string>

#include "chartlib/layout/chart_font.h"
#include "chartlib/layout/chart_layout.h"
#include "chartlib/layout/font_text_metrics.h"
#include "chartlib/model/chart_model.h"
#include "chartlib/paint/chart_painter.h"

// One frame of the chart as the viewer shows it: bar charts of two series and pies of one
// slice per record, with the viewer's labels, colours and patterns, at the default size.
namespace {

using namespace ChartLib;
using namespace Qt::StringLiterals;

const QSize kFrame(779, 530);

std::u16string recordLabel(int record) {
    std::u16string label = u" Record " + std::u16string(1, char16_t(u'A' + record % 26));
    label.resize(65, u'\0');  // a 64-unit label padded with zeros, after the leading blank
    return label;
}

void colourLikeTheViewer(ChartModel& model) {
    static const Rgb kPalette[15] = {
        {255, 0, 0},   {255, 255, 0}, {0, 128, 0},     {0, 0, 255},     {255, 0, 255},
        {0, 255, 255}, {128, 0, 0},   {128, 128, 0},   {0, 255, 0},     {0, 0, 128},
        {128, 0, 128}, {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 255, 255}};
    static const int kCycle[16] = {15, 5, 0, 1, 2, 3, 6, 7, 8, 9, 10, 11, 12, 13, 14, 4};
    for (int series = 0; series < model.seriesCount(); ++series) {
        model.setFillColor(series, kPalette[series % 15]);
        if (series >= 15) {
            model.setBrushStyle(series, kBrushPattern);
            model.setPatternIndex(series, kCycle[(series / 15 - 1) % 16]);
            model.setPatternColor(series, {0, 0, 0});
        }
    }
}

std::unique_ptr<ChartModel> barModel(int records) {
    DataArray data(records + 1, 3);
    std::mt19937 random(7);
    for (int record = 0; record < records; ++record) {
        data.setText(record + 1, 0, recordLabel(record));
        data.setNumber(record + 1, 1, double(random() % 100000));
        data.setNumber(record + 1, 2, double(random() % 60000) - 10000);
    }
    auto model = std::make_unique<ChartModel>();
    model->setChartData(std::move(data));
    colourLikeTheViewer(*model);
    model->setShowLegend(true);
    model->setChartType(kChartType2dBar);
    model->setAxisLabelFormat(1, u"#,###"_s);
    model->setAxisHidden(2, true);
    model->setSeriesLabel(0, u"First"_s);
    model->setSeriesLabel(1, u"Second"_s);
    return model;
}

std::unique_ptr<ChartModel> pieModel(int records) {
    DataArray data(2, records + 1);
    std::mt19937 random(11);
    for (int record = 0; record < records; ++record) {
        data.setText(0, record + 1, recordLabel(record));
        data.setNumber(1, record + 1, double(random() % 1000));
    }
    auto model = std::make_unique<ChartModel>();
    model->setChartData(std::move(data));
    colourLikeTheViewer(*model);
    model->setShowLegend(true);
    model->setChartType(kChartType2dPie);
    model->setRowLabel(0, u"Pie"_s);
    for (int series = 0; series < records; ++series) {
        model->setLabelLocation(series, kLocationOutside);
        model->setLabelComponent(series, kComponentPercent);
        model->setPercentFormat(series, u"0%"_s);
    }
    return model;
}

// Models are made once per size and kind: making them is not what is measured.
const ChartModel& cachedModel(bool pie, int records) {
    static std::map<std::pair<bool, int>, std::unique_ptr<ChartModel>> models;
    auto& slot = models[{pie, records}];
    if (!slot) {
        slot = pie ? pieModel(records) : barModel(records);
    }
    return *slot;
}

void drawFrames(benchmark::State& state, bool pie) {
    const ChartModel& model = cachedModel(pie, static_cast<int>(state.range(0)));
    QImage image(kFrame, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        paintChart(painter, model, QRectF(QPointF(0, 0), QSizeF(kFrame)));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void layoutOnly(benchmark::State& state, bool pie) {
    const ChartModel& model = cachedModel(pie, static_cast<int>(state.range(0)));
    const FontTextMetrics metrics(chartFont());
    for (auto _ : state) {
        const ChartGeometry geometry =
            layoutChart(model, QRectF(QPointF(0, 0), QSizeF(kFrame)), metrics);
        benchmark::DoNotOptimize(geometry.bar.bars.data());
        benchmark::DoNotOptimize(geometry.pie.slices.data());
    }
}

void BM_DrawBar(benchmark::State& state) {
    drawFrames(state, false);
}
void BM_DrawPie(benchmark::State& state) {
    drawFrames(state, true);
}
void BM_LayoutBar(benchmark::State& state) {
    layoutOnly(state, false);
}
void BM_LayoutPie(benchmark::State& state) {
    layoutOnly(state, true);
}

BENCHMARK(BM_DrawBar)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawPie)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutBar)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutPie)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
