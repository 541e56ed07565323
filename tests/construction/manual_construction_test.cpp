#include <gtest/gtest.h>

#include <cmath>

#include "construction/manual_construction.h"
#include "framework/parameters/long_parameter.h"
#include "framework/strings/format.h"
#include "tests/construction/insertion_test_support.h"
#include "tests/support/project_fixture.h"

namespace {

// A depot at the origin, customers of 40 along the x axis and suppliers of 50 and 60 up the
// y axis; vehicles of capacity 100. The run is driven by clicks as the routes view forwards them.
class ManualConstructionTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        d = AddDepot("d", 0, 0);
        c1 = AddCustomer("c1", 30, 40, 40);
        c2 = AddCustomer("c2", 60, 80, 40);
        c3 = AddCustomer("c3", 90, 120, 40);
        s1 = AddSupplier("s1", 0, 10, 50);
        s2 = AddSupplier("s2", 0, 20, 60);
        manualConstruction = std::make_unique<CManualConstruction>(*doc);
        ui.ClearRecords();
    }
    void TearDown() override {
        manualConstruction.reset();
        ProjectFixture::TearDown();
    }

    void Start() {
        ASSERT_TRUE(Manual().Start());
        ASSERT_TRUE(doc->IsAlgorithmRunning());
    }
    // Clicks each facility in turn; returns which clicks did something.
    std::vector<bool> Click(std::initializer_list<CFacility*> facilities) {
        std::vector<bool> acted;
        for (CFacility* f : facilities) {
            acted.push_back(Manual().OnFacilityClicked(f));
        }
        return acted;
    }
    // The run is over and recorded as "Manual Construction" with the routes' distance.
    void ExpectRecorded(size_t records = 1) {
        EXPECT_FALSE(Manual().IsActive());
        EXPECT_FALSE(doc->IsAlgorithmRunning());
        ASSERT_EQ(doc->GetAlgorithmStatistics().size(), records);
        const CAlgoStat& record = *doc->GetAlgorithmStatistics().back();
        EXPECT_EQ(record.m_strAlgoName, "Manual Construction");
        EXPECT_EQ(record.m_lRunStatus, 1);
        EXPECT_EQ(record.m_lIterations, 1);
        EXPECT_NEAR(record.m_dDistance, doc->GetTotalDistance(false), 1e-9);
        EXPECT_EQ(ui.closedStatusWindows.back(), "Add Facility Report");
        doc->CheckSolution(true);
    }

    std::unique_ptr<CManualConstruction> manualConstruction;
    CManualConstruction& Manual() { return *manualConstruction; }
    CFacility *d = nullptr, *c1 = nullptr, *c2 = nullptr, *c3 = nullptr, *s1 = nullptr, *s2 = nullptr;
};

TEST_F(ManualConstructionTest, StartSetsStandardDeletesRoutesAndShowsTheAddReport) {
    doc->SetReportLevel(REPORT_SUMMARY);
    AddRoute({d, c1, d});
    Start();
    EXPECT_EQ(doc->GetReportLevel(), REPORT_STANDARD);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_NE(ExecutionLog().find("Executing Manual Construction algorithm"), std::string::npos);
    ASSERT_EQ(ui.statusUpdates.size(), 1u);
    EXPECT_EQ(ui.statusUpdates[0].title, "Add Facility Report");
    // Nothing but a depot opens a route.
    EXPECT_EQ(Click({c1, s1}), (std::vector<bool>{false, false}));
    EXPECT_FALSE(Manual().Start()) << "the mode is already on";
}

