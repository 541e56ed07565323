#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "construction/savings.h"
#include "tests/construction/insertion_test_support.h"
#include "tests/construction/savings_fixture.h"

namespace {

const std::string kNoShortcut =
    "No pair of facilities that would create a feasible shortcut with positive savings exists";

// Customers c1 (0,30) 30, c2 (0,60) 30, c3 (0,90) 50 and supplier s1 (0,100) 50 on one ray.
// Savings: c1-c2 60, c1-c3 60, c2-c3 120; customer to s1 (factor 0.25): c1 45, c2 90, c3 135.
class SavingsSerialTest : public SavingsFixture {
protected:
    void AddRay() {
        c1 = AddCustomer("c1", 0, 30, 30);
        AddCustomer("c2", 0, 60, 30);
        AddCustomer("c3", 0, 90, 50);
        AddSupplier("s1", 0, 100, 50);
        ui.ClearRecords();
    }
    CFacility* c1 = nullptr;
};

TEST_F(SavingsSerialTest, GrowsOneRouteAtItsEndsUntilTheCapacityClosesIt) {
    AddRay();
    RunRecorded(OnAlgorithmsSavingsGreedySerial);
    // First pair c3-s1 (135); c2 goes before c3 (120 beats c1's 60); c1 no longer fits and gets a
    // route of its own. Distances 60 + 30 + 10 + 100 and 30 + 30.
    EXPECT_EQ(Routes(), (std::vector<Labels>{{"c2", "c3", "s1"}, {"c1"}}));
    const CAlgoStat& record = LastRecord();
    EXPECT_EQ(record.m_strAlgoName, "Savings (Greedy Serial)");
    EXPECT_DOUBLE_EQ(record.m_dDistance, 260.0);
    EXPECT_DOUBLE_EQ(record.m_dCost, 260.0);
    EXPECT_EQ(record.m_lNumberOfRoutedFacilities, 4);
    EXPECT_DOUBLE_EQ(record.m_dParameter, 0.25);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(ui.abortDialogsClosed, 1);

    // One vehicle: one route, and c1's 30 units are charged at 1000 each.
    doc->SetNumberOfVehicles(1);
    RunRecorded(OnAlgorithmsSavingsGreedySerial);
    EXPECT_EQ(Routes(), (std::vector<Labels>{{"c2", "c3", "s1"}}));
    EXPECT_EQ(c1->GetRoute(), nullptr);
    EXPECT_DOUBLE_EQ(LastRecord().m_dCost, 200.0 + 30 * 1000.0);
}

TEST_F(SavingsSerialTest, AmongEqualSavingsTheFirstFacilityInDocumentOrderIsTaken) {
    AddCustomer("c1", 0, 50, 40);
    AddCustomer("c2", 0, 100, 40);
    // Mirror images: the same savings at both ends of c1-c2, room for one of them only.
    AddCustomer("c3", 30, 10, 20);
    AddCustomer("c4", -30, 10, 20);
    RunRecorded(OnAlgorithmsSavingsGreedySerial);
    EXPECT_EQ(Routes(), (std::vector<Labels>{{"c1", "c2", "c3"}, {"c4"}}));
}

TEST_F(SavingsSerialTest, NoPositiveFeasibleSavingsEndsEverySavingsCommandWithTheMessage) {
    // Zero savings: both customers at the depot.
    AddCustomer("c1", 0, 0, 10);
    AddCustomer("c2", 0, 0, 10);
    ASSERT_EQ(OnAlgorithmsSavingsGreedySerial(*doc), ERunResult::recorded);
    EXPECT_EQ(Messages(), Texts{kNoShortcut});
    EXPECT_EQ(ui.messages[0].icon, EMessageIcon::exclamation);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_EQ(LastRecord().m_lNumberOfRoutes, 0);

    // Facilities above the capacity are never routed.
    doc->DeleteFacility(doc->GetFacility(FT_CUSTOMER, 1));
    doc->DeleteFacility(doc->GetFacility(FT_CUSTOMER, 0));
    AddCustomer("c1", 0, 50, 150);
    AddSupplier("s1", 0, 60, 101);
    for (auto command : {OnAlgorithmsSavingsGreedySerial, OnAlgorithmsSavingsGreedyParallel,
                         OnAlgorithmsSavingsSerialRandomized}) {
        ui.ClearRecords();
        ASSERT_EQ(command(*doc), ERunResult::recorded);
        EXPECT_EQ(Messages(), Texts{kNoShortcut});
        EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
        EXPECT_DOUBLE_EQ(LastRecord().m_dCost, 251 * 1000.0);
    }
    EXPECT_EQ(doc->GetAlgorithmStatistics().size(), 4u);
}

TEST_F(SavingsSerialTest, FullCrossoverPenaltyKeepsCustomersAndSuppliersApart) {
    AddCustomer("c1", 0, 50, 10);
    AddCustomer("c2", 0, 40, 10);
    AddSupplier("s1", 0, 60, 10);
    // c1-c2 saves 80; c2 to s1 saves 80 x (1 - f).
    RunRecorded(OnAlgorithmsSavingsGreedySerial);
    EXPECT_EQ(Routes(), (std::vector<Labels>{{"c1", "c2", "s1"}}));
    EXPECT_DOUBLE_EQ(LastRecord().m_dDistance, 50.0 + 10.0 + 20.0 + 60.0);
    doc->SetCrossoverPenaltyFactor(1.0);
    RunRecorded(OnAlgorithmsSavingsGreedySerial);
    EXPECT_EQ(Routes(), (std::vector<Labels>{{"c1", "c2"}, {"s1"}}));
    EXPECT_DOUBLE_EQ(LastRecord().m_dDistance, 100.0 + 120.0);
}

TEST_F(SavingsSerialTest, AsymmetricTableEvaluatesBothDirectionsOfAPair) {
    CFacility* a = AddCustomer("c1", 10, 0, 10);
    CFacility* b = AddCustomer("c2", 20, 0, 10);
    // c1 -> c2 saves 200 - 150, c2 -> c1 saves 200 - 30.
    SetStarDistances({{{a, b}, 150.0}, {{b, a}, 30.0}}, 150.0);
    RunRecorded(OnAlgorithmsSavingsGreedySerial);
    EXPECT_EQ(Routes(), (std::vector<Labels>{{"c2", "c1"}}));
    EXPECT_DOUBLE_EQ(LastRecord().m_dDistance, 230.0);
    // Read as symmetric, only c1 -> c2 is looked at.
    doc->SetAsymmetric(0);
    RunRecorded(OnAlgorithmsSavingsGreedySerial);
    EXPECT_EQ(Routes(), (std::vector<Labels>{{"c1", "c2"}}));
    EXPECT_DOUBLE_EQ(LastRecord().m_dDistance, 350.0);
}

TEST_F(SavingsSerialTest, AbortAtTheFirstContinuationCheckDeletesTheRoutesAndRecordsNothing) {
    AddRay();
    for (auto command : {OnAlgorithmsSavingsGreedySerial, OnAlgorithmsSavingsSerialRandomized}) {
        ui.ClearRecords();
        ui.abortAfterProcessCalls = 0;
        EXPECT_EQ(command(*doc), ERunResult::aborted);
        EXPECT_EQ(Messages(), Texts{"Algorithm aborted by the user"});
        EXPECT_EQ(ui.processCalls, 1);
        EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
        EXPECT_EQ(doc->GetRoutedCount(), 0);
        EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
        EXPECT_EQ(doc->GetCurrentSolution().m_lRunStatus, -1);
        EXPECT_FALSE(doc->IsAlgorithmRunning());
        EXPECT_EQ(ui.abortDialogsClosed, 1);
    }
}

TEST_F(SavingsSerialTest, ReportLevelsDecideStatusWindowAndPauses) {
    AddRay();
    doc->SetReportLevel(2);
    OnAlgorithmsSavingsGreedySerial(*doc);
    EXPECT_TRUE(ui.statusUpdates.empty());

    // Three steps (the pair, c2, the route of c1) and two closed routes.
    ui.ClearRecords();
    doc->SetReportLevel(3);
    OnAlgorithmsSavingsGreedySerial(*doc);
    ASSERT_EQ(ui.statusUpdates.size(), 3u);
    EXPECT_EQ(ui.pauses, 0);
    EXPECT_EQ(ui.closedStatusWindows, Texts{"Insert Facility Report"});
    EXPECT_EQ(StatusLines(ui.statusUpdates[1].fields),
              (Texts{"Number of Insertions = 3", "Insertion Facility Type = Customer",
                     "Insertion Facility Label = c2", "Predecessor Facility Type = Depot",
                     "Predecessor Facility Label = d", "Successor Facility Type = Customer",
                     "Successor Facility Label = c3", "Linehaul Capacity= 20", "Backhaul Capacity = 50",
                     "Insertion Penalty = 120.00", "Total Distance = 200.00"}));

    ui.ClearRecords();
    doc->SetReportLevel(4);
    OnAlgorithmsSavingsGreedySerial(*doc);
    EXPECT_EQ(ui.pauses, 2);

    ui.ClearRecords();
    const std::string log = home->File("serial.log");
    app->SetOutputLogFileName(log);
    doc->SetReportLevel(5);
    RunRecorded(OnAlgorithmsSavingsGreedySerial);
    EXPECT_EQ(ui.pauses, 5);
    EXPECT_NE(ReadWholeFile(log).find("\n\nSavings Matrix\n\n"), std::string::npos);
}

} // namespace
