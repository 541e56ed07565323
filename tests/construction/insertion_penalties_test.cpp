#include <gtest/gtest.h>

#include "construction/insertion_penalties.h"
#include "tests/construction/insertion_test_support.h"
#include "tests/support/project_fixture.h"

namespace {

// Route 1 d c1 s1 d, route 2 d c2 d (customer loads 40 and 75 of 100). Free: c3 and s2, and
// c4 that fits no route.
TEST_F(ProjectFixture, InsertionPenaltyGridHasAColumnPerLinkAndTheRowMinimum) {
    CFacility* d = AddDepot("d", 0, 0);
    CFacility* c1 = AddCustomer("c1", 10, 0, 40);
    CFacility* c2 = AddCustomer("c2", 0, 30, 75);
    AddCustomer("c3", 20, 0, 30);
    AddCustomer("c4", 0, -5, 80);
    CFacility* s1 = AddSupplier("s1", -10, 0, 20);
    AddSupplier("s2", -20, 0, 20);
    EXPECT_FALSE(CanDisplayInsertionPenalties(*doc)); // no route
    AddRoute({d, c1, s1, d});
    AddRoute({d, c2, d});
    ASSERT_TRUE(CanDisplayInsertionPenalties(*doc));

    CInsertionPenaltyGrid grid = ComputeInsertionPenaltyGrid(*doc);
    ASSERT_EQ(grid.size(), 4u);
    EXPECT_EQ(grid[0], (Texts{"", "(d-c1)", "(c1-s1)", "(s1-d)", "(d-c2)", "(c2-d)", "min"}));
    // c3: never behind the supplier s1; route 2 has no room for 30 more.
    EXPECT_EQ(grid[1], (Texts{"c3", "20.00", "20.00", "", "", "", "20.00"}));
    EXPECT_EQ(grid[2], (Texts{"c4", "", "", "", "", "", ""}));
    // s2: a supplier may follow any facility here, even the depot before a customer.
    EXPECT_EQ(grid[3], (Texts{"s2", "40.00", "20.00", "20.00", "26.06", "26.06", "20.00"}));
}

TEST(InsertionPenaltyGridText, ColumnsAreAsWideAsTheirWidestCell) {
    CInsertionPenaltyGrid grid = {{"", "(d-c1)", "min"}, {"c3", "120.50", "120.50"}, {"s22", "", ""}};
    EXPECT_EQ(FormatInsertionPenaltyGrid(grid), "     (d-c1)     min\n"
                                                "c3   120.50  120.50\n"
                                                "s22\n");
}

} // namespace
