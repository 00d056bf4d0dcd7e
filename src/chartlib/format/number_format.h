#pragma once

#include <QString>

#include <vector>

namespace ChartLib {

// A number format text ("#,###", "0%", "0.00", "#,##0 units", ...) parsed once. Digit
// placeholders "0" (always shown) and "#" (shown when significant), "," between placeholders
// for thousands grouping, "." for the decimal point, "%" to show the value times 100;
// anything else, quoted or not, is literal text. Parsing never fails.
struct NumberFormat {
    QString prefix;             // literal text before the first placeholder
    QString suffix;             // literal text after the last placeholder
    int minIntegerDigits = 0;   // "0"s before the decimal point
    int minFractionDigits = 0;  // "0"s after it
    int maxFractionDigits = 0;  // "0"s and "#"s after it
    bool grouping = false;      // thousands separator shown
    bool percent = false;       // value shown times 100
    bool general = true;        // no placeholder at all: general number display
};

// Reads any text without failing: what is not format syntax (a "," or "." with no placeholder
// after it, placeholders after the suffix began, an unclosed quote) is literal text. Digit
// counts are capped (340 integer, 30 fraction), so huge format texts cost no more than text.
NumberFormat parseNumberFormat(const QString& text);

// `value` in `format`: halves round away from zero; a zero whose format has no "0" before
// the point gives "" there (so "#,###" turns 0 into ""). NaN and infinities give "NaN",
// "Infinity" and "-Infinity" with the format's literal text. Never fails.
// Rounding looks at the exact decimal value of the double ("%" shifts that value two places,
// so 0.145, stored as 0.14499..., gives "14%"); a minus sign leads the text, prefix included,
// and is dropped when the shown digits are all zero. A general format shows the shortest
// text that reads back to the value ("1234.5", "1e+21"), its literal text after it.
QString formatNumber(double value, const NumberFormat& format);

}  // namespace ChartLib
