#include "chartlib/paint/shape_painter.h"

#include <algorithm>
#include <cmath>

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

// Qt's raster engine hands a textured fill of 96 spans or more to its thread pool and waits
// for the pool: a round trip that costs more than a thin slice's pixels. A hard-edged slice
// has at most two spans a row, so bands of this many device rows stay below that.
constexpr double kBandRows = 40;

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
    if (slice.fill.hatchCode >= 0 && painter_.testRenderHint(QPainter::Antialiasing)) {
        fillSmoothHatched(path, slice.fill);
    } else {
        fillPath(path, brushOf(slice.fill));
    }
}

void ShapePainter::fillSmoothHatched(const QPainterPath& path, const Fill& fill) {
    if (fill.filled) {
        painter_.fillPath(path, fill.color);
    }
    painter_.setRenderHint(QPainter::Antialiasing, false);
    fillPath(path, hatchBrush(fill.hatchCode, fill.hatchInk));
    painter_.setRenderHint(QPainter::Antialiasing, true);
}

void ShapePainter::drawText(const TextBox& text) {
    if (!text.text.isEmpty()) {
        painter_.drawText(text.box, static_cast<int>(text.align) | Qt::TextSingleLine, text.text);
    }
}

void ShapePainter::fillPath(const QPainterPath& path, const QBrush& brush) {
    const QTransform& toDevice = painter_.deviceTransform();
    if (brush.style() != Qt::TexturePattern || painter_.testRenderHint(QPainter::Antialiasing) ||
        painter_.hasClipping() || toDevice.type() > QTransform::TxScale) {
        painter_.fillPath(path, brush);
        return;
    }
    const int step = std::max(1, static_cast<int>(kBandRows / std::abs(toDevice.m22())) - 1);
    const QRect bounds = path.boundingRect().toAlignedRect();
    for (int top = bounds.top(); top <= bounds.bottom(); top += step) {
        // A row more than the step, so that no device row is left out at fractional scales:
        // hard texture fills have opaque or clear pixels, so a row drawn twice is unchanged.
        painter_.setClipRect(QRect(bounds.left(), top, bounds.width(), step + 1));
        painter_.fillPath(path, brush);
    }
    painter_.setClipping(false);
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
