// Set partitioning with column generation against GLPK on small projects.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <sstream>
#include <thread>
#include <vector>

#include "framework/strings/format.h"
#include "optimisation/set_partitioning.h"
#include "tests/support/project_fixture.h"

namespace {

// Customers c1 (3), c2 (3), c3 (4) and suppliers s1 (2), s2 (5) around a depot; capacity 6, three
// vehicles; starting routes d c1 c2 s2 d and d c3 s1 d. The project has a path in the test's
// folder, so the dual prices file lands there.
class SetPartitioningTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        c1 = AddCustomer("c1", 10, 0, 3);
        c2 = AddCustomer("c2", 10, 5, 3);
        c3 = AddCustomer("c3", -10, 0, 4);
        s1 = AddSupplier("s1", 12, 2, 2);
        s2 = AddSupplier("s2", -10, -5, 5);
        d = AddDepot("d", 0, 0);
        doc->SetVehicleCapacity(6);
        doc->SetNumberOfVehicles(3);
        doc->SetMaxIterations(1000);
        doc->SetPathName(home->File("tiny.tramlet"));
        AddRoute({d, c1, c2, s2, d});
        AddRoute({d, c3, s1, d});
        RecordCurrentSolution();
        ui.ClearRecords();
    }

    std::string DualFile() const { return home->File("tiny.dualvars"); }

    double Distance(const std::vector<CFacility*>& route) const {
        double length = 0.0;
        for (size_t k = 1; k < route.size(); ++k) {
            length += doc->GetDistance(route[k - 1]->GetIndex(), route[k]->GetIndex());
        }
        return length;
    }

    // Every elementary route: customers in some order, then suppliers, each load within the
    // capacity, at least one facility.
    std::vector<std::vector<CFacility*>> AllRoutes() const {
        std::vector<CFacility*> customers = {c1, c2, c3}, suppliers = {s1, s2};
        std::vector<std::vector<CFacility*>> routes;
        auto orders = [](std::vector<CFacility*> set, int mask) {
            std::vector<CFacility*> chosen;
            for (size_t i = 0; i < set.size(); ++i) {
                if (mask & (1 << i)) {
                    chosen.push_back(set[i]);
                }
            }
            std::vector<std::vector<CFacility*>> all;
            std::sort(chosen.begin(), chosen.end());
            do {
                all.push_back(chosen);
            } while (std::next_permutation(chosen.begin(), chosen.end()));
            return all;
        };
        for (int cm = 0; cm < 8; ++cm) {
            for (int sm = 0; sm < 4; ++sm) {
                for (const auto& first : orders(customers, cm)) {
                    for (const auto& second : orders(suppliers, sm)) {
                        int demand = 0, supply = 0;
                        for (CFacility* f : first)
                            demand += f->GetQuantity();
                        for (CFacility* f : second)
                            supply += f->GetQuantity();
                        if ((cm | sm) == 0 || demand > 6 || supply > 6) {
                            continue;
                        }
                        std::vector<CFacility*> route = {d};
                        route.insert(route.end(), first.begin(), first.end());
                        route.insert(route.end(), second.begin(), second.end());
                        route.push_back(d);
                        routes.push_back(route);
                    }
                }
            }
        }
        return routes;
    }

    // The least distance of a solution of at most three of the routes covering each facility once.
    double OptimumByEnumeration() const {
        const auto routes = AllRoutes();
        std::vector<int> masks;
        for (const auto& route : routes) {
            int mask = 0;
            for (size_t k = 1; k + 1 < route.size(); ++k)
                mask |= 1 << route[k]->GetIndex();
            masks.push_back(mask);
        }
        std::function<double(int, int)> best = [&](int covered, int left) -> double {
            if (covered == 31)
                return 0.0;
            if (left == 0)
                return 1e18;
            const int first = __builtin_ctz(~covered);
            double value = 1e18;
            for (size_t r = 0; r < routes.size(); ++r) {
                if ((masks[r] & covered) == 0 && (masks[r] >> first & 1)) {
                    value = std::min(value, Distance(routes[r]) + best(covered | masks[r], left - 1));
                }
            }
            return value;
        };
        return best(0, 3);
    }

    // The prices of the dual prices file, in its order.
    std::vector<double> ReadPrices() const {
        std::istringstream lines(ReadWholeFile(DualFile()));
        std::vector<double> prices;
        std::string label;
        double price = 0.0;
        while (lines >> label >> price)
            prices.push_back(price);
        return prices;
    }

    CFacility *c1, *c2, *c3, *s1, *s2, *d;
};

