#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "runs/combined_commands.h"
#include "tests/support/project_fixture.h"

namespace {

class CombinedCommandsTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        unsetenv("TRAMLET_GLPK_LIBRARY");
        doc->SetTimeLimit(600.0);
    }

    // Customers and suppliers around a central depot; with suppliers, one more customer than
    // suppliers, so that the crossover routes leave a customer to be inserted.
    void MakeProject(bool suppliers) {
        d = AddDepot("d", 5000, 5000);
        const int at[][2] = {{1000, 1200}, {8000, 1500}, {4500, 9000}, {9000, 8200},
                             {1500, 7600}, {6200, 3100}, {3000, 4000}};
        for (int k = 0; k < 7; ++k) {
            AddCustomer("c" + std::to_string(k + 1), at[k][0], at[k][1], 20 + 5 * k);
        }
        for (int k = 0; suppliers && k < 6; ++k) {
            AddSupplier("s" + std::to_string(k + 1), at[k][1], at[k][0], 30 + 4 * k);
        }
        ui.ClearRecords();
    }

    std::vector<std::string> RowNames() const {
        std::vector<std::string> names;
        for (const auto& record : doc->GetAlgorithmStatistics()) {
            names.push_back(record->m_strAlgoName);
        }
        return names;
    }
    const CAlgoStat& Row(size_t k) const { return *doc->GetAlgorithmStatistics()[k]; }
    // Positions of the rows with the name.
    std::vector<size_t> RowsNamed(const std::string& name) const {
        std::vector<size_t> rows;
        for (size_t k = 0; k < doc->GetAlgorithmStatistics().size(); ++k) {
            if (Row(k).m_strAlgoName == name) {
                rows.push_back(k);
            }
        }
        return rows;
    }

    void ExpectIdleWithAbortDialogClosed() {
        EXPECT_FALSE(doc->IsAlgorithmRunning());
        EXPECT_FALSE(app->IsAlgorithmAborting());
        EXPECT_EQ(ui.abortDialogsShown, 1);
        EXPECT_EQ(ui.abortDialogsClosed, 1);
        EXPECT_EQ(doc->GetAbortNesting(), 0);
    }

    CFacility* d = nullptr;
};

TEST_F(CombinedCommandsTest, AllAlgorithmsRunsEveryCombinationAndRecordsTheCheapest) {
    MakeProject(true);
    ASSERT_EQ(RunAllAlgorithms(*doc), ERunResult::recorded);
    ASSERT_EQ(ui.messages.size(), 1u); // the question only
    EXPECT_EQ(ui.messages[0].text, ALL_ALGORITHMS_QUESTION);
    EXPECT_EQ(ui.messages[0].buttons, EMessageButtons::yesNo);
    ExpectIdleWithAbortDialogClosed();

    // The constructions in their order, each followed by improvements or insertions.
    const std::vector<std::string> constructions = {"Nearest Neighbor", "Sweep", "Savings (Greedy Parallel)",
                                                    "Savings (Greedy Serial)", "Extreme Crossovers"};
    std::vector<std::string> names = RowNames();
    std::vector<std::string> built;
    std::copy_if(names.begin(), names.end(), std::back_inserter(built), [&](const std::string& name) {
        return std::find(constructions.begin(), constructions.end(), name) != constructions.end();
    });
    EXPECT_EQ(built, constructions);
    EXPECT_EQ(names[RowsNamed("Nearest Neighbor")[0] + 1], "Three Exchange");

    // The crossovers leave a customer out: completed once by each insertion from the same routes.
    const size_t crossovers = RowsNamed("Extreme Crossovers")[0];
    ASSERT_LT(crossovers + 1, names.size());
    EXPECT_EQ(names[crossovers + 1], "Cheapest Insertion");
    std::vector<size_t> cheapest = RowsNamed("Cheapest Insertion");
    std::vector<size_t> priciest = RowsNamed("Priciest Insertion");
    ASSERT_FALSE(priciest.empty());
    EXPECT_GT(Row(cheapest.back()).m_lCount, 0);
    EXPECT_EQ(Row(priciest.back()).m_lCount, Row(cheapest.back()).m_lCount);

    // The final row carries the cheapest solution of all rows, and the routes are that solution.
    ASSERT_EQ(names.back(), "All Algorithm Combinations");
    const CAlgoStat& final = Row(names.size() - 1);
    // Restoring a saved solution never sets the project's best values back.
    double cheapestCost = Row(0).m_dCost;
    for (size_t k = 0; k + 1 < names.size(); ++k) {
        cheapestCost = std::min(cheapestCost, Row(k).m_dCost);
        EXPECT_NEAR(Row(k).m_dBestCost, cheapestCost, 1e-6) << k;
    }
    EXPECT_NEAR(final.m_dCost, cheapestCost, 1e-6);
    EXPECT_NEAR(doc->GetTotalDistance(true), cheapestCost, 1e-6);
    EXPECT_EQ(final.m_lNumberOfRoutedFacilities, 13);
    EXPECT_EQ(final.m_lRunStatus, 1);
}

