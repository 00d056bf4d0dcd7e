#include "chartlib/layout/legend_layout.h"

#include <algorithm>
#include <cmath>

#include "chartlib/layout/spacing.h"
#include "chartlib/layout/text_fit.h"

namespace ChartLib {

namespace {

constexpr double kMaxWidthShare = 0.4;

struct LegendRows {
    int shown = 0;
    int leftOut = 0;
    bool fits = false;
};

LegendRows countRows(int count, double height, double pitch) {
    const double usable = height - 2 * kLegendPadding;
    const int lines = usable > 0 ? static_cast<int>(std::min(usable / pitch, 1e9)) : 0;
    if (count <= 0 || lines < 1) {
        return {};
    }
    if (count <= lines) {
        return {count, 0, true};
    }
    return {lines - 1, count - (lines - 1), true};
}

// Fixed sizes of one legend line.
struct LineSizes {
    double pitch;     // line to line
    double swatch;    // side of the square swatch
    double textLeft;  // from the frame's left edge to the label
};

LineSizes lineSizesFor(const TextMetrics& metrics) {
    const double swatch = std::round(metrics.lineHeight() * 0.7);
    return {metrics.lineHeight() + 2, swatch, kLegendPadding + swatch + kGap};
}

// The frame's width: the widest shown text, as far as `maxWidth` allows.
double legendWidth(const std::vector<QString>& texts, const QString& more, const LineSizes& sizes,
                   double maxWidth, const TextMetrics& metrics) {
    double content = kLegendPadding + metrics.width(more);
    for (const QString& text : texts) {
        content = std::max(content, sizes.textLeft + metrics.width(text));
    }
    return std::min(maxWidth, std::ceil(content + kLegendPadding));
}

void addEntries(LegendGeometry& legend, const std::vector<QString>& texts,
                const LegendSource& source, const LineSizes& sizes, const TextMetrics& metrics) {
    const QRectF& frame = legend.frame;
    const double textWidth = frame.width() - sizes.textLeft - kLegendPadding;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const double top = frame.top() + kLegendPadding + static_cast<double>(i) * sizes.pitch;
        const double swatchTop = top + std::round((sizes.pitch - sizes.swatch) / 2);
        legend.swatches.push_back(
            {QRectF(frame.left() + kLegendPadding, swatchTop, sizes.swatch, sizes.swatch),
             source.fill(static_cast<int>(i))});
        legend.labels.push_back({QRectF(frame.left() + sizes.textLeft, top, textWidth, sizes.pitch),
                                 fitText(texts[i], textWidth, metrics)});
    }
}

}  // namespace

LegendPlacement placeLegend(const QRectF& free, const LegendSource& source,
                            const TextMetrics& metrics) {
    const LineSizes sizes = lineSizesFor(metrics);
    const double maxWidth = std::floor(free.width() * kMaxWidthShare);
    const LegendRows rows = countRows(source.count, free.height(), sizes.pitch);
    if (!rows.fits || maxWidth < sizes.textLeft + kLegendPadding + metrics.lineHeight()) {
        return {{}, free};
    }
    std::vector<QString> texts;
    texts.reserve(static_cast<std::size_t>(rows.shown));
    for (int i = 0; i < rows.shown; ++i) {
        texts.push_back(source.label(i));
    }
    const QString more = rows.leftOut > 0 ? moreText(rows.leftOut) : QString();
    const double width = legendWidth(texts, more, sizes, maxWidth, metrics);
    const int lines = rows.shown + (rows.leftOut > 0 ? 1 : 0);
    const double height = lines * sizes.pitch + 2 * kLegendPadding;

    LegendGeometry legend;
    legend.frame =
        QRectF(free.right() - width, std::round(free.center().y() - height / 2), width, height);
    legend.leftOut = rows.leftOut;
    addEntries(legend, texts, source, sizes, metrics);
    if (rows.leftOut > 0) {
        const double moreWidth = width - 2 * kLegendPadding;
        const double top = legend.frame.bottom() - kLegendPadding - sizes.pitch;
        legend.more = {QRectF(legend.frame.left() + kLegendPadding, top, moreWidth, sizes.pitch),
                       fitText(more, moreWidth, metrics)};
    }
    QRectF rest = free;
    rest.setRight(std::max(free.left(), legend.frame.left() - 2 * kGap));
    return {std::move(legend), rest};
}

}  // namespace ChartLib
