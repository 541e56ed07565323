#include <gtest/gtest.h>

#include <string>

#include "tests/support/batch_runner.h"

namespace {

// 10 customers, 5 suppliers, quantities up to 20; two vehicles of 40 leave some unrouted.
const std::string kProject = "--new add-random 10 5 1 20 20 7 --vehicles 2 --capacity 40 ";

TEST(ConstructionCommandsTest, ConstructionsInsertionsAndThePenaltyGrid) {
    CTempFolder folder;
    SBatchRun run =
        RunBatchProgram(folder, kProject + "nearest-neighbor insertion-penalties cheapest-insertion "
                                           "--starting-angle 45 sweep priciest-insertion");
    ASSERT_EQ(run.status, 0) << run.err;
    // The grid comes first: links from the depot d1, the minimum last.
    std::string header = run.out.substr(0, run.out.find('\n'));
    EXPECT_EQ(header.find("    (d1-"), 0u) << run.out;
    EXPECT_EQ(header.substr(header.size() - 3), "min");
    for (const char* name :
         {"  1  Nearest Neighbor ", "  2  Cheapest Insertion ", "  4  Priciest Insertion "}) {
        EXPECT_NE(run.out.find(name), std::string::npos) << name << "\n" << run.out;
    }
    // The sweep's row carries its starting angle as parameter.
    std::string::size_type sweep = run.out.find("  3  Sweep ");
    ASSERT_NE(sweep, std::string::npos);
    EXPECT_NE(run.out.substr(sweep, run.out.find('\n', sweep) - sweep).find("   45.000"), std::string::npos);
}

TEST(ConstructionCommandsTest, RefusalsNameTheirReason) {
    CTempFolder folder;
    SBatchRun angle = RunBatchProgram(folder, "--new --starting-angle 360");
    EXPECT_EQ(angle.status, 1);
    EXPECT_NE(angle.err.find("Invalid algorithm starting angle 360 outside range [0, 359]"),
              std::string::npos)
        << angle.err;
    SBatchRun insertion = RunBatchProgram(folder, kProject + "cheapest-insertion");
    EXPECT_EQ(insertion.status, 1);
    EXPECT_NE(
        insertion.err.find("cheapest-insertion failed: needs routes that leave some customers or suppliers "
                           "unrouted"),
        std::string::npos)
        << insertion.err;
}

} // namespace
