#include "render/describe_json.h"

#include "chartlib/model/chart_model.h"
#include "render/json_writer.h"

namespace chartview {

namespace {

void writeRgb(JsonWriter& json, const char* name, ChartLib::Rgb color) {
    json.key(name);
    json.beginArray();
    json.integer(color.red);
    json.integer(color.green);
    json.integer(color.blue);
    json.endArray();
}

void writeLabels(JsonWriter& json, const char* name, int count, auto labelOf) {
    json.key(name);
    json.beginArray();
    for (int i = 0; i < count; ++i) {
        json.string(labelOf(i));
    }
    json.endArray();
}

void writeAxes(JsonWriter& json, const ChartLib::ChartModel& model) {
    json.key("axes");
    json.beginObject();
    json.key("1");
    json.beginObject();
    json.key("labelFormat");
    json.string(model.axis(1).labelFormat);
    json.endObject();
    json.key("2");
    json.beginObject();
    json.key("hidden");
    json.boolean(model.axis(2).hidden);
    json.endObject();
    json.endObject();
}

void writeBrush(JsonWriter& json, const ChartLib::ChartModel& model, int series) {
    const ChartLib::SeriesStyle& style = model.seriesStyle(series);
    json.key("brush");
    json.beginObject();
    json.key("style");
    json.integer(style.brushStyle);
    json.key("index");
    json.integer(style.patternIndex);
    writeRgb(json, "fill", model.fillColor(series));
    writeRgb(json, "pattern", style.patternColor);
    json.endObject();
}

void writePointLabel(JsonWriter& json, const ChartLib::ChartModel& model, int series) {
    const ChartLib::SeriesStyle& style = model.seriesStyle(series);
    json.key("pointLabel");
    json.beginObject();
    json.key("locationType");
    json.integer(style.labelLocation);
    json.key("component");
    json.integer(style.labelComponent);
    json.key("percentFormat");
    json.string(model.percentFormat(series));
    json.endObject();
}

void writeSeries(JsonWriter& json, const ChartLib::ChartModel& model, int series) {
    json.beginObject();
    json.key("label");
    json.string(model.seriesLabel(series));
    json.key("values");
    json.beginArray();
    for (int row = 0; row < model.rowCount(); ++row) {
        if (const auto value = model.value(row, series)) {
            json.number(*value);
        } else {
            json.null();
        }
    }
    json.endArray();
    writeBrush(json, model, series);
    writePointLabel(json, model, series);
    json.endObject();
}

}  // namespace

std::string describeChart(const ChartLib::ChartModel& model, const QString& caption) {
    JsonWriter json;
    json.reserve(256 + static_cast<std::size_t>(model.seriesCount()) * 400 +
                 static_cast<std::size_t>(model.rowCount()) * 400);
    json.beginObject();
    json.key("caption");
    json.string(caption);
    json.key("chartType");
    json.integer(model.chartType());
    json.key("showLegend");
    json.boolean(model.showLegend());
    json.key("rowCount");
    json.integer(model.rowCount());
    json.key("columnCount");
    json.integer(model.seriesCount());
    writeLabels(json, "rowLabels", model.rowCount(), [&](int row) { return model.rowLabel(row); });
    writeLabels(json, "columnLabels", model.seriesCount(),
                [&](int series) { return model.seriesLabel(series); });
    writeAxes(json, model);
    json.key("series");
    json.beginArray();
    for (int series = 0; series < model.seriesCount(); ++series) {
        writeSeries(json, model, series);
    }
    json.endArray();
    json.endObject();
    return json.take() + '\n';
}

}  // namespace chartview
