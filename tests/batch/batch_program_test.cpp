#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/batch_runner.h"

namespace {

// Runs tramlet-batch with the given arguments in a temporary HOME and working folder.
class BatchProgramTest : public ::testing::Test {
protected:
    SBatchRun Run(const std::string& arguments) { return RunBatchProgram(folder, arguments); }
    // Runs the arguments and expects the exit status and the text on stderr; a usage error
    // prints nothing on stdout.
    SBatchRun ExpectRefusal(const std::string& arguments, int status, const std::string& text) {
        SBatchRun run = Run(arguments);
        EXPECT_EQ(run.status, status) << arguments;
        EXPECT_NE(run.err.find(text), std::string::npos) << run.err;
        if (status == 2) {
            EXPECT_EQ(run.out, "") << arguments;
        }
        return run;
    }
    CTempFolder folder;
};

TEST_F(BatchProgramTest, HelpListsTheStepsAndVersionNamesTheProgram) {
    SBatchRun help = Run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("  add-random CUSTOMERS SUPPLIERS DEPOTS MAX_DEMAND MAX_SUPPLY SEED"),
              std::string::npos);
    EXPECT_NE(help.out.find("  --capacity N"), std::string::npos);
    SBatchRun version = Run("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("Tramlet Version 1.0.0 ", 0), 0u) << version.out;
    SBatchRun json = Run("--new --json");
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out.rfind("{\n  \"records\": [],\n  \"routes\": [],\n", 0), 0u) << json.out;
}

TEST_F(BatchProgramTest, UsageErrorsExitWithTwo) {
    EXPECT_EQ(Run("").status, 2);
    ExpectRefusal("--new savings-of-the-future", 2, "unknown option or command \"savings-of-the-future\"");
    ExpectRefusal("--new --seed", 2, "--seed needs 1 argument(s)");
}

TEST_F(BatchProgramTest, RefusalsShowTheSystemMessageAndExitWithOne) {
    ExpectRefusal("--new --capacity 0", 1,
                  "tramlet-batch: --capacity failed: Invalid Vehicle Capacity integer parameter value 0 "
                  "outside range [1, 32767]\n");
    ExpectRefusal("--new --norm Manhattan", 1, "Invalid distance norm name Manhattan");
    ExpectRefusal(
        "nowhere.dat", 1,
        "tramlet-batch: the project \"nowhere.dat\" was not opened: Could not read from Import Data "
        "file \"nowhere.dat\"\n");
    ExpectRefusal("--new all-improvements", 1, "tramlet-batch: all-improvements failed: needs routes\n");
    ExpectRefusal("--new evaluate", 1, "tramlet-batch: evaluate failed: needs routes\n");
    ExpectRefusal("--new add-random 3 0 1 10 10 1 --norm Externally_Specified compute-distances", 1,
                  "tramlet-batch: compute-distances failed: the distance norm Externally_Specified takes its "
                  "distances from a distance file; they cannot be computed\n");
    ExpectRefusal("--new add-random 501 0 1 30 30 11", 1,
                  "tramlet-batch: add-random failed: Invalid number of Customer facilities 501 out of range "
                  "[0, 500]\n");
    const std::string harbour = std::string("'") + EXAMPLES_DIR + "/harbour/harbour.dat' ";
    ExpectRefusal(harbour + "all-algorithms", 1,
                  "tramlet-batch: all-algorithms was not confirmed (see --yes)\n");
}

TEST_F(BatchProgramTest, AFailingStepStillPrintsTheRecordsOfTheStepsBeforeIt) {
    SBatchRun text = ExpectRefusal("--new add-random 6 3 1 10 10 5 nearest-neighbor --capacity 0", 1,
                                   "tramlet-batch: --capacity failed: ");
    EXPECT_NE(text.out.find("  1  Nearest Neighbor "), std::string::npos) << text.out;
    SBatchRun json = ExpectRefusal("--json --new add-random 6 3 1 10 10 5 nearest-neighbor --capacity 0", 1,
                                   "--capacity failed");
    EXPECT_NE(json.out.find("\"algorithm\": \"Nearest Neighbor\""), std::string::npos) << json.out;
}

TEST_F(BatchProgramTest, AnExecutionLogThatCannotBeWrittenAtStartIsReportedAndEndsTheProgram) {
    const std::filesystem::path log =
        folder.Path() / ".local/state/Sable Routing/Tramlet/Tramlet Execution Log.log";
    std::filesystem::create_directories(log.parent_path());
    std::filesystem::create_symlink("/dev/full", log);
    ExpectRefusal("--new", 1,
                  "Could not write to execution log file \"" + log.string() +
                      "\"\nThe operating system returned error code 28: No space left on device\n");
}

TEST_F(BatchProgramTest, RandomProjectExportedAndOpenedAgainKeepsItsSettings) {
    SBatchRun made = Run("--new add-random 10 5 1 20 20 7 --vehicles 4 --capacity 60 export small.dat");
    ASSERT_EQ(made.status, 0) << made.err;
    std::string scalar = ReadWholeFile(folder.File("small.dat"));
    EXPECT_NE(scalar.find("[number_of_vehicles]\t4\n"), std::string::npos) << scalar;
    EXPECT_NE(scalar.find("[vehicle_capacity]\t60\n"), std::string::npos);
    EXPECT_NE(scalar.find("[seed]\t7\n"), std::string::npos);

    SBatchRun again = Run("small.dat export copy.dat");
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(ReadWholeFile(folder.File("copy.cus")), ReadWholeFile(folder.File("small.cus")));
    EXPECT_EQ(ReadWholeFile(folder.File("copy.sup")), ReadWholeFile(folder.File("small.sup")));
}

TEST_F(BatchProgramTest, ConfirmedAllAlgorithmsRecordsItsRowsInOrder) {
    SBatchRun confirmed =
        Run("--yes '" + std::string(EXAMPLES_DIR) + "/harbour/harbour.dat' all-algorithms all-improvements");
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
}

} // namespace
