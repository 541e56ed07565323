#include <gtest/gtest.h>

#include <string>

#include "tests/support/batch_runner.h"

namespace {

// tramlet-batch running the improvements on the Harbour Town example (three routes, 8 customers
// and 5 suppliers) in a temporary HOME.
class ImprovementCommandsTest : public ::testing::Test {
protected:
    SBatchRun Run(const std::string& arguments) { return RunBatchProgram(folder, arguments); }
    static std::string Harbour() { return "'" + std::string(EXAMPLES_DIR) + "/harbour/harbour.dat'"; }
    // Runs the arguments and expects exit status 1 and the text on stderr.
    void ExpectRefusal(const std::string& arguments, const std::string& text) {
        SBatchRun run = Run(arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_NE(run.err.find(text), std::string::npos) << run.err;
    }
    CTempFolder folder;
};

TEST_F(ImprovementCommandsTest, RunsEachImprovementAndRecordsItsRow) {
    SBatchRun run = Run(Harbour() + " --report-level 3 --status-windows move swap two-exchange three-exchange"
                                    " --chain-length 2 chain-exchange");
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
    EXPECT_NE(run.err.find("[Two Exchange Facility Report] Number of Exchanges 0;"), std::string::npos);
    EXPECT_NE(run.out.find("  4  Three Exchange "), std::string::npos) << run.out;
    const size_t chain = run.out.find("  5  Chain Exchange ");
    ASSERT_NE(chain, std::string::npos);
    // The chain length is the recorded parameter.
    EXPECT_NE(run.out.find("      2.000  12345", chain), std::string::npos) << run.out;
}

TEST_F(ImprovementCommandsTest, CommandsWithoutEnoughRoutesOrABadChainLengthAreRefused) {
    ExpectRefusal("--new add-random 4 2 1 10 10 3 swap",
                  "tramlet-batch: swap failed: needs at least two routes\n");

    ExpectRefusal("--new add-random 5 0 1 10 10 3 two-exchange",
                  "tramlet-batch: two-exchange failed: needs at least one route\n");

    // 8 customers and 5 suppliers: 1 to 12.
    ExpectRefusal(Harbour() + " --chain-length 13 chain-exchange",
                  "tramlet-batch: --chain-length: 13 outside the range [1, 12]\n");
    EXPECT_EQ(Run(Harbour() + " --chain-length 12 chain-exchange").status, 0);
}

} // namespace

// On road distances a facility often lies on the road between its neighbours, so moving or
// swapping it away and back "saves" only rounding noise each time: the descents must end anyway.
TEST_F(ImprovementCommandsTest, MoveAndSwapEndOnRoadDistances) {
    SBatchRun run = Run("--yes '" + std::string(EXAMPLES_DIR) +
                        "/millbrook/millbrook.tramlet' --time-limit 5 "
                        "savings-serial three-exchange move swap");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("  4  Swap Facility "), std::string::npos) << run.out;
}
