#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "construction/savings.h"
#include "framework/parameters/long_parameter.h"
#include "runs/algorithm_parameters.h"
#include "tests/construction/insertion_test_support.h"
#include "tests/construction/savings_fixture.h"

namespace {

using RouteList = std::vector<Labels>;

class SavingsRandomizedTest : public SavingsFixture {
protected:
    // 15 customers and 10 suppliers placed at random, quantities up to 30.
    void AddRandomProject() {
        SRandomFacilitiesRequest request;
        request.number[FT_CUSTOMER] = 15;
        request.number[FT_SUPPLIER] = 10;
        request.maxQuantity[0] = request.maxQuantity[1] = 30;
        request.seed = 5;
        ASSERT_TRUE(doc->AddRandomFacilities(request));
        ui.ClearRecords();
    }
};

// Notes at every pause how many routes the project holds and what its last route visits.
class CPauseWatcher : public CScriptedUserInterface {
public:
    explicit CPauseWatcher(const CTramletDoc& document) : m_document(document) {}
    EPauseChoice ShowPauseDialog() override {
        const int routes = m_document.GetNumberOfRoutes();
        routesAtPause.push_back(routes);
        lastRouteAtPause.push_back(routes > 0 ? RouteLabels(m_document.GetRoute(routes - 1)) : Labels{});
        return CScriptedUserInterface::ShowPauseDialog();
    }
    std::vector<int> routesAtPause;
    std::vector<Labels> lastRouteAtPause;

private:
    const CTramletDoc& m_document;
};

TEST_F(SavingsRandomizedTest, DepthOneFollowsTheLargestSavingsAndImprovesOnlyOnce) {
    AddCustomer("c1", 0, 30, 30);
    AddCustomer("c2", 0, 60, 30);
    AddCustomer("c3", 0, 90, 50);
    AddSupplier("s1", 0, 100, 50);
    doc->SetMaxIterations(3);
    doc->SetSeed(7);
    RunRecorded(OnAlgorithmsSavingsSerialRandomized);
    EXPECT_EQ(Routes(), (RouteList{{"c2", "c3", "s1"}, {"c1"}}));
    const CAlgoStat& record = LastRecord();
    EXPECT_EQ(record.m_strAlgoName, "Savings (Randomized Serial)");
    EXPECT_DOUBLE_EQ(record.m_dCost, 260.0);
    // Every iteration builds the same solution: only the first one is cheaper than the best.
    EXPECT_EQ(record.m_lIterations, 3);
    EXPECT_EQ(record.m_lCount, 1);
    EXPECT_DOUBLE_EQ(record.m_dParameter, 1.0);
    EXPECT_EQ(record.m_uSeed, 7u);
    EXPECT_EQ(ui.abortDialogsShown, 1);

    // At Debug the route being built is shown on top of the project's routes while the run
    // pauses: after the pair, after c2, when it closes, after c1's route and when that closes.
    // The project holds none of its own in the first iteration, the two kept from it later.
    CPauseWatcher watcher(*doc);
    SetUserInterface(&watcher);
    doc->SetReportLevel(REPORT_DEBUG);
    const ERunResult result = OnAlgorithmsSavingsSerialRandomized(*doc);
    SetUserInterface(&ui);
    ASSERT_EQ(result, ERunResult::recorded);
    EXPECT_EQ(watcher.routesAtPause, (std::vector<int>{1, 1, 1, 1, 1, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(watcher.lastRouteAtPause[0], (Labels{"d", "c3", "s1", "d"}));
    EXPECT_EQ(watcher.lastRouteAtPause[2], (Labels{"d", "c2", "c3", "s1", "d"}));
    EXPECT_EQ(watcher.lastRouteAtPause[8], (Labels{"d", "c1", "d"}));
    // Taken out again every time: the project is as after the quiet run, routes labelled anew.
    EXPECT_EQ(Routes(), (RouteList{{"c2", "c3", "s1"}, {"c1"}}));
    EXPECT_EQ(doc->GetSpecifiedCount(FT_ROUTE), 2);
    EXPECT_EQ(doc->GetRoute(1)->GetLabel(), "2");
    EXPECT_EQ(LastRecord().m_lCount, 1);
    EXPECT_NO_THROW(doc->CheckSolution(true));
}

TEST_F(SavingsRandomizedTest, AJoinAfterTheLastCustomerMustFitTheRoute) {
    // c2-c3 opens the route with 80 units; c3 -> c1 saves 60 and the pair fits, the route not.
    AddCustomer("c1", 0, 30, 40);
    AddCustomer("c2", 0, 60, 40);
    AddCustomer("c3", 0, 90, 40);
    doc->SetMaxIterations(2);
    RunRecorded(OnAlgorithmsSavingsSerialRandomized);
    EXPECT_EQ(Routes(), (RouteList{{"c2", "c3"}, {"c1"}}));

    // With one vehicle every iteration ends after its first route.
    doc->SetNumberOfVehicles(1);
    RunRecorded(OnAlgorithmsSavingsSerialRandomized);
    EXPECT_EQ(Routes(), (RouteList{{"c2", "c3"}}));
    EXPECT_DOUBLE_EQ(LastRecord().m_dCost, 180.0 + 40 * 1000.0);
}

TEST_F(SavingsRandomizedTest, ASeedGivesTheSameRunAndMoreIterationsNeverCostMore) {
    AddRandomProject();
    SetAlgorithmRandomizationDepth(*doc, 3);
    doc->SetSeed(11);
    doc->SetMaxIterations(1);
    ASSERT_EQ(OnAlgorithmsSavingsSerialRandomized(*doc), ERunResult::recorded);
    const double singleCost = LastRecord().m_dCost;
    EXPECT_EQ(LastRecord().m_lCount, 1);

    doc->SetMaxIterations(8);
    RunRecorded(OnAlgorithmsSavingsSerialRandomized);
    const std::vector<Labels> first = Routes();
    const CAlgoStat firstRecord = LastRecord();
    EXPECT_LE(firstRecord.m_dCost, singleCost);
    EXPECT_GE(firstRecord.m_lCount, 1);
    EXPECT_EQ(firstRecord.m_lIterations, 8);
    EXPECT_DOUBLE_EQ(firstRecord.m_dParameter, 3.0);
    EXPECT_EQ(firstRecord.m_lNumberOfRoutedFacilities, 25);

    RunRecorded(OnAlgorithmsSavingsSerialRandomized);
    EXPECT_EQ(Routes(), first);
    EXPECT_EQ(LastRecord().m_lCount, firstRecord.m_lCount);
}

TEST_F(SavingsRandomizedTest, ParallelVariantSaysItIsNotAvailableAndRecordsAnEmptyRun) {
    AddCustomer("c1", 0, 30, 30);
    AddCustomer("c2", 0, 60, 130);
    doc->SetRandomizationDepth(2);
    ASSERT_EQ(OnAlgorithmsSavingsParallelRandomized(*doc), ERunResult::recorded);
    EXPECT_EQ(Messages(),
              Texts{"Function OnAlgorithmsSavingsParallelRandomized has not yet been implemented"});
    EXPECT_EQ(LastRecord().m_strAlgoName, "Savings (Randomized Parallel)");
    EXPECT_EQ(LastRecord().m_lNumberOfRoutes, 0);
    EXPECT_DOUBLE_EQ(LastRecord().m_dParameter, 2.0);
    EXPECT_DOUBLE_EQ(LastRecord().m_dCost, 160 * 1000.0);

    doc->DeleteFacility(doc->GetFacility(FT_CUSTOMER, 0));
    ui.ClearRecords();
    ASSERT_EQ(OnAlgorithmsSavingsParallelRandomized(*doc), ERunResult::recorded);
    EXPECT_EQ(Messages(),
              (Texts{"Function OnAlgorithmsSavingsParallelRandomized has not yet been implemented",
                     "No pair of facilities that would create a feasible shortcut with positive "
                     "savings exists"}));
}

} // namespace
