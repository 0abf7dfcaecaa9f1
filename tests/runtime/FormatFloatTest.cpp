#include "runtime/NumberFormat.h"

#include "runtime/Exceptions.h"
#include "support/QStringPrinter.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

enum class Lang { English, German };

QLocale LocaleOf(Lang lang) {
    return lang == Lang::German ? QLocale(QLocale::German, QLocale::Germany)
                                : QLocale(QLocale::English, QLocale::UnitedStates);
}

const char* const kChart = "#,##0.###";

struct FormatCase {
    const char* name;
    const char* format;
    double value;
    Lang lang;
    const char* expected;
};

class FormatFloatGives : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatFloatGives, ExpectedText) {
    const FormatCase& row = GetParam();
    EXPECT_EQ(FormatFloat(QString::fromLatin1(row.format), row.value, LocaleOf(row.lang)),
              QString::fromLatin1(row.expected));
}

std::string RowName(const testing::TestParamInfo<FormatCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    ChartEnglish, FormatFloatGives,
    testing::Values(
        FormatCase{"Thousands", kChart, 4750, Lang::English, "4,750"},
        FormatCase{"OtherThousands", kChart, 1250, Lang::English, "1,250"},
        FormatCase{"Zero", kChart, 0, Lang::English, "0"},
        FormatCase{"NegativeZero", kChart, -0.0, Lang::English, "0"},
        FormatCase{"Negative", kChart, -150, Lang::English, "-150"},
        FormatCase{"OneDecimal", kChart, 1234.5, Lang::English, "1,234.5"},
        FormatCase{"BelowHalfUnit", kChart, 0.0004, Lang::English, "0"},
        FormatCase{"NegativeBelowHalfUnit", kChart, -0.0004, Lang::English, "0"},
        FormatCase{"HalfUnitRoundsUp", kChart, 0.0005, Lang::English, "0.001"},
        FormatCase{"NegativeHalfUnitRoundsAway", kChart, -0.0005, Lang::English, "-0.001"},
        FormatCase{"Millions", kChart, 1234567.8915, Lang::English, "1,234,567.892"},
        FormatCase{"StoredBelowHalf", kChart, 1.0005, Lang::English, "1.001"},
        FormatCase{"ThreeDecimalsKept", kChart, 2.675, Lang::English, "2.675"},
        FormatCase{"TrailingZerosDropped", kChart, 2.5, Lang::English, "2.5"},
        FormatCase{"ArithmeticNoise", kChart, 0.1 + 0.2, Lang::English, "0.3"},
        FormatCase{"CarryIntoNewGroup", kChart, 999.9995, Lang::English, "1,000"},
        FormatCase{"CarryThroughGroups", kChart, 999999.9996, Lang::English, "1,000,000"},
        FormatCase{"NoGroupBelowThousand", kChart, 999, Lang::English, "999"},
        FormatCase{"ExactThousand", kChart, 1000, Lang::English, "1,000"},
        FormatCase{"NegativeMillion", kChart, -1000000, Lang::English, "-1,000,000"},
        FormatCase{"SmallFraction", kChart, 0.125, Lang::English, "0.125"},
        FormatCase{"Quadrillion", kChart, 1e15, Lang::English, "1,000,000,000,000,000"},
        FormatCase{"Denormal", kChart, std::numeric_limits<double>::denorm_min(), Lang::English,
                   "0"}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    ChartGerman, FormatFloatGives,
    testing::Values(FormatCase{"Thousands", kChart, 4750, Lang::German, "4.750"},
                    FormatCase{"OneDecimal", kChart, 1234.5, Lang::German, "1.234,5"},
                    FormatCase{"NegativeMillions", kChart, -1234567.8915, Lang::German,
                               "-1.234.567,892"},
                    FormatCase{"Fraction", kChart, 0.25, Lang::German, "0,25"},
                    FormatCase{"Zero", kChart, 0, Lang::German, "0"},
                    FormatCase{"Negative", kChart, -150, Lang::German, "-150"}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    OtherPatterns, FormatFloatGives,
    testing::Values(FormatCase{"FixedDecimals", "0.00", 1, Lang::English, "1.00"},
                    FormatCase{"FixedHalfAwayFromZero", "0.00", 2.675, Lang::English, "2.68"},
                    FormatCase{"FixedNegativeHalf", "0.00", -2.675, Lang::English, "-2.68"},
                    FormatCase{"IntegerHalfUp", "#,##0", 0.5, Lang::English, "1"},
                    FormatCase{"IntegerNegativeHalf", "#,##0", -0.5, Lang::English, "-1"},
                    FormatCase{"HalfNotToEven", "0", 2.5, Lang::English, "3"},
                    FormatCase{"OddHalf", "0", 1.5, Lang::English, "2"},
                    FormatCase{"MinimumIntegerDigits", "000", 7, Lang::English, "007"},
                    FormatCase{"NoGroupFlag", "0", 1234567, Lang::English, "1234567"},
                    FormatCase{"GroupFlagAnywhere", "#0,0", 1234567, Lang::English, "1,234,567"},
                    FormatCase{"NoIntegerDigits", "#.##", 0.5, Lang::English, ".5"},
                    FormatCase{"MixedDecimals", "#,##0.00#", 1.5, Lang::English, "1.50"},
                    FormatCase{"MixedDecimalsRounded", "#,##0.00#", 1.2345, Lang::English, "1.235"},
                    FormatCase{"BarePointDropped", "0.", 12.4, Lang::English, "12"},
                    FormatCase{"ManyDecimals", "0.##########", 0.1, Lang::English, "0.1"},
                    FormatCase{"FixedDecimalsGerman", "0.00", -0.5, Lang::German, "-0,50"}),
    RowName);

TEST(FormatFloatHuge, KeepsEveryDigit) {
    const QString text = FormatFloat(QString::fromLatin1(kChart), 1e300,
                                     QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(text, QStringLiteral("1") + QStringLiteral(",000").repeated(100));
}

TEST(FormatFloatHuge, LargestNegativeDouble) {
    const QString text =
        FormatFloat(QString::fromLatin1(kChart), -std::numeric_limits<double>::max(),
                    QLocale(QLocale::German, QLocale::Germany));
    // 309 digits in 103 groups: the seventeen significant digits, then zeros.
    EXPECT_TRUE(text.startsWith(QStringLiteral("-179.769.313.486.231.570.000.")))
        << text.toStdString();
    EXPECT_EQ(text.size(), 1 + 309 + 102);
    EXPECT_EQ(text.count(QLatin1Char('.')), 102);
}

// Every digit a double holds is shown, not just the fifteen that survive any arithmetic.
TEST(FormatFloatPrecision, KeepsSixteenAndSeventeenDigits) {
    const QString format = QString::fromLatin1(kChart);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(FormatFloat(format, 9007199254740992.0, english),
              QStringLiteral("9,007,199,254,740,992"));
    EXPECT_EQ(FormatFloat(format, 123456789012345.67, english),
              QStringLiteral("123,456,789,012,345.67"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.################"), 1.0000000000000002, english),
              QStringLiteral("1.0000000000000002"));
}

TEST(FormatFloatNonFinite, NotANumberAndInfinities) {
    const QString format = QString::fromLatin1(kChart);
    EXPECT_EQ(FormatFloat(format, std::numeric_limits<double>::quiet_NaN()), QStringLiteral("NaN"));
    EXPECT_EQ(FormatFloat(format, std::numeric_limits<double>::infinity()), QStringLiteral("INF"));
    EXPECT_EQ(FormatFloat(format, -std::numeric_limits<double>::infinity()),
              QStringLiteral("-INF"));
}

TEST(FormatFloatLocale, UsesDefaultLocaleWhenNoneGiven) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = FormatFloat(QString::fromLatin1(kChart), 1234.5);
    QLocale::setDefault(saved);
    EXPECT_EQ(text, QStringLiteral("1.234,5"));
}

struct BadFormatCase {
    const char* name;
    const char* format;
};

class FormatFloatRefuses : public testing::TestWithParam<BadFormatCase> {};

TEST_P(FormatFloatRefuses, ThrowsConvertErrorNamingFormat) {
    const QString format = QString::fromLatin1(GetParam().format);
    try {
        const QString text = FormatFloat(format, 1234.5);
        ADD_FAILURE() << "formatted as " << text.toStdString();
    } catch (const EConvertError& error) {
        EXPECT_TRUE(error.Message().contains(QLatin1Char('\'') + format + QLatin1Char('\'')))
            << error.Message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Unsupported, FormatFloatRefuses,
    testing::Values(BadFormatCase{"Empty", ""}, BadFormatCase{"PointOnly", "."},
                    BadFormatCase{"CommaOnly", ","}, BadFormatCase{"Letters", "abc"},
                    BadFormatCase{"Sections", "#,##0.###;(#,##0.###)"},
                    BadFormatCase{"Exponent", "0.00E+00"}, BadFormatCase{"HashAfterZero", "0#"},
                    BadFormatCase{"ZeroAfterHashDecimal", "#.#0"},
                    BadFormatCase{"TwoPoints", "0.0.0"}, BadFormatCase{"CommaInDecimals", "0.0,0"},
                    BadFormatCase{"Currency", "$#,##0"}, BadFormatCase{"Unit", "#,##0 kg"},
                    BadFormatCase{"Percent", "0%"}),
    [](const testing::TestParamInfo<BadFormatCase>& info) { return std::string(info.param.name); });

} // namespace
