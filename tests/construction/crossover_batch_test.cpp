// The crossovers and extreme-savings commands of tramlet-batch on the harbour example.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/batch_runner.h"

namespace {

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

TEST(CrossoverBatchTest, CrossoversPrintTheRecordAndKeepGlpkOffStdout) {
    CTempFolder folder;
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
}

TEST(CrossoverBatchTest, ExtremeSavingsFailsWithoutGlpk) {
    CTempFolder folder;
    unsetenv("TRAMLET_GLPK_LIBRARY");
    SBatchRun with = RunOnHarbour(folder, "extreme-savings");
    EXPECT_EQ(with.status, 0) << with.err;
    EXPECT_NE(with.err.find(": Extreme savings algorithm has not yet been implemented\n"), std::string::npos);
    SBatchRun without = RunOnHarbour(folder, "extreme-savings", "libno-such-glpk.so");
    EXPECT_EQ(without.status, 1);
    EXPECT_NE(without.err.find("A MIP solver must be installed to execute this algorithm"),
              std::string::npos);
}

} // namespace
