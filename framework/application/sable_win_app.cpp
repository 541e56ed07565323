#include "framework/application/sable_win_app.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "framework/application/sable_document.h"
#include "framework/archive/safe_file.h"
#include "framework/exceptions/user_exception.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"

namespace {

CSableWinApp* g_app = nullptr;

std::string FormatLocalTime(const char* format) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[128];
    size_t length = std::strftime(buffer, sizeof buffer, format, &local);
    return std::string(buffer, length);
}

// The base folder of a per-user XDG location: $<variable>, else $HOME/<fallback>; empty if neither.
std::string XdgFolder(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') {
        return value;
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return std::string();
    }
    return std::string(home) + "/" + fallback;
}

// Appends text to a file, creating it when missing; false when it cannot be opened.
[[nodiscard]] bool AppendToFile(const std::string& path, const std::string& text, int& error) {
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (file == nullptr) {
        error = errno;
        return false;
    }
    std::fseek(file, 0, SEEK_END);
    std::fwrite(text.data(), 1, text.size(), file);
    bool ok = std::fclose(file) == 0;
    if (!ok) {
        error = errno;
    }
    return ok;
}

} // namespace

std::string FormatLogTimeStamp() {
    return FormatLocalTime("%d/%b/%Y %H:%M:%S");
}
std::string FormatLongDate() {
    return FormatLocalTime("%A, %B %d, %Y");
}

CSableWinApp::CSableWinApp(SVersionRecord record) : m_record(std::move(record)) {
    g_app = this;
}

CSableWinApp::~CSableWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

CSableWinApp* CSableWinApp::GetApp() {
    return g_app;
}

bool CSableWinApp::InitInstance() {
    SetAppStatus(APPSTATUS_INITIALIZING);
    if (!SetErrorLogFileName()) {
        GetUserInterface().MessageBox(
            FormatString(
                "The execution log file location could not be determined or located. %s will terminate.",
                GetAppName().c_str()),
            EMessageIcon::error, EMessageButtons::ok);
        return false;
    }
    // A file-size limit makes a too long write fail with an error the program reports, instead of
    // ending it by a signal in the middle of a save.
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        InitializeVersionAndDate();
    } catch (const CFileException& error) {
        GetUserInterface().MessageBox(ConstructFileErrorMessage(true, "execution log", error),
                                      EMessageIcon::error, EMessageButtons::ok);
        return false;
    }
    return true;
}

int CSableWinApp::ExitInstance() {
    SetAppStatus(APPSTATUS_EXITING);
    try {
        UnloadGLPKLibrary();
        WriteExecutionMessage(FormatString("%s Version %s %s Stopped\n", GetAppName().c_str(),
                                           m_appVersion.c_str(), m_appDate.c_str()));
    } catch (const CFileException&) {
        // Nothing more can be reported at exit.
    }
    return 0;
}

void CSableWinApp::SetAppStatus(int status) {
    if (status < APPSTATUS_NONE || status > APPSTATUS_EXITING) {
        ThrowUserException();
    }
    m_appStatus = status;
}

void CSableWinApp::OnAbortPressed() {
    SetAppStatus(APPSTATUS_ALGORITHM_ABORTING);
    GetUserInterface().Beep(EMessageIcon::exclamation);
}

void CSableWinApp::InitializeVersionAndDate() {
    m_appDate = m_record.productDate;
    m_appVersion = m_record.productVersion;
    if (m_record.fileFlags & SVersionRecord::debugBuild) {
        m_appVersion += "D";
    }
    if (m_record.fileFlags & SVersionRecord::preRelease) {
        m_appVersion += "P";
    }
    if (m_record.fileFlags & SVersionRecord::privateBuild) {
        m_appVersion += "R";
    }
    if (m_record.fileFlags & SVersionRecord::specialBuild) {
        m_appVersion += "S";
    }
    WriteExecutionMessage(FormatString("%s Version %s %s Started\n", GetAppName().c_str(),
                                       m_appVersion.c_str(), m_appDate.c_str()));
}

bool CSableWinApp::SetErrorLogFileName() {
    if (m_record.companyName.empty() || m_record.productName.empty()) {
        return false;
    }
    std::string base = XdgFolder("XDG_STATE_HOME", ".local/state");
    if (base.empty()) {
        return false;
    }
    std::filesystem::path folder = std::filesystem::path(base) / m_record.companyName / m_record.productName;
    std::string path = (folder / (m_record.productName + " Execution Log.log")).string();
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (file == nullptr) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error) {
            return false;
        }
        file = std::fopen(path.c_str(), "a");
        if (file == nullptr) {
            return false;
        }
    }
    std::fclose(file);
    m_errorLogFileName = path;
    return true;
}

void CSableWinApp::WriteExecutionMessage(const std::string& text) {
    if (m_errorLogFileName.empty()) {
        return;
    }
    int error = 0;
    if (!AppendToFile(m_errorLogFileName, FormatLogTimeStamp() + ": " + text, error)) {
        throw CFileException::FromErrno(m_errorLogFileName, error);
    }
}

std::string CSableWinApp::GetDefaultOutputLogFolder() const {
    std::string base = XdgFolder("XDG_DATA_HOME", ".local/share");
    if (base.empty()) {
        return std::string();
    }
    return (std::filesystem::path(base) / m_record.companyName / m_record.productName).string();
}

