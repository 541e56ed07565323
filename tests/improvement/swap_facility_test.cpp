#include <gtest/gtest.h>

#include <cmath>

#include "framework/colours/color.h"
#include "framework/parameters/long_parameter.h"
#include "framework/strings/format.h"
#include "improvement/move_facility.h"
#include "improvement/swap_facility.h"
#include "tests/improvement/improvement_fixture.h"

namespace {

// Two routes far north of the depot that each hold the other's facility: a sits on the line
// y1-y2 of the second route, b on the line x1-x2 of the first. With b still in the second
// route, a's best place there is next to b; without b it is exactly b's place.
class SwapFacilityTest : public ImprovementFixture {
protected:
    void SetUp() override {
        ImprovementFixture::SetUp();
        d = AddDepot("d", 50, 500);
        x1 = AddCustomer("x1", 0, 900, 29);
        a = AddCustomer("a", 50, 1100, 40);
        x2 = AddCustomer("x2", 100, 900, 29);
        y1 = AddCustomer("y1", 0, 1100, 30);
        b = AddCustomer("b", 50, 900, 30);
        y2 = AddCustomer("y2", 100, 1100, 30);
        first = AddRoute({d, x1, a, x2, d});
        second = AddRoute({d, y1, b, y2, d});
        RecordCurrentSolution();
        ui.ClearRecords();
    }

    CFacility *d = nullptr, *x1 = nullptr, *a = nullptr, *x2 = nullptr, *y1 = nullptr, *b = nullptr,
              *y2 = nullptr;
    CRoute *first = nullptr, *second = nullptr;
};

TEST_F(SwapFacilityTest, FirstFacilityTakesThePlaceTheSecondLeavesWhenItsBestPlaceTouchesIt) {
    CSwapFacility scan(*doc);
    SwapCandidate candidate;
    ASSERT_TRUE(scan.FindBestSwap(candidate));
    EXPECT_EQ(candidate.m_facility1.facility, a);
    EXPECT_EQ(candidate.m_facility2.facility, b);
    EXPECT_EQ(candidate.m_pLinkFrom1, y1);
    EXPECT_EQ(candidate.m_linkTo1.facility, y2);
    EXPECT_EQ(candidate.m_pLinkFrom2, x1);
    EXPECT_EQ(candidate.m_linkTo2.facility, x2);

    double before = doc->GetCurrentSolution().m_dDistance;
    ASSERT_EQ(RunSwapFacility(*doc), ERunResult::recorded);
    EXPECT_EQ(AllRoutes(), (std::vector<Sequence>{{"d", "x1", "b", "x2", "d"}, {"d", "y1", "a", "y2", "d"}}));
    EXPECT_EQ(a->GetRoute(), second);
    EXPECT_EQ(b->GetRoute(), first);
    const CAlgoStat& record = OnlyRecord();
    EXPECT_EQ(record.m_strAlgoName, "Swap Facility");
    EXPECT_EQ(record.m_lCount, 1);
    // Both routes become straight runs: 2 x 100 along them and the legs to and from the depot.
    double after = 200.0 + 2 * std::hypot(50.0, 400.0) + 2 * std::hypot(50.0, 600.0);
    EXPECT_NEAR(record.m_dDistance, after, 1e-9);
    EXPECT_NEAR(record.m_dDeltaObjective, before - after, 1e-9);
    EXPECT_EQ(record.m_lIterations, 1);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 2);
    ExpectConsistent();
}

TEST_F(SwapFacilityTest, BothRoutesMustTakeTheirNewLoad) {
    // Swapping a (40) for b (30) brings the second route to exactly 100, the first to 88.
    CSwapFacility scan(*doc);
    SwapCandidate candidate;
    ASSERT_TRUE(scan.FindBestSwap(candidate));
    EXPECT_EQ(candidate.m_facility1.facility, a);
    EXPECT_EQ(candidate.m_facility2.facility, b);

    // With one more unit the second route would hold 101: the best swap that fits is x1 for y2
    // (the first route then holds 100), worth far less.
    ASSERT_TRUE(doc->ChangeFacilityQuantity(a, 41));
    RecordCurrentSolution();
    ASSERT_TRUE(scan.FindBestSwap(candidate));
    EXPECT_EQ(candidate.m_facility1.facility, x1);
    EXPECT_EQ(candidate.m_facility2.facility, y2);
    EXPECT_NEAR(candidate.m_dSavings, 372.6253017, 1e-6);

    // A whole run never overloads a route (the check tests every load).
    ASSERT_EQ(RunSwapFacility(*doc), ERunResult::recorded);
    for (const CRoute* route : doc->GetRoutes()) {
        EXPECT_LE(route->GetQuantity(FT_CUSTOMER), 100);
    }
    ExpectConsistent();
}

