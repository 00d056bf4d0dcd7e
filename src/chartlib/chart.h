#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

#include "chartlib/layout/bar_values.h"
#include "chartlib/model/chart_model.h"
#include "chartlib/model/object_model.h"

namespace ChartLib {

// The chart control: a widget that draws its ChartModel as a two-dimensional bar or pie chart
// and fills whatever rectangle it is moved to. It draws from the model on every paint, so
// everything set before it is first shown is in the first frame.
class Chart : public QWidget {
public:
    explicit Chart(QWidget* parent = nullptr);

    // The whole data, moved in: the caller's table is not referred to afterwards.
    void setChartData(DataArray&& table);
    bool showLegend() const { return model_.showLegend(); }
    void setShowLegend(bool show);
    int chartType() const { return model_.chartType(); }
    void setChartType(int type);

    PlotRef Plot();
    DataGridRef DataGrid();

    // Places the control in its parent, in twips (1/1440 inch, 15 per logical pixel).
    void Move(float left, std::int16_t top, float width, float height);

    const ChartModel& model() const { return model_; }

    // The chart as drawn at its current size, at `devicePixelRatio` device pixels per
    // logical pixel (for copying to the clipboard).
    QImage toImage(qreal devicePixelRatio) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartModel model_;
    // The one pass over the values, made when the data is set: frames then cost what their
    // pixels cost.
    BarValues barValues_;
};

}  // namespace ChartLib
