#include <gtest/gtest.h>

#include "construction/nearest_neighbor.h"
#include "framework/parameters/long_parameter.h"
#include "framework/strings/format.h"
#include "tests/construction/insertion_test_support.h"
#include "tests/support/project_fixture.h"

namespace {

class NearestNeighborTest : public ProjectFixture {
protected:
    // The run, then the whole-project check with the cost check.
    void Run() {
        ASSERT_EQ(RunNearestNeighbor(*doc), ERunResult::recorded);
        doc->CheckSolution(true);
    }
    const CAlgoStat& LastRecord() { return *doc->GetAlgorithmStatistics().back(); }
};

// Three customers of 40 along the x axis, suppliers of 50 and 60 up the y axis. Route 1 takes
// c1 and c2 (c3 would overload it), goes on to the suppliers from c2, takes s1 and closes when
// s2 does not fit; route 2 takes c3 and then s2.
class NearestNeighborMixedTest : public NearestNeighborTest {
protected:
    void SetUp() override {
        NearestNeighborTest::SetUp();
        AddDepot("d", 0, 0);
        AddCustomer("c1", 10, 0, 40);
        AddCustomer("c2", 20, 0, 40);
        AddCustomer("c3", 30, 0, 40);
        AddSupplier("s1", 0, 10, 50);
        AddSupplier("s2", 0, 20, 60);
        ui.ClearRecords();
    }
    const double total = 30.0 + std::hypot(20.0, 10.0) + 30.0 + std::hypot(30.0, 20.0) + 20.0;
};

TEST_F(NearestNeighborMixedTest, CustomersThenSuppliersFromTheLastCustomerWithTheAddReport) {
    Run();
    ASSERT_EQ(doc->GetNumberOfRoutes(), 2);
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "c1", "c2", "s1", "d"}));
    EXPECT_EQ(RouteLabels(doc->GetRoute(1)), (Texts{"d", "c3", "s2", "d"}));
    EXPECT_EQ(LastRecord().m_strAlgoName, "Nearest Neighbor");
    EXPECT_NEAR(LastRecord().m_dCost, total, 1e-9);

    // The opening view and one refresh per appended facility, then closed.
    ASSERT_EQ(ui.statusUpdates.size(), 6u);
    EXPECT_EQ(ui.statusUpdates[0].title, "Add Facility Report");
    EXPECT_EQ(StatusLines(ui.statusUpdates[5].fields),
              (Texts{"Number of Facilities = 5", "Append Facility Type = Supplier", "Append Facility = s2",
                     "Anchor Facility Type = Customer", "Anchor Facility = c3", "Linehaul Capacity= 60",
                     "Backhaul Capacity = 40",
                     FormatString("Append Distance = %.2lf", std::hypot(30.0, 20.0) + 20.0 - 30.0),
                     FormatString("Total Distance = %.2lf", total)}));
    EXPECT_EQ(ui.closedStatusWindows, Texts{"Add Facility Report"});
}

TEST_F(NearestNeighborMixedTest, PausesByReportLevelAndAnAbortAtAPauseRecordsNothing) {
    // No abort dialog and no continuation checks: an Abort pressed meanwhile is not seen.
    ui.abortAfterProcessCalls = 0;
    doc->SetReportLevel(REPORT_DETAILED);
    Run();
    EXPECT_EQ(ui.pauses, 1); // after route 1; route 2 ends with the run
    EXPECT_EQ(ui.processCalls, 0);
    EXPECT_EQ(ui.abortDialogsShown, 0);
    doc->SetReportLevel(REPORT_DEBUG);
    Run();
    EXPECT_EQ(ui.pauses, 1 + 6); // and after every step

    ui.pauseChoices.push_back(EPauseChoice::abort);
    EXPECT_EQ(RunNearestNeighbor(*doc), ERunResult::aborted);
    EXPECT_EQ(doc->GetRoutedCount(), 0);
    EXPECT_EQ(doc->GetFacility(FT_CUSTOMER, 0)->GetRoute(), nullptr);
    EXPECT_EQ(doc->GetAlgorithmStatistics().size(), 2u);
    EXPECT_EQ(doc->GetCurrentSolution().m_lRunStatus, -1);
}

TEST_F(NearestNeighborTest, EqualDistancesKeepTheFirstFacilityInDocumentOrder) {
    AddDepot("d", 0, 0);
    AddCustomer("c1", 0, 10, 10);
    AddCustomer("c2", 10, 0, 10);
    AddCustomer("c3", 0, -10, 10);
    Run();
    // All three are 10 from the depot; from c1, c2 is nearer than c3.
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "c1", "c2", "c3", "d"}));
}

TEST_F(NearestNeighborTest, TheNearestCustomerNotFittingClosesTheRouteUpToTheVehicleLimit) {
    AddDepot("d", 0, 0);
    AddCustomer("c1", 10, 0, 60);
    AddCustomer("c2", 20, 0, 60);
    AddCustomer("c3", 100, 0, 30);
    AddCustomer("big", 5, 0, 150);
    Run();
    ASSERT_EQ(doc->GetNumberOfRoutes(), 2);
    // c3 would still fit route 1, but the nearest customer c2 does not; big never fits.
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "c1", "d"}));
    EXPECT_EQ(RouteLabels(doc->GetRoute(1)), (Texts{"d", "c2", "c3", "d"}));

    ASSERT_TRUE(doc->SetNumberOfVehicles(1));
    Run();
    EXPECT_EQ(doc->GetRoutedCount(), 1);
    EXPECT_DOUBLE_EQ(LastRecord().m_dCost, 20.0 + (60 + 30 + 150) * doc->GetInfeasibilityPenalty());
}

TEST_F(NearestNeighborTest, SuppliersOnlyAndThenNothingEligible) {
    AddDepot("d", 0, 0);
    AddSupplier("s1", 20, 0, 30);
    AddSupplier("s2", 30, 0, 30);
    Run();
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "s1", "s2", "d"}));

    ASSERT_TRUE(doc->SetVehicleCapacity(20));
    ui.ClearRecords();
    Run();
    EXPECT_EQ(Messages(), Texts{"No facilities that can be included on a route exist"});
    EXPECT_EQ(ui.messages[0].icon, EMessageIcon::exclamation);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_DOUBLE_EQ(LastRecord().m_dCost, 60 * doc->GetInfeasibilityPenalty());
}

} // namespace
