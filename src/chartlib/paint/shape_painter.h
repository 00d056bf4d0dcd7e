#pragma once

#include <QBrush>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <utility>

#include "chartlib/layout/chart_geometry.h"

namespace ChartLib {

// Draws the primitives of a ChartGeometry: each call draws exactly what it is given.
class ShapePainter {
public:
    explicit ShapePainter(QPainter& painter) : painter_(painter) {}

    // The fill colour (unless the brush is null) with the hatch over it.
    void fillRect(const QRectF& rect, const Fill& fill);
    // A slice of the circle around `center`, degrees clockwise from 12 o'clock. Its hatch is
    // drawn hard even when antialiasing is on.
    void fillSlice(const QPointF& center, double radius, const FilledSlice& slice);
    // One line of text in its box; nothing for an empty text.
    void drawText(const TextBox& text);

private:
    // A patterned area drawn smooth: its ground smooth and its hatch hard (hatch dots are
    // whole pixels anyway), since a smooth texture fill costs a round trip to the raster
    // engine's threads every few rows.
    void fillSmoothHatched(const QPainterPath& path, const Fill& fill);
    // painter_.fillPath, in bands where that saves the raster engine's threads a round trip.
    void fillPath(const QPainterPath& path, const QBrush& brush);
    // The brush of a fill: its colour, or a tile of the hatch over the colour, so that a
    // patterned area takes one fill rather than two.
    QBrush brushOf(const Fill& fill);

    QPainter& painter_;
    // Made once per frame for each colour and ink (key) and pattern.
    QHash<std::pair<quint64, int>, QBrush> tiles_;
};

}  // namespace ChartLib
