#include <gtest/gtest.h>

#include <filesystem>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/application/clock.h"
#include "framework/parameters/long_parameter.h"
#include "runs/evaluate.h"
#include "runs/run_frame.h"
#include "runs/runs_strings.h"
#include "tests/support/project_fixture.h"

using Texts = std::vector<std::string>;

// One depot, two customers and a supplier; the construction of the tests puts all three on one
// route of distance 30 + 50 + 50 + 30 = 160.
class RunFrameTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        depot = AddDepot("d1", 0, 0);
        c1 = AddCustomer("c1", 0, 30, 40);
        c2 = AddCustomer("c2", 40, 0, 50);
        s1 = AddSupplier("s1", 0, -30, 20);
        ui.ClearRecords();
    }

    void OpenOutputLog() {
        logPath = home->File("run.log");
        app->SetOutputLogFileName(logPath);
    }

    SRunOptions Construction() const {
        SRunOptions options;
        options.nameId = IDS_ALGO_SAVINGS_GREEDY_SERIAL;
        options.deleteRoutes = true;
        options.statusWindow = "Savings Report";
        return options;
    }
    void BuildOneRoute(CAlgoStat& record) {
        routesSeenByBody = doc->GetNumberOfRoutes();
        record.m_dDistance = AddRoute({depot, c1, c2, s1, depot})->ComputeDistance();
        record.m_lCount = 3;
    }
    AlgorithmBody Build() {
        return [this](CAlgoStat& record) { BuildOneRoute(record); };
    }
    // The state every run that ended early leaves.
    void ExpectNothingRecorded(bool routesDeleted = true) {
        EXPECT_EQ(doc->GetNumberOfRoutes() == 0, routesDeleted);
        EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
        EXPECT_EQ(doc->GetCurrentSolution().m_lRunStatus, -1);
        EXPECT_FALSE(doc->IsAlgorithmRunning());
        EXPECT_TRUE(app->IsIdle());
    }

    CFacility *depot = nullptr, *c1 = nullptr, *c2 = nullptr, *s1 = nullptr;
    std::string logPath;
    int routesSeenByBody = -1;
};

TEST_F(RunFrameTest, RefusesSilentlyWithoutDepotOrWithoutCustomersAndSuppliers) {
    bool ran = false;
    auto body = [&](CAlgoStat&) { ran = true; };
    CTramletDoc depotOnly;
    depotOnly.OnNewDocument();
    depotOnly.AddFacility(std::make_unique<CFacility>(&depotOnly, FT_DEPOT), true);
    EXPECT_EQ(RunAlgorithm(depotOnly, Construction(), body), ERunResult::refused);
    doc->MakeActive();
    doc->DeleteFacility(depot);
    EXPECT_EQ(RunAlgorithm(*doc, Construction(), body), ERunResult::refused);

    EXPECT_FALSE(ran);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_EQ(ExecutionLog().find("Executing"), std::string::npos);
}

TEST_F(RunFrameTest, ConstructionIsAnnouncedCheckedRecordedAndLogged) {
    OpenOutputLog();
    doc->SetReportLevel(REPORT_DETAILED);
    AddRoute({depot, c1, depot}); // deleted: a construction starts from nothing
    RecordCurrentSolution();
    double stopTimeLeft = 0.0;
    ERunResult result = RunAlgorithm(*doc, Construction(), [&](CAlgoStat& record) {
        stopTimeLeft = doc->GetStopTime() - GetClockSeconds();
        EXPECT_TRUE(doc->IsAlgorithmRunning() && app->IsAlgorithmRunning());
        EXPECT_EQ(record.m_dDistance, 0.0);
        BuildOneRoute(record);
    });

    ASSERT_EQ(result, ERunResult::recorded);
    EXPECT_EQ(routesSeenByBody, 0);
    EXPECT_GT(stopTimeLeft, 29.0);
    EXPECT_TRUE(app->IsIdle());
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(ui.closedStatusWindows, Texts{"Savings Report"});
    EXPECT_NE(ExecutionLog().find(": Executing Savings (Greedy Serial) algorithm\n"), std::string::npos);
    ASSERT_EQ(doc->GetAlgorithmStatistics().size(), 1u);
    const CAlgoStat& row = *doc->GetAlgorithmStatistics()[0];
    EXPECT_EQ(row.m_lRunStatus, 1);
    EXPECT_EQ(row.m_lNumberOfRoutedFacilities, 3);
    EXPECT_DOUBLE_EQ(row.m_dBestCost, 160.0);

    std::string log = ReadWholeFile(logPath);
    std::string expected = "\n\nSavings (Greedy Serial)\n\nAlgo. No. =         1   Algorithm     = "
                           "Savings (Greedy Serial)" +
                           std::string(40, ' ') +
                           "\n"
                           "Distance  =    160.00   Best Distance =    160.00   Penalty (%) =   0.00\n"
                           "Low Bound =      0.00   Best Bound    =      0.00   Gap (%)     = 100.00\n"
                           "Run Time  =      ";
    size_t at = log.find(expected);
    ASSERT_NE(at, std::string::npos) << log;
    // The run time is measured; what follows it is fixed, the routes report at Detailed included.
    std::string tail = log.substr(at + expected.size() + 4);
    std::string lines45 = "   Replications  =         1   Count       =      3\n"
                          "Delta Obj =      0.00   Parameter     =         0   Seed        =  12345\n\n";
    EXPECT_EQ(tail.substr(0, lines45.size()), lines45);
    EXPECT_NE(
        tail.find("\nAll Routes:      distance =      160.000, # customers =     2, total demand =           "
                  "90, # suppliers =     1, total supply           20\n\n"),
        std::string::npos);

    // Below Standard the record is added but nothing is logged.
    doc->SetReportLevel(REPORT_SUMMARY);
    ASSERT_EQ(RunAlgorithm(*doc, Construction(), Build()), ERunResult::recorded);
    EXPECT_EQ(ReadWholeFile(logPath), log);
    EXPECT_EQ(doc->GetAlgorithmStatistics().size(), 2u);
}

