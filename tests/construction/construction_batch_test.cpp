// The construction commands of tramlet-batch: savings, crossovers and extreme savings.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "tests/support/batch_runner.h"

namespace {

class ConstructionBatchTest : public ::testing::Test {
protected:
    SBatchRun Run(const std::string& arguments) { return RunBatchProgram(folder, arguments); }
    CTempFolder folder;
};

TEST_F(ConstructionBatchTest, RunsEverySavingsCommandWithItsParameters) {
    SBatchRun run = Run("--new add-random 12 6 1 20 20 3 --crossover-penalty-factor 0.5 savings-serial "
                        "savings-parallel --randomization-depth 2 --iterations 4 savings-randomized-serial");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("  1  Savings (Greedy Serial)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  2  Savings (Greedy Parallel)"), std::string::npos);
    EXPECT_NE(run.out.find("  3  Savings (Randomized Serial)"), std::string::npos);
    // Parameter column: the factor for the greedy runs, the depth for the randomized one.
    EXPECT_NE(run.out.find("      0.500"), std::string::npos);
    EXPECT_NE(run.out.find("      2.000"), std::string::npos);
}

TEST_F(ConstructionBatchTest, RefusedParametersAndTheUnavailableParallelVariantFail) {
    SBatchRun depth = Run("--new add-random 3 0 1 20 20 3 --randomization-depth 5");
    EXPECT_EQ(depth.status, 1);
    EXPECT_NE(depth.err.find("Invalid randomization depth 5 outside range [1, 4]"), std::string::npos)
        << depth.err;
    SBatchRun factor = Run("--new add-random 3 0 1 20 20 3 --crossover-penalty-factor 1.5");
    EXPECT_EQ(factor.status, 1);
    EXPECT_NE(factor.err.find("Invalid crossover savings penalty factor 1.500000 out of valid range"),
              std::string::npos);
    SBatchRun parallel = Run("--new add-random 3 0 1 20 20 3 savings-randomized-parallel");
    EXPECT_EQ(parallel.status, 0);
    EXPECT_NE(
        parallel.err.find("Function OnAlgorithmsSavingsParallelRandomized has not yet been implemented"),
        std::string::npos);
}

TEST_F(ConstructionBatchTest, DisplaySavingsPrintsTheGrid) {
    SBatchRun run = Run("--new add-random 2 1 1 20 20 3 --quiet display-savings");
    ASSERT_EQ(run.status, 0) << run.err;
    // A heading line and one line per facility; supplier and depot rows stay empty.
    EXPECT_EQ(run.out.rfind("\tc1\tc2\ts1\td1\nc1\t\t", 0), 0u) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 5);
    EXPECT_NE(run.out.find("\ns1\t\t\t\t\nd1\t\t\t\t\n"), std::string::npos);
    EXPECT_EQ(Run("--new add-random 1 0 1 20 20 3 display-savings").status, 1);
}

// Runs the steps on the harbour example; a library name replaces the GLPK library for the run.
SBatchRun RunOnHarbour(const CTempFolder& folder, const std::string& steps, const char* library = nullptr) {
    if (library != nullptr) {
        setenv("TRAMLET_GLPK_LIBRARY", library, 1);
    }
    SBatchRun run =
        RunBatchProgram(folder, "'" + std::string(EXAMPLES_DIR) + "/harbour/harbour.dat' " + steps);
    unsetenv("TRAMLET_GLPK_LIBRARY");
    return run;
}

TEST_F(ConstructionBatchTest, CrossoversKeepGlpkOffStdoutAndExtremeSavingsNeedsIt) {
    unsetenv("TRAMLET_GLPK_LIBRARY");
    SBatchRun run = RunOnHarbour(folder, "crossovers");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("  1  Extreme Crossovers  "), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("GLPK"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("GLPK Simplex Optimizer"), std::string::npos);

    // Without the library the greedy rule builds the routes after the load failure.
    SBatchRun greedy = RunOnHarbour(folder, "crossovers", "libno-such-glpk.so");
    ASSERT_EQ(greedy.status, 0) << greedy.err;
    EXPECT_NE(greedy.err.find(": Unable to load GLPK MIP solver DLL libno-such-glpk.so\n"),
              std::string::npos);
    EXPECT_NE(greedy.out.find("  1  Extreme Crossovers  "), std::string::npos);

    // Extreme savings needs the library, and then says it is not there yet.
    SBatchRun with = RunOnHarbour(folder, "extreme-savings");
    EXPECT_EQ(with.status, 0) << with.err;
    EXPECT_NE(with.err.find(": Extreme savings algorithm has not yet been implemented\n"), std::string::npos);
    SBatchRun without = RunOnHarbour(folder, "extreme-savings", "libno-such-glpk.so");
    EXPECT_EQ(without.status, 1);
    EXPECT_NE(without.err.find("A MIP solver must be installed to execute this algorithm"),
              std::string::npos);
}

} // namespace
