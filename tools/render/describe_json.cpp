#include "render/describe_json.h"

#include "chartlib/model/chart_model.h"
#include "render/json_writer.h"

namespace chartview {

namespace {

void writeRgb(JsonWriter& json, ChartLib::Rgb color) {
    json.raw("[");
    json.integer(color.red);
    json.raw(",");
    json.integer(color.green);
    json.raw(",");
    json.integer(color.blue);
    json.raw("]");
}

void writeLabels(JsonWriter& json, int count, auto labelOf) {
    json.raw("[");
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            json.raw(",");
        }
        json.string(labelOf(i));
    }
    json.raw("]");
}

void writeAxes(JsonWriter& json, const ChartLib::ChartModel& model) {
    json.key("axes");
    json.raw("{\"1\":{");
    json.key("labelFormat");
    json.string(model.axis(1).labelFormat);
    json.raw("},\"2\":{");
    json.key("hidden");
    json.boolean(model.axis(2).hidden);
    json.raw("}}");
}

void writeBrush(JsonWriter& json, const ChartLib::ChartModel& model, int series) {
    const ChartLib::SeriesStyle& style = model.seriesStyle(series);
    json.raw("{");
    json.key("style");
    json.integer(style.brushStyle);
    json.raw(",");
    json.key("index");
    json.integer(style.patternIndex);
    json.raw(",");
    json.key("fill");
    writeRgb(json, model.fillColor(series));
    json.raw(",");
    json.key("pattern");
    writeRgb(json, style.patternColor);
    json.raw("}");
}

void writePointLabel(JsonWriter& json, const ChartLib::ChartModel& model, int series) {
    const ChartLib::SeriesStyle& style = model.seriesStyle(series);
    json.raw("{");
    json.key("locationType");
    json.integer(style.labelLocation);
    json.raw(",");
    json.key("component");
    json.integer(style.labelComponent);
    json.raw(",");
    json.key("percentFormat");
    json.string(model.percentFormat(series));
    json.raw("}");
}

void writeSeries(JsonWriter& json, const ChartLib::ChartModel& model, int series) {
    json.raw("{");
    json.key("label");
    json.string(model.seriesLabel(series));
    json.raw(",");
    json.key("values");
    json.raw("[");
    for (int row = 0; row < model.rowCount(); ++row) {
        if (row > 0) {
            json.raw(",");
        }
        if (const auto value = model.value(row, series)) {
            json.number(*value);
        } else {
            json.null();
        }
    }
    json.raw("],");
    json.key("brush");
    writeBrush(json, model, series);
    json.raw(",");
    json.key("pointLabel");
    writePointLabel(json, model, series);
    json.raw("}");
}

}  // namespace

std::string describeChart(const ChartLib::ChartModel& model, const QString& caption) {
    JsonWriter json;
    json.text().reserve(256 + static_cast<std::size_t>(model.seriesCount()) * 400 +
                        static_cast<std::size_t>(model.rowCount()) * 400);
    json.raw("{");
    json.key("caption");
    json.string(caption);
    json.raw(",");
    json.key("chartType");
    json.integer(model.chartType());
    json.raw(",");
    json.key("showLegend");
    json.boolean(model.showLegend());
    json.raw(",");
    json.key("rowCount");
    json.integer(model.rowCount());
    json.raw(",");
    json.key("columnCount");
    json.integer(model.seriesCount());
    json.raw(",");
    json.key("rowLabels");
    writeLabels(json, model.rowCount(), [&](int row) { return model.rowLabel(row); });
    json.raw(",");
    json.key("columnLabels");
    writeLabels(json, model.seriesCount(), [&](int series) { return model.seriesLabel(series); });
    json.raw(",");
    writeAxes(json, model);
    json.raw(",");
    json.key("series");
    json.raw("[");
    for (int series = 0; series < model.seriesCount(); ++series) {
        if (series > 0) {
            json.raw(",");
        }
        writeSeries(json, model, series);
    }
    json.raw("]}\n");
    return std::move(json.text());
}

}  // namespace chartview
