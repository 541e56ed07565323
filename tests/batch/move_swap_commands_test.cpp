#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "tests/support/app_fixture.h"

namespace {

struct SMoveSwapRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs tramlet-batch in a temporary HOME and working folder.
class MoveSwapCommandsTest : public ::testing::Test {
protected:
    SMoveSwapRun Run(const std::string& arguments) {
        std::string errFile = folder.File("stderr.txt");
        std::string command = "cd '" + folder.Path().string() + "' && HOME='" + folder.Path().string() +
                              "' XDG_STATE_HOME= XDG_DATA_HOME= " + TRAMLET_BATCH + " " + arguments + " 2>'" +
                              errFile + "'";
        SMoveSwapRun run;
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
    CTempFolder folder;
};

TEST_F(MoveSwapCommandsTest, HarbourSolutionImprovedByMovesAndThenNoSwapHelps) {
    std::string project = std::string(EXAMPLES_DIR) + "/harbour/harbour.dat";
    SMoveSwapRun run = Run("'" + project + "' --report-level 3 --status-windows move swap");
    ASSERT_EQ(run.status, 0) << run.err;
    // Four moves take the three routes from 50106.83 to 43373.18; the swap scan finds nothing.
    EXPECT_NE(
        run.out.find("  1  Move Facility                                                         43373.18"),
        std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("      1      4        6733.66      0.000"), std::string::npos) << run.out;
    EXPECT_NE(
        run.out.find("  2  Swap Facility                                                         43373.18"),
        std::string::npos);
    EXPECT_NE(run.out.find("      1      0           0.00      0.000"), std::string::npos);
    EXPECT_NE(run.err.find("[Move Facility Report] Number of Moves 4;"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("[Swap Facility Report] Number of Swaps 0;"), std::string::npos);
}

TEST_F(MoveSwapCommandsTest, FewerThanTwoRoutesIsRefusedWithItsReason) {
    SMoveSwapRun run = Run("--new add-random 4 2 1 10 10 3 swap");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("tramlet-batch: swap needs at least two routes\n"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("tramlet-batch: swap failed\n"), std::string::npos);
    EXPECT_EQ(Run("--new move").status, 1);
}

} // namespace
