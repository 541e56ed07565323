#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "search/search_command.h"
#include "tests/support/batch_runner.h"
#include "tests/support/project_fixture.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Small projects whose optimum is found by enumeration: every route's best order by dynamic
// programming over subsets (customers before suppliers, directed distances), then the best
// partition into routes under the fleet rule.
class SearchTest : public ProjectFixture {
protected:
    // One depot at the origin, customers and suppliers at the given points and quantities.
    void MakeProject(const std::vector<std::vector<int>>& customers,
                     const std::vector<std::vector<int>>& suppliers, int vehicles, int capacity) {
        for (size_t k = 0; k < customers.size(); ++k) {
            AddCustomer("c" + std::to_string(k), customers[k][0], customers[k][1], customers[k][2]);
        }
        for (size_t k = 0; k < suppliers.size(); ++k) {
            AddSupplier("s" + std::to_string(k), suppliers[k][0], suppliers[k][1], suppliers[k][2]);
        }
        AddDepot("d", 5000, 5000);
        doc->SetNumberOfVehicles(vehicles);
        doc->SetVehicleCapacity(capacity);
        ui.ClearRecords();
    }

    // The cheapest route over every subset of the customers and suppliers (infinity when its
    // load does not fit).
    std::vector<double> RouteCosts() const {
        const int n = doc->GetNumberOfCustomers() + doc->GetNumberOfSuppliers();
        const int depot = n;
        const int full = 1 << n;
        std::vector<double> path(static_cast<size_t>(full * n), kInfinity); // path[S * n + last]
        for (int j = 0; j < n; ++j) {
            path[static_cast<size_t>((1 << j) * n + j)] = doc->GetDistance(depot, j);
        }
        auto supplier = [&](int j) { return doc->GetFacility(j)->IsSupplier(); };
        for (int set = 1; set < full; ++set) {
            for (int last = 0; last < n; ++last) {
                const double here = path[static_cast<size_t>(set * n + last)];
                if (!(set & (1 << last)) || here == kInfinity) {
                    continue;
                }
                for (int next = 0; next < n; ++next) {
                    if ((set & (1 << next)) || (supplier(last) && !supplier(next))) {
                        continue;
                    }
                    double& to = path[static_cast<size_t>((set | (1 << next)) * n + next)];
                    to = std::min(to, here + doc->GetDistance(last, next));
                }
            }
        }
        std::vector<double> cost(static_cast<size_t>(full), kInfinity);
        for (int set = 1; set < full; ++set) {
            int load[2] = {0, 0};
            for (int j = 0; j < n; ++j) {
                if (set & (1 << j)) {
                    load[supplier(j) ? 1 : 0] += doc->GetFacility(j)->GetQuantity();
                }
            }
            if (load[0] > doc->GetVehicleCapacity() || load[1] > doc->GetVehicleCapacity()) {
                continue;
            }
            for (int last = 0; last < n; ++last) {
                if (set & (1 << last)) {
                    cost[static_cast<size_t>(set)] =
                        std::min(cost[static_cast<size_t>(set)],
                                 path[static_cast<size_t>(set * n + last)] + doc->GetDistance(last, depot));
                }
            }
        }
        return cost;
    }

    // The least distance of a partition into at most (or, exactly: exactly) the vehicles' routes;
    // exactly also forbids routes serving suppliers only.
    double OptimalDistance(bool exact) const {
        const int n = doc->GetNumberOfCustomers() + doc->GetNumberOfSuppliers();
        const int full = 1 << n;
        const int customers = (1 << doc->GetNumberOfCustomers()) - 1;
        std::vector<double> route = RouteCosts();
        if (exact) {
            for (int set = 1; set < full; ++set) {
                if ((set & customers) == 0) {
                    route[static_cast<size_t>(set)] = kInfinity;
                }
            }
        }
        // best[set] with k routes, k = 1 .. vehicles.
        std::vector<double> best(route);
        double optimum = best[static_cast<size_t>(full - 1)];
        for (int k = 2; k <= doc->GetNumberOfVehicles(); ++k) {
            std::vector<double> next(static_cast<size_t>(full), kInfinity);
            for (int set = 1; set < full; ++set) {
                const int low = set & -set;
                for (int part = set; part > 0; part = (part - 1) & set) {
                    if ((part & low) && part != set) {
                        next[static_cast<size_t>(set)] = std::min(next[static_cast<size_t>(set)],
                                                                  route[static_cast<size_t>(part)] +
                                                                      best[static_cast<size_t>(set ^ part)]);
                    }
                }
            }
            best.swap(next);
            optimum = exact ? best[static_cast<size_t>(full - 1)]
                            : std::min(optimum, best[static_cast<size_t>(full - 1)]);
        }
        return optimum;
    }

