#include "chartlib/layout/pie_layout.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chartlib/format/number_format.h"
#include "chartlib/layout/display_text.h"
#include "chartlib/layout/pie_label_walk.h"
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

PieFrame framePie(const ChartModel& model, const QRectF& free, int firstLabelled,
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
    if (firstLabelled >= 0) {
        region.setBottom(std::max(region.top(), region.bottom() - line));
        frame.note = QRectF(free.left(), region.bottom(), free.width(), line);
        reserveX = metrics.width(formats.text(firstLabelled, 1.0)) + kPieLabelGap + kGap;
        reserveY = line + kPieLabelGap;
    }
    const double radius =
        std::floor(std::min(region.width() / 2 - reserveX, region.height() / 2 - reserveY) - kGap);
    frame.labels = {QPointF(std::round(region.center().x()), std::round(region.center().y())),
                    std::max(radius, 0.0), region};
    return frame;
}

// The first series with a share label, or -1 when no label is drawn.
int firstLabelled(const PieValues& values) {
    const int first = values.labelled().next(0);
    return values.total() > 0 && first < values.seriesCount() ? first : -1;
}

std::vector<FilledSlice> filledSlices(const ChartModel& model, const PieValues& values,
                                      double radius) {
    // A slice narrower than a pixel along the rim merges with its neighbours.
    const double minSpan = radius >= 1 ? 180.0 / (std::numbers::pi * radius) : 360;
    std::vector<FilledSlice> filled;
    for (const PieSlice& slice : mergeSlivers(values, minSpan)) {
        filled.push_back({slice.startDegrees, slice.spanDegrees, seriesFill(model, slice.series)});
    }
    return filled;
}

struct ShareLabels {
    std::vector<PieLabel> placed;
    int leftOut = 0;
};

ShareLabels placeLabels(const ChartModel& model, const PieValues& values, const PieFrame& frame,
                        ShareFormats& formats, const TextMetrics& metrics) {
    PieLabelPlacer placer(frame.labels, metrics);
    const int placed = placeShareLabels(values, placer, [&](int series) {
        const double value = *model.value(0, series) * values.scale();
        return formats.text(series, value / values.total());
    });
    return {placer.takeLabels(), values.labelled().count() - placed};
}

}  // namespace

PieGeometry layoutPie(const ChartModel& model, const PieValues& values, const QRectF& free,
                      const TextMetrics& metrics) {
    ShareFormats formats(model);
    const PieFrame frame = framePie(model, free, firstLabelled(values), formats, metrics);
    PieGeometry pie;
    pie.caption = frame.caption;
    pie.center = frame.labels.center;
    pie.radius = frame.labels.radius;
    if (!(values.total() > 0)) {
        return pie;
    }
    pie.slices = filledSlices(model, values, pie.radius);
    pie.smoothEdges = pie.slices.size() <= kMaxSmoothSlices;
    ShareLabels labels = placeLabels(model, values, frame, formats, metrics);
    pie.labels = std::move(labels.placed);
    pie.labelsLeftOut = labels.leftOut;
    if (pie.labelsLeftOut > 0) {
        pie.more = {frame.note, fitText(moreText(pie.labelsLeftOut), frame.note.width(), metrics),
                    Qt::AlignLeft | Qt::AlignVCenter};
    }
    return pie;
}

}  // namespace ChartLib
