#include <gtest/gtest.h>

#include <string>

#include "tests/support/batch_runner.h"

namespace {

// 12 customers and 6 suppliers routed by savings; six vehicles of 100.
const std::string kProject =
    "--new add-random 12 6 1 20 20 11 --vehicles 6 --capacity 100 --iterations 1000 savings-parallel ";

TEST(SetPartitioningCommandsTest, BoundInTheJsonRecordAndNoSolverChatterOnStdout) {
    CTempFolder folder;
    SBatchRun run = RunBatchProgram(folder, kProject + "sp-bound sp-construct-no-revisits --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find("OPTIMAL"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"algorithm\": \"Set Partitioning with Pricing Bound\""), std::string::npos);
    EXPECT_NE(run.out.find("\"algorithm\": \"Set Partitioning with Pricing No Revisits\""),
              std::string::npos);
    // The bound's record has a positive lower bound below its distance.
    const std::string::size_type record = run.out.find("Set Partitioning with Pricing Bound");
    const std::string::size_type bound = run.out.find("\"lower_bound\": ", record);
    ASSERT_NE(bound, std::string::npos);
    const double value = std::stod(run.out.substr(bound + 15));
    const double distance = std::stod(run.out.substr(run.out.find("\"distance\": ", record) + 12));
    EXPECT_GT(value, 0.0);
    EXPECT_LE(value, distance + 1e-6);
}

TEST(SetPartitioningCommandsTest, RefusedWithoutRoutedFacilities) {
    CTempFolder folder;
    SBatchRun run = RunBatchProgram(folder, "--new add-random 12 6 1 20 20 11 --vehicles 6 sp-bound");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(
        run.err.find("sp-bound needs a depot, more than one vehicle and every customer and supplier on a "
                     "route"),
        std::string::npos)
        << run.err;
}

} // namespace
