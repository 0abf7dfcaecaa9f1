#include "runtime/IntegerText.h"

#include "support/QStringPrinter.h"

#include <QLocale>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct IntToStrCase {
    const char* name;
    std::int32_t value;
    const char* expected;
};

class IntToStrFormats : public testing::TestWithParam<IntToStrCase> {};

TEST_P(IntToStrFormats, GivesPlainDecimal) {
    EXPECT_EQ(IntToStr(GetParam().value), QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    IntToStr, IntToStrFormats,
    testing::Values(IntToStrCase{"Zero", 0, "0"}, IntToStrCase{"One", 1, "1"},
                    IntToStrCase{"MinusOne", -1, "-1"}, IntToStrCase{"Nine", 9, "9"},
                    IntToStrCase{"Ten", 10, "10"}, IntToStrCase{"MinusTen", -10, "-10"},
                    IntToStrCase{"Hundred", 100, "100"},
                    IntToStrCase{"MillionUngrouped", 1000000, "1000000"},
                    IntToStrCase{"NegativeUngrouped", -1234567, "-1234567"},
                    IntToStrCase{"Largest", kMax, "2147483647"},
                    IntToStrCase{"Smallest", kMin, "-2147483648"},
                    IntToStrCase{"OneAboveSmallest", kMin + 1, "-2147483647"}),
    [](const testing::TestParamInfo<IntToStrCase>& info) { return std::string(info.param.name); });

// Integers are stored and shown the same way whatever the user's locale.
TEST(IntToStrLocale, IgnoresDefaultLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString grouped = IntToStr(1234567);
    const QString negative = IntToStr(-42);
    QLocale::setDefault(saved);
    EXPECT_EQ(grouped, QStringLiteral("1234567"));
    EXPECT_EQ(negative, QStringLiteral("-42"));
}

TEST(IntToStrLocale, IgnoresArabicDefaultLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QString text = IntToStr(-907);
    QLocale::setDefault(saved);
    EXPECT_EQ(text, QStringLiteral("-907"));
}

// Values spread over the whole range, walked with an odd stride in unsigned arithmetic.
std::vector<std::int32_t> SpreadOfValues() {
    std::vector<std::int32_t> values{kMin, kMin + 1, kMax - 1, kMax, -1, -10, -9, 99, 100};
    for (std::int32_t v = 0; v <= 10; ++v) {
        values.push_back(v);
    }
    std::uint32_t bits = 0x12345u;
    for (int k = 0; k < 200; ++k) {
        bits += 0x9E3779B1u;
        values.push_back(static_cast<std::int32_t>(bits));
    }
    return values;
}

class IntToStrRoundTrip : public testing::TestWithParam<std::int32_t> {};

TEST_P(IntToStrRoundTrip, StrToIntReadsItBack) {
    const std::int32_t value = GetParam();
    const QString text = IntToStr(value);
    EXPECT_EQ(text.toStdString(), std::to_string(value));
    EXPECT_EQ(StrToInt(text), value) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Spread, IntToStrRoundTrip, testing::ValuesIn(SpreadOfValues()),
                         [](const testing::TestParamInfo<std::int32_t>& info) {
                             const std::int32_t v = info.param;
                             std::string name = v < 0 ? "Minus" : "";
                             name += std::to_string(v < 0 ? 0u - static_cast<std::uint32_t>(v)
                                                          : static_cast<std::uint32_t>(v));
                             return name;
                         });

} // namespace
