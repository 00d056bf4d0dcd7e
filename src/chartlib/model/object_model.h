#pragma once

#include <QString>

#include "chartlib/model/chart_model.h"

// The chart control's object model: light handles onto a ChartModel, reached as
// Plot().SeriesCollection().Item(i).DataPoints().Item(-1).Brush() and so on. A handle is two
// words, valid while its model lives; series, rows and columns count from 1 and levels are
// label level 1. Every operation checks its arguments and throws ChartError when it cannot
// do what is asked, before changing anything.
//
// Naming: objects and methods keep the control's names (Plot, Item, Set, Count); value
// properties are a getter and a set-prefixed setter (style / setStyle).
namespace ChartLib {

class ColorRef {
public:
    enum class Which { Fill, Pattern };
    ColorRef(ChartModel& model, int series, Which which)
        : model_(model), series_(series), which_(which) {}
    // The component's automatic-colour switch; only `false` is meaningful here, since the
    // colour given by Set is what the series is drawn in.
    void setAutomatic(bool automatic);
    // red, green, blue: 0 to 255 each.
    void Set(int red, int green, int blue);

private:
    ChartModel& model_;
    int series_;
    Which which_;
};

class BrushRef {
public:
    BrushRef(ChartModel& model, int series) : model_(model), series_(series) {}
    ColorRef FillColor() { return {model_, series_, ColorRef::Which::Fill}; }
    ColorRef PatternColor() { return {model_, series_, ColorRef::Which::Pattern}; }
    int style() const { return model_.seriesStyle(series_).brushStyle; }
    void setStyle(int style) { model_.setBrushStyle(series_, style); }
    int index() const { return model_.seriesStyle(series_).patternIndex; }
    void setIndex(int patternCode) { model_.setPatternIndex(series_, patternCode); }

private:
    ChartModel& model_;
    int series_;
};

class DataPointLabelRef {
public:
    DataPointLabelRef(ChartModel& model, int series) : model_(model), series_(series) {}
    int locationType() const { return model_.seriesStyle(series_).labelLocation; }
    void setLocationType(int location) { model_.setLabelLocation(series_, location); }
    int component() const { return model_.seriesStyle(series_).labelComponent; }
    void setComponent(int component) { model_.setLabelComponent(series_, component); }
    QString percentFormat() const { return model_.percentFormat(series_); }
    void setPercentFormat(const QString& format) { model_.setPercentFormat(series_, format); }

private:
    ChartModel& model_;
    int series_;
};

// A series' data point; only the series-wide one (index -1) carries settings.
class DataPointRef {
public:
    DataPointRef(ChartModel& model, int series) : model_(model), series_(series) {}
    BrushRef Brush() { return {model_, series_}; }
    DataPointLabelRef DataPointLabel() { return {model_, series_}; }

private:
    ChartModel& model_;
    int series_;
};

class DataPointsRef {
public:
    DataPointsRef(ChartModel& model, int series) : model_(model), series_(series) {}
    // Only -1, the series-wide data point, is accepted.
    DataPointRef Item(int index);

private:
    ChartModel& model_;
    int series_;
};

class SeriesRef {
public:
    SeriesRef(ChartModel& model, int series) : model_(model), series_(series) {}
    DataPointsRef DataPoints() { return {model_, series_}; }

private:
    ChartModel& model_;
    int series_;  // 0-based
};

class SeriesCollectionRef {
public:
    explicit SeriesCollectionRef(ChartModel& model) : model_(model) {}
    int Count() const { return model_.seriesCount(); }
    // Series i, 1 to Count().
    SeriesRef Item(int i);

private:
    ChartModel& model_;
};

class LabelRef {
public:
    LabelRef(ChartModel& model, int axisId) : model_(model), axisId_(axisId) {}
    QString format() const { return model_.axis(axisId_).labelFormat; }
    void setFormat(const QString& format) { model_.setAxisLabelFormat(axisId_, format); }

private:
    ChartModel& model_;
    int axisId_;
};

class LabelsRef {
public:
    LabelsRef(ChartModel& model, int axisId) : model_(model), axisId_(axisId) {}
    // Label level 1 only.
    LabelRef Item(int level);

private:
    ChartModel& model_;
    int axisId_;
};

class AxisScaleRef {
public:
    AxisScaleRef(ChartModel& model, int axisId) : model_(model), axisId_(axisId) {}
    bool hide() const { return model_.axis(axisId_).hidden; }
    void setHide(bool hide) { model_.setAxisHidden(axisId_, hide); }

private:
    ChartModel& model_;
    int axisId_;
};

class AxisRef {
public:
    AxisRef(ChartModel& model, int axisId) : model_(model), axisId_(axisId) {}
    LabelsRef Labels() { return {model_, axisId_}; }
    AxisScaleRef AxisScale() { return {model_, axisId_}; }

private:
    ChartModel& model_;
    int axisId_;
};

class PlotRef {
public:
    explicit PlotRef(ChartModel& model) : model_(model) {}
    SeriesCollectionRef SeriesCollection() { return SeriesCollectionRef{model_}; }
    // Axis id 0 (category), 1 (value) or 2 (secondary value); the index argument is left out.
    AxisRef Axis(int axisId);

private:
    ChartModel& model_;
};

class DataGridRef {
public:
    explicit DataGridRef(ChartModel& model) : model_(model) {}
    QString columnLabel(int column, int level) const;
    void setColumnLabel(int column, int level, const QString& text);
    QString rowLabel(int row, int level) const;
    void setRowLabel(int row, int level, const QString& text);

private:
    ChartModel& model_;
};

}  // namespace ChartLib
