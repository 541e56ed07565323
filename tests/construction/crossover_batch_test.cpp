// The crossovers and extreme-savings commands of tramlet-batch on the harbour example.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "tests/support/app_fixture.h"

namespace {

struct SBatchRun {
    int status = -1;
    std::string out;
    std::string err;
};

SBatchRun RunBatch(const CTempFolder& folder, const std::string& environment, const std::string& steps) {
    std::string errFile = folder.File("stderr.txt");
    std::string command = "cd '" + folder.Path().string() + "' && HOME='" + folder.Path().string() +
                          "' XDG_STATE_HOME= XDG_DATA_HOME= " + environment + " " + TRAMLET_BATCH + " '" +
                          EXAMPLES_DIR + "/harbour/harbour.dat' " + steps + " 2>'" + errFile + "'";
    SBatchRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, n);
    }
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadWholeFile(errFile);
    return run;
}

TEST(CrossoverBatchTest, CrossoversPrintTheRecordAndKeepGlpkOffStdout) {
    CTempFolder folder;
    SBatchRun run = RunBatch(folder, "TRAMLET_GLPK_LIBRARY=", "crossovers");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("  1  Extreme Crossovers  "), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("GLPK"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("GLPK Simplex Optimizer"), std::string::npos);

    // Without the library the greedy rule builds the routes after the load failure.
    SBatchRun greedy = RunBatch(folder, "TRAMLET_GLPK_LIBRARY=libno-such-glpk.so", "crossovers");
    ASSERT_EQ(greedy.status, 0) << greedy.err;
    EXPECT_NE(greedy.err.find(": Unable to load GLPK MIP solver DLL libno-such-glpk.so\n"),
              std::string::npos);
    EXPECT_NE(greedy.out.find("  1  Extreme Crossovers  "), std::string::npos);
}

TEST(CrossoverBatchTest, ExtremeSavingsFailsWithoutGlpk) {
    CTempFolder folder;
    SBatchRun with = RunBatch(folder, "TRAMLET_GLPK_LIBRARY=", "extreme-savings");
    EXPECT_EQ(with.status, 0) << with.err;
    EXPECT_NE(with.err.find(": Extreme savings algorithm has not yet been implemented\n"), std::string::npos);
    SBatchRun without = RunBatch(folder, "TRAMLET_GLPK_LIBRARY=libno-such-glpk.so", "extreme-savings");
    EXPECT_EQ(without.status, 1);
    EXPECT_NE(without.err.find("A MIP solver must be installed to execute this algorithm"),
              std::string::npos);
}

} // namespace
