#include "runtime/IntegerText.h"

#include "runtime/Exceptions.h"
#include "support/QStringPrinter.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

std::string RowName(const char* name) {
    return name;
}

struct AcceptedCase {
    const char* name;
    QString text;
    std::int32_t expected;
};

class StrToIntAccepts : public testing::TestWithParam<AcceptedCase> {};

TEST_P(StrToIntAccepts, GivesValue) {
    EXPECT_EQ(StrToInt(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, StrToIntAccepts,
    testing::Values(AcceptedCase{"Zero", QStringLiteral("0"), 0},
                    AcceptedCase{"MinusZero", QStringLiteral("-0"), 0},
                    AcceptedCase{"PlusZero", QStringLiteral("+0"), 0},
                    AcceptedCase{"Ten", QStringLiteral("10"), 10},
                    AcceptedCase{"LeadingBlanks", QStringLiteral("  10"), 10},
                    AcceptedCase{"PlusSign", QStringLiteral("+10"), 10},
                    AcceptedCase{"LeadingZero", QStringLiteral("010"), 10},
                    AcceptedCase{"BlanksThenMinus", QStringLiteral("   -5"), -5},
                    AcceptedCase{"ManyLeadingZeros", QStringLiteral("00000000000000000000042"), 42},
                    AcceptedCase{"Largest", QStringLiteral("2147483647"), kMax},
                    AcceptedCase{"Smallest", QStringLiteral("-2147483648"), kMin},
                    AcceptedCase{"SmallestWithZeros", QStringLiteral("-00000000002147483648"),
                                 kMin},
                    AcceptedCase{"LargestWithPlus", QStringLiteral("+2147483647"), kMax},
                    AcceptedCase{"NineDigits", QStringLiteral("999999999"), 999999999}),
    [](const auto& info) { return RowName(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, StrToIntAccepts,
    testing::Values(AcceptedCase{"Dollar", QStringLiteral("$A"), 10},
                    AcceptedCase{"LowerX", QStringLiteral("x0a"), 10},
                    AcceptedCase{"ZeroLowerX", QStringLiteral("0x0A"), 10},
                    AcceptedCase{"UpperX", QStringLiteral("X0A"), 10},
                    AcceptedCase{"ZeroUpperX", QStringLiteral("0X0a"), 10},
                    AcceptedCase{"MixedCase", QStringLiteral("$aBcDeF"), 0xABCDEF},
                    AcceptedCase{"AllOnesIsMinusOne", QStringLiteral("$FFFFFFFF"), -1},
                    AcceptedCase{"LeadingZerosDoNotCount", QStringLiteral("$00000000FF"), 255},
                    AcceptedCase{"ZerosThenEightDigits", QStringLiteral("0x0000000012345678"),
                                 0x12345678},
                    AcceptedCase{"OnlyZeros", QStringLiteral("$0000000000000"), 0},
                    AcceptedCase{"HighBitIsSmallest", QStringLiteral("$80000000"), kMin},
                    AcceptedCase{"LargestPositive", QStringLiteral("$7FFFFFFF"), kMax},
                    AcceptedCase{"NegatedHighBit", QStringLiteral("-$80000000"), kMin},
                    AcceptedCase{"NegatedAllOnes", QStringLiteral("-$FFFFFFFF"), 1},
                    AcceptedCase{"NegatedSmall", QStringLiteral("-0x10"), -16},
                    AcceptedCase{"PlusBeforePrefix", QStringLiteral("+x1f"), 31},
                    AcceptedCase{"BlanksBeforeHex", QStringLiteral("  $ff"), 255},
                    AcceptedCase{"ZeroAfterPrefix", QStringLiteral("0x0"), 0}),
    [](const auto& info) { return RowName(info.param.name); });

struct RejectedCase {
    const char* name;
    QString text;
};

class StrToIntRejects : public testing::TestWithParam<RejectedCase> {};

// The message quotes the whole text, leading blanks included, between doubled apostrophes.
TEST_P(StrToIntRejects, ThrowsConvertErrorQuotingText) {
    const QString& text = GetParam().text;
    try {
        const std::int32_t value = StrToInt(text);
        ADD_FAILURE() << "accepted with value " << value;
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral("''") + text + QStringLiteral("'' is not a valid integer value"));
        EXPECT_EQ(error.ClassName(), QStringLiteral("EConvertError"));
    }
}

INSTANTIATE_TEST_SUITE_P(Malformed, StrToIntRejects,
                         testing::Values(RejectedCase{"Empty", QString()},
                                         RejectedCase{"BlanksAlone", QStringLiteral("   ")},
                                         RejectedCase{"TrailingBlank", QStringLiteral("10 ")},
                                         RejectedCase{"BlankAfterSign", QStringLiteral("- 10")},
                                         RejectedCase{"BlankInside", QStringLiteral("1 0")},
                                         RejectedCase{"SignAlone", QStringLiteral("-")},
                                         RejectedCase{"PlusAlone", QStringLiteral(" +")},
                                         RejectedCase{"PlusMinus", QStringLiteral("+-1")},
                                         RejectedCase{"DoubleMinus", QStringLiteral("--1")},
                                         RejectedCase{"DoublePlus", QStringLiteral("++1")},
                                         RejectedCase{"LetterAfterDigits", QStringLiteral("1a")},
                                         RejectedCase{"Letters", QStringLiteral("abc")},
                                         RejectedCase{"GroupSeparator", QStringLiteral("1,000")},
                                         RejectedCase{"DecimalPoint", QStringLiteral("1.0")},
                                         RejectedCase{"Exponent", QStringLiteral("1e3")},
                                         RejectedCase{"LeadingTab", QStringLiteral(" \t1")},
                                         RejectedCase{"TrailingTab", QStringLiteral("1\t")},
                                         RejectedCase{"NoBreakSpace", QStringLiteral("\u00A01")},
                                         RejectedCase{"EmbeddedNul",
                                                      QString(QStringLiteral("1\0"))},
                                         RejectedCase{"NulAlone", QString(1, QChar(u'\0'))},
                                         RejectedCase{"ArabicIndicDigit", QStringLiteral("\u0663")},
                                         RejectedCase{"FullwidthDigit", QStringLiteral("\uFF11")},
                                         RejectedCase{"SuperscriptDigit", QStringLiteral("\u00B9")},
                                         RejectedCase{"BinaryPrefix", QStringLiteral("0b1")}),
                         [](const auto& info) { return RowName(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, StrToIntRejects,
    testing::Values(RejectedCase{"OneAboveLargest", QStringLiteral("2147483648")},
                    RejectedCase{"OneBelowSmallest", QStringLiteral("-2147483649")},
                    RejectedCase{"PlusOneAboveLargest", QStringLiteral("+2147483648")},
                    RejectedCase{"UnsignedMaximum", QStringLiteral("4294967295")},
                    RejectedCase{"TwoToThe32", QStringLiteral("4294967296")},
                    RejectedCase{"TwoToThe32PlusTen", QStringLiteral("4294967306")},
                    RejectedCase{"ElevenDigits", QStringLiteral("12345678901")},
                    RejectedCase{"LongDigitString", QString(400, QChar(u'9'))},
                    RejectedCase{"LongNegative", QStringLiteral("-99999999999999999999999")}),
    [](const auto& info) { return RowName(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    BadHexadecimal, StrToIntRejects,
    testing::Values(RejectedCase{"DollarAlone", QStringLiteral("$")},
                    RejectedCase{"ZeroXAlone", QStringLiteral("0x")},
                    RejectedCase{"XAlone", QStringLiteral("x")},
                    RejectedCase{"UpperXAlone", QStringLiteral("0X")},
                    RejectedCase{"MinusDollar", QStringLiteral("-$")},
                    RejectedCase{"PlusZeroX", QStringLiteral("+0x")},
                    RejectedCase{"NineDigits", QStringLiteral("$123456789")},
                    RejectedCase{"NegativeNineDigits", QStringLiteral("-$123456789")},
                    RejectedCase{"NineDigitsAfterZeros", QStringLiteral("0x00100000000")},
                    RejectedCase{"NotAHexDigit", QStringLiteral("0x1g")},
                    RejectedCase{"SignAfterPrefix", QStringLiteral("$-1")},
                    RejectedCase{"SignAfterZeroX", QStringLiteral("0x-1")},
                    RejectedCase{"DoublePrefix", QStringLiteral("0xx1")},
                    RejectedCase{"DoubleDollar", QStringLiteral("$$1")},
                    RejectedCase{"XThenDollar", QStringLiteral("x$1")},
                    RejectedCase{"ZeroZeroX", QStringLiteral("00x1")},
                    RejectedCase{"BlankAfterPrefix", QStringLiteral("0x 1")},
                    RejectedCase{"TrailingH", QStringLiteral("10h")},
                    RejectedCase{"FullwidthHexDigit", QStringLiteral("$\uFF21")}),
    [](const auto& info) { return RowName(info.param.name); });

// Spelled out once in full so the wording itself is pinned down, not just its construction.
TEST(StrToIntMessage, ReadsAsShown) {
    try {
        StrToInt(QStringLiteral("abc"));
        FAIL() << "accepted";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("''abc'' is not a valid integer value"));
        EXPECT_STREQ(error.what(), "''abc'' is not a valid integer value");
    }
}

TEST(StrToIntMessage, KeepsLeadingBlanks) {
    try {
        StrToInt(QStringLiteral("  12x"));
        FAIL() << "accepted";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("''  12x'' is not a valid integer value"));
    }
}

TEST(StrToIntMessage, IsCaughtAsBaseException) {
    EXPECT_THROW(StrToInt(QStringLiteral("2147483648")), Exception);
}

} // namespace
