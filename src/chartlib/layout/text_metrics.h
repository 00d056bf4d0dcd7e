#pragma once

#include <QString>

namespace ChartLib {

// How wide and tall text is, in logical pixels. Layout measures through this alone, so that
// tests can use fixed widths and production the real font.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;

    // Advance width of `text` on one line.
    virtual double width(const QString& text) const = 0;
    // Height of one line of text, the box every text item is given.
    virtual double lineHeight() const = 0;
    // `text` itself when it fits in `maxWidth`, else a shortened text with an ellipsis. The
    // result may still be wider than `maxWidth` when not even the ellipsis fits; callers check.
    virtual QString elided(const QString& text, double maxWidth) const = 0;
};

}  // namespace ChartLib