TEST_F(SwapFacilityTest, StatusWindowShowsBothFacilitiesWithTheirNewNeighbours) {
    doc->SetReportLevel(REPORT_STANDARD);
    ASSERT_EQ(RunSwapFacility(*doc), ERunResult::recorded);
    ASSERT_EQ(ui.statusUpdates.size(), 2u);
    EXPECT_EQ(ui.statusUpdates[0].title, "Swap Facility Report");
    EXPECT_EQ(FieldsOf(ui.statusUpdates[0])[1],
              (std::pair<std::string, std::string>{"Swap Facility 1", "None"}));
    std::string distance = FormatString("%.2lf", doc->GetCurrentSolution().m_dDistance);
    std::string savings = FormatString("%.2lf", OnlyRecord().m_dDeltaObjective);
    EXPECT_EQ(FieldsOf(ui.statusUpdates[1]), (Fields{{"Number of Swaps", "1"},
                                                     {"Swap Facility 1", "Customer a"},
                                                     {"Predecessor 1", "Customer y1"},
                                                     {"Successor 1", "Customer y2"},
                                                     {"Linehaul Capacity 1", "0"},
                                                     {"Backhaul Capacity 1", "100"},
                                                     {"Swap Facility 2", "Customer b"},
                                                     {"Predecessor 2", "Customer x1"},
                                                     {"Successor 2", "Customer x2"},
                                                     {"Linehaul Capacity 2", "12"},
                                                     {"Backhaul Capacity 2", "100"},
                                                     {"Swap Savings", savings},
                                                     {"Total Distance", distance}}));
    EXPECT_EQ(ui.closedStatusWindows, Sequence{"Swap Facility Report"});
    ExpectConsistent();
}

TEST_F(SwapFacilityTest, DetailedLevelShowsFourColouredDisplayRoutesThatLeaveNoTrace) {
    CPauseSpyInterface spy;
    spy.document = doc.get();
    spy.ownRoutes = 2;
    SetUserInterface(&spy);
    doc->SetReportLevel(REPORT_DETAILED);
    ERunResult result = RunSwapFacility(*doc);
    SetUserInterface(&ui);
    ASSERT_EQ(result, ERunResult::recorded);

    ASSERT_EQ(spy.seen.size(), 1u);
    EXPECT_EQ(spy.seen[0].routes, 6);
    EXPECT_EQ(spy.seen[0].routedCount, 6);
    EXPECT_EQ(spy.seen[0].lastRoutes,
              (std::vector<Sequence>{{"x1", "a", "x2"}, {"x1", "x2"}, {"y1", "b", "y2"}, {"y1", "y2"}}));
    EXPECT_EQ(spy.seen[0].colors, (std::vector<int>{COLOR_MAGENTA, COLOR_RED, COLOR_RED, COLOR_MAGENTA}));

    EXPECT_EQ(AllRoutes(), (std::vector<Sequence>{{"d", "x1", "b", "x2", "d"}, {"d", "y1", "a", "y2", "d"}}));
    EXPECT_EQ(doc->GetSpecifiedCount(FT_ROUTE), 2);
    EXPECT_EQ(doc->GetCurrentSolution().m_lNumberOfRoutes, 2);
    EXPECT_EQ(first->GetLabel(), "1");
    EXPECT_EQ(second->GetLabel(), "2");
    EXPECT_EQ(doc->FindRouteByLabel("2"), second);
    ExpectConsistent();
}

TEST_F(SwapFacilityTest, DebugLogNamesTheBestSwapWithItsLinks) {
    OpenOutputLog();
    doc->SetReportLevel(REPORT_DEBUG);
    ASSERT_EQ(RunSwapFacility(*doc), ERunResult::recorded);
    const double savings = OnlyRecord().m_dDeltaObjective;
    std::string expected =
        FormatString("\nSwap 1 with cumulative savings %.3lf\n", savings) +
        "Best first move Customer a from link (Customer x1, Customer x2)\n" +
        FormatString("Insert on link (Customer y1, Customer y2) with total delta distance %.3lf\n", savings) +
        "Best second move Customer b from link (Customer y1, Customer y2)\n" +
        FormatString("Insert on link (Customer x1, Customer x2) with total delta distance "
                     "%.3lf\n\n",
                     savings);
    std::string body = OutputLogBody();
    EXPECT_NE(body.find(expected), std::string::npos) << body;
    EXPECT_NE(body.find("\nNo swap with positive savings found\n\n"), std::string::npos);
}

// Project numbers c1 0, c2 1, c3 2, c4 3, d 4. Grouping {c1, c3} and {c2, c4} saves 38, reached
// by swapping c1 with c4 or c2 with c3.
class SwapTieTest : public ImprovementFixture {};

