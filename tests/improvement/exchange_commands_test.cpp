#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "tests/support/app_fixture.h"

namespace {

// tramlet-batch on the Harbour Town example (three routes) in a temporary HOME.
class ExchangeCommandsTest : public ::testing::Test {
protected:
    int Run(const std::string& arguments) {
        const std::string errFile = folder.File("stderr.txt");
        const std::string command = "cd '" + folder.Path().string() + "' && HOME='" + folder.Path().string() +
                                    "' XDG_STATE_HOME= XDG_DATA_HOME= " + TRAMLET_BATCH + " " + arguments +
                                    " 2>'" + errFile + "'";
        out.clear();
        std::FILE* pipe = popen(command.c_str(), "r");
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            out.append(buffer, n);
        }
        const int status = pclose(pipe);
        err = ReadWholeFile(errFile);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static std::string Harbour() { return std::string(EXAMPLES_DIR) + "/harbour/harbour.dat"; }

    CTempFolder folder;
    std::string out;
    std::string err;
};

TEST_F(ExchangeCommandsTest, RunsTheThreeCommandsWithTheChainLength) {
    ASSERT_EQ(Run(Harbour() + " two-exchange three-exchange --chain-length 2 chain-exchange"), 0) << err;
    const size_t two = out.find("  1  Two Exchange ");
    const size_t three = out.find("  2  Three Exchange ");
    const size_t chain = out.find("  3  Chain Exchange ");
    ASSERT_NE(two, std::string::npos) << out;
    ASSERT_NE(three, std::string::npos) << out;
    ASSERT_NE(chain, std::string::npos) << out;
    // The chain length is the recorded parameter.
    EXPECT_NE(out.find("      2.000  12345", chain), std::string::npos) << out;
}

TEST_F(ExchangeCommandsTest, ChainLengthOutsideItsRangeIsRefused) {
    // 8 customers and 5 suppliers: 1 to 12.
    EXPECT_EQ(Run(Harbour() + " --chain-length 13 chain-exchange"), 1);
    EXPECT_NE(err.find("tramlet-batch: --chain-length: 13 outside the range [1, 12]\n"), std::string::npos)
        << err;
    EXPECT_EQ(Run(Harbour() + " --chain-length 0"), 1);
    EXPECT_EQ(Run(Harbour() + " --chain-length 12 chain-exchange"), 0) << err;
}

TEST_F(ExchangeCommandsTest, WithoutRoutesTheCommandsAreRefused) {
    EXPECT_EQ(Run("--new add-random 5 0 1 10 10 3 two-exchange"), 1);
    EXPECT_NE(err.find("tramlet-batch: two-exchange needs at least one route\n"), std::string::npos) << err;
    EXPECT_EQ(out, "");
}

} // namespace
