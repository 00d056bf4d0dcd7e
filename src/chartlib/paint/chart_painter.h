#pragma once

#include <QRectF>

class QPainter;

namespace ChartLib {

class ChartModel;

// Draws the whole chart (backdrop, plot, axes, labels, legend) into `area`, in logical
// pixels. The same call serves the widget and every export, so they show the same picture.
void paintChart(QPainter& painter, const ChartModel& model, const QRectF& area);

}  // namespace ChartLib
