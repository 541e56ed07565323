#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/platform/console_user_interface.h"

namespace {

std::string Contents(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string text;
    char buffer[256];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, n);
    }
    return text;
}

TEST(ConsoleUserInterface, QuestionsAndTheTimeLimitFollowThePolicyAndSayWhatWasAnswered) {
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    CConsoleUserInterface console(stream);
    EXPECT_EQ(console.MessageBox("Delete all routes?", EMessageIcon::question, EMessageButtons::yesNo),
              EMessageAnswer::no);
    console.SetAnswerYes(true);
    EXPECT_EQ(console.MessageBox("Delete all routes?", EMessageIcon::question, EMessageButtons::yesNo),
              EMessageAnswer::yes);
    EXPECT_EQ(console.MessageBox("Plain note", EMessageIcon::exclamation, EMessageButtons::ok),
              EMessageAnswer::ok);
    EXPECT_EQ(Contents(stream),
              "Delete all routes?\n(answered No)\nDelete all routes?\n(answered Yes)\nPlain note\n");
    // The time limit is extended only when asked; edits and file dialogs are declined.
    EXPECT_EQ(console.ShowTimeLimitDialog("limit"), ETimeLimitChoice::abort);
    console.SetExtendTimeLimit(true);
    EXPECT_EQ(console.ShowTimeLimitDialog("limit"), ETimeLimitChoice::continueRun);
    int value = 3;
    EXPECT_FALSE(console.EditLongValue("Edit Seed", "", 0, 10, value));
    EXPECT_EQ(value, 3);
    EXPECT_FALSE(console.SaveFileDialog("Output Log File", "Log Files (*.log)", "log", "x.log").has_value());
    std::fclose(stream);
}

} // namespace