TEST_F(RunFrameTest, RecordsAreNumberedInOrderAndCarryTheBestValues) {
    ASSERT_EQ(RunAlgorithm(*doc, Construction(), Build()), ERunResult::recorded);
    // Cheaper in distance but incomplete: c2 and s1 are left out (penalty 70 x 1000).
    SRunOptions nearest = Construction();
    nearest.nameId = IDS_ALGO_NEAREST_NEIGHBOR;
    auto partial = [&](CAlgoStat& record) {
        record.m_dDistance = AddRoute({depot, c1, depot})->ComputeDistance();
    };
    ASSERT_EQ(RunAlgorithm(*doc, nearest, partial), ERunResult::recorded);
    // An improvement without announcement or heading keeps the routes it is given.
    OpenOutputLog();
    SRunOptions chain;
    chain.nameId = IDS_ALGO_CHAIN_EXCHANGE;
    chain.announce = false;
    chain.writeHeading = false;
    chain.checkBeforeRun = true;
    ASSERT_EQ(RunAlgorithm(*doc, chain, [&](CAlgoStat& record) { record.m_dParameter = 2.0; }),
              ERunResult::recorded);

    const auto& rows = doc->GetAlgorithmStatistics();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1]->m_lAlgoNumber, 2);
    EXPECT_EQ(rows[2]->m_lAlgoNumber, 3);
    EXPECT_DOUBLE_EQ(rows[1]->m_dCost, 60.0 + 70 * 1000.0);
    EXPECT_DOUBLE_EQ(rows[1]->m_dBestDistance, 160.0);
    EXPECT_DOUBLE_EQ(rows[1]->m_dPenalty, (60.0 - 160.0) * 100.0 / 160.0);
    EXPECT_EQ(rows[2]->m_strAlgoName, "Chain Exchange");
    EXPECT_EQ(rows[2]->m_lNumberOfRoutes, 1);
    EXPECT_EQ(ExecutionLog().find("Executing Chain Exchange"), std::string::npos);
    EXPECT_EQ(ReadWholeFile(logPath).find("\n\nChain Exchange\n\n"), std::string::npos);
    EXPECT_NE(ReadWholeFile(logPath).find("Parameter     =         2"), std::string::npos);
}

TEST_F(RunFrameTest, AbortInsideTheRunLeavesNoRecordAndNoRoutes) {
    SRunOptions options = Construction();
    options.enableAbort = true;
    ui.abortAfterProcessCalls = 0;
    ERunResult result = RunAlgorithm(*doc, options, [&](CAlgoStat& record) {
        BuildOneRoute(record);
        doc->CheckAlgorithmContinuation();
        ADD_FAILURE() << "the abort must end the algorithm";
    });
    EXPECT_EQ(result, ERunResult::aborted);
    EXPECT_EQ(Messages(), Texts{"Algorithm aborted by the user"});
    ExpectNothingRecorded();
    EXPECT_EQ(c1->GetRoute(), nullptr);
    EXPECT_EQ(doc->GetRoutedCount(), 0);
    EXPECT_EQ(ui.abortDialogsClosed, 1);
    EXPECT_EQ(ui.closedStatusWindows, Texts{"Savings Report"});

    // A refused time-limit extension ends the run the same way.
    ui.ClearRecords();
    ui.timeLimitChoices.push_back(ETimeLimitChoice::abort);
    result = RunAlgorithm(*doc, Construction(), [&](CAlgoStat& record) {
        BuildOneRoute(record);
        doc->SetStopTime(GetClockSeconds() - 1.0); // the run-time limit has run out
        doc->CheckAlgorithmContinuation();
    });
    EXPECT_EQ(result, ERunResult::aborted);
    EXPECT_EQ(ui.timeLimitTexts.size(), 1u);
    EXPECT_EQ(Messages(), Texts{"Algorithm aborted by the user"});
    ExpectNothingRecorded();
}

