#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include "framework/numeric/first_best.h"
#include "framework/numeric/numeric.h"

namespace {

TEST(MinMax, VariadicFormsReadExactlyNValuesAndEmptySetsGiveTheIdentity) {
    EXPECT_EQ(MinInt(3, 4, -7, 2), -7);
    EXPECT_EQ(MaxInt(3, 4, -7, 2), 4);
    // Only the first n values count.
    EXPECT_EQ(MinInt(2, 5, 6, -100), 5);
    EXPECT_EQ(MaxInt(2, 5, 6, 100), 6);
    EXPECT_EQ(MinDbl(4, 1.5, -0.25, 3.0, 2.0), -0.25);
    EXPECT_EQ(MaxDbl(4, 1.5, -0.25, 3.0, 2.0), 3.0);
    EXPECT_EQ(MaxInt(2, INT_MIN, INT_MIN), INT_MIN);
    EXPECT_EQ(MinInt({8, 3, 5}), 3);
    EXPECT_EQ(MaxDbl({-1e300, -2e300}), -1e300);
    EXPECT_EQ(MinInt(0), INT_MAX);
    EXPECT_EQ(MaxInt(0), INT_MIN);
    EXPECT_EQ(MinDbl(0), HUGE_VAL);
    EXPECT_EQ(MaxDbl(0), -HUGE_VAL);
    EXPECT_EQ(MinInt({}), INT_MAX);
}

TEST(IsInteger, FractionOnEitherSideMustBeStrictlyBelowTheTolerance) {
    EXPECT_TRUE(IsInteger(3.0000001, 1e-6));
    EXPECT_TRUE(IsInteger(2.9999999, 1e-6));
    EXPECT_TRUE(IsInteger(-4.0000001, 1e-6));
    EXPECT_TRUE(IsInteger(-3.9999999, 1e-6));
    EXPECT_FALSE(IsInteger(-3.5, 0.1));
    // Strict on both sides: a fraction equal to the tolerance is not an integer.
    EXPECT_FALSE(IsInteger(2.25, 0.25));
    EXPECT_FALSE(IsInteger(2.75, 0.25));
    EXPECT_TRUE(IsInteger(2.75, 0.2500001));
    // With no tolerance nothing qualifies, not even a whole number.
    EXPECT_FALSE(IsInteger(5.0, 0.0));
}

} // namespace

// Which offers of a scan are taken: the index of each taken value, in order.
template <class Best>
std::vector<int> TakenOffers(Best best, const std::vector<double>& values, double margin = 0.0) {
    std::vector<int> taken;
    for (int k = 0; k < static_cast<int>(values.size()); ++k) {
        if (margin > 0.0 ? best.OfferBeyond(values[k], margin) : best.Offer(values[k])) {
            taken.push_back(k);
        }
    }
    return taken;
}

TEST(FirstBest, OnlyAStrictlyBetterValueReplacesTheIncumbent) {
    const std::vector<double> values = {3.0, 5.0, 5.0, 4.0, 5.5, 7.0};
    EXPECT_EQ(TakenOffers(CLargestFirst(), values), (std::vector<int>{0, 1, 4, 5}));
    EXPECT_EQ(TakenOffers(CLargestFirst(5.0), values), (std::vector<int>{4, 5}));
    EXPECT_EQ(TakenOffers(CLargestFirst(0.0), values, 1.0), (std::vector<int>{0, 1, 5}));
    EXPECT_EQ(TakenOffers(CSmallestFirst(), values), (std::vector<int>{0}));
    EXPECT_EQ(TakenOffers(CSmallestFirst(6.0), values), (std::vector<int>{0}));
    EXPECT_EQ(TakenOffers(CSmallestFirst(), {4.0, 2.0, 2.0, 1.5}, 0.6), (std::vector<int>{0, 1}));

    CLargestFirst savings(0.0);
    EXPECT_FALSE(savings.Offer(0.0));
    EXPECT_FALSE(savings.Found());
    EXPECT_TRUE(savings.Offer(2.5));
    EXPECT_TRUE(savings.Found());
    EXPECT_EQ(savings.Value(), 2.5);
}
