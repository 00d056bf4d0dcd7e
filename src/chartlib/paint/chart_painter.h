#pragma once

#include <QRectF>

class QPainter;

namespace ChartLib {

class ChartModel;
struct BarValues;

// Draws the whole chart (backdrop, plot, axes, labels, legend) into `area`, in logical
// pixels. The same call serves the widget and every export, so they show the same picture.
void paintChart(QPainter& painter, const ChartModel& model, const QRectF& area);
// The same, with the values' one pass made beforehand (scanBarValues), so that a frame costs
// what its pixels cost whatever the number of records.
void paintChart(QPainter& painter, const ChartModel& model, const BarValues& barValues,
                const QRectF& area);

}  // namespace ChartLib
