#pragma once

#include <QHash>
#include <QString>

#include <array>
#include <optional>
#include <unordered_map>
#include <vector>

#include "chartlib/chart_error.h"
#include "chartlib/data/data_array.h"
#include "chartlib/model/series_style.h"

namespace ChartLib {

// Chart types the control draws.
inline constexpr int kChartType2dBar = 1;
inline constexpr int kChartType2dPie = 14;

// Axis ids: 0 category (x), 1 value (y), 2 secondary value (y2).
inline constexpr int kAxisCount = 3;

struct AxisSettings {
    QString labelFormat;  // "" = general number format
    bool hidden = false;
};

// How the data grid reads a DataArray: column 0 holds row labels when none of its cells is a
// double and another column exists; row 0 holds column labels likewise; the rest are values.
struct GridShape {
    bool labelColumn = false;
    bool labelRow = false;
    int rows = 0;    // data rows
    int series = 0;  // series columns
};
GridShape readGridShape(const DataArray& data);

// Everything the chart shows: its data (kept as handed over, not copied), the data grid's
// shape and labels, per-series settings and chart-wide settings. Plain data with checked
// mutators; indices here are 0-based (the object model in object_model.h counts from 1).
// Layout and painting read only this.
class ChartModel {
public:
    ChartModel() = default;

    // The whole data: replaces data, shape, labels and series settings.
    void setChartData(DataArray&& data);
    const DataArray& data() const { return data_; }
    const GridShape& shape() const { return shape_; }
    int rowCount() const { return shape_.rows; }
    int seriesCount() const { return shape_.series; }

    // The value of data row `row` in series `series`; nullopt for an empty (or text) cell.
    std::optional<double> value(int row, int series) const {
        const int r = row + shape_.labelRow;
        const int c = series + shape_.labelColumn;
        if (data_.kind(r, c) != CellKind::Number) {
            return std::nullopt;
        }
        return data_.number(r, c);
    }

    // Label level 1 of a data row / series column: the one set through the data grid, else
    // the label cell of the data, else "Row n" / "Series n" (n from 1).
    QString rowLabel(int row) const;
    QString seriesLabel(int series) const;
    void setRowLabel(int row, const QString& text);
    void setSeriesLabel(int series, const QString& text);

    bool showLegend() const { return showLegend_; }
    void setShowLegend(bool show) { showLegend_ = show; }
    int chartType() const { return chartType_; }
    void setChartType(int type);  // kChartType2dBar or kChartType2dPie, else ChartError

    const AxisSettings& axis(int id) const;
    void setAxisLabelFormat(int id, const QString& format);
    void setAxisHidden(int id, bool hidden);

    // Series settings, defaults applied for what was never set.
    const SeriesStyle& seriesStyle(int series) const;
    Rgb fillColor(int series) const;  // set, or the control's automatic colour
    void setFillColor(int series, Rgb color);
    void resetFillColor(int series);  // back to the automatic colour
    void setBrushStyle(int series, int style);
    void setPatternIndex(int series, int index);
    void setPatternColor(int series, Rgb color);
    void resetPatternColor(int series);  // back to the default
    void setLabelLocation(int series, int location);
    void setLabelComponent(int series, int component);
    void setPercentFormat(int series, const QString& format);
    const QString& percentFormat(int series) const;

private:
    // Reported in the control's 1-based terms.
    void checkSeries(int series) const {
        checkRange("series", std::int64_t{series} + 1, 1, shape_.series);
    }
    void checkRow(int row) const { checkRange("row", std::int64_t{row} + 1, 1, shape_.rows); }
    SeriesStyle& style(int series);

    DataArray data_;
    GridShape shape_;
    std::vector<SeriesStyle> series_;
    std::unordered_map<int, QString> rowLabels_;
    std::unordered_map<int, QString> seriesLabels_;
    std::vector<QString> formatTexts_{QString()};  // interned, id 0 = ""
    QHash<QString, std::uint32_t> formatIds_;
    std::uint32_t lastFormatId_ = 0;
    std::array<AxisSettings, kAxisCount> axes_{};
    bool showLegend_ = false;
    int chartType_ = kChartType2dBar;
};

// The control's automatic fill for a series whose fill was never set.
Rgb automaticFill(int series);

}  // namespace ChartLib