TEST_F(CombinedCommandsTest, AllAlgorithmsWithoutSuppliersSkipsCrossoversAndNeedsAYes) {
    MakeProject(false);
    ui.answers.push_back(EMessageAnswer::no);
    EXPECT_EQ(RunAllAlgorithms(*doc), ERunResult::refused);
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_EQ(ui.abortDialogsShown, 0);

    ui.ClearRecords();
    ASSERT_EQ(RunAllAlgorithms(*doc), ERunResult::recorded);
    EXPECT_TRUE(RowsNamed("Extreme Crossovers").empty());
    EXPECT_EQ(RowsNamed("Savings (Greedy Serial)").size(), 1u);
    EXPECT_EQ(RowNames().back(), "All Algorithm Combinations");
    EXPECT_EQ(doc->GetAlgorithmStatistics().back()->m_lNumberOfRoutedFacilities, 7);
}

TEST_F(CombinedCommandsTest, GoingBackToSavedRoutesKeepsTheBestValuesFound) {
    // A project where Cheapest Insertion after the crossovers finds a new best solution before
    // Priciest Insertion starts again from the crossover routes.
    SRandomFacilitiesRequest request;
    request.number[FT_CUSTOMER] = 5;
    request.number[FT_SUPPLIER] = 4;
    request.number[FT_DEPOT] = 1;
    request.maxQuantity[0] = request.maxQuantity[1] = 30;
    request.seed = 5;
    doc->AddRandomFacilities(request);
    doc->SetNumberOfVehicles(4);
    ASSERT_EQ(RunAllAlgorithms(*doc), ERunResult::recorded);
    const size_t priciest = RowsNamed("Priciest Insertion").at(0);
    ASSERT_LT(Row(priciest - 1).m_dBestCost, Row(RowsNamed("Extreme Crossovers").at(0)).m_dBestCost);
    for (size_t k = 1; k < doc->GetAlgorithmStatistics().size(); ++k) {
        EXPECT_LE(Row(k).m_dBestCost, Row(k - 1).m_dBestCost) << k;
        EXPECT_LE(Row(k).m_dBestDistance, Row(k - 1).m_dBestDistance) << k;
    }
}

TEST_F(CombinedCommandsTest, AbortAfterAComponentRecordsTheRoutesLeft) {
    MakeProject(true);
    // Nearest Neighbor checks nothing: the first check is the combination's own, after it.
    ui.abortAfterProcessCalls = 0;
    ASSERT_EQ(RunAllAlgorithms(*doc), ERunResult::aborted);
    EXPECT_EQ(RowNames(), (std::vector<std::string>{"Nearest Neighbor", "Algorithm aborted by the user"}));
    EXPECT_GT(doc->GetNumberOfRoutes(), 0);
    EXPECT_NEAR(Row(1).m_dCost, Row(0).m_dCost, 1e-6);
    EXPECT_NEAR(doc->GetTotalDistance(true), Row(1).m_dCost, 1e-6);
    EXPECT_EQ(Messages().back(), "Algorithm aborted by the user");
    ExpectIdleWithAbortDialogClosed();
}

TEST_F(CombinedCommandsTest, AllImprovementsImprovesInRoundsAndAnAbortInsideLeavesNoRoutes) {
    MakeProject(true);
    EXPECT_EQ(RunAllImprovements(*doc), ERunResult::refused); // no routes yet
    // One route per facility.
    doc->SetNumberOfVehicles(13);
    for (int k = 0; k < 13; ++k) {
        AddRoute({d, doc->GetFacility(k < 7 ? FT_CUSTOMER : FT_SUPPLIER, k < 7 ? k : k - 7), d});
    }
    RecordCurrentSolution();
    const double before = doc->GetCurrentSolution().m_dCost;
    ui.ClearRecords();

    ASSERT_EQ(RunAllImprovements(*doc), ERunResult::recorded);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    std::vector<std::string> names = RowNames();
    ASSERT_EQ(names.size() % 4, 1u);
    ASSERT_GE(names.size(), 9u); // the first round saves, the last does not
    const std::vector<std::string> round = {"Three Exchange", "Move Facility", "Three Exchange",
                                            "Swap Facility"};
    for (size_t k = 0; k + 1 < names.size(); ++k) {
        EXPECT_EQ(names[k], round[k % 4]) << k;
    }
    EXPECT_EQ(names.back(), "All Improvement Algorithms");
    const CAlgoStat& final = Row(names.size() - 1);
    EXPECT_LT(final.m_dCost, before);
    EXPECT_NEAR(final.m_dCost, Row(names.size() - 2).m_dCost, 1e-6);

    // Three Exchange checks first: the abort ends it, its routes go, and nothing more is recorded.
    const size_t rows = doc->GetAlgorithmStatistics().size();
    ui.ClearRecords();
    ui.abortDialogsShown = ui.abortDialogsClosed = 0;
    ui.abortAfterProcessCalls = 0;
    EXPECT_EQ(RunAllImprovements(*doc), ERunResult::aborted);
    EXPECT_EQ(doc->GetAlgorithmStatistics().size(), rows);
    EXPECT_EQ(doc->GetRoutedCount(), 0);
    ExpectIdleWithAbortDialogClosed();
}

} // namespace
