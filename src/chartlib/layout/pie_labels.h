#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "chartlib/layout/chart_geometry.h"
#include "chartlib/layout/function_ref.h"
#include "chartlib/layout/interval_column.h"
#include "chartlib/layout/text_metrics.h"

namespace ChartLib {

// Between the circle and an outside label.
inline constexpr double kPieLabelGap = 6;

// Where outside labels of a pie may go: around the circle, inside `region`.
struct PieLabelFrame {
    QPointF center;
    double radius = 0;
    QRectF region;
};

// Places the outside labels of one pie, one slice at a time in clockwise order: each label
// next to its slice's middle, else moved up or down to the nearest free line close by, with a
// leader line to its slice when moved. A label never overlaps another label or the circle and
// never leaves the region; one that cannot be placed is left out. Texts are asked for only
// once a free line is found, and every line tried is then taken, so the texts made and the
// labels kept are bounded by the region's lines, not by the slices.
class PieLabelPlacer {
public:
    PieLabelPlacer(const PieLabelFrame& frame, const TextMetrics& metrics);

    // Tries to label the slice whose middle is at `midDegrees` (clockwise from 12 o'clock);
    // `text()` gives its text. Returns whether the label was placed.
    bool place(double midDegrees, int series, FunctionRef<QString()> text) {
        const std::optional<std::size_t> arc = arcOf(midDegrees);
        return arc && !isFull(*arc) && placeInBucket(*arc, series, text);
    }

    // The arc of about a pixel whose middle a label aimed at `midDegrees` aims at, or nullopt
    // when place() puts no label there (outside [0, 360), or no circle). Arcs never go down
    // as the angle goes up.
    std::optional<std::size_t> arcOf(double midDegrees) const {
        if (!(midDegrees >= 0 && midDegrees < 360) || bucketFull_.empty()) {
            return std::nullopt;
        }
        return std::min(static_cast<std::size_t>(midDegrees * bucketsPerDegree_),
                        bucketFull_.size() - 1);
    }
    // Whether `arc` (from arcOf) was found full: place() puts no further label there.
    bool isFull(std::size_t arc) const { return bucketFull_[arc] != 0; }

    const std::vector<PieLabel>& labels() const { return labels_; }
    std::vector<PieLabel> takeLabels() { return std::move(labels_); }

private:
    // NoRoom lasts: taken lines are never given back, so a later label aimed at the same
    // place finds no room either.
    enum class Outcome { Placed, NoRoom, TooWide };

    bool placeInBucket(std::size_t bucket, int series, FunctionRef<QString()> text);
    Outcome placeAboveOrBelow(double midDegrees, int series, FunctionRef<QString()> text);
    Outcome placeBeside(double midDegrees, int series, FunctionRef<QString()> text);
    double circleHalfWidthOver(double top, double bottom) const;
    void keep(const QRectF& box, double midDegrees, int series, QString text, QPointF attach,
              Qt::Alignment align);

    PieLabelFrame frame_;
    const TextMetrics& metrics_;
    double lineHeight_;
    // Labels aim at the middle of one of these arcs of about a pixel, so that a place found
    // full is remembered and a million slivers cost a look-up each.
    double bucketDegrees_ = 1;
    double bucketsPerDegree_ = 1;
    std::vector<std::uint8_t> bucketFull_;
    IntervalColumn left_;
    IntervalColumn right_;
    std::vector<PieLabel> labels_;
};

}  // namespace ChartLib
