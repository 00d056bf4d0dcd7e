#include "chartlib/format/number_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace ChartLib {

namespace {

using namespace Qt::StringLiterals;

// ---------------------------------------------------------------- parsing

enum class TokenKind : std::uint8_t { Placeholder, Comma, Point, Percent, Literal };

struct Token {
    TokenKind kind;
    QStringView text;  // what the token shows when it ends up as literal text
    qsizetype length;  // code units it spans in the format text
};

bool isPlaceholder(QChar c) {
    return c == u'0' || c == u'#';
}

// One token at `at`. A quote without its closing quote and a backslash at the very end
// cannot be read as quoting, so they come back as plain characters.
Token readToken(QStringView text, qsizetype at) {
    const QStringView here = text.sliced(at, 1);
    switch (here.front().unicode()) {
        case u'0':
        case u'#':
            return {TokenKind::Placeholder, here, 1};
        case u',':
            return {TokenKind::Comma, here, 1};
        case u'.':
            return {TokenKind::Point, here, 1};
        case u'%':
            return {TokenKind::Percent, here, 1};
        case u'\\':
            if (at + 1 < text.size()) {
                return {TokenKind::Literal, text.sliced(at + 1, 1), 2};
            }
            break;
        case u'"': {
            const qsizetype close = text.indexOf(u'"', at + 1);
            if (close > at) {
                return {TokenKind::Literal, text.sliced(at + 1, close - at - 1), close - at + 1};
            }
            break;
        }
        default:
            break;
    }
    return {TokenKind::Literal, here, 1};
}

// A one-way walk: prefix -> integer placeholders -> fraction placeholders -> suffix. Each
// token is either taken as format syntax by `accept` or, failing that, kept as literal text
// by `appendLiteral`: the single fallback of the interpreter.
class FormatParser {
public:
    explicit FormatParser(QStringView text) : text_(text) {}

    NumberFormat parse() {
        for (qsizetype at = 0; at < text_.size();) {
            const Token token = readToken(text_, at);
            at += token.length;
            if (!accept(token, at)) {
                appendLiteral(token.text);
            }
        }
        format_.general = place_ == Place::Prefix;
        if (format_.general) {
            // No placeholder: the general display, with its literal text after the number
            // so that "%" reads as in "50%".
            format_.suffix = std::exchange(format_.prefix, QString());
        }
        return format_;
    }

private:
    enum class Place : std::uint8_t { Prefix, Integer, Fraction, Suffix };

    // Caps that keep a format of 100,000 "0"s as cheap as a sane one: 340 integer places
    // hold the widest double (309 digits) with room to pad.
    static constexpr int kMaxIntegerDigits = 340;
    static constexpr int kMaxFractionDigits = 30;

    bool accept(const Token& token, qsizetype next) {
        const bool placeholderFollows = next < text_.size() && isPlaceholder(text_[next]);
        switch (token.kind) {
            case TokenKind::Placeholder:
                return takePlaceholder(token.text.front() == u'0');
            case TokenKind::Comma:
                if (place_ == Place::Integer && placeholderFollows) {
                    format_.grouping = true;
                    return true;
                }
                return false;
            case TokenKind::Point:
                if ((place_ == Place::Prefix || place_ == Place::Integer) && placeholderFollows) {
                    place_ = Place::Fraction;
                    return true;
                }
                return false;
            case TokenKind::Percent:
                format_.percent = true;
                return false;  // the sign itself stays where it stands, as literal text
            case TokenKind::Literal:
                return false;
        }
        return false;
    }

    bool takePlaceholder(bool zero) {
        if (place_ == Place::Prefix) {
            place_ = Place::Integer;
        }
        if (place_ == Place::Integer) {
            if (zero) {
                format_.minIntegerDigits =
                    std::min(format_.minIntegerDigits + 1, kMaxIntegerDigits);
            }
            return true;
        }
        if (place_ == Place::Fraction) {
            format_.maxFractionDigits = std::min(format_.maxFractionDigits + 1, kMaxFractionDigits);
            if (zero) {
                format_.minFractionDigits =
                    std::min(format_.minFractionDigits + 1, kMaxFractionDigits);
            }
            return true;
        }
        return false;
    }