TEST_F(SetPartitioningTest, BoundIsTheLinearProgramsOptimumAndConstructFindsTheOptimum) {
    doc->SetReportLevel(3);
    app->SetOutputLogFileName(home->File("out.log"));
    const double start = doc->GetCurrentSolution().m_dDistance;
    ASSERT_EQ(RunSetPartitioning(*doc, SP_MODE_CONSTRUCT), ERunResult::recorded)
        << ::testing::PrintToString(Messages());
    const CAlgoStat& record = *doc->GetAlgorithmStatistics().back();
    const double optimum = OptimumByEnumeration();
    EXPECT_GT(start, optimum + 1.0);
    EXPECT_NEAR(record.m_dDistance, optimum, 1e-6);
    EXPECT_NEAR(doc->GetTotalDistance(false), optimum, 1e-6);
    EXPECT_EQ(record.m_strAlgoName, "Set Parititioning with Pricing");
    // The final dual prices prove the bound optimal: their value is the bound and no elementary
    // route has a reduced cost below the pricing's threshold.
    const std::vector<double> pi = ReadPrices();
    ASSERT_EQ(pi.size(), 6u);
    EXPECT_NEAR(pi[0] + pi[1] + pi[2] + pi[3] + pi[4] + 3 * pi[5], record.m_dLowerBound, 1e-3);
    for (const auto& route : AllRoutes()) {
        double reduced = Distance(route) - pi[5];
        for (size_t k = 1; k + 1 < route.size(); ++k)
            reduced -= pi[route[k]->GetIndex()];
        EXPECT_GE(reduced, -0.001 * record.m_dDistance - 1e-3);
    }
    EXPECT_LE(record.m_dLowerBound, optimum + 1e-6);
    EXPECT_GT(record.m_dLowerBound, 0.0);
}

TEST_F(SetPartitioningTest, DualPricesFileIsReadBackAndRefusedWhenItDoesNotMatch) {
    doc->SetReportLevel(3);
    app->SetOutputLogFileName(home->File("out.log"));
    ASSERT_EQ(RunSetPartitioning(*doc, SP_MODE_BOUND), ERunResult::recorded);
    const std::string written = ReadWholeFile(DualFile());
    EXPECT_EQ(written.substr(0, 16), FormatString("c1\t%12.5lf\n", ReadPrices()[0]).substr(0, 16));
    doc->SetReportLevel(4);
    ASSERT_EQ(RunSetPartitioning(*doc, SP_MODE_BOUND), ERunResult::recorded);
    EXPECT_NE(
        ReadWholeFile(home->File("out.log")).find("Dual Prices Read from External File for Iteration 0\n\n"),
        std::string::npos);

    const std::pair<const char*, const char*> refusals[] = {
        {"; prices\nc1\t1.0\nc2\n",
         "Invalid number of data items read 1 different from required number 2 on data line \r\nc2"},
        {"C1 1.0\nc3 2.0\n",
         "Invalid dual variable label read c3 <> c2 label in project for dual variable 2"},
    };
    for (const auto& [content, message] : refusals) {
        WriteWholeFile(DualFile(), content);
        ui.ClearRecords();
        const size_t records = doc->GetAlgorithmStatistics().size();
        EXPECT_EQ(RunSetPartitioning(*doc, SP_MODE_BOUND), ERunResult::failed);
        EXPECT_EQ(Messages(), std::vector<std::string>{message});
        EXPECT_EQ(doc->GetAlgorithmStatistics().size(), records);
        EXPECT_EQ(doc->GetNumberOfRoutes(), 2);
    }
}

TEST_F(SetPartitioningTest, IterationLimitStopsWithoutRecord) {
    doc->SetMaxIterations(1);
    EXPECT_EQ(RunSetPartitioning(*doc, SP_MODE_BOUND), ERunResult::aborted);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Algorithm aborted because # iterations 1 reached maximum number of 1"});
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_EQ(doc->GetCurrentSolution().m_dLowerBound, 0.0);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 2);
}

TEST_F(SetPartitioningTest, EnablingRules) {
    EXPECT_TRUE(CanRunSetPartitioning(*doc, SP_MODE_CONSTRUCT_NO_REVISITS));
    doc->SetNumberOfVehicles(1);
    EXPECT_FALSE(CanRunSetPartitioning(*doc, SP_MODE_BOUND));
    doc->SetNumberOfVehicles(3);
    doc->DeleteRoute(doc->GetRoute(1));
    doc->AdjustRoutedCount(-2);
    EXPECT_FALSE(CanRunSetPartitioning(*doc, SP_MODE_BOUND));
}

TEST_F(SetPartitioningTest, NoRevisitsRefuses129Customers) {
    for (int i = 0; i < 126; ++i) {
        AddCustomer("x" + std::to_string(i), 100 + i, 100, 1);
    }
    ui.ClearRecords();
    EXPECT_FALSE(CanRunSetPartitioning(*doc, SP_MODE_BOUND_NO_REVISITS));
    for (int mode : {SP_MODE_BOUND_NO_REVISITS, SP_MODE_CONSTRUCT_NO_REVISITS}) {
        EXPECT_EQ(RunSetPartitioning(*doc, mode), ERunResult::failed);
        EXPECT_EQ(
            TakeMessages(),
            std::vector<std::string>{
                "Number of customer facilities 129 > 128 maximum for pricing problem with no subtours"});
    }
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
}

