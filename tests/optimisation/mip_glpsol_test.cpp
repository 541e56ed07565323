#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "framework/strings/format.h"
#include "optimisation/mip_solution.h"
#include "tests/optimisation/mip_test_support.h"

using Texts = std::vector<std::string>;

namespace {

// The objective value of line 6 of a glpsol report ("Objective:  obj = 123.4 (MINimum)").
double ReportedObjective(const std::string& report) {
    std::string::size_type at = report.find("Objective:");
    double value = -1.0;
    if (at != std::string::npos) {
        std::sscanf(report.c_str() + report.find('=', at) + 1, "%lf", &value);
    }
    return value;
}

std::string ReportedStatus(const std::string& report) {
    std::string::size_type at = report.find("Status:");
    return at == std::string::npos ? std::string() : report.substr(at, report.find('\n', at) - at);
}

} // namespace

// The project's model solved by the real glpsol and its report read back.
class MipGlpsolTest : public MipFixture {
protected:
    void SetUp() override {
        MipFixture::SetUp();
        glpsol = FindGlpsol();
        if (glpsol.empty()) {
            GTEST_SKIP()
                << "glpsol is not on PATH (Debian package glpk-utils, installed by scripts/bootstrap)";
        }
    }

    // Writes the model, with the text that extra makes of it before the binary section, solves it
    // and returns the report.
    std::string Solve(const std::function<std::string(const std::string&)>& extra = nullptr) {
        std::string model = Model();
        if (extra) {
            model.insert(model.rfind("\nbinary\n"), extra(model));
            WriteWholeFile(folder->File("model.lp"), model);
        }
        int status = RunGlpsol(glpsol, folder->File("model.lp"), folder->File("model.sol"));
        EXPECT_EQ(status, 0) << ReadWholeFile(folder->File("model.sol.log"));
        return ReadWholeFile(folder->File("model.sol"));
    }

    // The smallest total distance of routes for the vehicles: every way of giving the customers and
    // suppliers to the vehicles within the capacity, each vehicle visiting its customers and then
    // its suppliers in their best order.
    double BruteForceOptimum() const {
        const int n = doc->GetNumberOfCustomers() + doc->GetNumberOfSuppliers();
        const int m = doc->GetNumberOfVehicles();
        const int depot = n;
        double best = 1e300;
        std::vector<int> vehicleOf(n, 0);
        for (;;) {
            double total = 0.0;
            for (int k = 0; k < m && total < best; ++k) {
                std::vector<int> customers;
                std::vector<int> suppliers;
                int load[2] = {0, 0};
                for (int f = 0; f < n; ++f) {
                    if (vehicleOf[f] == k) {
                        const CFacility* facility = doc->GetFacility(f);
                        (facility->IsCustomer() ? customers : suppliers).push_back(f);
                        load[facility->IsCustomer() ? 0 : 1] += facility->GetQuantity();
                    }
                }
                if (load[0] > doc->GetVehicleCapacity() || load[1] > doc->GetVehicleCapacity()) {
                    total = 1e300;
                    break;
                }
                if (customers.empty() && suppliers.empty()) {
                    continue;
                }
                double shortest = 1e300;
                do {
                    do {
                        std::vector<int> tour = customers;
                        tour.insert(tour.end(), suppliers.begin(), suppliers.end());
                        double length =
                            doc->GetDistance(depot, tour.front()) + doc->GetDistance(tour.back(), depot);
                        for (size_t a = 1; a < tour.size(); ++a) {
                            length += doc->GetDistance(tour[a - 1], tour[a]);
                        }
                        shortest = std::min(shortest, length);
                    } while (std::next_permutation(suppliers.begin(), suppliers.end()));
                } while (std::next_permutation(customers.begin(), customers.end()));
                total += shortest;
            }
            best = std::min(best, total);
            int f = 0;
            while (f < n && ++vehicleOf[f] == m) {
                vehicleOf[f++] = 0;
            }
            if (f == n) {
                return best;
            }
        }
    }

    std::string glpsol;
};

