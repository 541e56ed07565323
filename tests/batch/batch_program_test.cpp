#include <gtest/gtest.h>

#include <string>

#include "tests/support/batch_runner.h"

namespace {

using SRun = SBatchRun;

// Runs tramlet-batch with the given arguments in a temporary HOME and working folder.
class BatchProgramTest : public ::testing::Test {
protected:
    SRun Run(const std::string& arguments) { return RunBatchProgram(folder, arguments); }
    CTempFolder folder;
};

TEST_F(BatchProgramTest, HelpListsTheStepsAndVersionNamesTheProgram) {
    SRun help = Run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("  add-random CUSTOMERS SUPPLIERS DEPOTS MAX_DEMAND MAX_SUPPLY SEED"),
              std::string::npos);
    EXPECT_NE(help.out.find("  --capacity N"), std::string::npos);
    SRun version = Run("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("Tramlet Version 1.0.0 ", 0), 0u) << version.out;
}

TEST_F(BatchProgramTest, UsageErrorsExitWithTwo) {
    EXPECT_EQ(Run("").status, 2);
    SRun unknown = Run("--new savings-of-the-future");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown option or command \"savings-of-the-future\""), std::string::npos);
    SRun missing = Run("--new --seed");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("--seed needs 1 argument(s)"), std::string::npos);
}

TEST_F(BatchProgramTest, RefusedSettingShowsTheSystemMessageAndExitsWithOne) {
    SRun run = Run("--new --capacity 0");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(": Invalid Vehicle Capacity integer parameter value 0 outside range [1, 32767]\n"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("tramlet-batch: --capacity failed\n"), std::string::npos);
    EXPECT_EQ(run.out, "");
    SRun norm = Run("--new --norm Manhattan");
    EXPECT_EQ(norm.status, 1);
    EXPECT_NE(norm.err.find("Invalid distance norm name Manhattan"), std::string::npos);
}

TEST_F(BatchProgramTest, RandomProjectExportedAndOpenedAgainKeepsItsSettings) {
    SRun made = Run("--new add-random 10 5 1 20 20 7 --vehicles 4 --capacity 60 export small.dat");
    ASSERT_EQ(made.status, 0) << made.err;
    std::string scalar = ReadWholeFile(folder.File("small.dat"));
    EXPECT_NE(scalar.find("[number_of_vehicles]\t4\n"), std::string::npos) << scalar;
    EXPECT_NE(scalar.find("[vehicle_capacity]\t60\n"), std::string::npos);
    EXPECT_NE(scalar.find("[number_of_customers]\t10\n"), std::string::npos);
    EXPECT_NE(scalar.find("[seed]\t7\n"), std::string::npos);

    SRun again = Run("small.dat export copy.dat");
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(ReadWholeFile(folder.File("copy.cus")), ReadWholeFile(folder.File("small.cus")));
    EXPECT_EQ(ReadWholeFile(folder.File("copy.sup")), ReadWholeFile(folder.File("small.sup")));
}

TEST_F(BatchProgramTest, MissingProjectFileIsReportedWithoutStatistics) {
    SRun run = Run("nowhere.dat");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("tramlet-batch: could not open \"nowhere.dat\""), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(BatchProgramTest, AllAlgorithmsRunsOnlyWhenConfirmedAndAllImprovementsNeedsRoutes) {
    const std::string harbour = std::string("'") + EXAMPLES_DIR + "/harbour/harbour.dat' ";
    SRun declined = Run(harbour + "all-algorithms");
    EXPECT_EQ(declined.status, 1);
    EXPECT_NE(declined.err.find("tramlet-batch: all-algorithms was not confirmed (see --yes)\n"),
              std::string::npos)
        << declined.err;
    EXPECT_EQ(declined.out, "");

    SRun confirmed = Run("--yes " + harbour + "all-algorithms all-improvements");
    ASSERT_EQ(confirmed.status, 0) << confirmed.err;
    const size_t first = confirmed.out.find("  1  Nearest Neighbor  ");
    const size_t crossovers = confirmed.out.find("  Extreme Crossovers  ");
    const size_t combined = confirmed.out.find("  All Algorithm Combinations  ");
    const size_t improvements = confirmed.out.find("  All Improvement Algorithms  ");
    EXPECT_NE(first, std::string::npos) << confirmed.out;
    EXPECT_LT(first, crossovers);
    EXPECT_LT(crossovers, combined);
    EXPECT_LT(combined, improvements);
    EXPECT_NE(improvements, std::string::npos);

    SRun none = Run("--new all-improvements");
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("tramlet-batch: all-improvements needs routes\n"), std::string::npos);
}

TEST_F(BatchProgramTest, JsonListIsAnArray) {
    SRun run = Run("--new --json");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "[\n]\n");
}

} // namespace
