#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "construction/polar_angles.h"
#include "framework/containers/double_matrix.h"
#include "framework/containers/long_matrix.h"
#include "framework/exceptions/user_exception.h"
#include "optimisation/assignment_costs.h"
#include "optimisation/generalized_assignment.h"
#include "optimisation/generalized_assignment_seeds.h"
#include "optimisation/generalized_assignment_solver.h"
#include "tests/support/project_fixture.h"
#include "tests/support/batch_runner.h"

namespace {

constexpr double kTwoPi = POLAR_TWO_PI;

// ---- the sweeps ----

std::vector<SPolarEntry> Polar(const std::vector<double>& angles, const std::vector<double>& radii,
                               const std::vector<int>& quantities) {
    std::vector<SPolarEntry> polar;
    for (size_t j = 0; j < angles.size(); ++j) {
        polar.push_back({angles[j], radii[j], quantities[j]});
    }
    return polar;
}

TEST(SeedSweepTest, FourEqualCustomersSplitAtTheBisectorOfTheSecondAndThird) {
    SSeedSectors s = SweepSeedPointSectors(
        Polar({0.5, 1.0, 2.0, 3.0}, {100, 200, 300, 400}, {10, 10, 10, 10}), 2, 20.0, 0.001);
    EXPECT_DOUBLE_EQ(s.start[0], (0.5 + 3.0 - kTwoPi) / 2);
    EXPECT_DOUBLE_EQ(s.end[0], 1.5);
    EXPECT_DOUBLE_EQ(s.start[1], 1.5);
    EXPECT_DOUBLE_EQ(s.end[1], (3.0 + 0.5 + kTwoPi) / 2);
    EXPECT_EQ(s.angle, (std::vector<double>{0.75, 2.5}));
    EXPECT_EQ(s.radius, (std::vector<double>{150.0, 350.0}));
}

TEST(SeedSweepTest, AFacilityLargerThanTheShareFillsWholeSectorsAtItsPosition) {
    // 10, 40, 10 over three sectors of 20: the 40 tops up sector 1, fills sector 2 by itself
    // and starts sector 3; the boundary lies a quarter into its angular neighbourhood.
    SSeedSectors s =
        SweepSeedPointSectors(Polar({1.0, 2.0, 3.0}, {100, 200, 300}, {10, 40, 10}), 3, 20.0, 0.001);
    EXPECT_DOUBLE_EQ(s.end[0], 1.75);
    EXPECT_DOUBLE_EQ(s.angle[0], 1.5);
    EXPECT_DOUBLE_EQ(s.radius[0], 150.0);
    EXPECT_EQ((std::vector<double>{s.start[1], s.end[1], s.angle[1], s.radius[1]}),
              (std::vector<double>{1.75, 2.5, 2.0, 200.0}));
    EXPECT_DOUBLE_EQ(s.start[2], 1.75);
    EXPECT_DOUBLE_EQ(s.angle[2], 2.5);
    EXPECT_DOUBLE_EQ(s.radius[2], 250.0);
}

TEST(SeedSweepTest, RaySectorsCarryTheWholeExcessIntoTheNextSector) {
    // The 25 leaves 15 in sector 2, so the next 15 closes it; rays bisect their sectors.
    SSeedSectors s =
        SweepSeedRaySectors(Polar({1.0, 2.0, 3.0, 4.0}, {0, 0, 0, 0}, {10, 25, 15, 10}), 3, 20.0, 0.001);
    EXPECT_EQ(s.start, (std::vector<double>{1.0, 2.0, 3.0}));
    EXPECT_EQ(s.end, (std::vector<double>{2.0, 3.0, 4.0}));
    EXPECT_EQ(s.angle, (std::vector<double>{1.5, 2.5, 3.5}));
}

// ---- projects ----

class GeneralizedAssignmentTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        unsetenv("TRAMLET_GLPK_LIBRARY");
        doc->SetReportLevel(REPORT_STANDARD);
        doc->SetTimeLimit(60.0);
    }

    // A customer and a supplier east and the same west of the depot; two vehicles that each
    // carry one customer and one supplier.
    void MakeEastWestPairs() {
        d = AddDepot("d", 0, 0);
        AddCustomer("c1", 1000, 0, 10);
        AddCustomer("c2", -1000, 0, 10);
        AddSupplier("s1", 1000, 100, 10);
        AddSupplier("s2", -1000, 100, 10);
        doc->SetNumberOfVehicles(2);
        doc->SetVehicleCapacity(10);
        ui.ClearRecords();
    }

    // K customers of demand 1 on a circle of radius 1000 around the depot, one vehicle.
    void MakeCircle(int K) {
        d = AddDepot("d", 0, 0);
        for (int k = 0; k < K; ++k) {
            const double a = kTwoPi * k / K;
            AddCustomer("c" + std::to_string(k + 1), static_cast<int>(std::lround(1000 * std::cos(a))),
                        static_cast<int>(std::lround(1000 * std::sin(a))), 1);
        }
        doc->SetNumberOfVehicles(1);
        ui.ClearRecords();
    }

    std::vector<std::string> RouteLabels() const {
        std::vector<std::string> routes;
        for (CRoute* route : doc->GetRoutes()) {
            std::string labels;
            for (const CFacility* f : route->GetFacilities()) {
                labels += (labels.empty() ? "" : " ") + f->GetLabel();
            }
            routes.push_back(labels);
        }
        return routes;
    }

    void ExpectRecorded(ERunResult result) {
        ASSERT_EQ(result, ERunResult::recorded) << ::testing::PrintToString(Messages());
        EXPECT_NO_THROW(doc->CheckSolution(true));
        EXPECT_DOUBLE_EQ(doc->GetAlgorithmStatistics().back()->m_dDistance, doc->GetTotalDistance(false));
    }

    CFacility* d = nullptr;
};

