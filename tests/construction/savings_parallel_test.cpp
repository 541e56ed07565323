#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "construction/savings.h"
#include "tests/construction/insertion_test_support.h"
#include "tests/construction/savings_fixture.h"

namespace {

using RouteList = std::vector<Labels>;

class SavingsParallelTest : public SavingsFixture {
protected:
    using Links = std::vector<std::pair<std::pair<CFacility*, CFacility*>, double>>;

    // Customers c1..c5 of quantity 10 (see SavingsStarTest) on a star: every depot link 100, the links given,
    // all others 300 (saving -100). Symmetric: the links both ways. Asymmetric: the links one way only, and
    // every link back among c1..c4 saves 50.
    void SetStar(Links links, bool symmetric) {
        for (size_t k = 0, n = links.size(); k < n && symmetric; ++k) {
            links.push_back({{links[k].first.second, links[k].first.first}, links[k].second});
        }
        for (int i = 1; i <= 4 && !symmetric; ++i) {
            for (int j = 1; j < i; ++j) {
                links.push_back({{c[i], c[j]}, 150.0});
            }
        }
        if (!symmetric) {
            links.push_back({{c[2], c[4]}, 150.0});
        }
        SetStarDistances(links, 300.0);
        doc->SetAsymmetric(symmetric ? 0 : 1);
        ui.ClearRecords();
    }
    CFacility* c[6] = {};
};

class SavingsStarTest : public SavingsParallelTest {
protected:
    void SetUp() override {
        SavingsParallelTest::SetUp();
        for (int k = 1; k <= 5; ++k) {
            c[k] = AddCustomer("c" + std::to_string(k), 10 * k, 0, 10);
        }
    }
};

TEST_F(SavingsStarTest, AsymmetricTableJoinsEndToStartWhereASymmetricOneTurnsARouteRound) {
    // Savings 200 - d: c1-c2 190, c3-c4 180, c1-c3 170, c2-c3 160, c4-c5 -50.
    const Links links = {{{c[1], c[2]}, 10.0},
                         {{c[3], c[4]}, 20.0},
                         {{c[1], c[3]}, 30.0},
                         {{c[2], c[3]}, 40.0},
                         {{c[4], c[5]}, 250.0}};
    SetStar(links, false);
    RunRecorded(OnAlgorithmsSavingsGreedyParallel);
    // c1-c2 and c3-c4 open two routes; c1 -> c3 would need the first route turned round and is
    // passed over; c2 -> c3 joins them end to start; c5 follows c4.
    EXPECT_EQ(Routes(), (RouteList{{"c1", "c2", "c3", "c4", "c5"}}));
    EXPECT_DOUBLE_EQ(LastRecord().m_dDistance, 100.0 + 10.0 + 40.0 + 20.0 + 250.0 + 100.0);
    EXPECT_EQ(LastRecord().m_strAlgoName, "Savings (Greedy Parallel)");
    EXPECT_EQ(ui.abortDialogsShown, 0);

    // Symmetric: the join c1-c3 (170) links the two routes at their c1 and c3 ends.
    SetStar(links, true);
    RunRecorded(OnAlgorithmsSavingsGreedyParallel);
    EXPECT_EQ(RoutesEitherWay(), (RouteList{{"c2", "c1", "c3", "c4", "c5"}}));
    EXPECT_DOUBLE_EQ(LastRecord().m_dDistance, 100.0 + 10.0 + 30.0 + 20.0 + 250.0 + 100.0);
}

TEST_F(SavingsStarTest, SymmetricTableJoinsRoutesWhileFacilitiesAreStillFree) {
    // c1-c2 190 and c3-c4 180 open the routes and c2-c4 (170) links them at once, so that c2 is
    // no longer an end for c5 (0) and c5 follows c1 (-50).
    SetStar({{{c[1], c[2]}, 10.0},
             {{c[3], c[4]}, 20.0},
             {{c[2], c[4]}, 30.0},
             {{c[2], c[5]}, 200.0},
             {{c[1], c[5]}, 250.0}},
            true);
    RunRecorded(OnAlgorithmsSavingsGreedyParallel);
    EXPECT_EQ(RoutesEitherWay(), (RouteList{{"c3", "c4", "c2", "c1", "c5"}}));
    EXPECT_DOUBLE_EQ(LastRecord().m_dDistance, 100.0 + 20.0 + 30.0 + 10.0 + 250.0 + 100.0);
}

TEST_F(SavingsParallelTest, OneVehicleAllowsACustomerAndASupplierRouteThatMergingJoins) {
    AddCustomer("c1", 0, 100, 20);
    AddCustomer("c2", 10, 100, 20);
    AddSupplier("s1", 100, 0, 20);
    AddSupplier("s2", 100, 20, 20);
    doc->SetNumberOfVehicles(1);
    RunRecorded(OnAlgorithmsSavingsGreedyParallel);
    // c1-c2 (190.50) and s1-s2 (181.98) each open a route, as neither type has one yet. The
    // merge links the closest ends, c2 and s2 (saving 82.06 by the distances alone).
    EXPECT_EQ(Routes(), (RouteList{{"c1", "c2", "s2", "s1"}}));
    EXPECT_NEAR(LastRecord().m_dDistance, 100.0 + 10.0 + std::hypot(90.0, 80.0) + 20.0 + 100.0, 1e-9);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SavingsParallelTest, RoutesThatSaveNothingTogetherStaySeparateEvenBeyondTheVehicles) {
    // On one line through the depot: a customer and a supplier save nothing together.
    AddCustomer("c1", 0, 100, 20);
    AddCustomer("c2", 0, 110, 20);
    AddSupplier("s1", 0, -100, 20);
    AddSupplier("s2", 0, -110, 20);
    doc->SetNumberOfVehicles(1);
    ASSERT_EQ(OnAlgorithmsSavingsGreedyParallel(*doc), ERunResult::recorded);
    EXPECT_EQ(RoutesEitherWay(), (RouteList{{"c1", "c2"}, {"s1", "s2"}}));
    EXPECT_EQ(Messages(), (Texts{"Number of routes 2 exceeds number of vehicles 1",
                                 "Number of routes 2 exceeds number of vehicles 1"}));
    // The second route is charged a vehicle's capacity.
    EXPECT_NEAR(LastRecord().m_dCost, LastRecord().m_dDistance + 100 * 1000.0, 1e-6);
}

TEST_F(SavingsParallelTest, LeftoverFacilitiesGetRoutesOfTheirOwnWhileVehiclesRemain) {
    AddCustomer("c1", 0, 30, 50);
    AddCustomer("c2", 0, 60, 50);
    AddCustomer("c3", 0, 90, 50);
    doc->SetNumberOfVehicles(2);
    RunRecorded(OnAlgorithmsSavingsGreedyParallel);
    // c2-c3 (120) fills a vehicle; c1 fits nowhere and gets the second vehicle.
    EXPECT_EQ(RoutesEitherWay(), (RouteList{{"c2", "c3"}, {"c1"}}));
    EXPECT_DOUBLE_EQ(LastRecord().m_dDistance, 180.0 + 60.0);
    EXPECT_EQ(doc->GetRoute(1)->GetLabel(), "2");

    // The only continuation check comes before c1's route: stopped there, nothing remains.
    ui.ClearRecords();
    ui.abortAfterProcessCalls = 0;
    EXPECT_EQ(OnAlgorithmsSavingsGreedyParallel(*doc), ERunResult::aborted);
    EXPECT_EQ(ui.processCalls, 1);
    EXPECT_EQ(doc->GetRoutedCount(), 0);
    EXPECT_EQ(doc->GetAlgorithmStatistics().size(), 1u);

    doc->SetNumberOfVehicles(1);
    RunRecorded(OnAlgorithmsSavingsGreedyParallel);
    EXPECT_EQ(RoutesEitherWay(), (RouteList{{"c2", "c3"}}));
}

} // namespace
