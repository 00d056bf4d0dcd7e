#include "chartlib/layout/pie_labels.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "chartlib/layout/pie_slices.h"

namespace ChartLib {

namespace {

// Within about 14 degrees of 12 or 6 o'clock a label sits centred above or below the pie.
constexpr double kNearPoleSine = 0.25;
constexpr double kMaxShiftLines = 3;
constexpr double kLeaderMinLength = 3;

double sineOf(double degrees) {
    return std::sin(degrees * std::numbers::pi / 180.0);
}

double cosineOf(double degrees) {
    return std::cos(degrees * std::numbers::pi / 180.0);
}

}  // namespace

PieLabelPlacer::PieLabelPlacer(const PieLabelFrame& frame, const TextMetrics& metrics)
    : frame_(frame), metrics_(metrics), lineHeight_(metrics.lineHeight()) {
    if (frame_.radius > 0 && std::isfinite(frame_.radius)) {
        const double arcPixels = 2 * std::numbers::pi * (frame_.radius + kPieLabelGap);
        const auto buckets = static_cast<std::size_t>(std::clamp(std::ceil(arcPixels), 1.0, 1e7));
        bucketDegrees_ = 360.0 / static_cast<double>(buckets);
        bucketsPerDegree_ = static_cast<double>(buckets) / 360.0;
        bucketFull_.assign(buckets, 0);
    }
}

bool PieLabelPlacer::placeInBucket(std::size_t bucket, int series, FunctionRef<QString()> text) {
    const double aim = (static_cast<double>(bucket) + 0.5) * bucketDegrees_;
    std::optional<QString> made;
    auto once = [&] {
        if (!made) {
            made = text();
        }
        return *made;
    };
    Outcome outcome = Outcome::NoRoom;
    if (std::abs(sineOf(aim)) < kNearPoleSine) {
        outcome = placeAboveOrBelow(aim, series, once);
    }
    if (outcome != Outcome::Placed) {
        const Outcome beside = placeBeside(aim, series, once);
        if (beside == Outcome::NoRoom && outcome == Outcome::NoRoom) {
            bucketFull_[bucket] = 1;
        }
        outcome = beside;
    }
    return outcome == Outcome::Placed;
}

PieLabelPlacer::Outcome PieLabelPlacer::placeAboveOrBelow(double midDegrees, int series,
                                                          FunctionRef<QString()> text) {
    const QPointF c = frame_.center;
    const double r = frame_.radius;
    const bool above = cosineOf(midDegrees) > 0;
    const double top = above ? c.y() - r - kPieLabelGap - lineHeight_ : c.y() + r + kPieLabelGap;
    const QRectF& region = frame_.region;
    if (top < region.top() || top + lineHeight_ > region.bottom() ||
        !left_.isFree(top, top + lineHeight_) || !right_.isFree(top, top + lineHeight_)) {
        return Outcome::NoRoom;
    }
    // The line is spent whether or not the text fits, so no line is tried twice.
    left_.take(top, top + lineHeight_);
    right_.take(top, top + lineHeight_);
    const QString label = text();
    const double width = metrics_.width(label);
    if (width > region.width()) {
        return Outcome::TooWide;
    }
    const QPointF anchor = pointOnCircle(c, r + kPieLabelGap, midDegrees);
    const double left = std::clamp(anchor.x() - width / 2, region.left(), region.right() - width);
    const QRectF box(left, top, width, lineHeight_);
    const QPointF attach(box.center().x(), above ? box.bottom() : box.top());
    keep(box, midDegrees, series, label, attach, Qt::AlignCenter);
    return Outcome::Placed;
}

PieLabelPlacer::Outcome PieLabelPlacer::placeBeside(double midDegrees, int series,
                                                    FunctionRef<QString()> text) {
    const QPointF c = frame_.center;
    const bool onRight = sineOf(midDegrees) >= 0;
    IntervalColumn& column = onRight ? right_ : left_;
    const QPointF anchor = pointOnCircle(c, frame_.radius + kPieLabelGap, midDegrees);
    const QRectF& region = frame_.region;
    const std::optional<double> top =
        column.nearestFreeTop(anchor.y() - lineHeight_ / 2, lineHeight_, region.top(),
                              region.bottom(), kMaxShiftLines * lineHeight_);
    if (!top) {
        return Outcome::NoRoom;
    }
    // The line is spent whether or not the text fits, so no line is tried twice.
    column.take(*top, *top + lineHeight_);
    const QString label = text();
    const double width = metrics_.width(label);
    const double clear = circleHalfWidthOver(*top, *top + lineHeight_) + kPieLabelGap;
    const double left =
        onRight ? std::max(anchor.x(), c.x() + clear) : std::min(anchor.x(), c.x() - clear) - width;
    const QRectF box(left, *top, width, lineHeight_);
    if (box.left() < region.left() || box.right() > region.right()) {
        return Outcome::TooWide;
    }
    const QPointF attach(onRight ? box.left() : box.right(), box.center().y());
    keep(box, midDegrees, series, label, attach,
         (onRight ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return Outcome::Placed;
}

double PieLabelPlacer::circleHalfWidthOver(double top, double bottom) const {
    const double cy = frame_.center.y();
    const double r = frame_.radius;
    if (top <= cy && cy <= bottom) {
        return r;
    }
    const double nearest = std::min(std::abs(top - cy), std::abs(bottom - cy));
    return nearest >= r ? 0 : std::sqrt(r * r - nearest * nearest);
}

void PieLabelPlacer::keep(const QRectF& box, double midDegrees, int series, QString text,
                          QPointF attach, Qt::Alignment align) {
    PieLabel label;
    label.text = {box, std::move(text), align};
    label.series = series;
    const QPointF natural = pointOnCircle(frame_.center, frame_.radius + kPieLabelGap, midDegrees);
    if (QLineF(natural, attach).length() > kLeaderMinLength) {
        label.leader = QLineF(pointOnCircle(frame_.center, frame_.radius, midDegrees), attach);
    }
    labels_.push_back(std::move(label));
}

}  // namespace ChartLib
