#pragma once

#include "chartlib/layout/text_metrics.h"

namespace ChartLib::testing {

// Every code unit is 7 px wide and a line 15 px tall; eliding keeps whole units and adds "…".
class FakeTextMetrics final : public TextMetrics {
public:
    static constexpr double kUnitWidth = 7;
    static constexpr double kLineHeight = 15;

    double width(const QString& text) const override { return kUnitWidth * text.size(); }
    double lineHeight() const override { return kLineHeight; }
    QString elided(const QString& text, double maxWidth) const override {
        if (width(text) <= maxWidth) {
            return text;
        }
        const auto kept = static_cast<qsizetype>(maxWidth / kUnitWidth) - 1;
        return text.left(std::max<qsizetype>(kept, 0)) + QChar(0x2026);
    }
};

}  // namespace ChartLib::testing