    void appendLiteral(QStringView text) {
        if (place_ == Place::Prefix) {
            format_.prefix.append(text);
            return;
        }
        place_ = Place::Suffix;
        format_.suffix.append(text);
    }

    QStringView text_;
    Place place_ = Place::Prefix;
    NumberFormat format_;
};

// ---------------------------------------------------------------- fixed display

// A non-negative decimal as digit strings; an empty integer part means zero.
struct Decimal {
    std::string integer;
    std::string fraction;
};

// Fraction digits of the exact decimal expansion of a finite `magnitude`: a binary fraction
// with k bits after the point has exactly k decimal places.
int exactFractionDigits(double magnitude) {
    if (magnitude == 0) {
        return 0;
    }
    int exponent = 0;
    const double mantissa = std::frexp(magnitude, &exponent);
    const auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    const int lowestBit = exponent - 53 + std::countr_zero(bits);
    return std::max(0, -lowestBit);
}

// The exact value of a finite, non-negative double, no digit rounded away.
Decimal exactDecimal(double magnitude) {
    // Widest case: "0." and 1074 fraction digits of a denormal; a double with a fraction
    // has at most 16 integer digits, one without it at most 309.
    std::array<char, 1200> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                      std::chars_format::fixed, exactFractionDigits(magnitude));
    const std::string_view text(buffer.data(), error == std::errc() ? end - buffer.data() : 0);
    const std::size_t point = std::min(text.find('.'), text.size());
    Decimal decimal{std::string(text.substr(0, point)), std::string(text.substr(point))};
    if (!decimal.fraction.empty()) {
        decimal.fraction.erase(0, 1);
    }
    decimal.integer.erase(0, decimal.integer.find_first_not_of('0'));
    return decimal;
}

// Times 100 as a shift of the decimal point, so that no binary product blurs the digits
// that decide the rounding (0.145 is really 0.14499..., and shows as 14%).
void shiftTwoPlaces(Decimal& decimal) {
    decimal.fraction.resize(std::max<std::size_t>(decimal.fraction.size(), 2), '0');
    decimal.integer.append(decimal.fraction, 0, 2);
    decimal.fraction.erase(0, 2);
    decimal.integer.erase(0, decimal.integer.find_first_not_of('0'));
}

// Adds one unit in the last kept place; a carry out of the top makes a new leading "1".
void incrementLastPlace(Decimal& decimal) {
    for (std::string* digits : {&decimal.fraction, &decimal.integer}) {
        for (auto digit = digits->rbegin(); digit != digits->rend(); ++digit) {
            if (*digit != '9') {
                ++*digit;
                return;
            }
            *digit = '0';
        }
    }
    decimal.integer.insert(0, 1, '1');
}

// Keeps `places` fraction digits, halves away from zero: the magnitude goes up whenever
// the first dropped digit is 5 or more, since the digits are exact.
void roundToPlaces(Decimal& decimal, int places) {
    const auto kept = static_cast<std::size_t>(places);
    if (decimal.fraction.size() <= kept) {
        return;
    }
    const bool up = decimal.fraction[kept] >= '5';
    decimal.fraction.resize(kept);
    if (up) {
        incrementLastPlace(decimal);
    }
}

void fitFraction(std::string& fraction, int minDigits) {
    const auto min = static_cast<std::size_t>(minDigits);
    while (fraction.size() > min && fraction.back() == '0') {
        fraction.pop_back();
    }
    fraction.resize(std::max(fraction.size(), min), '0');
}

