#include "chartlib/model/chart_model.h"

#include <QStringView>

#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <utility>

using namespace Qt::StringLiterals;

namespace ChartLib {

namespace {

bool columnHasNumber(const DataArray& data, int column) {
    for (int row = 0; row < data.rowCount(); ++row) {
        if (data.kind(row, column) == CellKind::Number) {
            return true;
        }
    }
    return false;
}

bool rowHasNumber(const DataArray& data, int row) {
    for (int column = 0; column < data.columnCount(); ++column) {
        if (data.kind(row, column) == CellKind::Number) {
            return true;
        }
    }
    return false;
}

QString cellText(const DataArray& data, int row, int column) {
    const std::u16string_view text = data.text(row, column);
    // Copied as is: QString::fromUtf16 would eat a leading byte-order mark.
    return QStringView(text.data(), qsizetype(text.size())).toString();
}

}  // namespace

GridShape readGridShape(const DataArray& data) {
    GridShape shape;
    shape.labelColumn = data.columnCount() > 1 && !columnHasNumber(data, 0);
    shape.labelRow = data.rowCount() > 1 && !rowHasNumber(data, 0);
    shape.rows = data.rowCount() - shape.labelRow;
    shape.series = data.columnCount() - shape.labelColumn;
    return shape;
}

Rgb automaticFill(int series) {
    // A calm qualitative cycle, told apart by hue and lightness.
    static constexpr Rgb kCycle[] = {
        {78, 121, 167},  {242, 142, 43}, {89, 161, 79},   {225, 87, 89},
        {118, 183, 178}, {237, 201, 72}, {176, 122, 161}, {156, 117, 95},
    };
    constexpr int kCount = int(std::size(kCycle));
    return kCycle[((series % kCount) + kCount) % kCount];
}

void ChartModel::setChartData(DataArray&& data) {
    // Everything that can fail happens before the model changes.
    const GridShape shape = readGridShape(data);
    std::vector<SeriesStyle> series(std::size_t(shape.series), SeriesStyle{});
    data_ = std::move(data);
    shape_ = shape;
    series_ = std::move(series);
    rowLabels_.clear();
    seriesLabels_.clear();
    formatTexts_.assign(1, QString());
    formatIds_.clear();
    lastFormatId_ = 0;
}

QString ChartModel::rowLabel(int row) const {
    checkRow(row);
    if (const auto set = rowLabels_.find(row); set != rowLabels_.end()) {
        return set->second;
    }
    if (shape_.labelColumn) {
        return cellText(data_, row + shape_.labelRow, 0);
    }
    return u"Row %1"_s.arg(row + 1);
}

QString ChartModel::seriesLabel(int series) const {
    checkSeries(series);
    if (const auto set = seriesLabels_.find(series); set != seriesLabels_.end()) {
        return set->second;
    }
    if (shape_.labelRow) {
        return cellText(data_, 0, series + shape_.labelColumn);
    }
    return u"Series %1"_s.arg(series + 1);
}

void ChartModel::setRowLabel(int row, const QString& text) {
    checkRow(row);
    rowLabels_.insert_or_assign(row, text);
}

void ChartModel::setSeriesLabel(int series, const QString& text) {
    checkSeries(series);
    seriesLabels_.insert_or_assign(series, text);
}

void ChartModel::setChartType(int type) {
    if (type != kChartType2dBar && type != kChartType2dPie) {
        throw ChartError("chart type " + std::to_string(type) +
                         " is not supported (1 = 2-D bar, 14 = 2-D pie)");
    }
    chartType_ = type;
}

const AxisSettings& ChartModel::axis(int id) const {
    checkRange("axis id", id, 0, kAxisCount - 1);
    return axes_[std::size_t(id)];
}

void ChartModel::setAxisLabelFormat(int id, const QString& format) {
    checkRange("axis id", id, 0, kAxisCount - 1);
    axes_[std::size_t(id)].labelFormat = format;
}

void ChartModel::setAxisHidden(int id, bool hidden) {
    checkRange("axis id", id, 0, kAxisCount - 1);
    axes_[std::size_t(id)].hidden = hidden;
}

const SeriesStyle& ChartModel::seriesStyle(int series) const {
    checkSeries(series);
    return series_[std::size_t(series)];
}

Rgb ChartModel::fillColor(int series) const {
    const SeriesStyle& style = seriesStyle(series);
    return (style.setMask & kFillSet) ? style.fill : automaticFill(series);
}

void ChartModel::setFillColor(int series, Rgb color) {
    SeriesStyle& target = style(series);
    target.fill = color;
    target.setMask |= kFillSet;
}

void ChartModel::resetFillColor(int series) {
    SeriesStyle& target = style(series);
    target.fill = SeriesStyle{}.fill;
    target.setMask &= ~kFillSet;
}

void ChartModel::setBrushStyle(int series, int brushStyle) {
    checkSeries(series);
    checkRange("brush style", brushStyle, kBrushNull, kBrushPattern);
    SeriesStyle& target = style(series);
    target.brushStyle = std::uint8_t(brushStyle);
    target.setMask |= kStyleSet;
}

void ChartModel::setPatternIndex(int series, int index) {
    checkSeries(series);
    checkRange("pattern index", index, 0, kPatternCodeCount - 1);
    SeriesStyle& target = style(series);
    target.patternIndex = std::uint8_t(index);
    target.setMask |= kIndexSet;
}

void ChartModel::setPatternColor(int series, Rgb color) {
    SeriesStyle& target = style(series);
    target.patternColor = color;
    target.setMask |= kPatternColorSet;
}

void ChartModel::resetPatternColor(int series) {
    SeriesStyle& target = style(series);
    target.patternColor = SeriesStyle{}.patternColor;
    target.setMask &= ~kPatternColorSet;
}

void ChartModel::setLabelLocation(int series, int location) {
    checkSeries(series);
    checkRange("label location", location, 0, kLabelLocationMax);
    SeriesStyle& target = style(series);
    target.labelLocation = std::uint8_t(location);
    target.setMask |= kLocationSet;
}

void ChartModel::setLabelComponent(int series, int component) {
    checkSeries(series);
    checkRange("label component", component, 0, kLabelComponentMax);
    SeriesStyle& target = style(series);
    target.labelComponent = std::uint8_t(component);
    target.setMask |= kComponentSet;
}

void ChartModel::setPercentFormat(int series, const QString& format) {
    checkSeries(series);
    std::uint32_t id = 0;
    if (format == formatTexts_[lastFormatId_]) {
        id = lastFormatId_;  // the common case: every series given the same format in turn
    } else if (!format.isEmpty()) {
        id = formatIds_.value(format, 0);
        if (id == 0) {
            if (formatTexts_.size() >= std::numeric_limits<std::uint32_t>::max()) {
                throw ChartError("too many distinct percent formats");
            }
            id = std::uint32_t(formatTexts_.size());
            formatTexts_.push_back(format);
            formatIds_.insert(format, id);
        }
    }
    lastFormatId_ = id;
    SeriesStyle& target = style(series);
    target.percentFormatId = id;
    target.setMask |= kPercentFormatSet;
}

const QString& ChartModel::percentFormat(int series) const {
    return formatTexts_[seriesStyle(series).percentFormatId];
}

SeriesStyle& ChartModel::style(int series) {
    checkSeries(series);
    return series_[std::size_t(series)];
}

}  // namespace ChartLib
