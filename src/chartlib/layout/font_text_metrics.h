#pragma once

#include <QFont>
#include <QFontMetricsF>

#include "chartlib/layout/text_metrics.h"

namespace ChartLib {

// TextMetrics of a real font, device independent (the font has a pixel size).
class FontTextMetrics final : public TextMetrics {
public:
    explicit FontTextMetrics(const QFont& font) : metrics_(font) {}

    double width(const QString& text) const override;
    double lineHeight() const override;
    QString elided(const QString& text, double maxWidth) const override;

private:
    QFontMetricsF metrics_;
};

}  // namespace ChartLib
