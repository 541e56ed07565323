#include <gtest/gtest.h>

#include "construction/insertion.h"
#include "framework/parameters/long_parameter.h"
#include "framework/strings/format.h"
#include "tests/construction/insertion_test_support.h"
#include "tests/support/project_fixture.h"

namespace {

class InsertionTest : public ProjectFixture {
protected:
    // The routes built by hand become the current solution, as a construction leaves them.
    void StartFromTheRoutes() {
        RecordCurrentSolution();
        startDistance = doc->GetCurrentSolution().m_dDistance;
        ui.ClearRecords();
    }
    void Run(bool priciest) {
        ASSERT_EQ(priciest ? RunPriciestInsertion(*doc) : RunCheapestInsertion(*doc), ERunResult::recorded);
        doc->CheckSolution(true);
    }
    const CAlgoStat& LastRecord() { return *doc->GetAlgorithmStatistics().back(); }
    // The facilities the status window reported inserted, in order.
    Texts InsertedLabels() const {
        Texts labels;
        for (const auto& update : ui.statusUpdates) {
            if (!update.fields[2].value.empty()) {
                labels.push_back(update.fields[2].value);
            }
        }
        return labels;
    }
    double startDistance = 0.0;
};

// Route d c1 c2 d has room for one more customer of 30: c4 is cheapest (between c2 and the
// depot), c3 priciest (between c1 and c2); big never fits. Whichever goes first fills the route.
class InsertionCapacityTest : public InsertionTest {
protected:
    void SetUp() override {
        InsertionTest::SetUp();
        d = AddDepot("d", 0, 0);
        c1 = AddCustomer("c1", 10, 0, 40);
        c2 = AddCustomer("c2", 10, 10, 30);
        c3 = AddCustomer("c3", 20, 0, 30);
        c4 = AddCustomer("c4", 0, 10, 30);
        AddCustomer("big", 5, 5, 150);
        AddRoute({d, c1, c2, d});
        StartFromTheRoutes();
    }
    CFacility *d = nullptr, *c1 = nullptr, *c2 = nullptr, *c3 = nullptr, *c4 = nullptr;
};

TEST_F(InsertionCapacityTest, CheapestTakesTheSmallestPenaltyAndStopsWhenNothingFits) {
    Run(false);
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "c1", "c2", "c4", "d"}));
    const double penalty = Penalty(c2, c4, d);
    const CAlgoStat& record = LastRecord();
    EXPECT_EQ(record.m_strAlgoName, "Cheapest Insertion");
    EXPECT_EQ(record.m_lCount, 1);
    EXPECT_NEAR(record.m_dDeltaObjective, penalty, 1e-9);
    EXPECT_NEAR(record.m_dCost, startDistance + penalty + (30 + 150) * doc->GetInfeasibilityPenalty(), 1e-6);

    // A second run finds nothing to insert and records that.
    Run(false);
    EXPECT_EQ(LastRecord().m_lCount, 0);
    EXPECT_DOUBLE_EQ(LastRecord().m_dDeltaObjective, 0.0);
}

TEST_F(InsertionCapacityTest, PriciestTakesTheLargestFeasiblePenaltyFirst) {
    Run(true);
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "c1", "c3", "c2", "d"}));
    EXPECT_EQ(LastRecord().m_strAlgoName, "Priciest Insertion");
    EXPECT_NEAR(LastRecord().m_dDeltaObjective, Penalty(c1, c3, c2), 1e-9);
}

TEST_F(InsertionCapacityTest, AbortAtADebugPauseDeletesEvenTheRoutesThatWereThere) {
    doc->SetReportLevel(REPORT_DEBUG);
    ui.pauseChoices.push_back(EPauseChoice::abort);
    EXPECT_EQ(RunCheapestInsertion(*doc), ERunResult::aborted);
    EXPECT_EQ(ui.pauses, 1);
    EXPECT_EQ(c1->GetRoute(), nullptr);
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_EQ(doc->GetCurrentSolution().m_lRunStatus, -1);
}

