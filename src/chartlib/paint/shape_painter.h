#pragma once

#include <QBrush>
#include <QHash>
#include <QPainter>

#include <utility>

#include "chartlib/layout/chart_geometry.h"

namespace ChartLib {

// Draws the primitives of a ChartGeometry: each call draws exactly what it is given.
class ShapePainter {
public:
    explicit ShapePainter(QPainter& painter) : painter_(painter) {}

    // The fill colour (unless the brush is null) with the hatch over it.
    void fillRect(const QRectF& rect, const Fill& fill);
    // A slice of the circle around `center`, degrees clockwise from 12 o'clock.
    void fillSlice(const QPointF& center, double radius, const FilledSlice& slice);
    // One line of text in its box; nothing for an empty text.
    void drawText(const TextBox& text);

private:
    // The brush of a fill: its colour, or a tile of the hatch over the colour, so that a
    // patterned area takes one fill rather than two.
    QBrush brushOf(const Fill& fill);

    QPainter& painter_;
    // Made once per frame for each colour and ink (key) and pattern.
    QHash<std::pair<quint64, int>, QBrush> tiles_;
};

}  // namespace ChartLib