std::string groupThousands(const std::string& digits) {
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

bool hasNonZeroDigit(const Decimal& decimal) {
    const auto nonZero = [](char digit) { return digit != '0'; };
    return std::ranges::any_of(decimal.integer, nonZero) ||
           std::ranges::any_of(decimal.fraction, nonZero);
}

// The digits of |value| laid out by the placeholders; `shownNonZero` tells whether a sign
// belongs in front (a value that rounds to zero drops it).
std::string fixedDigits(double magnitude, const NumberFormat& format, bool& shownNonZero) {
    Decimal decimal = exactDecimal(magnitude);
    if (format.percent) {
        shiftTwoPlaces(decimal);
    }
    roundToPlaces(decimal, format.maxFractionDigits);
    fitFraction(decimal.fraction, format.minFractionDigits);
    shownNonZero = hasNonZeroDigit(decimal);
    const auto minInteger = static_cast<std::size_t>(format.minIntegerDigits);
    if (decimal.integer.size() < minInteger) {
        decimal.integer.insert(0, minInteger - decimal.integer.size(), '0');
    }
    std::string text = format.grouping ? groupThousands(decimal.integer) : decimal.integer;
    if (!decimal.fraction.empty()) {
        text += '.';
        text += decimal.fraction;
    }
    return text;
}

// ---------------------------------------------------------------- general display

// The shortest digits that read back to `magnitude` (finite, non-zero) and the power of ten
// of the first one: 1234.5 gives "12345" and 3.
std::pair<std::string, int> shortestDigits(double magnitude) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                   std::chars_format::scientific)
                         .ptr;
    const std::string_view text(buffer.data(), end - buffer.data());
    const std::size_t e = text.find('e');
    std::string digits;
    for (const char c : text.substr(0, e)) {
        if (c != '.') {
            digits += c;
        }
    }
    int exponent = 0;
    const std::string_view power = text.substr(e + 1);
    const std::size_t skip = power.front() == '+' ? 1 : 0;
    std::from_chars(power.data() + skip, power.data() + power.size(), exponent);
    return {digits, exponent};
}

// Lays out shortest digits the way JavaScript shows numbers: plain notation from 1e-7 up
// to 1e21, exponent notation ("1e+21", "1.5e-7") outside that range.
std::string generalDigits(double magnitude, bool percent) {
    if (magnitude == 0) {
        return "0";
    }
    auto [digits, exponent] = shortestDigits(magnitude);
    const int count = static_cast<int>(digits.size());
    const int point = exponent + (percent ? 2 : 0) + 1;  // digits before the decimal point
    if (point >= count && point <= 21) {
        return digits + std::string(static_cast<std::size_t>(point - count), '0');
    }
    if (point > 0 && point <= 21) {
        return digits.substr(0, point) + '.' + digits.substr(point);
    }
    if (point > -6 && point <= 0) {
        return "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    }
    const int shown = point - 1;
    std::string text = digits.substr(0, 1);
    if (count > 1) {
        text += '.' + digits.substr(1);
    }
    return text + (shown < 0 ? "e-" : "e+") + std::to_string(std::abs(shown));
}

// Digits of a non-finite magnitude, which no placeholder changes.
std::string nonFiniteDigits(double value) {
    return std::isnan(value) ? "NaN" : "Infinity";
}

}  // namespace

NumberFormat parseNumberFormat(const QString& text) {
    return FormatParser(text).parse();
}

QString formatNumber(double value, const NumberFormat& format) {
    const double magnitude = std::abs(value);
    bool shownNonZero = !std::isnan(value) && magnitude != 0;
    std::string digits;
    if (!std::isfinite(value)) {
        digits = nonFiniteDigits(value);
    } else if (format.general) {
        digits = generalDigits(magnitude, format.percent);
    } else {
        digits = fixedDigits(magnitude, format, shownNonZero);
    }
    // The sign leads the whole text, literal prefix included, as in "-$5".
    const bool negative = std::signbit(value) && shownNonZero;
    return (negative ? u"-"_s : QString()) + format.prefix + QString::fromLatin1(digits) +
           format.suffix;
}

}  // namespace ChartLib