// The facility whose cost for the single vehicle is 0 lies under the seed: the driving type.
TEST_F(GeneralizedAssignmentTest, TheLargerTotalDrivesTheSeedsAndATieGoesToTheSuppliers) {
    d = AddDepot("d", 0, 0);
    CFacility* c = AddCustomer("c", 0, 1000, 10);
    AddSupplier("s", 1000, 0, 10);
    doc->SetNumberOfVehicles(1);
    struct SCase {
        EGAPSEEDMODE mode;
        int demand;
        int seedRow;
    };
    for (SCase test : {SCase{GAP_SEED_POINTS, 10, 1}, SCase{GAP_SEED_RAYS, 10, 1},
                       SCase{GAP_SEED_POINTS, 11, 0}, SCase{GAP_SEED_RAYS, 11, 0}}) {
        doc->ChangeFacilityQuantity(c, test.demand);
        CDoubleMatrix costs;
        test.mode == GAP_SEED_POINTS ? ComputeSeedPointCosts(*doc, costs) : ComputeSeedRayCosts(*doc, costs);
        EXPECT_NEAR(costs[test.seedRow][0], 0.0, 1e-9) << test.mode << " " << test.demand;
        EXPECT_GT(costs[1 - test.seedRow][0], 1000.0);
    }
}

TEST_F(GeneralizedAssignmentTest, SeedPointsFallBackToTheOtherTypeOrRefuse) {
    d = AddDepot("d", 0, 0);
    AddCustomer("c", 0, 1000, 50);
    AddSupplier("s1", 1000, 0, 10);
    AddSupplier("s2", -1000, 0, 10);
    doc->SetNumberOfVehicles(2);
    ui.ClearRecords();
    CDoubleMatrix costs;
    ComputeSeedPointCosts(*doc, costs);
    EXPECT_TRUE(Messages().empty());
    EXPECT_NEAR(std::min(costs[1][0], costs[1][1]), 0.0, 1e-9);

    doc->SetNumberOfVehicles(3);
    EXPECT_THROW(ComputeSeedPointCosts(*doc, costs), CUserException);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Insufficient number of Customer facilities to start Seed Point "
                                       "Generalized Assignment algorithm"});
    ui.ClearRecords();
    doc->SetVehicleCapacity(5);
    ui.ClearRecords();
    EXPECT_THROW(ComputeSeedRayCosts(*doc, costs), CUserException);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "No facilities that can be included on a route exist");
    EXPECT_EQ(ui.messages[0].icon, EMessageIcon::exclamation);
}

