#include "framework/platform/console_user_interface.h"

#include <atomic>
#include <csignal>

#include "framework/application/sable_win_app.h"

namespace {
std::atomic<bool> g_interrupted{false};
bool g_abortDialogShown = false;

extern "C" void OnInterrupt(int) {
    g_interrupted = true;
}
} // namespace

CConsoleUserInterface::CConsoleUserInterface(std::FILE* messages) : m_messages(messages) {}

void CConsoleUserInterface::InstallInterruptHandler() {
    std::signal(SIGINT, OnInterrupt);
}

EMessageAnswer CConsoleUserInterface::MessageBox(const std::string& text, EMessageIcon,
                                                 EMessageButtons buttons) {
    std::fprintf(m_messages, "%s\n", text.c_str());
    if (m_firstMessage.empty()) {
        m_firstMessage = text.substr(0, text.find_first_of("\r\n"));
    }
    switch (buttons) {
    case EMessageButtons::ok:
        return EMessageAnswer::ok;
    case EMessageButtons::okCancel:
        std::fprintf(m_messages, "(answered %s)\n", m_answerYes ? "OK" : "Cancel");
        return m_answerYes ? EMessageAnswer::ok : EMessageAnswer::cancel;
    case EMessageButtons::yesNo:
    case EMessageButtons::yesNoCancel:
        std::fprintf(m_messages, "(answered %s)\n", m_answerYes ? "Yes" : "No");
        return m_answerYes ? EMessageAnswer::yes : EMessageAnswer::no;
    }
    return EMessageAnswer::ok;
}

void CConsoleUserInterface::Beep(EMessageIcon) {}

void CConsoleUserInterface::ShowAbortDialog() {
    g_abortDialogShown = true;
}
void CConsoleUserInterface::CloseAbortDialog() {
    g_abortDialogShown = false;
}

void CConsoleUserInterface::ProcessWaitingMessages() {
    if (g_interrupted.exchange(false)) {
        if (CSableWinApp* app = CSableWinApp::GetApp(); app != nullptr && app->IsAlgorithmRunning()) {
            app->OnAbortPressed();
        }
    }
}

ETimeLimitChoice CConsoleUserInterface::ShowTimeLimitDialog(const std::string& text) {
    std::fprintf(m_messages, "%s\n(answered %s)\n", text.c_str(), m_extendTimeLimit ? "Continue" : "Abort");
    return m_extendTimeLimit ? ETimeLimitChoice::continueRun : ETimeLimitChoice::abort;
}

EPauseChoice CConsoleUserInterface::ShowPauseDialog() {
    return EPauseChoice::continueRun;
}

bool CConsoleUserInterface::EditLongValue(const std::string&, const std::string&, int, int, int&) {
    return false;
}
bool CConsoleUserInterface::EditDoubleValue(const std::string&, const std::string&, double, double, double&) {
    return false;
}
bool CConsoleUserInterface::EditReportLevelValue(int&) {
    return false;
}

void CConsoleUserInterface::ShowStatusWindow(const std::string& title,
                                             const std::vector<SStatusField>& fields) {
    if (!m_showStatusWindows) {
        return;
    }
    std::fprintf(m_messages, "[%s]", title.c_str());
    for (const SStatusField& field : fields) {
        std::fprintf(m_messages, " %s %s;", field.label.c_str(), field.value.c_str());
    }
    std::fprintf(m_messages, "\n");
}

void CConsoleUserInterface::CloseStatusWindow(const std::string&) {}

std::optional<std::string> CConsoleUserInterface::SaveFileDialog(const std::string&, const std::string&,
                                                                 const std::string&, const std::string&) {
    return std::nullopt;
}

std::optional<std::string> CConsoleUserInterface::OpenFileDialog(const std::string&, const std::string&,
                                                                 const std::string&) {
    return std::nullopt;
}
