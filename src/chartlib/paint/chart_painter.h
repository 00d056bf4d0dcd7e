#pragma once

#include <QRectF>

class QPainter;

namespace ChartLib {

class ChartModel;
struct ChartValues;

// Draws the whole chart (backdrop, plot, axes, labels, legend) into `area`, in logical
// pixels. The same call serves the widget and every export, so they show the same picture.
void paintChart(QPainter& painter, const ChartModel& model, const QRectF& area);
// The same, with the values' one pass made beforehand (scanChartValues), so that a frame costs
// what its pixels cost whatever the number of records.
void paintChart(QPainter& painter, const ChartModel& model, const ChartValues& values,
                const QRectF& area);

}  // namespace ChartLib
