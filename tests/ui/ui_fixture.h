#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/tramlet_app.h"
#include "tests/support/app_fixture.h"
#include "ui/frame/main_frame.h"
#include "ui/platform/qt_user_interface.h"

// The desktop program in a test: the Qt platform layer (message boxes answered from a queue,
// Yes to questions, No to "Save changes?", OK by default; file dialogs cancelled), a CTramletApp with its
// logs in a temporary home, and the main window.
class UiFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens a project of examples/ ("harbour/harbour.tramlet") in the main window.
    void OpenExample(const std::string& relativePath);
    // A new project with random facilities: customers, suppliers, depots.
    void NewRandomProject(int customers, int suppliers, int depots);
    // Runs a command the way its menu entry does (the action is triggered).
    void TriggerFromMenu(unsigned id);
    bool IsEnabled(unsigned id) const;
    // The texts shown in message boxes, without the time stamps of error messages.
    std::vector<std::string> Messages() const;

    CTramletDoc& Document() const { return *frame->GetDocument(); }

    std::unique_ptr<CTempFolder> home;
    std::unique_ptr<CQtUserInterface> ui;
    std::unique_ptr<CTramletApp> app;
    std::unique_ptr<CMainFrame> frame;
    std::deque<EMessageAnswer> answers; // answers to the next questions
};