    ERunResult Search(int seed, EFleetRule rule = EFleetRule::atMost) {
        doc->SetSeed(seed);
        SSearchSettings settings;
        settings.iterations = 3000;
        settings.fleetRule = rule;
        return RunRuinRecreateSearch(*doc, settings);
    }

    std::vector<std::vector<std::string>> RouteLabels() const {
        std::vector<std::vector<std::string>> routes;
        for (const CRoute* route : doc->GetRoutes()) {
            routes.emplace_back();
            for (const CFacility* f : route->GetFacilities()) {
                routes.back().push_back(f->GetLabel());
            }
        }
        return routes;
    }
};

} // namespace

TEST_F(SearchTest, FindsTheEnumeratedOptimumForSeveralSeedsAndBothFleetRules) {
    MakeProject({{1000, 1000, 40}, {2000, 8000, 30}, {9000, 2000, 50}, {7000, 9000, 20}, {4000, 6000, 35}},
                {{1500, 3000, 30}, {8000, 5000, 45}, {3000, 9000, 25}}, 4, 80);
    const double atMost = OptimalDistance(false);
    const double exact = OptimalDistance(true);
    ASSERT_LT(atMost, exact); // the exact rule costs something here
    for (int seed : {1, 2, 3}) {
        ASSERT_EQ(Search(seed), ERunResult::recorded);
        EXPECT_NEAR(doc->GetCurrentSolution().m_dDistance, atMost, 1e-6) << "seed " << seed;
        ASSERT_EQ(Search(seed, EFleetRule::exact), ERunResult::recorded);
        EXPECT_NEAR(doc->GetCurrentSolution().m_dDistance, exact, 1e-6) << "seed " << seed;
        ASSERT_EQ(doc->GetNumberOfRoutes(), 4);
        for (const CRoute* route : doc->GetRoutes()) {
            EXPECT_GT(route->GetNumberOfCustomers(), 0) << "a route serves suppliers only";
        }
    }
    // Every run was checked (report level Standard) and showed its progress.
    EXPECT_EQ(doc->GetAlgorithmStatistics().size(), 6u);
    ASSERT_FALSE(ui.statusUpdates.empty());
    EXPECT_EQ(ui.statusUpdates.back().title, "Ruin and Recreate Search");
    EXPECT_EQ(ui.statusUpdates.back().fields[0].label, "Iteration");
    EXPECT_EQ(ui.statusUpdates.back().fields[1].value, FormatString("%.2lf", exact));
}

TEST_F(SearchTest, AsymmetricDistancesAreCostedInTheDirectionDriven) {
    MakeProject({{1000, 1000, 10}, {2000, 8000, 10}, {9000, 2000, 10}, {7000, 9000, 10}},
                {{1500, 3000, 10}, {8000, 5000, 10}, {3000, 9000, 10}}, 2, 40);
    // Driving towards higher project numbers costs a fifth of the way back: a reversed route costs
    // far more.
    doc->SetAsymmetric(1);
    const int n = doc->GetTotalNumberOfFacilities();
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const double d = doc->GetDistance(i, j);
            doc->SetDistance(i, j, i < j ? d : 5.0 * d);
        }
    }
    const double optimum = OptimalDistance(false);
    for (int seed : {4, 5}) {
        ASSERT_EQ(Search(seed), ERunResult::recorded);
        EXPECT_NEAR(doc->GetCurrentSolution().m_dDistance, optimum, 1e-6) << "seed " << seed;
    }
}

