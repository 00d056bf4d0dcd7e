#include "chartlib/paint/chart_painter.h"

#include <QPainter>

namespace ChartLib {

// A blank backdrop until the full drawing lands.
void paintChart(QPainter& painter, const ChartModel&, const QRectF& area) {
    painter.fillRect(area, Qt::white);
}

}  // namespace ChartLib