TEST_F(GeneralizedAssignmentTest, DebugReportOfTheSectorsAndSeeds) {
    d = AddDepot("d", 0, 0);
    AddCustomer("c1", 1000, 0, 10);
    AddCustomer("c2", 0, 1000, 10);
    AddCustomer("c3", -1000, 0, 10);
    AddCustomer("c4", 0, -1000, 10);
    doc->SetNumberOfVehicles(2);
    doc->SetReportLevel(REPORT_DEBUG);
    const std::string log = home->File("gap.log");
    app->SetOutputLogFileName(log);
    CDoubleMatrix costs;
    ComputeSeedPointCosts(*doc, costs);
    const std::string text = ReadWholeFile(log);
    EXPECT_NE(text.find("\nSector\tStart Angle\tEnd Angle\tSector Angle\tRadius\n\n"
                        "1\t-0.7854\t2.3562\t0.7854\t 1000.0\n2\t2.3562\t5.4978\t3.9270\t 1000.0\n"),
              std::string::npos)
        << text;
    EXPECT_NE(
        text.find("\nSector\tAbs. Angle\tRadius\tX Coord\tY Coord\n\n1\t0.7854\t 1000.0\t  707.1\t  707.1\n"),
        std::string::npos);
    EXPECT_NE(text.find("\n\nSeed Point Assignment Costs\n\n"), std::string::npos);
    EXPECT_NEAR(costs[0][0], 1000 + std::hypot(1000 - 707.10678, 707.10678) - 1000, 1e-3);
}

TEST_F(GeneralizedAssignmentTest, SolverControlsCarryTheTimeLimitInMilliseconds) {
    ASSERT_EQ(app->LoadGPLKFunctionPointers(), 1);
    doc->SetTimeLimit(30.0);
    glp_smcp simplex = AssignmentSimplexControls(*app, *doc);
    glp_iocp integer = AssignmentIntegerControls(*app, *doc);
    EXPECT_EQ(simplex.tm_lim, 30000);
    EXPECT_EQ(simplex.presolve, GLP_ON);
    EXPECT_EQ(integer.tm_lim, 30000);
    EXPECT_EQ(integer.br_tech, GLP_BR_MFV);
    EXPECT_EQ(integer.mir_cuts + integer.gmi_cuts + integer.cov_cuts + integer.clq_cuts + integer.presolve,
              5 * GLP_ON);
}

TEST_F(GeneralizedAssignmentTest, TwoFacilityClustersAreRoutedInGlobalOrder) {
    MakeEastWestPairs();
    for (auto run : {OnGeneralizedAssignmentSeedPoints, OnGeneralizedAssignmentSeedRays}) {
        ExpectRecorded(run(*doc));
        EXPECT_EQ(RouteLabels(), (std::vector<std::string>{"d c1 s1 d", "d c2 s2 d"}));
        EXPECT_NEAR(doc->GetCurrentSolution().m_dDistance, 2 * (1000 + 100 + std::hypot(1000, 100)), 1e-6);
    }
}

TEST_F(GeneralizedAssignmentTest, AnEmptyClusterGetsNoRoute) {
    MakeEastWestPairs();
    doc->SetNumberOfVehicles(3);
    ExpectRecorded(OnGeneralizedAssignmentSeedRays(*doc));
    EXPECT_EQ(doc->GetNumberOfRoutes(), 2);
    EXPECT_EQ(doc->GetRoutedCount(), 4);
}

TEST_F(GeneralizedAssignmentTest, SixteenFacilitiesAreRoutedExactlySeventeenByInsertion) {
    for (int K : {16, 17}) {
        doc->OnNewDocument();
        MakeCircle(K);
        doc->SetPathName(home->File("circle" + std::to_string(K) + ".tramlet"));
        ExpectRecorded(OnGeneralizedAssignmentSeedPoints(*doc));
        ASSERT_EQ(doc->GetNumberOfRoutes(), 1);
        EXPECT_EQ(doc->GetRoutedCount(), K);
        EXPECT_EQ(std::filesystem::exists(home->File("circle" + std::to_string(K) + "_v001.tmp")), K == 16);
        // The exact model finds the tour around the circle; insertion comes close.
        double circle = doc->GetDistance(d->GetIndex(), 0) + doc->GetDistance(K - 1, d->GetIndex());
        for (int k = 0; k + 1 < K; ++k) {
            circle += doc->GetDistance(k, k + 1);
        }
        const double distance = doc->GetCurrentSolution().m_dDistance;
        EXPECT_NEAR(distance, circle, K == 16 ? 1e-6 : 1.0) << K;
        EXPECT_GE(distance, circle - 1e-6);
    }
}