TEST_F(SwapTieTest, TieGoesToTheFirstSwapInScanOrder) {
    CFacility* d = AddDepot("d", 0, 0);
    CFacility* c1 = AddCustomer("c1", 1, 1, 10);
    CFacility* c2 = AddCustomer("c2", 2, 2, 10);
    CFacility* c3 = AddCustomer("c3", 3, 3, 10);
    CFacility* c4 = AddCustomer("c4", 4, 4, 10);
    SetDistances({{0, 20, 1, 20, 10},
                  {20, 0, 20, 1, 10},
                  {1, 20, 0, 20, 10},
                  {20, 1, 20, 0, 10},
                  {10, 10, 10, 10, 0}});
    AddRoute({d, c1, c2, d});
    AddRoute({d, c3, c4, d});
    RecordCurrentSolution();

    ASSERT_EQ(RunSwapFacility(*doc), ERunResult::recorded);
    // c1 (first in the first route) with c4; c4 takes the first of its two equal places.
    EXPECT_EQ(AllRoutes(), (std::vector<Sequence>{{"d", "c4", "c2", "d"}, {"d", "c1", "c3", "d"}}));
    EXPECT_DOUBLE_EQ(OnlyRecord().m_dDeltaObjective, 38.0);
    EXPECT_EQ(OnlyRecord().m_lCount, 1);
    EXPECT_EQ(c4->GetRoute(), doc->GetRoute(0));
    EXPECT_EQ(c3->GetRoute(), doc->GetRoute(1));
    ExpectConsistent();
}

// A customer swapped for a supplier: the second route's customer load loses nothing.
class SwapMixedTypesTest : public ImprovementFixture {};

TEST_F(SwapMixedTypesTest, LoadOfTheOtherTypeIsNotSubtracted) {
    CFacility* d = AddDepot("d", 0, 0);
    CFacility* c1 = AddCustomer("c1", 10, 100, 50);
    CFacility* c2 = AddCustomer("c2", 0, 100, 60);
    CFacility* s2 = AddSupplier("s2", 0, 10, 50);
    AddRoute({d, c1, d});
    AddRoute({d, c2, s2, d});
    RecordCurrentSolution();

    CSwapFacility scan(*doc);
    SwapCandidate candidate;
    EXPECT_FALSE(scan.FindBestSwap(candidate)) << "60 + 50 customers on the second route";

    ASSERT_TRUE(doc->ChangeFacilityQuantity(c2, 50));
    ASSERT_TRUE(scan.FindBestSwap(candidate));
    EXPECT_EQ(candidate.m_facility1.facility, c1);
    EXPECT_EQ(candidate.m_facility2.facility, s2);
    RecordCurrentSolution();
    ASSERT_EQ(RunSwapFacility(*doc), ERunResult::recorded);
    EXPECT_EQ(AllRoutes(), (std::vector<Sequence>{{"d", "s2", "d"}, {"d", "c1", "c2", "d"}}));
    ExpectConsistent();
}

// The Debug lines of a scan that finds nothing: swapping two single customers only exchanges
// the routes. c1's best place next to c2 is searched again without c2.
class SwapDebugLogTest : public ImprovementFixture {};

TEST_F(SwapDebugLogTest, EveryEvaluationIsWrittenAndTheScanEndsWithNoSwap) {
    CFacility* d = AddDepot("d", 0, 0);
    CFacility* c1 = AddCustomer("c1", 0, 100, 30);
    CFacility* c2 = AddCustomer("c2", 0, 110, 20);
    AddRoute({d, c1, d});
    AddRoute({d, c2, d});
    RecordCurrentSolution();
    OpenOutputLog();
    doc->SetReportLevel(REPORT_DEBUG);
    ASSERT_EQ(RunSwapFacility(*doc), ERunResult::recorded);

    std::string expected =
        "Move One Customer c1 from link (Depot d, Depot d) with quantity 30 and removal delta distance "
        "200.000\n"
        "Insert on link (Depot d, Customer c2) with total-one delta distance 200.000\n"
        "Insert on link (Customer c2, Depot d) with total-one delta distance 200.000\n"
        "Move two Customer c2 from link (Depot d, Depot d) with quantity 20 and removal delta distance "
        "220.000\n"
        "Insert on link (Depot d, Depot d) with total-two delta distance 0.000\n"
        "Move One Customer c1 from link (Depot d, Depot d) with quantity 30 and removal delta distance "
        "200.000\n"
        "Insert on link (Depot d, Depot d) with total-one delta distance 0.000\n"
        "Move One Customer c2 from link (Depot d, Depot d) with quantity 20 and removal delta distance "
        "220.000\n"
        "\nNo swap with positive savings found\n\n"
        "Algo. No. =         1";
    std::string body = OutputLogBody();
    EXPECT_EQ(body.substr(0, expected.size()), expected) << body;
    EXPECT_EQ(OnlyRecord().m_lCount, 0);
    ExpectConsistent();
}

} // namespace