TEST_F(ManualConstructionTest, IgnoredClicksUndoAndUndoToTheDepotDeletingTheRoute) {
    Start();
    // c3 after c1 and c2 would overload the route; c2 after a supplier breaks the order.
    EXPECT_EQ(Click({d, c1, c2, c3, s1, c3}), (std::vector<bool>{true, true, true, false, true, false}));
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "c1", "c2", "s1"}));
    EXPECT_EQ(
        StatusLines(ui.statusUpdates.back().fields),
        (Texts{"Number of Facilities = 3", "Append Facility Type = Supplier", "Append Facility = s1",
               "Anchor Facility Type = Customer", "Anchor Facility = c2", "Linehaul Capacity= 20",
               "Backhaul Capacity = 50", FormatString("Append Distance = %.2lf", std::hypot(60.0, 70.0)),
               FormatString("Total Distance = %.2lf", 50.0 + 50.0 + std::hypot(60.0, 70.0))}));

    // The last appended facility twice: s1, then c2 come off again.
    EXPECT_EQ(Click({s1}), std::vector<bool>{true});
    EXPECT_EQ(Manual().GetLastFacility(), c2);
    EXPECT_EQ(Click({c2}), std::vector<bool>{true});
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "c1"}));
    EXPECT_EQ(Manual().GetLastFacility(), c1);
    EXPECT_EQ(Manual().GetPreviousFacility(), d);
    EXPECT_EQ(doc->GetRoutedCount(), 1);
    EXPECT_EQ(s1->GetRoute(), nullptr);
    EXPECT_DOUBLE_EQ(doc->GetCurrentSolution().m_dDistance, 50.0);

    // Back to the depot and the depot itself: the route is gone, the mode waits for a depot.
    EXPECT_EQ(Click({c1, d}), (std::vector<bool>{true, true}));
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_EQ(Manual().GetRoute(), nullptr);
    EXPECT_TRUE(Manual().IsActive());
    EXPECT_DOUBLE_EQ(doc->GetCurrentSolution().m_dDistance, 0.0);
    EXPECT_EQ(ui.beeps, 4 + 4);
}

TEST_F(ManualConstructionTest, EscapeClosesTheRouteAtItsDepotAndRecords) {
    Start();
    Click({d, c1, d, d, c2, s1});
    Manual().OnEscape();
    ExpectRecorded();
    ASSERT_EQ(doc->GetNumberOfRoutes(), 2);
    EXPECT_EQ(RouteLabels(doc->GetRoute(0)), (Texts{"d", "c1", "d"}));
    EXPECT_EQ(RouteLabels(doc->GetRoute(1)), (Texts{"d", "c2", "s1", "d"}));
    EXPECT_EQ(doc->GetAlgorithmStatistics().back()->m_lNumberOfRoutedFacilities, 3);
    EXPECT_EQ(doc->GetAlgorithmStatistics().back()->m_lCount, 0);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(ManualConstructionTest, EscapeDropsARouteOfItsDepotAlone) {
    Start();
    Click({d, c1, d, d});
    Manual().OnEscape();
    ExpectRecorded();
    EXPECT_EQ(doc->GetNumberOfRoutes(), 1);
}

TEST_F(ManualConstructionTest, TheLastVehiclesRouteOrEveryEligibleFacilityEndsTheRun) {
    doc->SetNumberOfVehicles(1);
    Start();
    Click({d, c1, d});
    ExpectRecorded();
    EXPECT_EQ(doc->GetRoutedCount(), 1);
    EXPECT_FALSE(Manual().OnFacilityClicked(d)) << "the mode has ended";

    doc->SetNumberOfVehicles(10);
    Start();
    Click({d, c1, c2, s1, d, d, c3, s2, d});
    ExpectRecorded(2);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 2);
}

TEST_F(ManualConstructionTest, AbortDeletesTheRoutesAndRecordsNothing) {
    Start();
    Click({d, c1});
    Manual().Abort();
    EXPECT_EQ(TakeMessages(), Texts{"Algorithm aborted by the user"});
    EXPECT_FALSE(Manual().IsActive());
    EXPECT_FALSE(doc->IsAlgorithmRunning());
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_EQ(c1->GetRoute(), nullptr);
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_EQ(doc->GetCurrentSolution().m_lRunStatus, -1);
}

TEST_F(ManualConstructionTest, AnAbortAtAPauseEndsTheRunWithoutRecord) {
    Start();
    doc->SetReportLevel(REPORT_DETAILED);
    ui.pauseChoices.push_back(EPauseChoice::continueRun);
    ui.pauseChoices.push_back(EPauseChoice::abort);
    Click({d, c1, c2});
    EXPECT_EQ(ui.pauses, 2);
    EXPECT_FALSE(Manual().IsActive());
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
}

TEST_F(ManualConstructionTest, WithoutEligibleFacilitiesItWarnsAndEnds) {
    doc->SetVehicleCapacity(30);
    ui.ClearRecords();
    EXPECT_FALSE(Manual().Start());
    EXPECT_EQ(ui.MessageTexts(), Texts{"No facilities that can be included on a route exist"});
    EXPECT_FALSE(doc->IsAlgorithmRunning());
    EXPECT_EQ(doc->GetCurrentSolution().m_lRunStatus, 1);
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
}

} // namespace
