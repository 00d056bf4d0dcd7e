#include "chartlib/paint/chart_painter.h"

#include <QPainter>

#include <array>

#include "chartlib/layout/chart_font.h"
#include "chartlib/layout/chart_layout.h"
#include "chartlib/layout/font_text_metrics.h"
#include "chartlib/paint/chart_colors.h"
#include "chartlib/paint/shape_painter.h"

namespace ChartLib {

namespace {

// What is drawn over what: later layers cover earlier ones.
enum class DrawLayer { Backdrop, Grid, Marks, Axes, Leaders, Texts, Legend };
constexpr std::array kDrawOrder{DrawLayer::Backdrop, DrawLayer::Grid,    DrawLayer::Marks,
                                DrawLayer::Axes,     DrawLayer::Leaders, DrawLayer::Texts,
                                DrawLayer::Legend};

QPen hairline(const QColor& color) {
    QPen pen(color, 1);
    pen.setCosmetic(true);
    return pen;
}

void drawLines(QPainter& painter, const std::vector<QLineF>& lines, const QColor& color) {
    painter.setPen(hairline(color));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

void drawMarks(QPainter& painter, ShapePainter& shapes, const ChartGeometry& geometry) {
    if (geometry.kind == ChartKind::Bar) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (const FilledRect& bar : geometry.bar.bars) {
            shapes.fillRect(bar.rect, bar.fill);
        }
        return;
    }
    const PieGeometry& pie = geometry.pie;
    if (pie.radius <= 0) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, pie.smoothEdges);
    for (const FilledSlice& slice : pie.slices) {
        shapes.fillSlice(pie.center, pie.radius, slice);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(hairline(ChartColors::outline()));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(pie.center, pie.radius, pie.radius);
}

void drawAxes(QPainter& painter, const ChartGeometry& geometry) {
    if (geometry.kind == ChartKind::Bar) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        drawLines(painter, geometry.bar.axisLines, ChartColors::axis());
    }
}

void drawLeaders(QPainter& painter, const ChartGeometry& geometry) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(hairline(ChartColors::leader()));
    for (const PieLabel& label : geometry.pie.labels) {
        if (!label.leader.isNull()) {
            painter.drawLine(label.leader);
        }
    }
}

void drawTexts(QPainter& painter, ShapePainter& shapes, const ChartGeometry& geometry) {
    painter.setPen(ChartColors::text());
    for (const TextBox& text : geometry.bar.valueLabels) {
        shapes.drawText(text);
    }
    for (const TextBox& text : geometry.bar.categoryLabels) {
        shapes.drawText(text);
    }
    for (const PieLabel& label : geometry.pie.labels) {
        shapes.drawText(label.text);
    }
    shapes.drawText(geometry.pie.caption);
    shapes.drawText(geometry.pie.more);
}

void drawLegend(QPainter& painter, ShapePainter& shapes, const LegendGeometry& legend) {
    if (legend.frame.isEmpty()) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(hairline(ChartColors::legendFrame()));
    painter.drawRect(legend.frame);
    for (const FilledRect& swatch : legend.swatches) {
        shapes.fillRect(swatch.rect, swatch.fill);
        painter.setPen(hairline(ChartColors::outline()));
        painter.drawRect(swatch.rect);
    }
    painter.setPen(ChartColors::text());
    for (const TextBox& label : legend.labels) {
        shapes.drawText(label);
    }
    shapes.drawText(legend.more);
}

void drawLayer(QPainter& painter, ShapePainter& shapes, const ChartGeometry& geometry,
               DrawLayer layer) {
    switch (layer) {
        case DrawLayer::Backdrop:
            painter.fillRect(geometry.backdrop, ChartColors::backdrop());
            break;
        case DrawLayer::Grid:
            painter.setRenderHint(QPainter::Antialiasing, false);
            drawLines(painter, geometry.bar.gridLines, ChartColors::grid());
            break;
        case DrawLayer::Marks:
            drawMarks(painter, shapes, geometry);
            break;
        case DrawLayer::Axes:
            drawAxes(painter, geometry);
            break;
        case DrawLayer::Leaders:
            drawLeaders(painter, geometry);
            break;
        case DrawLayer::Texts:
            drawTexts(painter, shapes, geometry);
            break;
        case DrawLayer::Legend:
            drawLegend(painter, shapes, geometry.legend);
            break;
    }
}

}  // namespace

void paintChart(QPainter& painter, const ChartModel& model, const QRectF& area) {
    paintChart(painter, model, scanChartValues(model), area);
}

void paintChart(QPainter& painter, const ChartModel& model, const ChartValues& values,
                const QRectF& area) {
    const QFont font = chartFont();
    const FontTextMetrics metrics(font);
    const ChartGeometry geometry = layoutChart(model, values, area, metrics);
    painter.save();
    painter.setFont(font);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    ShapePainter shapes(painter);
    for (const DrawLayer layer : kDrawOrder) {
        drawLayer(painter, shapes, geometry, layer);
    }
    painter.restore();
}

}  // namespace ChartLib