// Four customers and two suppliers for two vehicles of capacity 70: both vehicles are needed.
TEST_F(MipGlpsolTest, SmallProjectComesBackAsTheOptimalRoutes) {
    AddDepot("d", 0, 0);
    AddCustomer("c1", 0, 40, 30);
    AddCustomer("c2", 30, 40, 40);
    AddCustomer("c3", 40, 0, 20);
    AddCustomer("c4", -30, -10, 30);
    AddSupplier("s1", 10, -40, 50);
    AddSupplier("s2", -40, 20, 40);
    ASSERT_TRUE(doc->SetNumberOfVehicles(2));
    ASSERT_TRUE(doc->SetVehicleCapacity(70));

    std::string report = Solve();
    ASSERT_EQ(ReportedStatus(report), "Status:     INTEGER OPTIMAL") << report;
    ASSERT_EQ(ReadMipSolution(*doc, EMipSolver::glpsol, folder->File("model.sol")), ERunResult::recorded)
        << ::testing::PrintToString(TakeMessages());
    doc->CheckSolution(true);
    EXPECT_TRUE(TakeMessages().empty());

    const CAlgoStat& row = *doc->GetAlgorithmStatistics().back();
    EXPECT_EQ(row.m_strAlgoName, "glpsol VRPB MIP Solution");
    EXPECT_EQ(row.m_lNumberOfRoutes, 2);
    EXPECT_EQ(row.m_lNumberOfRoutedFacilities, 6);
    // The model's distances are rounded to 0.001.
    EXPECT_NEAR(row.m_dDistance, ReportedObjective(report), 0.01);
    EXPECT_NEAR(row.m_dDeltaObjective, 0.0, 0.01);
    EXPECT_DOUBLE_EQ(row.m_dLowerBound, row.m_dDistance);
    EXPECT_NEAR(row.m_dDistance, BruteForceOptimum(), 0.01);

    // Solved again with the bounds from that solution (upper bound from the complete solution,
    // lower bound from the best lower bound): the optimum stays within them.
    const double optimum = row.m_dDistance;
    std::string bounded = Solve();
    EXPECT_NE(ReadWholeFile(folder->File("model.lp")).find("total_length_lower_bound"), std::string::npos);
    ASSERT_EQ(ReportedStatus(bounded), "Status:     INTEGER OPTIMAL") << bounded;
    ASSERT_EQ(ReadMipSolution(*doc, EMipSolver::glpsol, folder->File("model.sol")), ERunResult::recorded);
    EXPECT_NEAR(doc->GetCurrentSolution().m_dDistance, optimum, 0.01);
    EXPECT_EQ(doc->GetAlgorithmStatistics().size(), 2u);
}

// The model of 110 facilities and 10 vehicles has names such as x(100,110,10), whose values
// glpsol prints on the next line. Bounds fix every arc at 0 but those of the rows of the project
// and two orders of vehicle 10's last customers, so glpsol solves it in seconds.
TEST_F(MipGlpsolTest, LargeProjectWithWrappedColumnNamesComesBack) {
    Texts expected = AddWrappedNamesProject();
    std::set<std::string> open = {"x(98,100,10)", "x(100,99,10)", "x(99,110,10)"};
    for (int k = 1; k <= 10; ++k) {
        std::vector<int> nodes = {0};
        for (int n = 10 * k - 9; n <= 10 * k; ++n) {
            nodes.push_back(n);
        }
        nodes.push_back(100 + k);
        nodes.push_back(111);
        for (size_t a = 1; a < nodes.size(); ++a) {
            open.insert(FormatString("x(%d,%d,%d)", nodes[a - 1], nodes[a], k));
        }
    }
    std::string report = Solve([&](const std::string& model) {
        std::string bounds = "\nbounds\n";
        std::string::size_type at = model.rfind("\nbinary\n") + 8;
        for (std::string::size_type end; (end = model.find('\n', at)) != std::string::npos; at = end + 1) {
            std::string arc = model.substr(at, end - at);
            if (arc[0] == 'x' && open.count(arc) == 0) {
                bounds += arc + " = 0\n";
            }
        }
        return bounds;
    });
    ASSERT_EQ(ReportedStatus(report), "Status:     INTEGER OPTIMAL") << report.substr(0, 400);
    ASSERT_NE(report.find(" x(100,110,10)\n                    *              1 "), std::string::npos);

    ASSERT_EQ(ReadMipSolution(*doc, EMipSolver::glpsol, folder->File("model.sol")), ERunResult::recorded)
        << ::testing::PrintToString(TakeMessages());
    EXPECT_EQ(RouteSequences(), expected);
    doc->CheckSolution(true);
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_NEAR(doc->GetCurrentSolution().m_dDistance, ReportedObjective(report), 0.1);
    EXPECT_DOUBLE_EQ(doc->GetCurrentSolution().m_dLowerBound, doc->GetCurrentSolution().m_dDistance);
}

// tramlet-batch writes the model of a project file and reads glpsol's report of it back.
TEST_F(MipGlpsolTest, BatchProgramWritesTheModelAndReadsTheSolution) {
    std::string model = folder->File("small.lp");
    std::string solution = folder->File("small.sol");
    std::string project = std::string(TEST_DATA_DIR) + "/small/small.dat ";
    SBatchRun write = RunBatch(project + "--quiet write-lp '" + model + "'");
    ASSERT_EQ(write.status, 0) << write.err;
    ASSERT_EQ(RunGlpsol(glpsol, model, solution), 0);
    std::string report = ReadWholeFile(solution);
    ASSERT_EQ(ReportedStatus(report), "Status:     INTEGER OPTIMAL") << report.substr(0, 400);

    SBatchRun read = RunBatch(project + "--json read-glpsol '" + solution + "'");
    ASSERT_EQ(read.status, 0) << read.err;
    const std::string& out = read.out;
    EXPECT_NE(out.find("\"algorithm\": \"glpsol VRPB MIP Solution\""), std::string::npos) << out;
    auto field = [&](const char* name) {
        std::string::size_type at = out.find(std::string("\"") + name + "\": ");
        return at == std::string::npos ? -1.0
                                       : std::strtod(out.c_str() + at + std::strlen(name) + 4, nullptr);
    };
    EXPECT_NEAR(field("distance"), ReportedObjective(report), 0.01) << out;
    EXPECT_DOUBLE_EQ(field("lower_bound"), field("distance"));
    EXPECT_DOUBLE_EQ(field("run_status"), 1.0);
}
