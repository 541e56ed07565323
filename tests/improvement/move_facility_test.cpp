#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "framework/colours/color.h"
#include "framework/exceptions/file_exception.h"
#include "framework/parameters/long_parameter.h"
#include "improvement/between_route_search.h"
#include "improvement/chain_exchange.h"
#include "improvement/move_facility.h"
#include "improvement/swap_facility.h"
#include "improvement/three_exchange.h"
#include "improvement/two_exchange.h"
#include "tests/improvement/improvement_fixture.h"

namespace {

// Two one-customer routes on a line from the depot: c1 at 100, c2 at 110. Moving c1 next to c2
// and c2 next to c1 both save 200, on either link of the other route.
class MoveFacilityTest : public ImprovementFixture {
protected:
    void SetUp() override {
        ImprovementFixture::SetUp();
        d = AddDepot("d", 0, 0);
        c1 = AddCustomer("c1", 0, 100, 30);
        c2 = AddCustomer("c2", 0, 110, 20);
        first = AddRoute({d, c1, d});
        second = AddRoute({d, c2, d});
        RecordCurrentSolution();
        ui.ClearRecords();
    }

    CFacility *d = nullptr, *c1 = nullptr, *c2 = nullptr;
    CRoute *first = nullptr, *second = nullptr;
};

TEST_F(MoveFacilityTest, TieGoesToTheFirstMoveInScanOrderAndTheEmptiedRouteIsDeleted) {
    ASSERT_EQ(RunMoveFacility(*doc), ERunResult::recorded);

    // c1 into the second route on its first link; the later equal moves do not replace it.
    ASSERT_EQ(doc->GetNumberOfRoutes(), 1);
    EXPECT_EQ(doc->GetRoute(0), second);
    EXPECT_EQ(second->GetLabel(), "1");
    EXPECT_EQ(second->GetIndex(), 0);
    EXPECT_EQ(doc->FindRouteByLabel("1"), second);
    EXPECT_EQ(doc->GetSpecifiedCount(FT_ROUTE), 1);
    EXPECT_EQ(RouteLabels(second), (Sequence{"d", "c1", "c2", "d"}));
    EXPECT_EQ(c1->GetRoute(), second);
    EXPECT_EQ(second->GetQuantity(FT_CUSTOMER), 50);

    const CAlgoStat& record = OnlyRecord();
    EXPECT_EQ(record.m_strAlgoName, "Move Facility");
    EXPECT_EQ(record.m_lCount, 1);
    EXPECT_DOUBLE_EQ(record.m_dDeltaObjective, 200.0);
    EXPECT_DOUBLE_EQ(record.m_dDistance, 220.0);
    EXPECT_EQ(record.m_lIterations, 1);
    EXPECT_EQ(record.m_dParameter, 0.0);
    EXPECT_EQ(record.m_lNumberOfRoutes, 1);
    EXPECT_EQ(record.m_lNumberOfRoutedFacilities, 2);
    EXPECT_EQ(record.m_lRunStatus, 1);
    EXPECT_NE(ExecutionLog().find(": Executing Move Facility algorithm\n"), std::string::npos);
    EXPECT_EQ(ui.abortDialogsShown, 1);
    EXPECT_EQ(ui.abortDialogsClosed, 1);
    EXPECT_FALSE(doc->IsAlgorithmRunning());
    ExpectConsistent();
}

TEST_F(MoveFacilityTest, TargetRouteCapacityDecidesAndAFullFitIsAccepted) {
    // 60 + 41 exceeds the capacity of 100 whichever way: no move, though each saves 200.
    ASSERT_TRUE(doc->ChangeFacilityQuantity(c1, 60));
    ASSERT_TRUE(doc->ChangeFacilityQuantity(c2, 41));
    doc->SetModifiedFlag(false);
    CMoveFacility scan(*doc);
    MoveCandidate candidate;
    EXPECT_FALSE(scan.FindBestMove(candidate));
    EXPECT_EQ(candidate.m_dSavings, 0.0);
    ASSERT_EQ(RunMoveFacility(*doc), ERunResult::recorded);
    EXPECT_EQ(doc->GetAlgorithmStatistics().back()->m_lCount, 0);
    EXPECT_EQ(doc->GetAlgorithmStatistics().back()->m_dDeltaObjective, 0.0);
    EXPECT_EQ(AllRoutes(), (std::vector<Sequence>{{"d", "c1", "d"}, {"d", "c2", "d"}}));
    EXPECT_FALSE(doc->IsModified()) << "a run without a move leaves the project unmodified";
    ExpectConsistent();

    // 60 + 40 fills a vehicle exactly.
    ASSERT_TRUE(doc->ChangeFacilityQuantity(c2, 40));
    ASSERT_EQ(RunMoveFacility(*doc), ERunResult::recorded);
    EXPECT_EQ(doc->GetAlgorithmStatistics().back()->m_lCount, 1);
    EXPECT_EQ(AllRoutes(), (std::vector<Sequence>{{"d", "c1", "c2", "d"}}));
    EXPECT_EQ(doc->GetRoute(0)->GetResidualCapacity(FT_CUSTOMER), 0);
    EXPECT_TRUE(doc->IsModified());
    ExpectConsistent();
}

TEST_F(MoveFacilityTest, BothCommandsDoNothingWithFewerThanTwoRoutes) {
    EXPECT_TRUE(CanMoveOrSwapFacility(*doc));
    doc->SetIsAlgorithmRunning(true);
    EXPECT_FALSE(CanMoveOrSwapFacility(*doc));
    EXPECT_EQ(RunMoveFacility(*doc), ERunResult::refused);
    EXPECT_EQ(AllRoutes(), (std::vector<Sequence>{{"d", "c1", "d"}, {"d", "c2", "d"}}));
    doc->SetIsAlgorithmRunning(false);

    doc->DeleteRoute(first);
    doc->AdjustRoutedCount(-1);
    RecordCurrentSolution();
    EXPECT_FALSE(CanMoveOrSwapFacility(*doc));
    EXPECT_EQ(RunMoveFacility(*doc), ERunResult::refused);
    EXPECT_EQ(RunSwapFacility(*doc), ERunResult::refused);
    EXPECT_EQ(AllRoutes(), (std::vector<Sequence>{{"d", "c2", "d"}}));
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_EQ(ExecutionLog().find("Executing"), std::string::npos);
    EXPECT_EQ(ui.abortDialogsShown, 0);
}

TEST_F(MoveFacilityTest, EveryImprovementAbortedAtTheFirstContinuationCheckDeletesTheRoutesAndRecordsNothing) {
    const std::string two = "Two Exchange Facility Report", three = "Three Exchange Facility Report";
    const struct {
        ERunResult (*run)(CTramletDoc&);
        Sequence closedWindows;
    } commands[] = {{OnTwoExchange, {two}},
                    {OnThreeExchange, {two, three}},
                    {OnChainExchange, {three}},
                    {RunMoveFacility, {"Move Facility Report"}},
                    {RunSwapFacility, {"Swap Facility Report"}}};
    doc->SetReportLevel(REPORT_STANDARD);
    for (const auto& command : commands) {
        if (doc->GetNumberOfRoutes() == 0) {
            AddRoute({d, c1, d});
            AddRoute({d, c2, d});
            RecordCurrentSolution();
            ui.ClearRecords();
        }
        ui.abortAfterProcessCalls = 0;
        EXPECT_EQ(command.run(*doc), ERunResult::aborted);

        EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
        EXPECT_EQ(doc->GetRoutedCount(), 0);
        EXPECT_EQ(c1->GetRoute(), nullptr);
        EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
        EXPECT_EQ(Record().m_lRunStatus, -1);
        EXPECT_FALSE(doc->IsAlgorithmRunning());
        EXPECT_TRUE(app->IsIdle());
        EXPECT_EQ(Messages(), Sequence{"Algorithm aborted by the user"});
        EXPECT_EQ(ui.closedStatusWindows, command.closedWindows);
        EXPECT_EQ(ui.abortDialogsClosed, 1);
    }
}

TEST_F(MoveFacilityTest, StatusWindowShowsTheEmptiedReportAndThenEachMove) {
    doc->SetReportLevel(REPORT_STANDARD);
    ASSERT_EQ(RunMoveFacility(*doc), ERunResult::recorded);

    ASSERT_EQ(ui.statusUpdates.size(), 2u);
    EXPECT_EQ(ui.statusUpdates[0].title, "Move Facility Report");
    EXPECT_EQ(FieldsOf(ui.statusUpdates[0]), (Fields{{"Number of Moves", "0"},
                                                     {"Move Facility", "None"},
                                                     {"Predecessor", "None"},
                                                     {"Successor", "None"},
                                                     {"Linehaul Capacity", "None"},
                                                     {"Backhaul Capacity", "None"},
                                                     {"Move Savings", "0.00"},
                                                     {"Total Distance", "420.00"}}));
    EXPECT_EQ(FieldsOf(ui.statusUpdates[1]), (Fields{{"Number of Moves", "1"},
                                                     {"Move Facility", "Customer c1"},
                                                     {"Predecessor", "Depot d"},
                                                     {"Successor", "Customer c2"},
                                                     {"Linehaul Capacity", "50"},
                                                     {"Backhaul Capacity", "100"},
                                                     {"Move Savings", "200.00"},
                                                     {"Total Distance", "220.00"}}));
    EXPECT_EQ(ui.closedStatusWindows, Sequence{"Move Facility Report"});
    EXPECT_EQ(ui.pauses, 0);
    ExpectConsistent();
}

TEST_F(MoveFacilityTest, DetailedLevelPausesWithTemporaryDisplayRoutesThatLeaveNoTrace) {
    CPauseSpyInterface spy;
    spy.document = doc.get();
    spy.ownRoutes = 2;
    SetUserInterface(&spy);
    doc->SetReportLevel(REPORT_DETAILED);
    ERunResult result = RunMoveFacility(*doc);
    SetUserInterface(&ui);
    ASSERT_EQ(result, ERunResult::recorded);

    ASSERT_EQ(spy.seen.size(), 1u);
    EXPECT_EQ(spy.seen[0].routes, 4);
    EXPECT_EQ(spy.seen[0].routedCount, 2);
    EXPECT_EQ(spy.seen[0].lastRoutes, (std::vector<Sequence>{{"d", "c1", "d"}, {"d", "c2"}}));
    EXPECT_EQ(spy.seen[0].colors, (std::vector<int>{COLOR_RED, COLOR_RED}));
    // Refreshed before and after the pause.
    EXPECT_EQ(spy.statusUpdates.size(), 3u);

    EXPECT_EQ(AllRoutes(), (std::vector<Sequence>{{"d", "c1", "c2", "d"}}));
    EXPECT_EQ(doc->GetSpecifiedCount(FT_ROUTE), 1);
    EXPECT_EQ(doc->GetCurrentSolution().m_lNumberOfRoutes, 1);
    EXPECT_EQ(doc->GetRouteLabelTable().size(), 1u);
    EXPECT_EQ(d->GetRoute(), nullptr);
    ExpectConsistent();
}

TEST_F(MoveFacilityTest, AbortFromThePauseRemovesTheDisplayRoutesBeforeTheRoutesGo) {
    CPauseSpyInterface spy;
    spy.document = doc.get();
    spy.pauseChoices.push_back(EPauseChoice::abort);
    SetUserInterface(&spy);
    doc->SetReportLevel(REPORT_DETAILED);
    ERunResult result = RunMoveFacility(*doc);
    SetUserInterface(&ui);

    EXPECT_EQ(result, ERunResult::aborted);
    EXPECT_EQ(spy.seen.size(), 1u);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_EQ(doc->GetRoutedCount(), 0);
    EXPECT_EQ(doc->GetSpecifiedCount(FT_ROUTE), 0);
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
}

TEST_F(MoveFacilityTest, DebugLogListsEveryCandidateAndEndsWithNoMove) {
    OpenOutputLog();
    doc->SetReportLevel(REPORT_DEBUG);
    ASSERT_EQ(RunMoveFacility(*doc), ERunResult::recorded);

    // No heading: the scan lines follow the log's own two lines directly, the record after them.
    std::string expected =
        "Move Customer c1 from link (Depot d, Depot d) with quantity 30 and removal delta distance 200.000\n"
        "Insert on link (Depot d, Customer c2) with total delta distance 200.000\n"
        "Insert on link (Customer c2, Depot d) with total delta distance 200.000\n"
        "Move Customer c2 from link (Depot d, Depot d) with quantity 20 and removal delta distance 220.000\n"
        "Insert on link (Depot d, Customer c1) with total delta distance 200.000\n"
        "Insert on link (Customer c1, Depot d) with total delta distance 200.000\n"
        "\nMove 1 with cumulative savings 200.000\n"
        "Best Move Customer c1 from link (Depot d, Depot d)\n"
        "Insert on link (Depot d, Customer c2) with total delta distance 200.000\n\n"
        "Move Customer c1 from link (Depot d, Customer c2) with quantity 30 and removal delta distance "
        "0.000\n"
        "Move Customer c2 from link (Customer c1, Depot d) with quantity 20 and removal delta distance "
        "20.000\n"
        "\nNo move with positive savings found\n\n"
        "Algo. No. =         1";
    std::string body = OutputLogBody();
    EXPECT_EQ(body.substr(0, expected.size()), expected) << body;
    ExpectConsistent();
}

TEST_F(MoveFacilityTest, OutputLogThatCannotBeOpenedAtDebugEndsTheRunWithItsMessage) {
    OpenOutputLog();
    std::filesystem::remove(logPath);
    std::filesystem::create_directory(logPath);
    doc->SetReportLevel(REPORT_DEBUG);
    EXPECT_EQ(RunMoveFacility(*doc), ERunResult::failed);

    std::string expected = CSableWinApp::ConstructFileErrorMessage(
        true, "output log", CFileException::FromErrno(logPath, EISDIR));
    EXPECT_EQ(Messages(), Sequence{expected});
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_EQ(doc->GetCurrentSolution().m_lRunStatus, -1);
    EXPECT_FALSE(doc->IsAlgorithmRunning());
    EXPECT_TRUE(app->IsIdle());
    // The scan failed before it changed anything: the routes stay.
    EXPECT_EQ(AllRoutes(), (std::vector<Sequence>{{"d", "c1", "d"}, {"d", "c2", "d"}}));
    ExpectConsistent();
}

// Type order with an asymmetric matrix: project numbers c2 0, s1 1, d 2. A supplier never enters
// before a customer, a customer never after a supplier.
class MoveTypeOrderTest : public ImprovementFixture {};

TEST_F(MoveTypeOrderTest, SupplierSkipsLinksBeforeCustomersAndCustomerStopsAtSuppliers) {
    CFacility* d = AddDepot("d", 0, 0);
    CFacility* c2 = AddCustomer("c2", 0, 1, 10);
    CFacility* s1 = AddSupplier("s1", 1, 0, 10);
    SetDistances({{0, 5, 10}, {1, 0, 10}, {10, 10, 0}});
    AddRoute({d, s1, d});
    CRoute* customers = AddRoute({d, c2, d});
    RecordCurrentSolution();

    // s1 before c2 would save 19, c2 after s1 would save 19; allowed is 15 either way, and s1's
    // move comes first.
    CMoveFacility scan(*doc);
    MoveCandidate candidate;
    ASSERT_TRUE(scan.FindBestMove(candidate));
    EXPECT_DOUBLE_EQ(candidate.m_dSavings, 15.0);
    EXPECT_EQ(candidate.m_facility.facility, s1);
    EXPECT_EQ(candidate.m_pTargetRoute, customers);
    EXPECT_EQ(candidate.m_pLinkFrom, c2);
    EXPECT_EQ(candidate.m_linkTo.facility, d);

    ASSERT_EQ(RunMoveFacility(*doc), ERunResult::recorded);
    EXPECT_EQ(AllRoutes(), (std::vector<Sequence>{{"d", "c2", "s1", "d"}}));
    ExpectConsistent();
}

TEST_F(MoveTypeOrderTest, LinkFromLastCustomerToFirstSupplierTakesEitherType) {
    for (int type : {FT_CUSTOMER, FT_SUPPLIER}) {
        ResetProject();
        CFacility* d = AddDepot("d", 0, 0);
        CFacility* c2 = AddCustomer("c2", 0, 100, 10);
        CFacility* s2 = AddSupplier("s2", 100, 100, 10);
        CFacility* x = AddFacility(type, "x", 50, 100, 10);
        AddRoute({d, x, d});
        AddRoute({d, c2, s2, d});
        RecordCurrentSolution();
        ASSERT_EQ(RunMoveFacility(*doc), ERunResult::recorded);
        EXPECT_EQ(AllRoutes(), (std::vector<Sequence>{{"d", "c2", "x", "s2", "d"}})) << "type " << type;
        ExpectConsistent();
    }
}

// Swaps and then moves on random projects: each step's savings are what the routes lose, and
// each run ends where no step of its kind improves.
class MoveSwapRandomProjectTest : public ImprovementFixture {};

TEST_F(MoveSwapRandomProjectTest, SavingsMatchTheRoutesAndEachRunEndsAtALocalOptimum) {
    for (int seed : {3, 17}) {
        ResetProject();
        SRandomFacilitiesRequest request;
        request.number[FT_CUSTOMER] = 30;
        request.number[FT_SUPPLIER] = 15;
        request.number[FT_DEPOT] = 1;
        request.maxQuantity[0] = 20;
        request.maxQuantity[1] = 20;
        request.seed = seed;
        ASSERT_TRUE(doc->AddRandomFacilities(request));
        BuildRoundRobinRoutes(8);
        doc->SetReportLevel(REPORT_STANDARD);
        for (bool swaps : {true, false}) {
            double before = doc->GetCurrentSolution().m_dDistance;
            ASSERT_EQ(swaps ? RunSwapFacility(*doc) : RunMoveFacility(*doc), ERunResult::recorded);
            const CAlgoStat& record = *doc->GetAlgorithmStatistics().back();
            EXPECT_GT(record.m_lCount, 1) << record.m_strAlgoName;
            EXPECT_NEAR(before - record.m_dDistance, record.m_dDeltaObjective, 1e-6);
            EXPECT_EQ(record.m_lNumberOfRoutedFacilities, 45);
            ExpectConsistent();
            MoveCandidate move;
            SwapCandidate swap;
            EXPECT_FALSE(swaps ? CSwapFacility(*doc).FindBestSwap(swap)
                               : CMoveFacility(*doc).FindBestMove(move));
        }
    }
}

} // namespace