TEST_F(InsertionCapacityTest, StartingRoutesThatFailTheCheckEndTheRunBeforeItIsAnnounced) {
    doc->SetReportLevel(REPORT_STANDARD);
    doc->AdjustRoutedCount(1);
    EXPECT_EQ(RunCheapestInsertion(*doc), ERunResult::failed);
    EXPECT_EQ(Messages(),
              Texts{"Invalid total number of routed facilities 2 different from recorded number 3"});
    EXPECT_EQ(ExecutionLog().find("Executing Cheapest Insertion algorithm"), std::string::npos);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_EQ(doc->GetCurrentSolution().m_lRunStatus, -1);
}

TEST_F(InsertionTest, EqualPenaltiesTakeCustomersBeforeSuppliers) {
    CFacility* d = AddDepot("d", 0, 0);
    CFacility* c1 = AddCustomer("c1", 10, 0, 10);
    AddCustomer("c2", 20, 0, 10);
    CFacility* s1 = AddSupplier("s1", -10, 0, 10);
    AddSupplier("s2", -20, 0, 10);
    AddRoute({d, c1, s1, d});
    StartFromTheRoutes();
    // c2 costs 20 on (d, c1), s2 costs 20 on (c1, s1); neither link breaks the other.
    Run(false);
    EXPECT_EQ(InsertedLabels(), (Texts{"c2", "s2"}));
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "c2", "c1", "s2", "s1", "d"}));
}

// c4 and c5 both want link (c1, c2) of route 1; c4 is cheaper and goes first, which breaks the
// link c5 had cached. Searched again over all routes, c5's best is now on route 2.
TEST_F(InsertionTest, ABrokenLinkIsSearchedAgainOverAllRoutes) {
    CFacility* d = AddDepot("d", 0, 0);
    CFacility* c1 = AddCustomer("c1", 100, 0, 10);
    CFacility* c2 = AddCustomer("c2", 100, 100, 10);
    CFacility* c3 = AddCustomer("c3", 120, 70, 10);
    CFacility* c4 = AddCustomer("c4", 110, 50, 10);
    CFacility* c5 = AddCustomer("c5", 120, 50, 10);
    AddRoute({d, c1, c2, d});
    AddRoute({d, c3, d});
    StartFromTheRoutes();
    ASSERT_LT(Penalty(c1, c5, c2), Penalty(d, c5, c3));
    ASSERT_LT(Penalty(d, c5, c3), Penalty(c1, c5, c4));

    Run(false);
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "c1", "c4", "c2", "d"}));
    EXPECT_EQ(RouteLabels(doc->GetRoute(1)), (Texts{"d", "c5", "c3", "d"}));
    const double delta = Penalty(c1, c4, c2) + Penalty(d, c5, c3);
    EXPECT_NEAR(LastRecord().m_dDeltaObjective, delta, 1e-9);
    // The window's lines are those of the savings commands; here the values of the last step.
    const Texts lines = StatusLines(ui.statusUpdates.back().fields);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[2], "Insertion Facility Label = c5");
    EXPECT_EQ(lines[9], FormatString("Insertion Penalty = %.2lf", Penalty(d, c5, c3)));
    EXPECT_EQ(lines[10], FormatString("Total Distance = %.2lf", startDistance + delta));
    EXPECT_EQ(ui.closedStatusWindows, Texts{"Insert Facility Report"});
}

// c6 (priciest) goes between c1 and c2 first. c7's cached link (d, c1) is still there, so c7
// goes there, although the new link (c1, c6) would now be cheaper for it.
TEST_F(InsertionTest, AnIntactCachedLinkIsKeptEvenWhenANewerLinkIsCheaper) {
    CFacility* d = AddDepot("d", 0, 0);
    CFacility* c1 = AddCustomer("c1", 100, 0, 10);
    CFacility* c2 = AddCustomer("c2", 100, 100, 10);
    CFacility* c6 = AddCustomer("c6", 200, 50, 10);
    CFacility* c7 = AddCustomer("c7", 120, -30, 10);
    AddRoute({d, c1, c2, d});
    StartFromTheRoutes();
    ASSERT_LT(Penalty(c1, c7, c6), Penalty(d, c7, c1));

    Run(true);
    EXPECT_EQ(InsertedLabels(), (Texts{"c6", "c7"}));
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "c7", "c1", "c6", "c2", "d"}));
}

} // namespace