TEST_F(GeneralizedAssignmentTest, ClusterModelFileText) {
    d = AddDepot("d", 0, 0);
    AddCustomer("c1", 300, 400, 1);
    AddCustomer("c2", 0, 500, 1);
    AddSupplier("s1", 600, 800, 1);
    AddCustomer("c3", 0, -500, 1);
    CLongMatrix assignment(4, 2);
    for (int g : {0, 1, 3}) {
        assignment[g][1] = 1; // c1, c2, s1 (global 0, 1, 3); c3 (global 2) is elsewhere
    }
    const std::string path = home->File("model.tmp");
    WriteClusterTourModel(*doc, path, assignment, 3, 1);
    EXPECT_EQ(ReadWholeFile(path),
              "Min total_cost\ns.t.\n"
              "+ 500.000 x(000,001)\t+ 500.000 x(000,002)\t+ 1000.000 x(000,004)\t\n"
              "+ 316.228 x(001,002)\t+ 500.000 x(001,004)\t+ 500.000 x(001,005)\n"
              "+ 316.228 x(002,001)\t+ 670.820 x(002,004)\t+ 500.000 x(002,005)\n"
              "+ 1000.000 x(004,005)\n"
              "- total_cost = 0\n"
              "+ x(000,001)\t+ x(000,002)\t+ x(000,004)\t = 1\n"
              "+ x(001,002)\t+ x(001,004)\t+ x(001,005)\t = 1\n"
              "+ x(002,001)\t+ x(002,004)\t+ x(002,005)\t = 1\n"
              "+ x(004,005)\t = 1\n"
              "+ x(000,001)\t+ x(002,001)\t = 1\n"
              "+ x(000,002)\t+ x(001,002)\t = 1\n"
              "+ x(000,004)\t+ x(001,004)\t+ x(002,004)\t = 1\n"
              "+ x(001,005)\t+ x(002,005)\t+ x(004,005)\t = 1\n"
              "q(000,001) -   4 x(000,001) <= 0\n"
              "q(000,002) -   4 x(000,002) <= 0\n"
              "q(000,004) -   4 x(000,004) <= 0\n"
              "q(001,002) -   4 x(001,002) <= 0\n"
              "q(001,004) -   4 x(001,004) <= 0\n"
              "q(001,005) -   4 x(001,005) <= 0\n"
              "q(002,001) -   4 x(002,001) <= 0\n"
              "q(002,004) -   4 x(002,004) <= 0\n"
              "q(002,005) -   4 x(002,005) <= 0\n"
              "q(004,005) -   4 x(004,005) <= 0\n"
              "+ q(000,001)\t+ q(000,002)\t+ q(000,004)\t =   4\n"
              "+ q(000,001)\t+ q(002,001)\t- q(001,002)\t- q(001,004)\t- q(001,005)\t = 1\n"
              "+ q(000,002)\t+ q(001,002)\t- q(002,001)\t- q(002,004)\t- q(002,005)\t = 1\n"
              "+ q(000,004)\t+ q(001,004)\t+ q(002,004)\t- q(004,005)\t = 1\n"
              "+ q(001,005)\t+ q(002,005)\t+ q(004,005)\t = 1\n"
              "binary\n"
              "x(000,001)\nx(000,002)\nx(000,004)\nx(001,002)\nx(001,004)\nx(001,005)\n"
              "x(002,001)\nx(002,004)\nx(002,005)\nx(004,005)\n"
              "end\n");
    EXPECT_EQ(ClusterTourModelPath(*doc, 2), "_v003.tmp");
    doc->SetPathName("/projects/north.tramlet");
    EXPECT_EQ(ClusterTourModelPath(*doc, 2), "/projects/north_v003.tmp");
}

