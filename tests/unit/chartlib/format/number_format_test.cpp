#include "chartlib/format/number_format.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace ChartLib {
namespace {

// ---------------------------------------------------------------- parse results

struct ParseCase {
    const char* name;
    QString text;
    NumberFormat expected;
};

NumberFormat fixedFormat(int minInteger, int minFraction, int maxFraction, bool grouping,
                         bool percent, QString prefix = {}, QString suffix = {}) {
    NumberFormat format;
    format.prefix = std::move(prefix);
    format.suffix = std::move(suffix);
    format.minIntegerDigits = minInteger;
    format.minFractionDigits = minFraction;
    format.maxFractionDigits = maxFraction;
    format.grouping = grouping;
    format.percent = percent;
    format.general = false;
    return format;
}

NumberFormat generalFormat(QString suffix, bool percent = false) {
    NumberFormat format;
    format.suffix = std::move(suffix);
    format.percent = percent;
    return format;
}

void expectSameFormat(const NumberFormat& actual, const NumberFormat& expected) {
    EXPECT_EQ(actual.prefix, expected.prefix);
    EXPECT_EQ(actual.suffix, expected.suffix);
    EXPECT_EQ(actual.minIntegerDigits, expected.minIntegerDigits);
    EXPECT_EQ(actual.minFractionDigits, expected.minFractionDigits);
    EXPECT_EQ(actual.maxFractionDigits, expected.maxFractionDigits);
    EXPECT_EQ(actual.grouping, expected.grouping);
    EXPECT_EQ(actual.percent, expected.percent);
    EXPECT_EQ(actual.general, expected.general);
}

TEST(ParseNumberFormat, ReadsPlaceholdersGroupingPercentAndLiterals) {
    const QString loneHigh(QChar(0xD800));
    const ParseCase cases[] = {
        {"empty is general", u""_s, generalFormat({})},
        {"text only is general, text after the number", u"abc"_s, generalFormat(u"abc"_s)},
        {"percent alone scales the general display", u"%"_s, generalFormat(u"%"_s, true)},
        {"value axis", u"#,###"_s, fixedFormat(0, 0, 0, true, false)},
        {"pie share", u"0%"_s, fixedFormat(1, 0, 0, false, true, {}, u"%"_s)},
        {"two decimals", u"0.00"_s, fixedFormat(1, 2, 2, false, false)},
        {"optional decimals", u"#,##0.0#"_s, fixedFormat(1, 1, 2, true, false)},
        {"fraction only", u".00"_s, fixedFormat(0, 2, 2, false, false)},
        {"padded integer", u"000"_s, fixedFormat(3, 0, 0, false, false)},
        {"quoted prefix", u"\"x\"0"_s, fixedFormat(1, 0, 0, false, false, u"x"_s)},
        {"quoted placeholders are text", u"\"#0%\"0"_s,
         fixedFormat(1, 0, 0, false, false, u"#0%"_s)},
        {"backslash escapes", u"\\#0\\%"_s, fixedFormat(1, 0, 0, false, false, u"#"_s, u"%"_s)},
        {"unclosed quote is a plain character", u"\"ab0"_s,
         fixedFormat(1, 0, 0, false, false, u"\"ab"_s)},
        {"trailing backslash is a plain character", u"0\\"_s,
         fixedFormat(1, 0, 0, false, false, {}, u"\\"_s)},
        {"unit suffix", u"#,##0 units"_s, fixedFormat(1, 0, 0, true, false, {}, u" units"_s)},
        {"point without fraction digit is text", u"0."_s,
         fixedFormat(1, 0, 0, false, false, {}, u"."_s)},
        {"comma without following digit is text", u"0,"_s,
         fixedFormat(1, 0, 0, false, false, {}, u","_s)},
        {"placeholders after the suffix are text", u"0 to 0"_s,
         fixedFormat(1, 0, 0, false, false, {}, u" to 0"_s)},
        {"percent in the prefix", u"%0"_s, fixedFormat(1, 0, 0, false, true, u"%"_s)},
        {"garbage", u"%%,,..##"_s, fixedFormat(0, 0, 2, false, true, u"%%,,."_s)},
        {"unpaired surrogate kept as text", loneHigh + u"0"_s + loneHigh,
         fixedFormat(1, 0, 0, false, false, loneHigh, loneHigh)},
        {"10,000 hashes", QString(10000, u'#'), fixedFormat(0, 0, 0, false, false)},
        {"100,000 zeros capped", QString(100000, u'0'), fixedFormat(340, 0, 0, false, false)},
        {"100,000 fraction zeros capped", u"0."_s + QString(100000, u'0'),
         fixedFormat(1, 30, 30, false, false)},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        expectSameFormat(parseNumberFormat(c.text), c.expected);
    }
}

// ---------------------------------------------------------------- outputs

struct OutputCase {
    const char* name;
    QString format;
    double value;
    QString expected;
};

void expectOutputs(const OutputCase* begin, const OutputCase* end) {
    for (const OutputCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(c->name);
        EXPECT_EQ(formatNumber(c->value, parseNumberFormat(c->format)), c->expected);
    }
}

TEST(FormatNumber, ValueAxisFormat) {
    const OutputCase cases[] = {
        {"zero is blank", u"#,###"_s, 0, u""_s},
        {"one", u"#,###"_s, 1, u"1"_s},
        {"three digits", u"#,###"_s, 999, u"999"_s},
        {"first group", u"#,###"_s, 1000, u"1,000"_s},
        {"millions", u"#,###"_s, 1234567, u"1,234,567"_s},
        {"negative half rounds away", u"#,###"_s, -1234.5, u"-1,235"_s},
        {"half rounds up", u"#,###"_s, 0.5, u"1"_s},
        {"negative below half is blank, no sign", u"#,###"_s, -0.4, u""_s},
        {"positive below half is blank", u"#,###"_s, 0.4, u""_s},
        {"1e15", u"#,###"_s, 1e15, u"1,000,000,000,000,000"_s},
        {"negative zero", u"#,###"_s, -0.0, u""_s},
    };
    expectOutputs(std::begin(cases), std::end(cases));
}

TEST(FormatNumber, PieShareFormat) {
    const OutputCase cases[] = {
        {"zero", u"0%"_s, 0, u"0%"_s},
        {"below half a percent", u"0%"_s, 0.004, u"0%"_s},
        {"half a percent rounds up", u"0%"_s, 0.005, u"1%"_s},
        {"half", u"0%"_s, 0.5, u"50%"_s},
        {"whole", u"0%"_s, 1, u"100%"_s},
        {"exact half of a percent rounds away", u"0%"_s, 0.125, u"13%"_s},
        // 0.145 is stored as 0.14499999999999999...: the exact value decides.
        {"stored just below a half", u"0%"_s, 0.145, u"14%"_s},
        {"stored just above a half", u"0%"_s, 0.165, u"17%"_s},
        {"another stored just below", u"0%"_s, 0.155, u"15%"_s},
        {"one third", u"0%"_s, 1.0 / 3, u"33%"_s},
        {"negative tiny share drops the sign", u"0%"_s, -0.001, u"0%"_s},
        {"percent with decimals", u"0.0%"_s, 0.12345, u"12.3%"_s},
    };
    expectOutputs(std::begin(cases), std::end(cases));
}

TEST(FormatNumber, PlaceholdersRoundingAndLiterals) {
    const OutputCase cases[] = {
        {"two decimals", u"0.00"_s, 3.14159, u"3.14"_s},
        {"two decimals padded", u"0.00"_s, 3, u"3.00"_s},
        {"stored below a half at the second place", u"0.00"_s, 1.005, u"1.00"_s},
        {"stored below a half before nines", u"0.00"_s, 9.995, u"9.99"_s},
        {"carry through nines", u"0.00"_s, 9.999, u"10.00"_s},
        {"carry into a new group", u"#,##0.0"_s, 999999.96, u"1,000,000.0"_s},
        {"grouped with a decimal", u"#,##0.0"_s, -1234.56, u"-1,234.6"_s},
        {"half to odd", u"0"_s, 2.5, u"3"_s},
        {"half to even", u"0"_s, 3.5, u"4"_s},
        {"negative half", u"0"_s, -2.5, u"-3"_s},
        {"padded integer", u"000"_s, 7, u"007"_s},
        {"quoted prefix", u"\"x\"0"_s, 5, u"x5"_s},
        {"sign before the prefix", u"\"x\"0"_s, -5, u"-x5"_s},
        {"optional decimals trimmed", u"0.0#"_s, 2.5, u"2.5"_s},
        {"optional decimals kept", u"0.0#"_s, 2.125, u"2.13"_s},
        {"hash integer with zero", u"#.00"_s, 0.5, u".50"_s},
        {"integer digits beyond placeholders", u"#"_s, 12345, u"12345"_s},
        {"unit suffix", u"#,##0 units"_s, 1234, u"1,234 units"_s},
        {"negative rounds to zero with decimals", u"0.00"_s, -0.001, u"0.00"_s},
        {"denormal", u"0.00"_s, std::numeric_limits<double>::denorm_min(), u"0.00"_s},
        {"negative denormal drops the sign", u"0"_s, -std::numeric_limits<double>::denorm_min(),
         u"0"_s},
    };
    expectOutputs(std::begin(cases), std::end(cases));
}

TEST(FormatNumber, GeneralDisplayIsShortestRoundTrip) {
    const OutputCase cases[] = {
        {"integer", u""_s, 1234, u"1234"_s},
        {"fraction", u""_s, 1234.5, u"1234.5"_s},
        {"not rounded", u""_s, 0.1 + 0.2, u"0.30000000000000004"_s},
        {"large plain", u""_s, 1e20, u"100000000000000000000"_s},
        {"exponent from 1e21", u""_s, 1e21, u"1e+21"_s},
        {"small plain", u""_s, 0.000001, u"0.000001"_s},
        {"small exponent", u""_s, 1.5e-7, u"1.5e-7"_s},
        {"denormal", u""_s, std::numeric_limits<double>::denorm_min(), u"5e-324"_s},
        {"negative", u""_s, -2.5, u"-2.5"_s},
        {"negative zero", u""_s, -0.0, u"0"_s},
        {"literal text kept", u"abc"_s, 5, u"5abc"_s},
        {"percent shifts the shortest digits", u"%"_s, 0.145, u"14.5%"_s},
    };
    expectOutputs(std::begin(cases), std::end(cases));
}

TEST(FormatNumber, NonFiniteValuesKeepLiteralText) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const OutputCase cases[] = {
        {"nan", u"#,###"_s, nan, u"NaN"_s},
        {"negative nan has no sign", u"#,###"_s, -nan, u"NaN"_s},
        {"infinity", u"#,###"_s, inf, u"Infinity"_s},
        {"negative infinity", u"#,###"_s, -inf, u"-Infinity"_s},
        {"percent infinity", u"0%"_s, inf, u"Infinity%"_s},
        {"general nan", u""_s, nan, u"NaN"_s},
        {"prefix and suffix", u"\"<\"0\">\""_s, -inf, u"-<Infinity>"_s},
    };
    expectOutputs(std::begin(cases), std::end(cases));
}

