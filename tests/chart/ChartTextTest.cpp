// Numbers as the chart writes them, in the user's locale, and the size text takes.
#include "chart/ChartText.h"

#include "ChartModel.h"
#include "support/QStringPrinter.h"

#include <QFont>
#include <gtest/gtest.h>
#include <string>

namespace {

struct NumberCase {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
    double value;
    QString expected;
};

class ChartNumberText : public testing::TestWithParam<NumberCase> {};

TEST_P(ChartNumberText, Formats) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(ChartValueText(c.value, QLocale(c.language, c.territory)), c.expected);
}

constexpr auto en = QLocale::English;
constexpr auto us = QLocale::UnitedStates;
constexpr auto de = QLocale::German;
constexpr auto germany = QLocale::Germany;

INSTANTIATE_TEST_SUITE_P(
    Locales, ChartNumberText,
    testing::Values(NumberCase{"UsDemandAtZero", en, us, 4750, QStringLiteral("4,750")},
                    NumberCase{"UsSupplyAtZero", en, us, 1600, QStringLiteral("1,600")},
                    NumberCase{"UsCrossing", en, us, 2300, QStringLiteral("2,300")},
                    NumberCase{"UsBelowThousand", en, us, 500, QStringLiteral("500")},
                    NumberCase{"UsZero", en, us, 0, QStringLiteral("0")},
                    NumberCase{"UsNegative", en, us, -1250, QStringLiteral("-1,250")},
                    NumberCase{"UsThreeDecimals", en, us, 1234.5678, QStringLiteral("1,234.568")},
                    NumberCase{"UsTrailingZerosDropped", en, us, 0.5, QStringLiteral("0.5")},
                    NumberCase{"UsTwoToThe31", en, us, 2147483648.0,
                               QStringLiteral("2,147,483,648")},
                    NumberCase{"DeDemandAtZero", de, germany, 4750, QStringLiteral("4.750")},
                    NumberCase{"DeDecimals", de, germany, 1234.5, QStringLiteral("1.234,5")},
                    NumberCase{"DeNegative", de, germany, -2300, QStringLiteral("-2.300")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextMetrics, ElideKeepsWholeCharactersBeforeAnEllipsis) {
    const chart_model::FixedMetrics metrics; // 7 pixels a UTF-16 unit
    const QString ellipsis(QChar(0x2026));
    EXPECT_EQ(metrics.Elide(QStringLiteral("abcdef"), 42), QStringLiteral("abcdef"));
    EXPECT_EQ(metrics.Elide(QStringLiteral("abcdef"), 35), QStringLiteral("abcd") + ellipsis);
    EXPECT_EQ(metrics.Elide(QStringLiteral("abcdef"), 7), ellipsis);
    EXPECT_EQ(metrics.Elide(QStringLiteral("abcdef"), 6), QString());
    // Three units fit beside the ellipsis, but the third is the first half of a surrogate pair.
    EXPECT_EQ(metrics.Elide(QStringLiteral("ab\U0001F600c"), 28), QStringLiteral("ab") + ellipsis);
}

TEST(FontTextMetrics, ElidesToTheWidth) {
    const TFontTextMetrics metrics{QFont()};
    const QString text(200, QLatin1Char('x'));
    const QString elided = metrics.Elide(text, 100);
    EXPECT_TRUE(elided.endsWith(QChar(0x2026)));
    EXPECT_LE(metrics.Width(elided), 100);
    EXPECT_EQ(metrics.Elide(QStringLiteral("Qd"), 100), QStringLiteral("Qd"));
}

TEST(FontTextMetrics, MeasuresWithTheFont) {
    const TFontTextMetrics metrics{QFont()};
    EXPECT_GT(metrics.Height(), 0);
    EXPECT_GT(metrics.Width(QStringLiteral("4,750")), metrics.Width(QStringLiteral("0")));
    EXPECT_EQ(metrics.Width(QString()), 0);
}

TEST(FontTextMetrics, RemembersWithoutChangingAnswers) {
    const QFont font;
    const QFontMetrics plain(font);
    const TFontTextMetrics metrics(font);
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 5000; i += 7) { // more texts than it keeps
            const QString text = QString::number(i * 1000);
            ASSERT_EQ(metrics.Width(text), plain.horizontalAdvance(text)) << text.toStdString();
        }
    EXPECT_EQ(metrics.Height(), plain.height());
    EXPECT_EQ(metrics.Font(), font);
}

} // namespace
