#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

#include "chartlib/layout/fill.h"

namespace ChartLib {

// One line of text in its box; an empty text draws nothing.
struct TextBox {
    QRectF box;
    QString text;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
};

// A filled rectangle: a bar, a column envelope or a legend swatch.
struct FilledRect {
    QRectF rect;
    Fill fill;
};

// A slice of a pie, in degrees clockwise from 12 o'clock.
struct FilledSlice {
    double startDegrees = 0;
    double spanDegrees = 0;
    Fill fill;
};

struct LegendGeometry {
    QRectF frame;  // empty: no legend
    std::vector<FilledRect> swatches;
    std::vector<TextBox> labels;  // one per swatch
    TextBox more;                 // "+N more" when entries were left out
    int leftOut = 0;
};

struct BarGeometry {
    QRectF plot;
    std::vector<QLineF> gridLines;
    std::vector<QLineF> axisLines;  // value axis and the zero line
    std::vector<TextBox> valueLabels;
    std::vector<TextBox> categoryLabels;
    std::vector<FilledRect> bars;  // in draw order
};

struct PieLabel {
    TextBox text;
    QLineF leader;  // null line: no leader
    int series = -1;
};

struct PieGeometry {
    QPointF center;
    double radius = 0;  // 0: no pie
    std::vector<FilledSlice> slices;
    std::vector<PieLabel> labels;
    TextBox caption;
    TextBox more;  // "+N more" when labels were left out
    int labelsLeftOut = 0;
    bool smoothEdges = true;  // slice edges antialiased
};

enum class ChartKind { Bar, Pie };

// Everything one frame draws, in logical pixels.
struct ChartGeometry {
    QRectF backdrop;
    ChartKind kind = ChartKind::Bar;
    BarGeometry bar;
    PieGeometry pie;
    LegendGeometry legend;
};

}  // namespace ChartLib
