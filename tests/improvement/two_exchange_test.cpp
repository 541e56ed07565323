#include "improvement/two_exchange.h"

#include <cmath>

#include "framework/parameters/long_parameter.h"
#include "tests/improvement/improvement_fixture.h"

namespace {

const std::string kReport = "Two Exchange Facility Report";

// A square route that crosses itself: d1 (0,0), c1 (0,10), c2 (10,0), c3 (10,10). Reversing c2 c3
// gives the square d1 c1 c3 c2 d1 of length 40 and saves 20 sqrt(2) - 20.
class TwoExchangeTest : public ImprovementFixture {
protected:
    void MakeCrossedSquare() {
        d1 = AddDepot("d1", 0, 0);
        c1 = AddCustomer("c1", 0, 10, 10);
        c2 = AddCustomer("c2", 10, 0, 10);
        c3 = AddCustomer("c3", 10, 10, 10);
        route = AddRoute({d1, c1, c2, c3, d1});
        RecordCurrentSolution();
        ui.ClearRecords();
    }
    const double kSquareSavings = 20.0 * std::sqrt(2.0) - 20.0;

    CFacility *d1 = nullptr, *c1 = nullptr, *c2 = nullptr, *c3 = nullptr;
    CRoute* route = nullptr;
};

TEST_F(TwoExchangeTest, UncrossesTheSquareRecordsTheRunAndShowsTheNewLinks) {
    MakeCrossedSquare();
    ASSERT_EQ(OnTwoExchange(*doc), ERunResult::recorded);

    EXPECT_EQ(RouteText(route), "d1 c1 c3 c2 d1");
    ASSERT_EQ(doc->GetAlgorithmStatistics().size(), 1u);
    const CAlgoStat& row = LastRow();
    EXPECT_EQ(row.m_strAlgoName, "Two Exchange");
    EXPECT_EQ(row.m_lCount, 1);
    EXPECT_EQ(row.m_lIterations, 1);
    EXPECT_EQ(row.m_lExchangeCounter1, 1);
    EXPECT_EQ(row.m_lExchangeCounter2, 0);
    EXPECT_NEAR(row.m_dDeltaObjective, kSquareSavings, 1e-9);
    EXPECT_NEAR(row.m_dDistance, 40.0, 1e-9);
    EXPECT_NEAR(row.m_dCost, 40.0, 1e-9);
    EXPECT_EQ(row.m_dParameter, 0.0);
    EXPECT_NE(ExecutionLog().find("Executing Two Exchange algorithm\n"), std::string::npos);
    EXPECT_NO_THROW(doc->CheckSolution(true));
    EXPECT_FALSE(doc->IsAlgorithmRunning());
    EXPECT_EQ(ui.abortDialogsShown, 1);
    EXPECT_EQ(ui.abortDialogsClosed, 1);

    // The status window starts empty and ends with the step's new links.
    ASSERT_FALSE(ui.statusUpdates.empty());
    const auto& first = ui.statusUpdates.front();
    EXPECT_EQ(first.title, kReport);
    EXPECT_EQ(Field(first.fields, "Number of Exchanges"), "0");
    EXPECT_EQ(Field(first.fields, "New Link 1 Origin"), "None");
    EXPECT_EQ(Field(first.fields, "Route"), "None");
    EXPECT_EQ(Field(first.fields, "Total Distance"), "48.28");

    // The reversed run c2 c3 makes the links (c1, c3) and (c2, d1).
    auto fields = LastFields(kReport);
    EXPECT_EQ(Field(fields, "Number of Exchanges"), "1");
    EXPECT_EQ(Field(fields, "New Link 1 Origin"), "Customer c1");
    EXPECT_EQ(Field(fields, "New Link 1 Destination"), "Customer c3");
    EXPECT_EQ(Field(fields, "New Link 2 Origin"), "Customer c2");
    EXPECT_EQ(Field(fields, "New Link 2 Destination"), "Depot d1");
    EXPECT_EQ(Field(fields, "Route"), "1");
    EXPECT_EQ(Field(fields, "Exchange Savings"), "8.28");
    EXPECT_EQ(Field(fields, "Total Exchange Savings"), "8.28");
    EXPECT_EQ(Field(fields, "Total Distance"), "40.00");
    EXPECT_EQ(ui.closedStatusWindows, std::vector<std::string>{kReport});
    EXPECT_EQ(ui.pauses, 0);
}

TEST_F(TwoExchangeTest, BelowStandardNoStatusWindowIsShown) {
    MakeCrossedSquare();
    ASSERT_TRUE(doc->SetReportLevel(REPORT_SUMMARY));
    ASSERT_EQ(OnTwoExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteText(route), "d1 c1 c3 c2 d1");
    EXPECT_TRUE(ui.statusUpdates.empty());
    EXPECT_TRUE(ui.closedStatusWindows.empty());
}

TEST_F(TwoExchangeTest, AtDebugTheOldLinksAreTemporaryRoutesDuringThePause) {
    MakeCrossedSquare();
    ASSERT_TRUE(doc->SetReportLevel(REPORT_DEBUG));
    CPauseSpyInterface spy;
    spy.document = doc.get();
    spy.ownRoutes = 1;
    SetUserInterface(&spy);
    ERunResult result = OnTwoExchange(*doc);
    SetUserInterface(&ui);

    ASSERT_EQ(result, ERunResult::recorded);
    ASSERT_EQ(spy.seen.size(), 1u);
    EXPECT_EQ(spy.seen[0].lastRoutes, (std::vector<Sequence>{{"c1", "c2"}, {"c3", "d1"}}));
    EXPECT_EQ(spy.seen[0].colors, (std::vector<int>{COLOR_RED, COLOR_RED}));
    // The project is as the step left it: one route, labelled 1, all facilities on it.
    EXPECT_EQ(doc->GetNumberOfRoutes(), 1);
    EXPECT_EQ(doc->GetSpecifiedCount(FT_ROUTE), 1);
    EXPECT_EQ(doc->GetRoute(0)->GetLabel(), "1");
    EXPECT_EQ(c2->GetRoute(), route);
    EXPECT_EQ(doc->GetRoutedCount(), 3);
    EXPECT_NO_THROW(doc->CheckSolution(true));
}

TEST_F(TwoExchangeTest, AbortFromThePauseRemovesTheDisplayRoutesAndAllRoutes) {
    MakeCrossedSquare();
    ASSERT_TRUE(doc->SetReportLevel(REPORT_DEBUG));
    ui.pauseChoices.push_back(EPauseChoice::abort);
    EXPECT_EQ(OnTwoExchange(*doc), ERunResult::aborted);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_EQ(doc->GetRoutedCount(), 0);
    EXPECT_EQ(c1->GetRoute(), nullptr);
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_EQ(ui.closedStatusWindows, std::vector<std::string>{kReport});
}

TEST_F(TwoExchangeTest, WithoutRoutesTheCommandDoesNothing) {
    AddDepot("d1", 0, 0);
    AddCustomer("c1", 0, 10, 10);
    EXPECT_EQ(OnTwoExchange(*doc), ERunResult::refused);
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_EQ(ExecutionLog().find("Executing Two Exchange"), std::string::npos);
}

TEST_F(TwoExchangeTest, AsymmetricDistancesReverseNothingButTheRunIsRecorded) {
    MakeCrossedSquare();
    doc->SetAsymmetric(1);
    ASSERT_EQ(OnTwoExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteText(route), "d1 c1 c2 c3 d1");
    EXPECT_EQ(LastRow().m_lCount, 0);
    EXPECT_EQ(LastRow().m_dDeltaObjective, 0.0);
}

TEST_F(TwoExchangeTest, TheWholeInteriorOfACustomerRouteIsNeverReversed) {
    // Read backwards the route d1 c1 c2 d1 would cost 3 instead of 30, but only the whole
    // interior could be reversed.
    d1 = AddDepot("d1", 0, 0);
    c1 = AddCustomer("c1", 0, 10, 10);
    c2 = AddCustomer("c2", 10, 0, 10);
    FillDistances(10.0);
    SetDistance(d1, c2, 1.0);
    SetDistance(c2, c1, 1.0);
    SetDistance(c1, d1, 1.0);
    route = AddRoute({d1, c1, c2, d1});
    RecordCurrentSolution();

    SExchangeWindows windows;
    TwoExchangeCandidate candidate;
    EXPECT_FALSE(CTwoExchange(*doc, windows.two).Scan(candidate));
    ASSERT_EQ(OnTwoExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteText(route), "d1 c1 c2 d1");
}

TEST_F(TwoExchangeTest, NoReversalSpansTheLastCustomerAndTheFirstSupplier) {
    // Every link costs 10 but (c1, s1) and (c2, s2). Reversing c2 s1 would save 18 and is never
    // proposed; reversing c1 c2 saves 9 and reversing s1 s2 as well, and the first one found
    // stays.
    d1 = AddDepot("d1", 0, 0);
    c1 = AddCustomer("c1", 0, 10, 10);
    c2 = AddCustomer("c2", 10, 0, 10);
    CFacility* s1 = AddSupplier("s1", 20, 0, 10);
    CFacility* s2 = AddSupplier("s2", 20, 10, 10);
    FillDistances(10.0);
    SetBothWays(c1, s1, 1.0);
    SetBothWays(c2, s2, 1.0);
    route = AddRoute({d1, c1, c2, s1, s2, d1});
    RecordCurrentSolution();

    ASSERT_EQ(OnTwoExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteText(route), "d1 c2 c1 s1 s2 d1");
    EXPECT_EQ(LastRow().m_lCount, 1);
    EXPECT_DOUBLE_EQ(LastRow().m_dDeltaObjective, 9.0);
    EXPECT_DOUBLE_EQ(LastRow().m_dDistance, 41.0);
    EXPECT_NO_THROW(doc->CheckSolution(true));
}

// d1 c1 c2 c3 d1 with every link 50 but (c1, c3) and (c3, d1): reversing c1 c2 (first in scan
// order) saves 50 - d(c1, c3), reversing c2 c3 saves d(c3, d1) - d(c1, c3).
class TwoExchangeToleranceTest : public TwoExchangeTest {
protected:
    void MakeRoute(double c1c3, double c3d1) {
        d1 = AddDepot("d1", 0, 0);
        c1 = AddCustomer("c1", 0, 10, 10);
        c2 = AddCustomer("c2", 10, 0, 10);
        c3 = AddCustomer("c3", 10, 10, 10);
        FillDistances(50.0);
        SetBothWays(c1, c3, c1c3);
        SetBothWays(c3, d1, c3d1);
        route = AddRoute({d1, c1, c2, c3, d1});
        // The stored distance the margin refers to (the steps do not refresh it).
        route->SetDistance(200.0);
    }
    bool Find() {
        SExchangeWindows windows;
        return CTwoExchange(*doc, windows.two).Scan(candidate);
    }
    TwoExchangeCandidate candidate;
};

TEST_F(TwoExchangeToleranceTest, FirstCandidateNeedsSavingsAboveTheMargin) {
    MakeRoute(48.0, 50.0); // both reversals save 2, which is not above 0.01 x 200
    ASSERT_TRUE(doc->SetTolerance(0.01));
    EXPECT_FALSE(Find());
    ASSERT_TRUE(doc->SetTolerance(0.0));
    ASSERT_TRUE(Find());
    EXPECT_DOUBLE_EQ(candidate.savings, 2.0);
    EXPECT_EQ(candidate.iNext.facility, c1); // the equal second one does not replace it
}

TEST_F(TwoExchangeToleranceTest, ALaterCandidateMustBeatTheBestByTheMargin) {
    MakeRoute(47.0, 51.0);
    ASSERT_TRUE(doc->SetTolerance(0.01));
    ASSERT_TRUE(Find());
    EXPECT_DOUBLE_EQ(candidate.savings, 3.0);
    EXPECT_EQ(candidate.route, route);
    EXPECT_EQ(candidate.i.facility, d1);
    EXPECT_EQ(candidate.iNext.facility, c1);
    EXPECT_EQ(candidate.j.facility, c2);
    EXPECT_EQ(candidate.jNext.facility, c3);
    ASSERT_TRUE(doc->SetTolerance(0.0));
    ASSERT_TRUE(Find());
    EXPECT_DOUBLE_EQ(candidate.savings, 4.0);
    EXPECT_EQ(candidate.i.facility, c1);
    EXPECT_EQ(candidate.jNext.facility, d1);
}

} // namespace
