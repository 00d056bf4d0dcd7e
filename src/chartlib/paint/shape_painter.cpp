#include "chartlib/paint/shape_painter.h"

#include <QPainterPath>

#include "chartlib/paint/hatch.h"

namespace ChartLib {

namespace {

// The hatch tile laid over a ground colour ("source over"), pixel by pixel: tiles are a few
// pixels, and a QPainter for each would cost more than the slices they fill.
QImage hatchOver(const QImage& hatch, const QColor& ground) {
    QImage tile = hatch.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb below = qPremultiply(ground.rgba());
    for (int y = 0; y < tile.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < tile.width(); ++x) {
            const QRgb above = row[x];
            const int keep = 255 - qAlpha(above);
            auto channel = [&](int a, int b) { return a + (b * keep + 127) / 255; };
            row[x] =
                qRgba(channel(qRed(above), qRed(below)), channel(qGreen(above), qGreen(below)),
                      channel(qBlue(above), qBlue(below)), channel(qAlpha(above), qAlpha(below)));
        }
    }
    return tile;
}

}  // namespace

void ShapePainter::fillRect(const QRectF& rect, const Fill& fill) {
    if (fill.filled || fill.hatchCode >= 0) {
        painter_.fillRect(rect, brushOf(fill));
    }
}

void ShapePainter::fillSlice(const QPointF& center, double radius, const FilledSlice& slice) {
    if (!slice.fill.filled && slice.fill.hatchCode < 0) {
        return;
    }
    const QRectF circle(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path(center);
    // Qt counts degrees anticlockwise from 3 o'clock.
    path.arcTo(circle, 90.0 - slice.startDegrees, -slice.spanDegrees);
    path.closeSubpath();
    painter_.fillPath(path, brushOf(slice.fill));
}

void ShapePainter::drawText(const TextBox& text) {
    if (!text.text.isEmpty()) {
        painter_.drawText(text.box, static_cast<int>(text.align) | Qt::TextSingleLine, text.text);
    }
}

QBrush ShapePainter::brushOf(const Fill& fill) {
    if (fill.hatchCode < 0) {
        return QBrush(fill.color);
    }
    const QColor ground = fill.filled ? fill.color : QColor(Qt::transparent);
    const std::pair<quint64, int> key{(quint64{ground.rgba()} << 32) | fill.hatchInk.rgba(),
                                      fill.hatchCode};
    auto it = tiles_.find(key);
    if (it == tiles_.end()) {
        const QImage hatch = hatchBrush(fill.hatchCode, fill.hatchInk).textureImage();
        it = tiles_.insert(key, hatch.isNull() ? QBrush(ground) : QBrush(hatchOver(hatch, ground)));
    }
    return *it;
}

}  // namespace ChartLib
