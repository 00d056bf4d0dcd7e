#include "chartlib/chart.h"

#include <QPainter>

#include "chartlib/paint/chart_painter.h"
#include "chartlib/twips.h"

namespace ChartLib {

Chart::Chart(QWidget* parent) : QWidget(parent) {
    // The chart paints every pixel of its rectangle itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Chart::setChartData(DataArray&& table) {
    model_.setChartData(std::move(table));
    values_ = {};  // never describes other data, even when the pass below fails
    values_ = scanChartValues(model_);
    settingsChanged_ = false;
    update();
}

void Chart::setShowLegend(bool show) {
    model_.setShowLegend(show);
    update();
}

void Chart::setChartType(int type) {
    model_.setChartType(type);
    update();
}

PlotRef Chart::Plot() {
    settingsChanged_ = true;
    update();
    return PlotRef{model_};
}

DataGridRef Chart::DataGrid() {
    update();
    return DataGridRef{model_};
}

void Chart::Move(float left, std::int16_t top, float width, float height) {
    setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                twipsToPixels(height));
}

const ChartValues& Chart::valuesToDraw() const {
    if (settingsChanged_) {
        values_.pie.readLabelSettings(model_);
        settingsChanged_ = false;
    }
    return values_;
}

void Chart::drawTo(QPainter& painter) const {
    paintChart(painter, model_, valuesToDraw(), QRectF(QPointF(0, 0), QSizeF(size())));
}

QImage Chart::toImage(qreal devicePixelRatio) const {
    QImage image(size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    drawTo(painter);
    return image;
}

void Chart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawTo(painter);
}

}  // namespace ChartLib
