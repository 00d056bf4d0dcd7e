#include "chartlib/model/object_model.h"

#include <string>

namespace ChartLib {

namespace {

void checkLabelLevel(int level) {
    if (level != 1) {
        throw ChartError("label level " + std::to_string(level) +
                         " is not supported: only level 1 is");
    }
}

}  // namespace

void ColorRef::setAutomatic(bool automatic) {
    model_.seriesStyle(series_);  // a handle may outlive its series: checked all the same
    if (!automatic) {
        return;  // the colour stays as it is until Set gives one
    }
    if (which_ == Which::Fill) {
        model_.resetFillColor(series_);
    } else {
        model_.resetPatternColor(series_);
    }
}

void ColorRef::Set(int red, int green, int blue) {
    model_.seriesStyle(series_);
    checkRange("red", red, 0, 255);
    checkRange("green", green, 0, 255);
    checkRange("blue", blue, 0, 255);
    const Rgb color{std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)};
    if (which_ == Which::Fill) {
        model_.setFillColor(series_, color);
    } else {
        model_.setPatternColor(series_, color);
    }
}

DataPointRef DataPointsRef::Item(int index) {
    if (index != -1) {
        throw ChartError("data point " + std::to_string(index) +
                         " is not supported: only -1, the whole series, is");
    }
    model_.seriesStyle(series_);
    return {model_, series_};
}

SeriesRef SeriesCollectionRef::Item(int i) {
    checkRange("series", i, 1, model_.seriesCount());
    return {model_, i - 1};
}

LabelRef LabelsRef::Item(int level) {
    checkLabelLevel(level);
    model_.axis(axisId_);
    return {model_, axisId_};
}

AxisRef PlotRef::Axis(int axisId) {
    model_.axis(axisId);
    return {model_, axisId};
}

QString DataGridRef::columnLabel(int column, int level) const {
    checkLabelLevel(level);
    checkRange("column", column, 1, model_.seriesCount());
    return model_.seriesLabel(column - 1);
}

void DataGridRef::setColumnLabel(int column, int level, const QString& text) {
    checkLabelLevel(level);
    checkRange("column", column, 1, model_.seriesCount());
    model_.setSeriesLabel(column - 1, text);
}

QString DataGridRef::rowLabel(int row, int level) const {
    checkLabelLevel(level);
    checkRange("row", row, 1, model_.rowCount());
    return model_.rowLabel(row - 1);
}

void DataGridRef::setRowLabel(int row, int level, const QString& text) {
    checkLabelLevel(level);
    checkRange("row", row, 1, model_.rowCount());
    model_.setRowLabel(row - 1, text);
}

}  // namespace ChartLib
