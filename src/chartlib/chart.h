#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

#include "chartlib/layout/chart_values.h"
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

    // Draws the chart at its current size, from (0, 0) in logical pixels: what the widget
    // shows, for exports.
    void drawTo(QPainter& painter) const;
    // The chart as drawn at its current size, at `devicePixelRatio` device pixels per
    // logical pixel (for copying to the clipboard).
    QImage toImage(qreal devicePixelRatio) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What frames are drawn from: the one pass over the values, made when the data is set, so
    // that frames then cost what their pixels cost. The series settings it keeps (which slices
    // ask for a share label) are read again for the first frame after Plot() handed out a way
    // to change them.
    const ChartValues& valuesToDraw() const;

    ChartModel model_;
    mutable ChartValues values_;
    mutable bool settingsChanged_ = false;
};

}  // namespace ChartLib