TEST_F(RunFrameTest, FailedCheckEndsTheRunUnlessTheFrameMeasuresTheDistance) {
    // The body does not record its distance: the check after the run finds the difference.
    auto forgetful = [&](CAlgoStat&) { AddRoute({depot, c1, c2, s1, depot}); };
    EXPECT_EQ(RunAlgorithm(*doc, Construction(), forgetful), ERunResult::failed);
    EXPECT_EQ(Messages(),
              Texts{"Computed total route distance 160.000000 different from recorded distance 0.000000"});
    ExpectNothingRecorded();

    SRunOptions measured = Construction();
    measured.computeDistance = true;
    EXPECT_EQ(RunAlgorithm(*doc, measured, forgetful), ERunResult::recorded);
    EXPECT_DOUBLE_EQ(doc->GetAlgorithmStatistics().at(0)->m_dDistance, 160.0);
}

TEST_F(RunFrameTest, InvalidArgumentAndOutOfMemoryEndTheRunQuietly) {
    auto failing = [&](CAlgoStat& record) {
        BuildOneRoute(record);
        throw std::invalid_argument("matrix index");
    };
    EXPECT_EQ(RunAlgorithm(*doc, Construction(), failing), ERunResult::failed);
    ExpectNothingRecorded();

    // A run that keeps its routes on failure (set partitioning) keeps them here too.
    SRunOptions keeping;
    keeping.nameId = IDS_ALGO_SET_PARTITIONING;
    keeping.deleteRoutesOnFailure = false;
    auto exhausted = [&](CAlgoStat& record) {
        BuildOneRoute(record);
        throw std::bad_alloc();
    };
    EXPECT_EQ(RunAlgorithm(*doc, keeping, exhausted), ERunResult::failed);
    ExpectNothingRecorded(false);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RunFrameTest, UnwritableOutputLogIsReportedAndEndsTheRun) {
    OpenOutputLog();
    std::filesystem::remove(logPath);
    std::filesystem::create_directory(logPath);
    EXPECT_EQ(RunAlgorithm(*doc, Construction(), Build()), ERunResult::failed);
    EXPECT_EQ(routesSeenByBody, -1);
    EXPECT_EQ(Messages(), Texts{"Could not write to output log file \"" + logPath +
                                "\"\nThe operating system returned error code 21: Is a directory"});
    ExpectNothingRecorded();
}

TEST_F(RunFrameTest, EvaluateRecordsTheRoutesAndRefusesAStaleDistance) {
    EXPECT_FALSE(EvaluateSolution(*doc)); // no routes
    CRoute* route = AddRoute({depot, c1, c2, s1, depot});
    doc->GetCurrentSolution().m_dDistance = 100.0;
    doc->GetCurrentSolution().m_dCost = 100.0;
    EXPECT_FALSE(EvaluateSolution(*doc));
    EXPECT_EQ(Messages(),
              Texts{"Computed total route distance 160.000000 different from recorded distance 100.000000"});
    ExpectNothingRecorded(false);
    EXPECT_EQ(ExecutionLog().find("Executing Evaluate"), std::string::npos);

    RecordCurrentSolution();
    EXPECT_TRUE(EvaluateSolution(*doc));
    EXPECT_EQ(doc->GetRoute(0), route);
    ASSERT_EQ(doc->GetAlgorithmStatistics().size(), 1u);
    const CAlgoStat& row = *doc->GetAlgorithmStatistics()[0];
    EXPECT_EQ(row.m_strAlgoName, "Evaluate");
    EXPECT_EQ(row.m_lIterations, 0);
    EXPECT_DOUBLE_EQ(row.m_dBestDistance, 160.0);
    EXPECT_NE(ExecutionLog().find("Executing Evaluate algorithm\n"), std::string::npos);
}

TEST_F(RunFrameTest, InitialLoadCountsAndRecordsTheOpenedRoutes) {
    AddRoute({depot, c1, c2, depot});
    AddRoute({depot, s1, depot});
    doc->SetRoutedCount(0); // what an opened archive leaves: routes without recorded values
    doc->GetCurrentSolution().m_dDistance = 0.0;
    EvaluateLoadedSolution(*doc);
    RecordInitialLoad(*doc);
    ASSERT_EQ(doc->GetAlgorithmStatistics().size(), 1u);
    const CAlgoStat& row = *doc->GetAlgorithmStatistics()[0];
    EXPECT_EQ(row.m_strAlgoName, "Initial Load");
    EXPECT_EQ(row.m_lNumberOfRoutes, 2);
    EXPECT_EQ(row.m_lNumberOfRoutedFacilities, 3);
    EXPECT_DOUBLE_EQ(row.m_dDistance, 30.0 + 50.0 + 40.0 + 60.0);
    EXPECT_TRUE(Messages().empty());
}