TEST(FormatNumber, HugeValuesShowEveryDigit) {
    const QString text = formatNumber(1e308, parseNumberFormat(u"#,###"_s));
    // 1e308 is stored as 100000000000000001097906362944045541...223118336 (309 digits).
    EXPECT_EQ(text.size(), 309 + 102);
    EXPECT_TRUE(text.startsWith(u"100,000,000,000,000,001,097,906,362,944,045,541"_s))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(u",223,118,336"_s)) << text.toStdString();

    const QString padded = formatNumber(1, parseNumberFormat(QString(100000, u'0')));
    EXPECT_EQ(padded, QString(339, u'0') + u"1"_s);

    const QString percent =
        formatNumber(std::numeric_limits<double>::max(), parseNumberFormat(u"0%"_s));
    EXPECT_EQ(percent.size(), 311 + 1);  // 311 digits and "%"
    EXPECT_TRUE(percent.startsWith(u"1797693134862315708145274237317043567980"_s));
    EXPECT_TRUE(percent.endsWith(u"485836800%"_s));
}

TEST(FormatNumber, ManyFractionPlacesAreExactDigits) {
    // 0.1 is 0.1000000000000000055511151231257827...: 30 places show the stored value.
    const QString text = formatNumber(0.1, parseNumberFormat(u"0."_s + QString(100000, u'0')));
    EXPECT_EQ(text, u"0.100000000000000005551115123126"_s);
}

}  // namespace
}  // namespace ChartLib
