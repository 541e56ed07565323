// The generalized shortest path pricing, worked by hand on a small project.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "optimisation/gsp_pricing.h"
#include "tests/support/project_fixture.h"

namespace {

// Customers c1 (4), c2 (5), c3 (12, above the capacity), suppliers s1 (3), s2 (10, the whole
// capacity), depot d; capacity 10; distances from a table. Project numbers: c1 0, c2 1, c3 2, s1 3,
// s2 4, d 5.
class GSPPricingTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        AddCustomer("c1", 1, 0, 4);
        AddCustomer("c2", 2, 0, 5);
        AddCustomer("c3", 3, 0, 12);
        AddSupplier("s1", 4, 0, 3);
        AddSupplier("s2", 5, 0, 10);
        AddDepot("d", 0, 0);
        doc->SetVehicleCapacity(10);
        const double table[6][6] = {{0, 2, 3, 3, 8, 5}, {2, 0, 3, 4, 6, 6}, {3, 3, 0, 2, 5, 4},
                                    {3, 4, 2, 0, 3, 4}, {8, 6, 5, 3, 0, 7}, {5, 6, 4, 4, 7, 0}};
        for (int i = 0; i < 6; ++i) {
            for (int j = 0; j < 6; ++j) {
                doc->SetDistance(i, j, table[i][j]);
            }
        }
    }

    // The routes of one whole pricing as "sequence: reduced cost" (total distance 100, tolerance
    // 0.001: a candidate needs a reduced cost below -0.1).
    std::vector<std::string> PriceRoutes(bool noRevisits, const std::vector<double>& pi) {
        CGSPPricing pricing(*doc, noRevisits);
        CRoutePool pool;
        pricing.Price(pi, pool, 100.0);
        std::vector<std::string> routes;
        for (const auto& route : pool) {
            routes.push_back(route->GetLabel() + ": " + RouteText(route.get()) + " " +
                             std::to_string(static_cast<int>(route->GetDistance())));
        }
        return routes;
    }

    const std::vector<double> duals = {8, 9, 5, 6, 10, -1};
};

TEST_F(GSPPricingTest, LabelsAfterEachExtensionFollowTheHandWorkedSteps) {
    for (bool noRevisits : {false, true}) {
        SCOPED_TRACE(noRevisits ? "no revisits" : "plain");
        CGSPPricing pricing(*doc, noRevisits);
        int load = 0;
        int f = 0;
        pricing.InitializeLabels(duals, load);
        EXPECT_EQ(load, 4);
        EXPECT_FLOAT_EQ(pricing.GetLabel(3, 13).m_fDistance, -2.0f); // s1 from the depot at Q + 3
        EXPECT_FLOAT_EQ(pricing.GetLabel(4, 20).m_fDistance, -3.0f); // s2 at 2Q
        // (facility, load) selected, then (state, distance, predecessor, predecessor load) it set.
        struct SStep {
            int facility, load;
            int state, stateLoad;
            float distance;
            int predecessor, predecessorLoad;
        };
        const SStep steps[] = {
            {0, 4, 1, 9, -10.0f, 0, 4},   // c1: c2 at 4 + 5
            {1, 5, 0, 9, -9.0f, 1, 5},    // c2: c1 at 5 + 4
            {0, 9, 3, 13, -12.0f, 0, 9},  // c1 at 9: s1 improved
            {1, 9, 4, 20, -14.0f, 1, 9},  // c2 at 9: s2 improved, s1 equal and kept
            {3, 13, 5, 13, -7.0f, 3, 13}, // s1: the depot at Q + 3
            {4, 20, 5, 20, -6.0f, 4, 20}, // s2: the depot at 2Q
        };
        for (const SStep& step : steps) {
            ASSERT_TRUE(pricing.SelectLabel(load, f));
            EXPECT_EQ(f, step.facility);
            EXPECT_EQ(load, step.load);
            pricing.ExtendLabel(f, load);
            const CGSPLabel& label = pricing.GetLabel(step.state, step.stateLoad);
            EXPECT_FLOAT_EQ(label.m_fDistance, step.distance);
            EXPECT_EQ(label.m_lPredecessor, step.predecessor);
            EXPECT_EQ(label.m_lPredecessorLoad, step.predecessorLoad);
            EXPECT_EQ(pricing.GetLabel(f, load).m_lPermanent, 1);
        }
        EXPECT_EQ(pricing.GetLabel(3, 13).m_lPredecessor, 0); // equal value from c2 did not replace
        EXPECT_FALSE(pricing.SelectLabel(load, f));
        EXPECT_EQ(pricing.GetStepCount(), 6);
        for (int l = 0; l <= pricing.GetMaxLoadIndex(); ++l) {
            EXPECT_FALSE(pricing.GetLabel(2, l).IsReached()) << "c3 above the capacity at load " << l;
        }
        if (noRevisits) {
            EXPECT_EQ(pricing.GetExLabel(4, 20).m_customersVisited.FormatOctal(), "03"); // c1 and c2
            EXPECT_EQ(pricing.GetExLabel(4, 20).m_suppliersVisited.FormatOctal(), "02"); // s2
        }
        pricing.ResetLabels();
        EXPECT_FALSE(pricing.GetLabel(4, 20).IsReached());
    }
}

