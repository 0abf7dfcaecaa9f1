// The bar chart: the quantity demanded at Label3's price and the quantity supplied at Label4's.
#include "support/FormFixture.h"

#include <QTest>

namespace {

using BarChart = FormFixture;

std::vector<ChartPoint> TwoBars(double qd, double qs) {
    return {{0, qd, QStringLiteral("Qd")}, {1, qs, QStringLiteral("Qs")}};
}

struct PriceRow {
    const char* name;
    const char* price;
    double qd;
    double qs;
};

class BarValues : public FormFixture, public ::testing::WithParamInterface<PriceRow> {};

TEST_P(BarValues, EachLabelGivesItsOwnBar) {
    const PriceRow& row = GetParam();
    form->Label3->SetCaption(QString::fromLatin1(row.price));
    form->Label4->SetCaption(QString::fromLatin1(row.price));
    form->recalcbars();
    EXPECT_EQ(BarPoints(), TwoBars(row.qd, row.qs));
    EXPECT_FALSE(Bars()->HasOwnColor(0));
    EXPECT_FALSE(Bars()->HasOwnColor(1));
}

INSTANTIATE_TEST_SUITE_P(
    Prices, BarValues,
    ::testing::Values(PriceRow{"p0", "0", 4750, 1600}, PriceRow{"p1", "1", 4400, 1700},
                      PriceRow{"p2", "2", 4050, 1800}, PriceRow{"p3", "3", 3700, 1900},
                      PriceRow{"p4", "4", 3350, 2000}, PriceRow{"p5", "5", 3000, 2100},
                      PriceRow{"p6", "6", 2650, 2200}, PriceRow{"p7", "7", 2300, 2300},
                      PriceRow{"p8", "8", 1950, 2400}, PriceRow{"p9", "9", 1600, 2500},
                      PriceRow{"p10", "10", 1250, 2600},
                      // Unclamped, exact quantities, negative prices treated like any other.
                      PriceRow{"p13", "13", 200, 2900}, PriceRow{"p14", "14", -150, 3000},
                      PriceRow{"m1", "-1", 5100, 1500}, PriceRow{"m16", "-16", 10350, 0},
                      PriceRow{"m17", "-17", 10700, -100},
                      PriceRow{"qdExactBeyond32Bits", "6135682", -2147483950, 613569800},
                      PriceRow{"qsExactBeyond32Bits", "21474821", -7516182600, 2147483700},
                      PriceRow{"largest", "2147483647", -751619271700, 214748366300},
                      PriceRow{"smallest", "-2147483648", 751619281550, -214748363200},
                      // Other spellings the conversion accepts.
                      PriceRow{"leadingBlanks", "  10", 1250, 2600},
                      PriceRow{"plus", "+10", 1250, 2600},
                      PriceRow{"leadingZero", "010", 1250, 2600},
                      PriceRow{"dollarHex", "$A", 1250, 2600}, PriceRow{"xHex", "x0a", 1250, 2600},
                      PriceRow{"zeroXHex", "0x0A", 1250, 2600},
                      PriceRow{"allOnesHex", "$FFFFFFFF", 5100, 1500}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BarChart, FirstShowingHasTheBarsOfPriceZero) {
    ShowForm();
    EXPECT_EQ(form->Label3->Caption(), QStringLiteral("0"));
    EXPECT_EQ(form->Label4->Caption(), QStringLiteral("0"));
    EXPECT_EQ(BarPoints(), TwoBars(4750, 1600));
}

TEST_F(BarChart, ChangingOneLabelRecomputesOnlyItsBar) {
    form->Label3->SetCaption(QStringLiteral("3"));
    form->recalcbars();
    EXPECT_EQ(BarPoints(), TwoBars(3700, 1600));
    form->Label4->SetCaption(QStringLiteral("9"));
    form->recalcbars();
    EXPECT_EQ(BarPoints(), TwoBars(3700, 2500));
    form->recalcbars();
    EXPECT_EQ(BarPoints(), TwoBars(3700, 2500)); // two bars, not four
}

class BadCaption : public FormFixture, public ::testing::WithParamInterface<const char*> {};

// A caption that is not an integer leaves the bars as they were and is reported; the program
// goes on with the next event.
TEST_P(BadCaption, LeavesTheBarsAndIsReported) {
    const QString bad = QString::fromUtf8(GetParam());
    form->Label3->SetCaption(QStringLiteral("2"));
    form->recalcbars();
    for (TLabel* label : {form->Label3, form->Label4}) {
        const QString kept = label->Caption();
        label->SetCaption(bad);
        Application->Dispatch([this](TObject*) { form->recalcbars(); }, form);
        EXPECT_EQ(BarPoints(), TwoBars(4050, 1600));
        label->SetCaption(kept);
    }
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0],
              QStringLiteral("EConvertError: ''%1'' is not a valid integer value").arg(bad));
    form->Label4->SetCaption(QStringLiteral("10"));
    form->recalcbars();
    EXPECT_EQ(BarPoints(), TwoBars(4050, 2600));
}

INSTANTIATE_TEST_SUITE_P(Captions, BadCaption,
                         ::testing::Values("", "10 ", "- 10", "2147483648", "$", "0x", "$123456789",
                                           "1a", "ten"));

} // namespace
