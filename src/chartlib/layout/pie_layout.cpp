#include "chartlib/layout/pie_layout.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chartlib/format/number_format.h"
#include "chartlib/layout/display_text.h"
#include "chartlib/layout/pie_labels.h"
#include "chartlib/layout/pie_slices.h"
#include "chartlib/layout/spacing.h"
#include "chartlib/layout/text_fit.h"
#include "chartlib/model/chart_model.h"

namespace ChartLib {

namespace {

// Past this many slices edges are drawn hard: antialiasing a thousand slivers costs about ten
// times as much and lets the backdrop seep through the seams between them.
constexpr std::size_t kMaxSmoothSlices = 64;

// The value a series adds to the pie, or nullopt when it is no slice.
std::optional<double> sliceValue(const ChartModel& model, int series) {
    const std::optional<double> value = model.value(0, series);
    if (!value || !std::isfinite(*value) || *value < 0) {
        return std::nullopt;
    }
    return *value;
}

bool wantsShareLabel(const ChartModel& model, int series) {
    const SeriesStyle& style = model.seriesStyle(series);
    return style.labelLocation == kLocationOutside && (style.labelComponent & kComponentPercent);
}

struct PieScan {
    double scale = 1;  // values are taken times this, so that their total stays finite
    double total = 0;  // of the scaled values
    int firstLabelled = -1;
};

double scaledTotal(const ChartModel& model, double scale) {
    double total = 0;
    for (int series = 0; series < model.seriesCount(); ++series) {
        if (const std::optional<double> value = sliceValue(model, series)) {
            total += *value * scale;
        }
    }
    return total;
}

PieScan scanPie(const ChartModel& model) {
    PieScan scan;
    if (model.rowCount() <= 0) {
        return scan;
    }
    for (int series = 0; series < model.seriesCount(); ++series) {
        if (const std::optional<double> value = sliceValue(model, series)) {
            scan.total += *value;
            if (scan.firstLabelled < 0 && wantsShareLabel(model, series)) {
                scan.firstLabelled = series;
            }
        }
    }
    if (!std::isfinite(scan.total)) {
        // Only values near the largest double get here; scaled down, their small neighbours
        // vanish, as they would in any share anyway.
        scan.scale = std::ldexp(1.0, -64);
        scan.total = scaledTotal(model, scan.scale);
    }
    if (!(scan.total > 0)) {
        scan.firstLabelled = -1;  // no slice, so no label
    }
    return scan;
}

// Each series' percent format parsed once per frame, and only for labels made.
class ShareFormats {
public:
    explicit ShareFormats(const ChartModel& model) : model_(model) {}
    QString text(int series, double share) {
        const QString& format = model_.percentFormat(series);
        auto it = parsed_.find(format);
        if (it == parsed_.end()) {
            it = parsed_.insert(format, parseNumberFormat(format));
        }
        return displayText(formatNumber(share, *it), kMaxLabelUnits);
    }

private:
    const ChartModel& model_;
    QHash<QString, NumberFormat> parsed_;
};

struct PieFrame {
    TextBox caption;
    QRectF note;
    PieLabelFrame labels;
};

PieFrame framePie(const ChartModel& model, const QRectF& free, const PieScan& scan,
                  ShareFormats& formats, const TextMetrics& metrics) {
    const double line = metrics.lineHeight();
    PieFrame frame;
    QRectF region = free;
    if (model.rowCount() > 0 && free.height() >= line) {
        const QString caption =
            fitText(displayText(model.rowLabel(0), kMaxLabelUnits), free.width(), metrics);
        frame.caption = {QRectF(free.left(), free.top(), free.width(), line), caption,
                         Qt::AlignHCenter | Qt::AlignTop};
        region.setTop(free.top() + line + kGap);
    }
    double reserveX = 0;
    double reserveY = 0;
    if (scan.firstLabelled >= 0) {
        region.setBottom(std::max(region.top(), region.bottom() - line));
        frame.note = QRectF(free.left(), region.bottom(), free.width(), line);
        reserveX = metrics.width(formats.text(scan.firstLabelled, 1.0)) + kPieLabelGap + kGap;
        reserveY = line + kPieLabelGap;
    }
    const double radius =
        std::floor(std::min(region.width() / 2 - reserveX, region.height() / 2 - reserveY) - kGap);
    frame.labels = {QPointF(std::round(region.center().x()), std::round(region.center().y())),
                    std::max(radius, 0.0), region};
    return frame;
}

// The slices drawn and the labels placed, from one pass over the slices in clockwise order.
struct SliceWalk {
    std::vector<PieSlice> slices;
    std::vector<PieLabel> labels;
    int labelsLeftOut = 0;
};

SliceWalk walkSlices(const ChartModel& model, const PieScan& scan, const PieFrame& frame,
                     ShareFormats& formats, const TextMetrics& metrics) {
    const double radius = frame.labels.radius;
    // A slice narrower than a pixel along the rim merges with its neighbours.
    SliverMerger merger(radius >= 1 ? 180.0 / (std::numbers::pi * radius) : 360);
    PieLabelPlacer placer(frame.labels, metrics);
    const double degreesPerValue = 360.0 / scan.total;
    double before = 0;  // sum of the scaled values before the current slice
    double start = 0;
    int wanted = 0;
    int placed = 0;
    for (int series = 0; series < model.seriesCount(); ++series) {
        const std::optional<double> value = sliceValue(model, series);
        if (!value) {
            continue;
        }
        before += *value * scan.scale;
        const double end = std::min(before * degreesPerValue, 360.0);
        merger.add(series, end - start);
        if (wantsShareLabel(model, series)) {
            ++wanted;
            placed += placer.place((start + end) / 2, series, [&] {
                return formats.text(series, *value * scan.scale / scan.total);
            });
        }
        start = end;
    }
    return {merger.finish(), placer.takeLabels(), wanted - placed};
}

}  // namespace

PieGeometry layoutPie(const ChartModel& model, const QRectF& free, const TextMetrics& metrics) {
    const PieScan scan = scanPie(model);
    ShareFormats formats(model);
    const PieFrame frame = framePie(model, free, scan, formats, metrics);
    PieGeometry pie;
    pie.caption = frame.caption;
    pie.center = frame.labels.center;
    pie.radius = frame.labels.radius;
    if (!(scan.total > 0)) {
        return pie;
    }
    SliceWalk walk = walkSlices(model, scan, frame, formats, metrics);
    for (const PieSlice& slice : walk.slices) {
        pie.slices.push_back(
            {slice.startDegrees, slice.spanDegrees, seriesFill(model, slice.series)});
    }
    pie.smoothEdges = pie.slices.size() <= kMaxSmoothSlices;
    pie.labels = std::move(walk.labels);
    pie.labelsLeftOut = walk.labelsLeftOut;
    if (pie.labelsLeftOut > 0) {
        pie.more = {frame.note, fitText(moreText(pie.labelsLeftOut), frame.note.width(), metrics),
                    Qt::AlignLeft | Qt::AlignVCenter};
    }
    return pie;
}

}  // namespace ChartLib