TEST_F(GSPPricingTest, RoutesOfNegativeReducedCostByLoadIndex) {
    // Label, sequence and distance; the reduced costs -3, -7, -6 are below -0.1, the depot's labels
    // at 4 and 5 (3 and 4) are not.
    const std::vector<std::string> expected = {"1: d c2 c1 d 13", "2: d c2 c1 s1 d 15", "3: d c1 c2 s2 d 20"};
    EXPECT_EQ(PriceRoutes(false, duals), expected);
    EXPECT_EQ(PriceRoutes(true, duals), expected);
    // Suppliers alone: the route ends at Q + its supply.
    EXPECT_EQ(PriceRoutes(false, {0, 0, 0, 9, 0, 0}), (std::vector<std::string>{"1: d s1 d 8"}));
    EXPECT_TRUE(PriceRoutes(false, {0, 0, 0, 0, 0, 0}).empty());
    EXPECT_TRUE(PriceRoutes(true, {0, 0, 0, 0, 0, 0}).empty());
}

TEST_F(GSPPricingTest, PlainRoutesMayComeBackButNeverStayNoRevisitRoutesNeverComeBack) {
    doc->SetVehicleCapacity(30);
    // c1 and c2 are worth far more than the way between them.
    const std::vector<double> pi = {40, 40, 0, 0, 0, 0};
    for (bool noRevisits : {false, true}) {
        bool cameBack = false;
        for (const std::string& route : PriceRoutes(noRevisits, pi)) {
            EXPECT_EQ(route.find("c1 c1"), std::string::npos) << route;
            EXPECT_EQ(route.find("c2 c2"), std::string::npos) << route;
            cameBack = cameBack || route.find("c1 c2 c1") != std::string::npos ||
                       route.find("c2 c1 c2") != std::string::npos;
        }
        EXPECT_EQ(cameBack, !noRevisits);
    }
}

TEST_F(GSPPricingTest, DebugListingsOfTheNoRevisitsVariant) {
    doc->SetReportLevel(5);
    app->SetOutputLogFileName(home->File("debug.log"));
    CGSPPricing pricing(*doc, true);
    pricing.SetIteration(2);
    CRoutePool pool;
    pricing.Price(duals, pool, 100.0);
    const std::string log = ReadWholeFile(home->File("debug.log"));
    const char* const expected[] = {
        "\nGeneralized Shortest Path Labels at Iteration 2 and Step 0\n\n\nCustomer c1\n"
        " Load\t  Distance\tPred. Label\tPred. Load\tL\tCusVisit\tSupVisit\n"
        "    4\t     -3.00\td\t    0\tT\t01\t00\n",
        "Selected Customer c1 with minimum load 4 to become permanent\n\n",
        "\nSupplier s2\n Load\t  Distance\tPred. Label\tPred. Load\tL\tCusVisit\tSupVisit\n"
        "   10\t    -14.00\tc2\t    9\tP\t03\t02\n\n",
        "No label with node and load combination selected to become permanent\n\n",
        "\nGeneralized Depot Shortest Path Labels at Iteration 2\n\n\nDepot d\n",
        "   20\t     -6.00\ts2\t   20\tT\t03\t02\n\nRoute     1: Reduced Cost = -3.000000\n",
        "Route     3: Reduced Cost = -6.000000\n",
    };
    for (const char* text : expected) {
        EXPECT_NE(log.find(text), std::string::npos) << text;
    }
}

TEST(COctalWordTest, ElementsBelow64InTheSecondWordPrintedAfterTheFirst) {
    const std::pair<int, const char*> cases[] = {
        {0, "01"}, {3, "010"}, {63, "01000000000000000000000"}, {64, "10"}, {127, "10000000000000000000000"}};
    for (const auto& [element, text] : cases) {
        EXPECT_EQ(COctalWord::Singleton(element).FormatOctal(), text) << element;
    }
    EXPECT_TRUE(COctalWord::Singleton(70).With(COctalWord::Singleton(5)).Contains(70));
    EXPECT_FALSE(COctalWord::Singleton(70).Intersects(COctalWord::Singleton(6)));
}

} // namespace
