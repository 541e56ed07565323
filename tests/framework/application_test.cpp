#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "framework/application/sable_document.h"
#include "framework/exceptions/user_exception.h"
#include "tests/support/app_fixture.h"

namespace {

using ApplicationTest = AppFixture;

TEST_F(ApplicationTest, ExecutionLogLivesInTheStateFolderAndGetsTheStartedLine) {
    std::string expected = home->File(".local/state/Test Company/Tramlet/Tramlet Execution Log.log");
    EXPECT_EQ(app->GetErrorLogFileName(), expected);
    std::string log = ExecutionLog();
    EXPECT_NE(log.find(": Tramlet Version 1.0.0 December 7, 2026 Started\n"), std::string::npos) << log;
    app->ExitInstance();
    EXPECT_NE(ExecutionLog().find(": Tramlet Version 1.0.0 December 7, 2026 Stopped\n"), std::string::npos);
    EXPECT_EQ(app->GetAppStatus(), APPSTATUS_EXITING);
}

TEST_F(ApplicationTest, ExecutionLogIsAppendedNeverTruncatedWithTheTimeStampLayout) {
    app->WriteExecutionMessage("first\n");
    CSableWinApp second(app->GetVersionRecord());
    ASSERT_TRUE(second.InitInstance());
    second.WriteExecutionMessage("second\n");
    std::string log = ReadWholeFile(second.GetErrorLogFileName());
    EXPECT_LT(log.find("first\n"), log.find("second\n"));
    // Both starts left their line.
    EXPECT_NE(log.find("Started"), log.rfind("Started"));
    size_t at = log.rfind("second");
    ASSERT_GE(at, 22u);
    std::string stamp = log.substr(at - 22, 22);
    // dd/Mon/yyyy hh:mm:ss:
    EXPECT_EQ(stamp[2], '/');
    EXPECT_EQ(stamp[6], '/');
    EXPECT_EQ(stamp[11], ' ');
    EXPECT_EQ(stamp[14], ':');
    EXPECT_EQ(stamp.substr(20), ": ");
}

TEST_F(ApplicationTest, StartFailsWithTheMessageWhenNoHomeIsKnown) {
    unsetenv("HOME");
    CSableWinApp other(app->GetVersionRecord());
    ui.ClearRecords();
    EXPECT_FALSE(other.InitInstance());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "The execution log file location could not be determined or located. Tramlet will terminate.");
    EXPECT_EQ(ui.messages[0].icon, EMessageIcon::error);
}

TEST_F(ApplicationTest, VersionCarriesTheBuildFlagLettersInOrderAndAppStatusIsRangeChecked) {
    SVersionRecord record = app->GetVersionRecord();
    record.fileFlags =
        SVersionRecord::specialBuild | SVersionRecord::debugBuild | SVersionRecord::privateBuild;
    CSableWinApp flagged(record);
    ASSERT_TRUE(flagged.InitInstance());
    EXPECT_EQ(flagged.GetAppVersion(), "1.0.0DRS");
    EXPECT_THROW(app->SetAppStatus(7), CUserException);
    EXPECT_THROW(app->SetAppStatus(-1), CUserException);
    EXPECT_EQ(app->GetAppStatus(), APPSTATUS_IDLE);
    app->SetIsImporting();
    EXPECT_TRUE(app->IsImporting());
}

TEST_F(ApplicationTest, OutputLogHeaderWithoutProjectEmptiesAnExistingFile) {
    std::string path = home->File("run.log");
    WriteWholeFile(path, "old contents that must go\n");
    app->SetOutputLogFileName(path);
    std::string text = ReadWholeFile(path);
    EXPECT_EQ(text.find("Created by Tramlet, Version 1.0.0 December 7, 2026\nOn "), 0u) << text;
    EXPECT_NE(text.find(" (No project defined)\n"), std::string::npos);
    EXPECT_EQ(text.find("old contents"), std::string::npos);
    app->WriteOutputLogMessage("line one\n");
    app->WriteOutputLogMessage("line two\n");
    text = ReadWholeFile(path);
    EXPECT_NE(text.find("defined)\nline one\nline two\n"), std::string::npos);
}

TEST_F(ApplicationTest, OutputLogHeaderNamesTheProjectAndMarksItModifiedOrTheOpenFails) {
    // One that cannot be opened raises a file exception.
    EXPECT_THROW(app->SetOutputLogFileName(home->File("missing/folder/x.log")), CFileException);
    EXPECT_FALSE(app->HasOutputLogFile());
    CSableDocument document;
    document.SetDocTitle("Depot Run");
    std::string path = home->File("project.log");
    app->SetOutputLogFileName(path);
    EXPECT_TRUE(document.IsModified());
    std::string text = ReadWholeFile(path);
    size_t second = text.find('\n') + 1;
    EXPECT_EQ(text.substr(second, 18), "Project Depot Run ");
    EXPECT_TRUE(app->HasOutputLogFile());
}

TEST_F(ApplicationTest, CloseOutputLogAsksAndForgetsOnlyOnYes) {
    std::string path = home->File("close.log");
    app->SetOutputLogFileName(path);
    ui.answers = {EMessageAnswer::no, EMessageAnswer::yes};
    app->OnFileCloseOutputLog();
    EXPECT_TRUE(app->HasOutputLogFile());
    app->OnFileCloseOutputLog();
    EXPECT_FALSE(app->HasOutputLogFile());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text,
              "Do you want to close the output log " + path +
                  "?\n (Opening the log again will erase the current contents of the log).");
}

TEST_F(ApplicationTest, ErrorMessageGoesToBothLogsUnlessSilent) {
    std::string path = home->File("errors.log");
    app->SetOutputLogFileName(path);
    app->DisplayErrorMessage("Loud problem");
    app->DisplayErrorMessage("Quiet problem", true);
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[0], "Loud problem");
    EXPECT_EQ(ui.messages[0].icon, EMessageIcon::exclamation);
    EXPECT_EQ(ui.beeps, 2);
    EXPECT_NE(ReadWholeFile(path).find(ui.messages[0].text + "\n"), std::string::npos);
    EXPECT_NE(ExecutionLog().find(ui.messages[0].text + "\n"), std::string::npos);
    EXPECT_EQ(ReadWholeFile(path).find("Quiet problem"), std::string::npos);
    EXPECT_EQ(ExecutionLog().find("Quiet problem"), std::string::npos);
}

TEST(FileErrorMessage, ReadWriteAndEndOfFileTexts) {
    CFileException missing(CFileException::fileNotFound, "/tmp/none.log", ENOENT);
    EXPECT_EQ(
        CSableWinApp::ConstructFileErrorMessage(false, "output log", missing),
        "Could not read from output log file \"/tmp/none.log\"\nThe operating system returned error code 2: "
        "No such file or directory");
    EXPECT_EQ(CSableWinApp::ConstructFileErrorMessage(true, "error log", missing).substr(0, 36),
              "Could not write to error log file \"/");
    CFileException eof(CFileException::endOfFile, "p.tramlet", 0);
    std::string text;
    CSableWinApp::ConstructFileErrorMessage(text, false, "project", eof);
    EXPECT_EQ(text,
              "Could not read from project file \"p.tramlet\"\nThe operating system returned error code 0: "
              "attempt to read past end of file");
}

} // namespace