void CSableWinApp::OnFileOutputLog() {
    std::string proposed;
    if (m_document != nullptr && !m_document->GetPathName().empty()) {
        proposed = std::filesystem::path(m_document->GetPathName()).replace_extension(".log").string();
    } else {
        std::string folder = GetDefaultOutputLogFolder();
        if (!folder.empty()) {
            std::error_code error;
            std::filesystem::create_directories(folder, error);
            proposed = (std::filesystem::path(folder) / (GetAppName() + ".log")).string();
        }
    }
    std::optional<std::string> path =
        GetUserInterface().SaveFileDialog("Output Log File", "Log Files (*.log)", "log", proposed);
    if (!path) {
        return;
    }
    try {
        SetOutputLogFileName(*path);
    } catch (const CFileException& error) {
        DisplayErrorMessage(ConstructFileErrorMessage(true, "output log", error));
    }
}

void CSableWinApp::OnFileCloseOutputLog() {
    if (!HasOutputLogFile()) {
        return;
    }
    std::string question =
        FormatString("Do you want to close the output log %s?\n (Opening the log again will erase "
                     "the current contents of the log).",
                     m_outputLogFileName.c_str());
    if (GetUserInterface().MessageBox(question, EMessageIcon::question, EMessageButtons::yesNo) !=
        EMessageAnswer::yes) {
        return;
    }
    m_outputLogFileName.clear();
    if (m_document != nullptr) {
        m_document->SetModifiedFlag(true);
        m_document->RedrawAllViews();
    }
}

void CSableWinApp::SetOutputLogFileName(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        throw CFileException::FromErrno(path, errno);
    }
    std::fprintf(file, "Created by %s, Version %s %s\n", GetAppName().c_str(), m_appVersion.c_str(),
                 m_appDate.c_str());
    if (m_document != nullptr) {
        std::fprintf(file, "Project %s on %s\n", m_document->GetDocTitle().c_str(), FormatLongDate().c_str());
    } else {
        std::fprintf(file, "On %s (No project defined)\n", FormatLongDate().c_str());
    }
    if (std::fclose(file) != 0) {
        throw CFileException::FromErrno(path, errno);
    }
    if (m_document != nullptr) {
        m_document->SetModifiedFlag(true);
        m_document->RedrawAllViews();
    }
    m_outputLogFileName = path;
}

void CSableWinApp::WriteOutputLogMessage(const std::string& text) {
    WriteOutputLog([&](std::FILE* file) { std::fwrite(text.data(), 1, text.size(), file); });
}

void CSableWinApp::WriteOutputLog(const std::function<void(std::FILE*)>& write) {
    if (m_outputLogFileName.empty()) {
        return;
    }
    std::FILE* file = std::fopen(m_outputLogFileName.c_str(), "a");
    if (file == nullptr) {
        throw CFileException::FromErrno(m_outputLogFileName, errno);
    }
    try {
        write(file);
    } catch (...) {
        std::fclose(file);
        throw;
    }
    bool failed = std::ferror(file) != 0;
    errno = 0;
    if (std::fclose(file) != 0 || failed) {
        throw CFileException::FromErrno(m_outputLogFileName, errno != 0 ? errno : EIO);
    }
}

void CSableWinApp::DisplayErrorMessage(const std::string& text, bool silent) {
    std::string line = FormatLogTimeStamp() + ": " + text;
    CUserInterface& ui = GetUserInterface();
    ui.Beep(EMessageIcon::exclamation);
    ui.MessageBox(line, EMessageIcon::exclamation, EMessageButtons::ok);
    if (silent) {
        return;
    }
    int error = 0;
    // A log that cannot be written must not hide the message itself.
    if (!m_outputLogFileName.empty()) {
        (void)AppendToFile(m_outputLogFileName, line + "\n", error);
    }
    if (!m_errorLogFileName.empty()) {
        (void)AppendToFile(m_errorLogFileName, line + "\n", error);
    }
}

std::string CSableWinApp::ConstructFileErrorMessage(bool write, const std::string& kindOfFile,
                                                    const CFileException& error) {
    std::string reason = std::strerror(error.m_lOsError);
    switch (error.m_cause) {
    case CFileException::endOfFile:
        reason = "attempt to read past end of file";
        break;
    case CFileException::notRegularFile:
        reason = "not a regular file";
        break;
    case CFileException::tooLarge:
        reason = FormatString("file larger than the largest data file of %zu bytes", MAX_DATA_FILE_BYTES);
        break;
    case CFileException::writeProtected:
        reason = "the file is write-protected";
        break;
    default:
        break;
    }
    const char* format =
        write ? "Could not write to %s file \"%s\"\nThe operating system returned error code %d: %s"
              : "Could not read from %s file \"%s\"\nThe operating system returned error code %d: %s";
    return FormatString(format, kindOfFile.c_str(), error.m_strFileName.c_str(), error.m_lOsError,
                        reason.c_str());
}

void CSableWinApp::ConstructFileErrorMessage(std::string& message, bool write, const std::string& kindOfFile,
                                             const CFileException& error) {
    message = ConstructFileErrorMessage(write, kindOfFile, error);
}

void DisplayErrorMessage(const std::string& text, bool silent) {
    if (CSableWinApp* app = CSableWinApp::GetApp()) {
        app->DisplayErrorMessage(text, silent);
        return;
    }
    CUserInterface& ui = GetUserInterface();
    ui.Beep(EMessageIcon::exclamation);
    ui.MessageBox(FormatLogTimeStamp() + ": " + text, EMessageIcon::exclamation, EMessageButtons::ok);
}

void WriteExecutionMessage(const std::string& text) {
    if (CSableWinApp* app = CSableWinApp::GetApp()) {
        app->WriteExecutionMessage(text);
    }
}

void WriteOutputLogMessage(const std::string& text) {
    if (CSableWinApp* app = CSableWinApp::GetApp()) {
        app->WriteOutputLogMessage(text);
    }
}
