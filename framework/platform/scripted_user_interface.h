#pragma once

#include <deque>
#include <string>
#include <vector>

#include "framework/platform/user_interface.h"

// The implementation for tests: it records everything shown and answers from queues.
// An empty queue gives the default answer (OK/Yes for questions, Continue for the dialogs,
// Cancel for edits and file dialogs).
class SABLEKIT_API CScriptedUserInterface : public CUserInterface {
public:
    struct SMessage {
        std::string text;
        EMessageIcon icon;
        EMessageButtons buttons;
    };
    struct SStatusUpdate {
        std::string title;
        std::vector<SStatusField> fields;
    };

    // What was shown.
    std::vector<SMessage> messages;
    std::vector<std::string> timeLimitTexts;
    std::vector<SStatusUpdate> statusUpdates;
    std::vector<std::string> closedStatusWindows;
    int beeps = 0;
    int abortDialogsShown = 0;
    int abortDialogsClosed = 0;
    int pauses = 0;
    int redraws = 0;
    int processCalls = 0;

    // Answers, consumed front first.
    std::deque<EMessageAnswer> answers;
    std::deque<ETimeLimitChoice> timeLimitChoices;
    std::deque<EPauseChoice> pauseChoices;
    std::deque<int> longEdits;      // value entered in a long or report-level edit (OK pressed)
    std::deque<double> doubleEdits; // value entered in a double edit (OK pressed)
    std::deque<std::string> fileDialogPaths;
    // Presses Abort when ProcessWaitingMessages has been called this many more times (-1: never).
    int abortAfterProcessCalls = -1;

    // The texts of all message boxes, in order.
    std::vector<std::string> MessageTexts() const;
    void ClearRecords();

    EMessageAnswer MessageBox(const std::string& text, EMessageIcon icon, EMessageButtons buttons) override;
    void Beep(EMessageIcon icon) override;
    void ShowAbortDialog() override;
    void CloseAbortDialog() override;
    void ProcessWaitingMessages() override;
    ETimeLimitChoice ShowTimeLimitDialog(const std::string& text) override;
    EPauseChoice ShowPauseDialog() override;
    bool EditLongValue(const std::string& title, const std::string& prompt, int lower, int upper,
                       int& value) override;
    bool EditDoubleValue(const std::string& title, const std::string& prompt, double lower, double upper,
                         double& value) override;
    bool EditReportLevelValue(int& value) override;
    void ShowStatusWindow(const std::string& title, const std::vector<SStatusField>& fields) override;
    void CloseStatusWindow(const std::string& title) override;
    std::optional<std::string> SaveFileDialog(const std::string& title, const std::string& filter,
                                              const std::string& defaultExtension,
                                              const std::string& proposedPath) override;
    std::optional<std::string> OpenFileDialog(const std::string& title, const std::string& filter,
                                              const std::string& defaultExtension) override;
    void RedrawAllViews() override { ++redraws; }

    std::vector<std::string> editTitles;  // titles of the edit dialogs opened
    std::vector<std::string> editPrompts; // their prompts
};
