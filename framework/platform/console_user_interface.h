#pragma once

#include <cstdio>
#include <string>

#include "framework/platform/user_interface.h"

// The headless implementation used by tramlet-batch: messages go to stderr, questions are
// answered by a stated policy, the time-limit dialog by a flag, and Ctrl-C presses Abort.
class SABLEKIT_API CConsoleUserInterface : public CUserInterface {
public:
    explicit CConsoleUserInterface(std::FILE* messages = stderr);

    // Answer to Yes/No questions (default: No). OK/Cancel questions are answered OK when yes.
    void SetAnswerYes(bool yes) { m_answerYes = yes; }
    // Whether an expired time limit is extended (default: not extended, the run ends).
    void SetExtendTimeLimit(bool extend) { m_extendTimeLimit = extend; }
    // Whether status windows are echoed to the message stream (default: no).
    void SetShowStatusWindows(bool show) { m_showStatusWindows = show; }
    // Installs a SIGINT handler that presses Abort while an algorithm runs.
    void InstallInterruptHandler();
    // The first line of the first message shown since ForgetMessages (empty when none was shown):
    // the reason a refused step gives.
    const std::string& GetFirstMessage() const { return m_firstMessage; }
    void ForgetMessages() { m_firstMessage.clear(); }

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

private:
    std::FILE* m_messages;
    bool m_answerYes = false;
    bool m_extendTimeLimit = false;
    bool m_showStatusWindows = false;
    std::string m_firstMessage;
};