TEST_F(GeneralizedAssignmentTest, AnImpossibleCapacityStopsTheLinearProgram) {
    d = AddDepot("d", 0, 0);
    AddCustomer("c1", 1000, 0, 10);
    AddCustomer("c2", 0, 1000, 10);
    AddCustomer("c3", -1000, 0, 10);
    doc->SetNumberOfVehicles(2);
    doc->SetVehicleCapacity(10);
    ui.ClearRecords();
    EXPECT_EQ(OnGeneralizedAssignmentSeedPoints(*doc), ERunResult::failed);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"The libglpk.so.40 LP solver terminated with the general error "
                                       "condition 10 and no solution was found"});
    EXPECT_EQ(doc->GetCurrentSolution().m_lRunStatus, -1);
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
}

TEST_F(GeneralizedAssignmentTest, AnAbortKeepsTheRoutesBuiltAndDetailedWritesTheModel) {
    MakeEastWestPairs();
    doc->SetPathName(home->File("north.tramlet"));
    app->SetOutputLogFileName(home->File("north.log"));
    doc->SetReportLevel(REPORT_DETAILED);
    ui.pauseChoices.push_back(EPauseChoice::abort);
    EXPECT_EQ(OnGeneralizedAssignmentSeedPoints(*doc), ERunResult::aborted);
    EXPECT_EQ(RouteLabels(), std::vector<std::string>{"d c1 s1 d"});
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_NE(ReadWholeFile(home->File("north.mps")).find("ROWS"), std::string::npos);
    const std::string lp = ReadWholeFile(home->File("north.lp"));
    for (const char* name : {"c002:", "s001:", "v001L:", "v002B:", "x003002"}) {
        EXPECT_NE(lp.find(name), std::string::npos) << name;
    }
    EXPECT_NE(ReadWholeFile(home->File("north.log"))
                  .find("Vehicle 1 :\tc1\ts1\t\nQuantity (demand)(supply) = "
                        "10\t10\n\n"),
              std::string::npos);
}

TEST_F(GeneralizedAssignmentTest, CostGridLabelsHeadersAndMissingCosts) {
    d = AddDepot("d", 0, 0);
    AddCustomer("c1", 10, 0, 1);
    AddSupplier("s1", 0, 10, 1);
    CDoubleMatrix costs(2, 2);
    costs[0][0] = 12.5;
    costs[0][1] = GAP_NO_COST;
    costs[1][0] = 3.0;
    costs[1][1] = 1234.56;
    const std::string blank(7, ' ');
    EXPECT_EQ(
        FormatAssignmentCostLines(MakeAssignmentCostGrid(*doc, costs)),
        (std::vector<std::string>{blank + blank + "v1" + blank + "v2", "c1" + std::string(9, ' ') + "12.50",
                                  "s1" + std::string(10, ' ') + "3.00  1234.56"}));
    EXPECT_EQ(AssignmentCostsTitle(GAP_SEED_RAYS), "Assignment Costs (Seed Rays)");
}

TEST(GeneralizedAssignmentBatchTest, CostGridAndBothVariants) {
    CTempFolder folder;
    SBatchRun run =
        RunBatchProgram(folder, "--new add-random 10 5 1 20 20 7 --vehicles 2 --capacity 200 "
                                "assignment-costs-seed-points assignment-seed-points assignment-seed-rays");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string header = run.out.substr(0, run.out.find('\n'));
    // Every column as wide as the widest cost; a row per customer and supplier.
    EXPECT_EQ(header, std::string(14, ' ') + "v1" + std::string(7, ' ') + "v2");
    EXPECT_NE(run.out.find("\ns5       3726.65  3255.77\n  #  Algorithm"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  1  Generalized Assignment with Seed Points "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  2  Generalized Assignment with Seed Rays "), std::string::npos);
    SBatchRun refused = RunBatchProgram(folder, "--new assignment-costs-seed-rays");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("assignment-costs-seed-rays needs more than one vehicle"), std::string::npos);
}

} // namespace
