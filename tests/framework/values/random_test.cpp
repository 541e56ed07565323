#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

#include "framework/random/random.h"

namespace {

std::vector<int> Draws(int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(SableRand());
    }
    return values;
}

// Seed 30091 is the smallest seed whose first draw is 32767.
constexpr int kSeedDrawingTheMaximum = 30091;

TEST(RandomGenerator, RepeatsTheMicrosoftRuntimeSequenceWithinFifteenBits) {
    SableSrand(1);
    EXPECT_EQ(Draws(10),
              (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}));
    SableSrand(12345);
    EXPECT_EQ(Draws(10),
              (std::vector<int>{7584, 19164, 25795, 22125, 5828, 23405, 27477, 5413, 29072, 23404}));
    setseed(12345);
    EXPECT_EQ(SableRand(), 7584);
    // SetSeed only seeds when randomness is wanted.
    SableSrand(12345);
    SetSeed(1, true);
    EXPECT_EQ(SableRand(), 7584);
    SetSeed(1, false);
    EXPECT_EQ(SableRand(), 41);

    SableSrand(0xFFFFFFFFu);
    for (int value : Draws(5000)) {
        ASSERT_GE(value, 0);
        ASSERT_LE(value, SABLE_RAND_MAX);
    }
}

TEST(RandomGenerator, SeedZeroSeedsFromTheClockNotWithZero) {
    SableSrand(0);
    std::vector<int> zeroSeeded = Draws(4);
    setseed(0);
    std::vector<int> first = Draws(4);
    std::this_thread::sleep_for(std::chrono::milliseconds(3));
    setseed(0);
    std::vector<int> second = Draws(4);
    EXPECT_NE(first, second);
    EXPECT_NE(first, zeroSeeded);
}

TEST(RandomSampling, StandardUniformDividesTheDrawBy32767) {
    SableSrand(1);
    EXPECT_DOUBLE_EQ(stduniform(), 41 / 32767.0);
    EXPECT_DOUBLE_EQ(GetRandomNumber(false), 18467 / 32767.0);
    // No draw when randomness is off: the next draw is still the third of the sequence.
    EXPECT_EQ(GetRandomNumber(true), 0.0);
    EXPECT_EQ(SableRand(), 6334);
    SableSrand(kSeedDrawingTheMaximum);
    EXPECT_EQ(stduniform(), 1.0);
    SableSrand(1);
    EXPECT_DOUBLE_EQ(uniform(2.0, 4.0), 2.0 + 2.0 * 41 / 32767.0);
    EXPECT_EQ(uniform(1.5, 1.5), 1.5);
    SableSrand(kSeedDrawingTheMaximum);
    EXPECT_EQ(uniform(-1.0, 1.0), 1.0);
}

TEST(RandomSampling, IntegerUniformCoversEveryValueOfTheRangeAndWithoutRandomnessGivesTheLowerEnd) {
    auto draws = [](int seed, int low, int high) {
        SableSrand(seed);
        std::vector<int> values;
        for (int i = 0; i < 10; ++i) {
            values.push_back(uniform(low, high));
        }
        return values;
    };
    EXPECT_EQ(draws(1, 0, 9), (std::vector<int>{0, 5, 1, 8, 5, 4, 3, 8, 8, 7}));
    EXPECT_EQ(draws(12345, -3, 3), (std::vector<int>{-2, 1, 2, 1, -2, 2, 2, -2, 3, 1}));

    // A draw of 32767 counts as 32766, so the top of the range comes out but never one more.
    SableSrand(kSeedDrawingTheMaximum);
    EXPECT_EQ(uniform(0, 9), 9);
    SableSrand(kSeedDrawingTheMaximum);
    EXPECT_EQ(uniform(5, 5), 5);
    SableSrand(99);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        int value = uniform(-2, 2);
        ASSERT_GE(value, -2);
        ASSERT_LE(value, 2);
        seen.insert(value);
    }
    EXPECT_EQ(seen, (std::set<int>{-2, -1, 0, 1, 2}));
    // The widest range neither overflows its width nor wraps the result.
    SableSrand(kSeedDrawingTheMaximum);
    EXPECT_EQ(uniform(INT_MIN, INT_MAX), 2147352571);
    SableSrand(1);
    EXPECT_EQ(uniform(INT_MIN, INT_MAX), INT_MIN + 5374116);

    SableSrand(1);
    EXPECT_EQ(GetUniformInteger(3, 8, true), 3);
    EXPECT_EQ(SableRand(), 18467);
    SableSrand(1);
    EXPECT_EQ(GetUniformInteger(10, 19, false), 10);
    EXPECT_EQ(GetUniformInteger(10, 19, false), 15);
}

TEST(RandomSampling, ReversedRangesAreRefusedWithTheirTexts) {
    auto text = [](auto draw) {
        try {
            draw();
        } catch (const std::invalid_argument& error) {
            return std::string(error.what());
        }
        return std::string("no exception");
    };
    EXPECT_EQ(text([] { uniform(5, 4); }), "Invalid range [5, 4] for uniform random sampling function");
    EXPECT_EQ(text([] { uniform(2.5, -1.0); }),
              "Invalid range [2.500000, -1.000000] for uniform random sampling function");
    EXPECT_THROW(GetUniformInteger(1, 0, true), std::invalid_argument);
    // A refusal draws nothing.
    SableSrand(1);
    EXPECT_THROW(uniform(1, 0), std::invalid_argument);
    EXPECT_EQ(SableRand(), 41);
}

} // namespace