TEST_F(SearchTest, SameSeedGivesSameRoutes) {
    MakeProject({{1000, 1000, 40}, {2000, 8000, 30}, {9000, 2000, 50}, {7000, 9000, 20}, {4000, 6000, 35}},
                {{1500, 3000, 30}, {8000, 5000, 45}, {3000, 9000, 25}}, 4, 80);
    ASSERT_EQ(Search(7), ERunResult::recorded);
    const auto first = RouteLabels();
    ASSERT_EQ(Search(7), ERunResult::recorded);
    EXPECT_EQ(RouteLabels(), first);
}

TEST_F(SearchTest, AbortEndsTheRunAtTheCheckWhereItIsPressedAndLeavesNoRoutes) {
    MakeProject({{1000, 1000, 40}, {2000, 8000, 30}, {9000, 2000, 50}}, {{1500, 3000, 30}}, 2, 80);
    SSearchSettings settings;
    settings.iterations = settings.iterationsWithoutImprovement = SEARCH_MAX_ITERATIONS;
    ui.abortAfterProcessCalls = 2;
    EXPECT_EQ(RunRuinRecreateSearch(*doc, settings), ERunResult::aborted);
    EXPECT_EQ(ui.processCalls, 3);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Algorithm aborted by the user"});
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_EQ(doc->GetRoutedCount(), 0);
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_FALSE(doc->IsAlgorithmRunning());
}

TEST_F(SearchTest, TimeLimitEndsTheSearchAndRecordsItsBestSolution) {
    MakeProject({{1000, 1000, 40}, {2000, 8000, 30}, {9000, 2000, 50}}, {{1500, 3000, 30}}, 2, 80);
    doc->SetTimeLimit(1.0);
    SSearchSettings settings;
    settings.iterations = settings.iterationsWithoutImprovement = SEARCH_MAX_ITERATIONS;
    ASSERT_EQ(RunRuinRecreateSearch(*doc, settings), ERunResult::recorded);
    const CAlgoStat& record = *doc->GetAlgorithmStatistics().back();
    EXPECT_GE(record.m_dRunTime, 1.0);
    EXPECT_LT(record.m_lIterations, SEARCH_MAX_ITERATIONS);
    EXPECT_NEAR(record.m_dDistance, OptimalDistance(false), 1e-6);
    EXPECT_TRUE(ui.timeLimitTexts.empty()); // the limit ends the search, it asks nothing
}

TEST_F(SearchTest, SettingsOutOfRangeAreRefusedWithTheirMessage) {
    SSearchSettings settings;
    EXPECT_THROW(SetSearchIterations(settings, 0), CUserException);
    EXPECT_THROW(SetSearchIterationsWithoutImprovement(settings, 100000001), CUserException);
    EXPECT_THROW(SetSearchAverageRuinSize(settings, 101), CUserException);
    EXPECT_THROW(SetSearchFleetRule(settings, "sideways"), CUserException);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{
                  "Invalid search iterations 0 outside range [1, 100000000]",
                  "Invalid search iterations without improvement 100000001 outside range [1, 100000000]",
                  "Invalid search average ruin size 101 outside range [1, 100]",
                  "Invalid search fleet rule sideways (at-most or exact)"}));
    EXPECT_EQ(settings.iterations, SSearchSettings().iterations);
    SetSearchFleetRule(settings, "exact");
    EXPECT_EQ(settings.fleetRule, EFleetRule::exact);
}

TEST(SearchBatchTest, SearchCommandRunsUnderTheExactFleetRuleAndRefusesAnUnknownRule) {
    CTempFolder folder;
    const std::string project = std::string(TEST_DATA_DIR) + "/small/small.dat";
    SBatchRun run = RunBatchProgram(folder, project + " --fleet exact --search-iterations 500 search");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Ruin and Recreate Search"), std::string::npos);
    run = RunBatchProgram(folder, project + " --fleet sideways search");
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("Invalid search fleet rule sideways (at-most or exact)"), std::string::npos);
}