// A simplex call that takes its time, and a problem deletion that notes whether a solver was
// still working on the problem.
struct SSlowSolver {
    static inline decltype(&::glp_simplex) simplex = nullptr;
    static inline decltype(&::glp_delete_prob) deleteProb = nullptr;
    static inline std::atomic<bool> solving{false};
    static inline std::atomic<bool> deletedWhileSolving{false};
    static inline std::atomic<int> deletions{0};
    static int Simplex(glp_prob* lp, const glp_smcp* parameters) {
        solving = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        glp_smcp quiet = *parameters;
        quiet.msg_lev = GLP_MSG_OFF;
        const int result = simplex(lp, &quiet);
        solving = false;
        return result;
    }
    static void Delete(glp_prob* lp) {
        deletedWhileSolving = deletedWhileSolving || solving;
        ++deletions;
        deleteProb(lp);
    }
};

TEST_F(SetPartitioningTest, AbortWhileTheSolverRunsWaitsForItAndKeepsTheRoutes) {
    ASSERT_EQ(app->LoadGPLKFunctionPointers(), 1);
    SSlowSolver::simplex = app->m_pfn_glp_simplex;
    SSlowSolver::deleteProb = app->m_pfn_glp_delete_prob;
    app->m_pfn_glp_simplex = &SSlowSolver::Simplex;
    app->m_pfn_glp_delete_prob = &SSlowSolver::Delete;
    // Two checks after building, one at the iteration's start, one after the pricing: the fifth
    // is the first while the solver works.
    ui.abortAfterProcessCalls = 4;
    EXPECT_EQ(RunSetPartitioning(*doc, SP_MODE_CONSTRUCT), ERunResult::aborted);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Algorithm aborted by the user"});
    EXPECT_EQ(SSlowSolver::deletions, 1);
    EXPECT_FALSE(SSlowSolver::deletedWhileSolving);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 2);
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_EQ(doc->GetCurrentSolution().m_lRunStatus, -1);
    app->m_pfn_glp_simplex = SSlowSolver::simplex;
    app->m_pfn_glp_delete_prob = SSlowSolver::deleteProb;
}

// Three customers of 1 close together, far from the depot, with room for two on a route: the
// linear program takes the three pairs at one half (31.5), the best routes are a pair and a single.
class SetPartitioningTriangleTest : public ProjectFixture {};

TEST_F(SetPartitioningTriangleTest, FractionalBoundAndTheIntegerStepsRoutes) {
    CFacility* c[3] = {AddCustomer("c1", 1, 0, 1), AddCustomer("c2", 2, 0, 1), AddCustomer("c3", 3, 0, 1)};
    CFacility* depot = AddDepot("d", 0, 0);
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            doc->SetDistance(i, j, i == j ? 0.0 : (i == 3 || j == 3) ? 10.0 : 1.0);
        }
    }
    doc->SetVehicleCapacity(2);
    doc->SetNumberOfVehicles(3);
    doc->SetMaxIterations(100);
    for (CFacility* f : c) {
        AddRoute({depot, f, depot});
    }
    RecordCurrentSolution();
    ASSERT_EQ(RunSetPartitioning(*doc, SP_MODE_BOUND), ERunResult::recorded);
    EXPECT_NEAR(doc->GetCurrentSolution().m_dLowerBound, 31.5, 1e-6);
    // An integral solution of a pair and a single on the way replaced the three singles.
    EXPECT_NEAR(doc->GetCurrentSolution().m_dDistance, 41.0, 1e-9);
    EXPECT_NEAR(doc->GetCurrentSolution().m_dDeltaObjective, 19.0, 1e-9);
    ASSERT_EQ(RunSetPartitioning(*doc, SP_MODE_CONSTRUCT), ERunResult::recorded);
    EXPECT_NEAR(doc->GetCurrentSolution().m_dDistance, 41.0, 1e-9);
    EXPECT_NEAR(doc->GetCurrentSolution().m_dLowerBound, 31.5, 1e-6);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 2);
}

int IntegerTimeLimit(glp_prob*, const glp_iocp*) {
    return GLP_ETMLIM;
}

TEST_F(SetPartitioningTest, FailedIntegerStepKeepsTheRoutesAndRecordsTheRun) {
    ASSERT_EQ(app->LoadGPLKFunctionPointers(), 1);
    const auto intopt = app->m_pfn_glp_intopt;
    app->m_pfn_glp_intopt = &IntegerTimeLimit;
    EXPECT_EQ(RunSetPartitioning(*doc, SP_MODE_CONSTRUCT), ERunResult::recorded);
    app->m_pfn_glp_intopt = intopt;
    EXPECT_EQ(Messages(),
              std::vector<std::string>{FormatString(
                  "The %s MIP solver could not find the optimal solution within the %lf seconds time limit",
                  app->GetGLPKLibraryName().c_str(), doc->GetTimeLimit())});
    // The routes as the iterations left them (the linear program's integral optimum).
    EXPECT_GT(doc->GetNumberOfRoutes(), 0);
    EXPECT_NEAR(doc->GetAlgorithmStatistics().back()->m_dDistance, doc->GetTotalDistance(false), 1e-9);
    EXPECT_NEAR(doc->GetAlgorithmStatistics().back()->m_dLowerBound, doc->GetTotalDistance(false), 1e-6);
}

} // namespace
