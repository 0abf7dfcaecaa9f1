// The line chart: both functions over TrackBar3's range of prices.
#include "support/FormFixture.h"

#include <QTest>
#include <cstdint>
#include <limits>

namespace {

using LineChart = FormFixture;

ChartPoint At(double x, double y) {
    return {x, y, QString()};
}

TEST_F(LineChart, FirstShowingHoldsElevenPointsPerLineMeetingAtSeven) {
    form->FormShow(form);
    EXPECT_EQ(Lines(0)->Title(), QStringLiteral("Qs"));
    EXPECT_EQ(Lines(1)->Title(), QStringLiteral("Qd"));
    const std::vector<ChartPoint> supply{At(0, 1600), At(1, 1700), At(2, 1800), At(3, 1900),
                                         At(4, 2000), At(5, 2100), At(6, 2200), At(7, 2300),
                                         At(8, 2400), At(9, 2500), At(10, 2600)};
    const std::vector<ChartPoint> demand{At(0, 4750), At(1, 4400), At(2, 4050), At(3, 3700),
                                         At(4, 3350), At(5, 3000), At(6, 2650), At(7, 2300),
                                         At(8, 1950), At(9, 1600), At(10, 1250)};
    EXPECT_EQ(Points(Lines(0)), supply);
    EXPECT_EQ(Points(Lines(1)), demand);
    for (int i = 0; i < Lines(0)->Count(); ++i) {
        EXPECT_FALSE(Lines(0)->HasOwnColor(i));
        EXPECT_FALSE(Lines(1)->HasOwnColor(i));
    }
}

TEST_F(LineChart, ASecondRunReplacesThePointsInsteadOfAddingToThem) {
    form->recalclines();
    form->recalclines();
    EXPECT_EQ(Lines(0)->Count(), 11);
    EXPECT_EQ(Lines(1)->Count(), 11);
}

TEST_F(LineChart, FollowsTheRangeOfTrackBar3) {
    form->TrackBar3->SetMax(7);
    form->TrackBar3->SetMin(7);
    form->recalclines();
    EXPECT_EQ(Points(Lines(0)), std::vector<ChartPoint>{At(7, 2300)});
    EXPECT_EQ(Points(Lines(1)), std::vector<ChartPoint>{At(7, 2300)});

    // The x values are the prices, not the points' positions.
    form->TrackBar3->SetMin(5);
    form->TrackBar3->SetMax(6);
    form->recalclines();
    EXPECT_EQ(Points(Lines(0)), (std::vector<ChartPoint>{At(5, 2100), At(6, 2200)}));
    EXPECT_EQ(Points(Lines(1)), (std::vector<ChartPoint>{At(5, 3000), At(6, 2650)}));
}

TEST_F(LineChart, NegativePricesAndQuantitiesPassUnclamped) {
    form->TrackBar3->SetMin(-17);
    form->TrackBar3->SetMax(14);
    form->recalclines();
    const auto supply = Points(Lines(0));
    const auto demand = Points(Lines(1));
    ASSERT_EQ(supply.size(), 32u);
    EXPECT_EQ(supply.front(), At(-17, -100));
    EXPECT_EQ(supply[1], At(-16, 0));
    EXPECT_EQ(supply[16], At(-1, 1500));
    EXPECT_EQ(demand[16], At(-1, 5100));
    EXPECT_EQ(demand[30], At(13, 200));
    EXPECT_EQ(demand.back(), At(14, -150));
}

TEST_F(LineChart, RangeEndingAtTheLargestPriceStopsThereWithExactQuantities) {
    constexpr std::int32_t top = std::numeric_limits<std::int32_t>::max();
    form->TrackBar3->SetMax(top);
    form->TrackBar3->SetMin(top - 1);
    form->recalclines();
    // Exact, not reduced modulo 2^32: 1600 + 100 * 2147483646 and 4750 - 350 * 2147483646.
    EXPECT_EQ(Points(Lines(0)),
              (std::vector<ChartPoint>{At(top - 1, 214748366200.0), At(top, 214748366300.0)}));
    EXPECT_EQ(Points(Lines(1)),
              (std::vector<ChartPoint>{At(top - 1, -751619271350.0), At(top, -751619271700.0)}));
}

TEST_F(LineChart, QuantitiesBeyondThe32BitRangeAreExact) {
    form->TrackBar3->SetMax(21474821);
    form->TrackBar3->SetMin(21474821);
    form->recalclines();
    EXPECT_EQ(Lines(0)->YValues()[0], 2147483700.0);
    form->TrackBar3->SetMin(-6135654);
    form->TrackBar3->SetMax(-6135654);
    form->recalclines();
    EXPECT_EQ(Lines(1)->YValues()[0], 2147483650.0);
    form->TrackBar3->SetMin(-21474853);
    form->TrackBar3->SetMax(-21474853);
    form->recalclines();
    EXPECT_EQ(Lines(0)->YValues()[0], -2147483700.0);
}

} // namespace
