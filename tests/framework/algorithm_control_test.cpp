#include <gtest/gtest.h>

#include "framework/application/clock.h"
#include "framework/application/sable_document.h"
#include "framework/exceptions/user_exception.h"
#include "tests/support/app_fixture.h"

namespace {

class AlgorithmControlTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        document = std::make_unique<CSableDocument>();
        document->SetViewLimits(CIntRect{0, 0, 10000, 8000});
        document->InitializeCommonParameters();
        document->SetModifiedFlag(false);
    }
    void TearDown() override {
        document.reset();
        AppFixture::TearDown();
    }
    std::unique_ptr<CSableDocument> document;
};

TEST_F(AlgorithmControlTest, RunningLeavesEveryInteractiveModeAndSetsTheStatus) {
    document->SetDocStatus(DS_EDITING | DS_ADDING | DS_ZOOMING | DS_FINDING_LINK_TO);
    EXPECT_TRUE(document->IsFindingLink());
    document->SetIsAlgorithmRunning(true);
    EXPECT_EQ(document->GetDocStatus(), static_cast<unsigned>(DS_ALGORITHM_RUNNING));
    EXPECT_TRUE(app->IsAlgorithmRunning());
    document->SetIsAlgorithmRunning(false);
    EXPECT_FALSE(document->IsAlgorithmRunning());
    EXPECT_TRUE(app->IsIdle());
}

TEST_F(AlgorithmControlTest, AbortDialogNestsAndClosesWithTheOutermostCall) {
    document->EnableAbortAlgorithm();
    document->EnableAbortAlgorithm();
    EXPECT_EQ(ui.abortDialogsShown, 1);
    document->DisableAbortAlgorithm();
    EXPECT_EQ(ui.abortDialogsClosed, 0);
    document->DisableAbortAlgorithm();
    EXPECT_EQ(ui.abortDialogsClosed, 1);
    document->DisableAbortAlgorithm(); // unbalanced: nothing more happens
    EXPECT_EQ(ui.abortDialogsClosed, 1);
}

TEST_F(AlgorithmControlTest, AbortPressedEndsTheAlgorithmAtTheNextCheckAndIsLogged) {
    std::string outputLog = home->File("run.log");
    app->SetOutputLogFileName(outputLog);
    document->SetIsAlgorithmRunning(true);
    document->SetStopTime(GetClockSeconds() + 1000.0);
    ui.abortAfterProcessCalls = 1;
    EXPECT_NO_THROW(document->CheckAlgorithmContinuation());
    EXPECT_THROW(document->CheckAlgorithmContinuation(), CUserException);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "Algorithm aborted by the user");
    EXPECT_NE(ReadWholeFile(outputLog).find(": Algorithm aborted by the user\n"), std::string::npos);
    EXPECT_NE(ExecutionLog().find(": Algorithm aborted by the user\n"), std::string::npos);
    EXPECT_TRUE(app->IsAlgorithmAborting());
}

TEST_F(AlgorithmControlTest, ContinueAtTheTimeLimitExtendsByOneLimitFromTheChoice) {
    document->SetIsAlgorithmRunning(true);
    document->SetStopTime(GetClockSeconds() - 1.0);
    ui.timeLimitChoices = {ETimeLimitChoice::continueRun};
    double before = GetClockSeconds();
    document->CheckAlgorithmContinuation();
    double after = GetClockSeconds();
    EXPECT_GE(document->GetStopTime(), before + 30.0);
    EXPECT_LE(document->GetStopTime(), after + 30.0);
    ASSERT_EQ(ui.timeLimitTexts.size(), 1u);
    EXPECT_EQ(ui.timeLimitTexts[0],
              "The algorithm has exceeded the 30 seconds run time limit.\nDo you want the "
              "algorithm to continue for another 30 seconds?");
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_TRUE(app->IsAlgorithmRunning());
}

TEST_F(AlgorithmControlTest, TimeLimitEditedInTheDialogIsShownAndUsedForTheExtension) {
    document->SetIsAlgorithmRunning(true);
    document->SetStopTime(0.0);
    ui.timeLimitChoices = {ETimeLimitChoice::editTimeLimit, ETimeLimitChoice::continueRun};
    ui.doubleEdits = {90.0};
    double before = GetClockSeconds();
    document->CheckAlgorithmContinuation();
    EXPECT_DOUBLE_EQ(document->GetTimeLimit(), 90.0);
    ASSERT_EQ(ui.timeLimitTexts.size(), 2u);
    EXPECT_NE(ui.timeLimitTexts[1].find("another 90 seconds?"), std::string::npos);
    EXPECT_GE(document->GetStopTime(), before + 90.0);
    ASSERT_EQ(ui.editTitles.size(), 1u);
    EXPECT_EQ(ui.editTitles[0], "Edit Time Limit");
}

