#include "chartlib/layout/value_axis.h"

#include <algorithm>
#include <cmath>

#include "chartlib/layout/spacing.h"
#include "chartlib/layout/text_fit.h"

namespace ChartLib {

namespace {

constexpr double kLinesPerInterval = 2.5;
constexpr double kMaxStripShare = 0.5;

// Every k-th label, k the smallest that keeps one line between neighbouring labels' centres.
int labelStride(const TickScale& ticks, const ValueScale& scale, double lineHeight) {
    if (ticks.count < 2) {
        return 1;
    }
    const double spacing = std::abs(scale.y(ticks.tick(0)) - scale.y(ticks.tick(1)));
    if (!(spacing > 0)) {
        return ticks.count;
    }
    return static_cast<int>(std::clamp(std::ceil(lineHeight / spacing), 1.0, 1e6));
}

}  // namespace

double minimumTickStep(const NumberFormat& format) {
    if (format.general) {
        return 0;
    }
    return std::pow(10.0, -format.maxFractionDigits) / (format.percent ? 100.0 : 1.0);
}

int tickIntervalsFor(double plotHeight, const TextMetrics& metrics) {
    const double perInterval = kLinesPerInterval * metrics.lineHeight();
    if (!(plotHeight > 0) || !(perInterval > 0)) {
        return 1;
    }
    return static_cast<int>(std::clamp(std::floor(plotHeight / perInterval), 1.0, 1000.0));
}

ValueAxisPlacement placeValueAxis(const QRectF& free, const TickScale& ticks,
                                  const ValueScale& scale, const NumberFormat& format, bool hidden,
                                  const TextMetrics& metrics) {
    ValueAxisPart axis;
    std::vector<QString> texts;
    for (int i = 0; i < ticks.count; ++i) {
        axis.tickYs.push_back(scale.y(ticks.tick(i)));
    }
    const int stride = labelStride(ticks, scale, metrics.lineHeight());
    double widest = 0;
    for (int i = 0; !hidden && i < ticks.count; i += stride) {
        texts.push_back(formatNumber(ticks.tick(i), format));
        widest = std::max(widest, metrics.width(texts.back()));
    }
    const double stripWidth =
        widest > 0 ? std::min(std::ceil(widest + kGap), std::floor(free.width() * kMaxStripShare))
                   : 0;
    axis.strip = QRectF(free.left(), free.top(), stripWidth, free.height());
    const double line = metrics.lineHeight();
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const double y = axis.tickYs[k * static_cast<std::size_t>(stride)];
        const QString text = fitText(texts[k], stripWidth - kGap, metrics);
        if (!text.isEmpty()) {
            axis.labels.push_back({QRectF(free.left(), y - line / 2, stripWidth - kGap, line), text,
                                   Qt::AlignRight | Qt::AlignVCenter});
        }
    }
    QRectF rest = free;
    rest.setLeft(free.left() + stripWidth);
    return {std::move(axis), rest};
}

}  // namespace ChartLib
