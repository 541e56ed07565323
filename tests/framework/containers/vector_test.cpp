#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/containers/double_vector.h"
#include "framework/containers/float_vector.h"
#include "framework/containers/long_vector.h"
#include "tests/support/app_fixture.h"

namespace {

using VectorTest = AppFixture;

CLongVector Identity(int size) {
    CLongVector index(size);
    std::iota(index.begin(), index.end(), 0);
    return index;
}

// The index entries first to last point at ascending values and, with the rest, are a
// permutation of 0 .. n-1.
template <class Vector>
void ExpectSortedPermutation(const Vector& values, const CLongVector& index, int first, int last) {
    for (int k = first; k < last; ++k) {
        ASSERT_LE(values[index[k]], values[index[k + 1]]) << "at " << k;
    }
    std::vector<int> seen(index.begin(), index.end());
    std::sort(seen.begin(), seen.end());
    std::vector<int> all(static_cast<size_t>(index.GetSize()));
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(seen, all);
}

TEST_F(VectorTest, GrowsKeepsItsEntriesAndRemovesRanges) {
    CDoubleVector v;
    EXPECT_EQ(v.Add(1.0), 0);
    EXPECT_EQ(v.Add(2.0), 1);
    EXPECT_TRUE(v.SetSize(4));
    EXPECT_EQ(v, (CDoubleVector{1.0, 2.0, 0.0, 0.0}));
    v[3] = 4.0;
    v.RemoveAt(1, 2);
    EXPECT_EQ(v, (CDoubleVector{1.0, 4.0}));

    EXPECT_FALSE(v.SetSize(-1));
    EXPECT_THROW(v.RemoveAt(1, 2), std::invalid_argument);
    EXPECT_THROW(v.RemoveAt(-1), std::invalid_argument);
    EXPECT_EQ(v, (CDoubleVector{1.0, 4.0}));
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Invalid requested size [-1] for vector size",
                                        "Invalid range of indices [1, 2] for vector RemoveAt operation",
                                        "Invalid range of indices [-1, -1] for vector RemoveAt operation"}));

    CDoubleVector copy = v;
    v.Clear();
    EXPECT_EQ(v.GetSize(), 0);
    EXPECT_EQ(copy.GetSize(), 2);
}

TEST_F(VectorTest, IndexSortOrdersRandomAndPatternedDataOfShortAndLongRanges) {
    std::mt19937 random(20260107);
    // Sizes around the insertion-sort limit (11 positions) and well beyond it; few distinct
    // keys so that runs of equal values occur, as with savings of equal size.
    CLongVector index;
    for (int size : {1, 2, 3, 10, 11, 12, 13, 50, 1000, 40000}) {
        CDoubleVector keys(size);
        std::uniform_int_distribution<int> draw(-size / 4 - 1, size / 4 + 1);
        for (double& key : keys) {
            key = draw(random) * 0.5;
        }
        index = Identity(size);
        std::shuffle(index.begin(), index.end(), random);
        keys.IndexSort(index);
        ExpectSortedPermutation(keys, index, 0, size - 1);
    }
    // Ordered, reversed, equal and organ-pipe values.
    const int size = 100000;
    CDoubleVector ascending(size), descending(size), equal(size), organ(size);
    for (int k = 0; k < size; ++k) {
        ascending[k] = k;
        descending[k] = size - k;
        equal[k] = 3.25;
        organ[k] = k < size / 2 ? k : size - k;
    }
    for (const CDoubleVector* keys : {&ascending, &descending, &equal, &organ}) {
        index = Identity(size);
        keys->IndexSort(index, 0, -1);
        ExpectSortedPermutation(*keys, index, 0, size - 1);
    }
    index = Identity(size);
    descending.IndexSort(index);
    EXPECT_EQ(index[0], size - 1);
    EXPECT_EQ(index[size - 1], 0);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(VectorTest, IndexSortTouchesOnlyTheGivenRange) {
    CLongVector keys{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, -1, -2, -3, -4, -5, -6, -7, -8, -9, -10};
    CLongVector index = Identity(20);
    keys.IndexSort(index, 2, 17);
    EXPECT_EQ(index[0], 0);
    EXPECT_EQ(index[1], 1);
    EXPECT_EQ(index[18], 18);
    EXPECT_EQ(index[19], 19);
    ExpectSortedPermutation(keys, index, 2, 17);
    EXPECT_EQ(index[2], 17);

    // last = -1 is the vector's last entry; float keys and a std::vector of indices work too.
    CFloatVector angles{0.5f, 6.0f, 0.25f, 3.0f};
    std::vector<int> order{0, 1, 2, 3};
    angles.IndexSort(order, 1, -1);
    EXPECT_EQ(order, (std::vector<int>{0, 2, 3, 1}));
    // An empty range sorts nothing and is not an error.
    CDoubleVector none;
    CLongVector noIndex;
    none.IndexSort(noIndex);
    EXPECT_TRUE(Messages().empty());
}

// Counts the wait cursor calls and passes the rest to the scripted interface.
class CWaitCountingInterface : public CScriptedUserInterface {
public:
    void BeginWaitCursor() override { ++begun; }
    void EndWaitCursor() override { ++ended; }
    int begun = 0;
    int ended = 0;
};

TEST_F(VectorTest, IndexSortRefusesRangesOutsideTheVectorOrTheIndexArrayAndEndsTheWaitCursor) {
    CDoubleVector keys{3.0, 1.0, 2.0};
    CLongVector index{0, 1, 2};
    EXPECT_THROW(keys.IndexSort(index, 0, 3), std::invalid_argument);
    EXPECT_THROW(keys.IndexSort(index, -1, 2), std::invalid_argument);
    EXPECT_THROW(keys.IndexSort(index, 3, 1), std::invalid_argument);
    CLongVector shortIndex{0, 1};
    EXPECT_THROW(keys.IndexSort(shortIndex), std::invalid_argument);
    CLongVector wild{0, 7, 1};
    EXPECT_THROW(keys.IndexSort(wild), std::invalid_argument);
    EXPECT_EQ(index, (CLongVector{0, 1, 2}));
    EXPECT_EQ(wild, (CLongVector{0, 7, 1}));
    std::vector<std::string> expected = {
        "Invalid range of indices [0, 3] for vector IndexSort operation",
        "Invalid range of indices [-1, 2] for vector IndexSort operation",
        "Invalid range of indices [3, 1] for vector IndexSort operation",
        "Invalid range of indices [0, 2] for vector IndexSort operation",
        "Invalid range of indices [0, 2] for vector IndexSort operation",
    };
    EXPECT_EQ(Messages(), expected);

    // The wait cursor is shown only while sorting.
    CWaitCountingInterface counting;
    SetUserInterface(&counting);
    keys.IndexSort(index);
    EXPECT_THROW(keys.IndexSort(index, 0, 5), std::invalid_argument);
    SetUserInterface(&ui);
    EXPECT_EQ(counting.begun, 1);
    EXPECT_EQ(counting.ended, 1);
    EXPECT_EQ(index, (CLongVector{1, 2, 0}));
}

} // namespace
