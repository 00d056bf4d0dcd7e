#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "chartlib/layout/chart_font.h"
#include "chartlib/layout/chart_layout.h"
#include "chartlib/layout/font_text_metrics.h"
#include "chartlib/paint/chart_painter.h"
#include "test_models.h"

namespace ChartLib {
namespace {

using namespace Qt::StringLiterals;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct ModelCase {
    const char* name;
    std::vector<double> values;
};

const ModelCase kModels[] = {
    {"no records", {}},
    {"nan and infinities", {kNaN, kInf, -kInf}},
    {"largest doubles", {DBL_MAX, DBL_MAX, 1e308}},
    {"both extremes", {-DBL_MAX, DBL_MAX}},
    {"negative zero", {-0.0, -0.0}},
    {"denormals", {5e-324, 1e-310, -4e-320}},
    {"all negative", {-1, -200, -3e9}},
    {"all equal", {7, 7, 7, 7}},
    {"all zero", {0, 0, 0}},
};

// The same values as a bar chart (one series) and a pie (one slice each), labels in odd text.
std::vector<ChartModel> modelsOf(const ModelCase& c) {
    std::vector<std::vector<std::optional<double>>> rows;
    for (const double value : c.values) {
        rows.push_back({value});
    }
    ChartModel bar = testing::barModel(rows);
    bar.setShowLegend(true);
    bar.setSeriesLabel(0, QString::fromStdU16String(u"\xD800\x0000tail\t\n\x2028"));
    ChartModel pie = testing::pieModel(c.values);
    if (!c.values.empty()) {
        pie.setSeriesLabel(0, QString::fromStdU16String(u"\xDFFF\xD800"));
        pie.setPercentFormat(0, u"#,##0.000\"%\"%%"_s);
    }
    std::vector<ChartModel> models;
    models.push_back(std::move(bar));
    models.push_back(std::move(pie));
    return models;
}

const QRectF kAreas[] = {
    {0, 0, 0, 0},     {0, 0, 1, 1},    {0, 0, 17, 9},    {0, 0, 779, 530},   {0, 0, 40, 2000},
    {0, 0, 1e6, 1e6}, {5, 5, -10, 20}, {0, 0, kNaN, 30}, {0, 0, kInf, kInf}, {-1e9, -1e9, 300, 200},
};

bool inside(const QRectF& outer, const QRectF& inner) {
    return inner.isEmpty() || outer.contains(inner);
}

void expectInsideBackdrop(const ChartGeometry& geometry) {
    const QRectF& backdrop = geometry.backdrop;
    EXPECT_TRUE(inside(backdrop, geometry.legend.frame));
    EXPECT_TRUE(inside(backdrop, geometry.bar.plot));
    for (const FilledRect& bar : geometry.bar.bars) {
        EXPECT_TRUE(inside(backdrop, bar.rect));
    }
    for (const PieLabel& label : geometry.pie.labels) {
        EXPECT_TRUE(inside(backdrop, label.text.box));
    }
    if (geometry.pie.radius > 0) {
        const QPointF c = geometry.pie.center;
        const double r = geometry.pie.radius;
        EXPECT_TRUE(backdrop.contains(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r)));
    }
}

TEST(Robustness, AnyValueAndAnySizeLaysOutInsideAndPaints) {
    const FontTextMetrics metrics(chartFont());
    QImage image(64, 48, QImage::Format_ARGB32_Premultiplied);
    for (const ModelCase& c : kModels) {
        for (const ChartModel& model : modelsOf(c)) {
            for (const QRectF& area : kAreas) {
                SCOPED_TRACE(::testing::Message()
                             << c.name << ", type " << model.chartType() << ", area "
                             << area.width() << "x" << area.height());
                expectInsideBackdrop(layoutChart(model, area, metrics));
                QPainter painter(&image);
                paintChart(painter, model, area);
            }
        }
    }
}

TEST(Robustness, EmptyModelPaintsTheBackdrop) {
    const ChartModel model;
    QImage image(50, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    paintChart(painter, model, QRectF(0, 0, 50, 40));
    painter.end();
    EXPECT_EQ(image.pixelColor(25, 20), QColor(Qt::white));
}

}  // namespace
}  // namespace ChartLib