TEST_F(AlgorithmControlTest, AbortAtTheTimeLimitEndsTheAlgorithm) {
    document->SetIsAlgorithmRunning(true);
    document->SetStopTime(0.0);
    ui.timeLimitChoices = {ETimeLimitChoice::abort};
    EXPECT_THROW(document->CheckAlgorithmContinuation(), CUserException);
    EXPECT_TRUE(app->IsAlgorithmAborting());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "Algorithm aborted by the user");
    // AbortAlgorithm raises at once.
    EXPECT_THROW(document->AbortAlgorithm(), CUserException);
    EXPECT_EQ(Messages().size(), 2u);
}

TEST_F(AlgorithmControlTest, PauseContinuesEditsTheReportLevelOrAborts) {
    ui.pauseChoices = {EPauseChoice::editReportLevel, EPauseChoice::continueRun, EPauseChoice::abort};
    ui.longEdits = {5};
    document->PauseAlgorithm();
    EXPECT_EQ(document->GetReportLevel(), 5);
    EXPECT_GE(ui.redraws, 1);
    EXPECT_THROW(document->PauseAlgorithm(), CUserException);
    EXPECT_EQ(Messages().back(), "Algorithm aborted by the user");
    EXPECT_EQ(ui.pauses, 3);
}

TEST_F(AlgorithmControlTest, ReportLevelCommandForTheCurrentLevelChangesNothing) {
    EXPECT_EQ(document->GetReportLevel(), 3);
    document->OnReportLevel(3);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(ui.redraws, 0);
    document->OnReportLevel(5);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(document->GetReportLevel(), 5);
    EXPECT_EQ(ui.redraws, 1);
}

TEST_F(AlgorithmControlTest, NewProjectParametersHaveTheirCaptionsValuesAndRanges) {
    EXPECT_EQ(document->MaxIterationsParameter().GetCaption(), "Maximum Replications");
    EXPECT_EQ(document->GetMaxIterations(), 20);
    EXPECT_EQ(document->GetSeed(), 12345);
    EXPECT_DOUBLE_EQ(document->GetTolerance(), 0.001);
    // Sizes follow m = min(10000, 8000) = 8000
    EXPECT_EQ(document->GetDefaultVertexSize(), 80);
    EXPECT_EQ(document->VertexSizeParameter().GetUpperBound(), 800);
    EXPECT_EQ(document->GetDefaultLabelSize(), 200);
    EXPECT_EQ(document->LabelSizeParameter().GetUpperBound(), 1600);
    EXPECT_EQ(document->GetDefaultGridSize(), 400);
    EXPECT_EQ(document->GridSizeParameter().GetUpperBound(), 4000);
}

TEST_F(AlgorithmControlTest, ClearZeroesParametersAndResetRestoresDefaults) {
    document->SetSeed(77);
    document->Reset();
    EXPECT_EQ(document->GetSeed(), 1);
    EXPECT_DOUBLE_EQ(document->GetTimeLimit(), 120.0);
    document->Clear();
    EXPECT_EQ(document->GetSeed(), 0);
    EXPECT_EQ(document->SeedParameter().GetCaption(), "");
    EXPECT_DOUBLE_EQ(document->GetWorldRadius(), 6371.0);
    EXPECT_EQ(document->GetDistanceNorm().GetNorm(), DN_EUCLIDEAN);
}

TEST(DistanceNormNames, DecodeInAnyCaseAndRefuseUnknown) {
    EXPECT_EQ(CDistanceNorm::DecodeDistanceNorm("great_circle"), DN_GREAT_CIRCLE);
    EXPECT_EQ(CDistanceNorm::DecodeDistanceNorm("TRANSPORTATION_NETWORK"), DN_TRANSPORTATION_NETWORK);
    EXPECT_EQ(CDistanceNorm::DecodeDistanceNorm("Manhattan"), -1);
    EXPECT_STREQ(CDistanceNorm::GetDistanceNormName(5), "Externally_Specified");
    EXPECT_STREQ(CDistanceNorm::GetDistanceNormName(6), "");
}

} // namespace
