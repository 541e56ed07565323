#include <gtest/gtest.h>

#include "construction/sweep.h"
#include "framework/parameters/long_parameter.h"
#include "tests/construction/insertion_test_support.h"
#include "tests/support/project_fixture.h"

namespace {

// By angle: c1 (0), s1 and c4 (pi/4; c4 is above the capacity), c2 (pi/2), c3 (pi),
// s2 (5 pi/4), s3 (3 pi/2). Route 1 takes c1, s1 and c2 and closes at c3 (customer load 120);
// route 2 takes c3, s2 and s3, the suppliers in decreasing angle order on the way back.
class SweepTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        AddDepot("d", 0, 0);
        AddCustomer("c1", 10, 0, 40);
        AddCustomer("c2", 0, 10, 40);
        AddCustomer("c3", -10, 0, 40);
        AddCustomer("c4", 20, 20, 150);
        AddSupplier("s1", 10, 10, 30);
        AddSupplier("s2", -10, -10, 30);
        AddSupplier("s3", 0, -10, 10);
        ui.ClearRecords();
    }
    void Run() {
        ASSERT_EQ(RunSweep(*doc), ERunResult::recorded);
        doc->CheckSolution(true);
    }
    const CAlgoStat& LastRecord() { return *doc->GetAlgorithmStatistics().back(); }
    const double diagonal = std::hypot(10.0, 10.0);
};

TEST_F(SweepTest, CustomersOutwardInAngleOrderSuppliersBackInReverse) {
    Run();
    ASSERT_EQ(doc->GetNumberOfRoutes(), 2);
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "c1", "c2", "s1", "d"}));
    EXPECT_EQ(RouteLabels(doc->GetRoute(1)), (Texts{"d", "c3", "s3", "s2", "d"}));
    const CAlgoStat& record = LastRecord();
    EXPECT_EQ(record.m_strAlgoName, "Sweep");
    EXPECT_NEAR(record.m_dCost, 40 + 4 * diagonal + 150 * doc->GetInfeasibilityPenalty(), 1e-6);
    // The opening view and a refresh per facility placed; the last placed s3 before s2.
    ASSERT_EQ(ui.statusUpdates.size(), 7u);
    EXPECT_EQ(ui.statusUpdates.back().title, "Insert Facility Report");
    EXPECT_EQ(StatusLines(ui.statusUpdates.back().fields)[6], "Successor Facility Label = s2");
}

TEST_F(SweepTest, StartingAngleIsRecordedAndMovesTheFirstFacility) {
    doc->SetStartingAngle(90);
    Run();
    // From straight up: c2, c3, s2, s3, then c1 closes route 1 and s1 joins it on route 2.
    ASSERT_EQ(doc->GetNumberOfRoutes(), 2);
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "c2", "c3", "s3", "s2", "d"}));
    EXPECT_EQ(RouteLabels(doc->GetRoute(1)), (Texts{"d", "c1", "s1", "d"}));
    EXPECT_EQ(LastRecord().m_dParameter, 90.0);

    // With the vehicles used up the first facility that does not fit ends the run: s2 and s3
    // would fit route 1's supplier load, but the run ended at c3.
    doc->SetStartingAngle(0);
    ASSERT_TRUE(doc->SetNumberOfVehicles(1));
    Run();
    ASSERT_EQ(doc->GetNumberOfRoutes(), 1);
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "c1", "c2", "s1", "d"}));
}

TEST_F(SweepTest, PausesByReportLevelAndAnAbortAtThePauseAfterRouteOne) {
    doc->SetReportLevel(REPORT_DETAILED);
    Run();
    EXPECT_EQ(ui.pauses, 1);
    doc->SetReportLevel(REPORT_DEBUG);
    Run();
    EXPECT_EQ(ui.pauses, 1 + 7);

    doc->SetReportLevel(REPORT_DETAILED);
    ui.abortAfterProcessCalls = 0;
    ui.pauseChoices.push_back(EPauseChoice::abort);
    EXPECT_EQ(RunSweep(*doc), ERunResult::aborted);
    EXPECT_EQ(ui.processCalls, 0);
    EXPECT_EQ(doc->GetRoutedCount(), 0);
    EXPECT_EQ(doc->GetAlgorithmStatistics().size(), 2u);
}

TEST_F(ProjectFixture, SweepOfSuppliersOnlyStartsWithThem) {
    AddDepot("d", 0, 0);
    AddSupplier("s1", 10, 0, 30);
    AddSupplier("s2", 0, 10, 30);
    ASSERT_EQ(RunSweep(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "s2", "s1", "d"}));
    doc->CheckSolution(true);
}

} // namespace
