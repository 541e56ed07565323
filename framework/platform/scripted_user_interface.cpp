#include "framework/platform/scripted_user_interface.h"

#include "framework/application/sable_win_app.h"

namespace {
template <class T> bool PopFront(std::deque<T>& queue, T& value) {
    if (queue.empty()) {
        return false;
    }
    value = queue.front();
    queue.pop_front();
    return true;
}
} // namespace

std::vector<std::string> CScriptedUserInterface::MessageTexts() const {
    std::vector<std::string> texts;
    for (const SMessage& message : messages) {
        texts.push_back(message.text);
    }
    return texts;
}

void CScriptedUserInterface::ClearRecords() {
    messages.clear();
    timeLimitTexts.clear();
    statusUpdates.clear();
    closedStatusWindows.clear();
    editTitles.clear();
    editPrompts.clear();
    beeps = abortDialogsShown = abortDialogsClosed = pauses = redraws = processCalls = 0;
}

EMessageAnswer CScriptedUserInterface::MessageBox(const std::string& text, EMessageIcon icon,
                                                  EMessageButtons buttons) {
    messages.push_back({text, icon, buttons});
    EMessageAnswer answer;
    if (buttons != EMessageButtons::ok && PopFront(answers, answer)) {
        return answer;
    }
    switch (buttons) {
    case EMessageButtons::ok:
    case EMessageButtons::okCancel:
        return EMessageAnswer::ok;
    case EMessageButtons::yesNo:
    case EMessageButtons::yesNoCancel:
        return EMessageAnswer::yes;
    }
    return EMessageAnswer::ok;
}

void CScriptedUserInterface::Beep(EMessageIcon) {
    ++beeps;
}
void CScriptedUserInterface::ShowAbortDialog() {
    ++abortDialogsShown;
}
void CScriptedUserInterface::CloseAbortDialog() {
    ++abortDialogsClosed;
}

void CScriptedUserInterface::ProcessWaitingMessages() {
    ++processCalls;
    if (abortAfterProcessCalls < 0) {
        return;
    }
    if (abortAfterProcessCalls-- == 0) {
        abortAfterProcessCalls = -1;
        if (CSableWinApp* app = CSableWinApp::GetApp()) {
            app->OnAbortPressed();
        }
    }
}

ETimeLimitChoice CScriptedUserInterface::ShowTimeLimitDialog(const std::string& text) {
    timeLimitTexts.push_back(text);
    ETimeLimitChoice choice = ETimeLimitChoice::continueRun;
    PopFront(timeLimitChoices, choice);
    return choice;
}

EPauseChoice CScriptedUserInterface::ShowPauseDialog() {
    ++pauses;
    EPauseChoice choice = EPauseChoice::continueRun;
    PopFront(pauseChoices, choice);
    return choice;
}

bool CScriptedUserInterface::EditLongValue(const std::string& title, const std::string& prompt, int, int,
                                           int& value) {
    editTitles.push_back(title);
    editPrompts.push_back(prompt);
    return PopFront(longEdits, value);
}

bool CScriptedUserInterface::EditDoubleValue(const std::string& title, const std::string& prompt, double,
                                             double, double& value) {
    editTitles.push_back(title);
    editPrompts.push_back(prompt);
    return PopFront(doubleEdits, value);
}

bool CScriptedUserInterface::EditReportLevelValue(int& value) {
    editTitles.push_back("Report Level");
    return PopFront(longEdits, value);
}

void CScriptedUserInterface::ShowStatusWindow(const std::string& title,
                                              const std::vector<SStatusField>& fields) {
    statusUpdates.push_back({title, fields});
}

void CScriptedUserInterface::CloseStatusWindow(const std::string& title) {
    closedStatusWindows.push_back(title);
}

std::optional<std::string> CScriptedUserInterface::SaveFileDialog(const std::string&, const std::string&,
                                                                  const std::string&, const std::string&) {
    std::string path;
    if (PopFront(fileDialogPaths, path)) {
        return path;
    }
    return std::nullopt;
}

std::optional<std::string> CScriptedUserInterface::OpenFileDialog(const std::string&, const std::string&,
                                                                  const std::string&) {
    std::string path;
    if (PopFront(fileDialogPaths, path)) {
        return path;
    }
    return std::nullopt;
}
