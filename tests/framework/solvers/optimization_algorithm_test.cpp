#include <gtest/gtest.h>

#include <string>

#include "framework/application/clock.h"
#include "framework/application/sable_document.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/solvers/simplex_tableau.h"
#include "tests/support/app_fixture.h"

namespace {

// max 3x + 2y  subject to  x + y <= 4,  x + 3y <= 6,  x <= 3: optimum 11 at (3, 1).
CSimplexTableau SmallProgram() {
    CDoubleMatrix matrix(3, 2);
    matrix[0][0] = 1;
    matrix[0][1] = 1;
    matrix[1][0] = 1;
    matrix[1][1] = 3;
    matrix[2][0] = 1;
    CSimplexTableau simplex;
    simplex.SetProblem(matrix, CLongVector{ROW_LESS_EQUAL, ROW_LESS_EQUAL, ROW_LESS_EQUAL},
                       CDoubleVector{4, 6, 3}, CDoubleVector{3, 2}, true);
    return simplex;
}

using OptimizationAlgorithmTest = AppFixture;

TEST_F(OptimizationAlgorithmTest, ReportFileHoldsTheRunInTheContainersLayout) {
    CSimplexTableau simplex = SmallProgram();
    std::string path = home->File("simplex.txt");
    WriteWholeFile(path, "old contents\n");
    simplex.SetReportFileName(path);
    ASSERT_EQ(simplex.Solve(), OPT_OPTIMAL);
    EXPECT_EQ(ReadWholeFile(path), "Simplex Tableau\n"
                                   "Status: Optimal\n"
                                   "Objective value: 11\n"
                                   "Iterations: 2\n"
                                   "\nSolution\n"
                                   "           1             2  \n"
                                   "    3.000000      1.000000  \n\n"
                                   "\nDual values\n"
                                   "           1             2             3  \n"
                                   "    2.000000      0.000000      1.000000  \n\n"
                                   "\nReduced costs\n"
                                   "           1             2  \n"
                                   "    0.000000      0.000000  \n\n");
    simplex.SetReportFileName(home->File("no-such-folder/simplex.txt"));
    EXPECT_THROW(simplex.Solve(), CFileException);
}

TEST_F(OptimizationAlgorithmTest, LimitsAreRangeCheckedParametersAndTheTimeLimitEndsTheRun) {
    CSimplexTableau simplex = SmallProgram();
    EXPECT_FALSE(simplex.SetMaxIterations(0));
    EXPECT_FALSE(simplex.SetTimeLimit(-1.0));
    EXPECT_EQ(simplex.GetMaxIterations(), 100000);
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[0],
              "Invalid Maximum Iterations integer parameter value 0 outside range [1, 1000000000]");
    CSableDocument document;
    document.InitializeCommonParameters();
    document.SetModifiedFlag(false);
    EXPECT_TRUE(simplex.TakeCommonParameters(document));
    EXPECT_DOUBLE_EQ(simplex.GetTimeLimit(), 30.0);
    EXPECT_DOUBLE_EQ(simplex.GetTolerance(), 0.001);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(simplex.SetTimeLimit(0.0));
    EXPECT_EQ(simplex.Solve(), OPT_TIME_LIMIT);
    EXPECT_EQ(simplex.GetIterations(), 0);
}

TEST_F(OptimizationAlgorithmTest, AbortOfTheRunningDocumentEndsTheSolveWithTheUserException) {
    CSableDocument document;
    document.InitializeCommonParameters();
    CSimplexTableau simplex = SmallProgram();
    // Without a running algorithm the document is left alone.
    EXPECT_EQ(simplex.Solve(), OPT_OPTIMAL);
    EXPECT_EQ(ui.processCalls, 0);
    document.SetIsAlgorithmRunning(true);
    document.SetStopTime(GetClockSeconds() + 1000.0);
    ui.abortAfterProcessCalls = 1; // Abort is pressed during the second iteration's check
    EXPECT_THROW(simplex.Solve(), CUserException);
    EXPECT_EQ(simplex.GetStatus(), OPT_NOT_SOLVED);
    EXPECT_EQ(simplex.GetIterations(), 1);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Algorithm aborted by the user"});
}

} // namespace
