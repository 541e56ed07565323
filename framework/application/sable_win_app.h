#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "framework/application/app_status.h"
#include "framework/application/version_record.h"
#include "framework/exceptions/file_exception.h"
#include "framework/export.h"
#include "framework/glpk/glpk_entry_points.h"

class CSableDocument;

// The application: its status, version record, execution log, output log and error display.
// There is one application object at a time; it registers itself on construction.
class SABLEKIT_API CSableWinApp : public CGlpkEntryPoints {
public:
    explicit CSableWinApp(SVersionRecord record);
    virtual ~CSableWinApp();
    CSableWinApp(const CSableWinApp&) = delete;
    CSableWinApp& operator=(const CSableWinApp&) = delete;

    // The one application object, or null when none exists.
    static CSableWinApp* GetApp();

    // Start and exit. InitInstance ignores SIGXFSZ (a file-size limit becomes a file error) and
    // returns false (after its message) when the execution log cannot be placed or its "Started"
    // line cannot be written; ExitInstance writes the "Stopped" line.
    virtual bool InitInstance();
    virtual int ExitInstance();

    // Application status (0 to 6; anything else raises a user exception).
    void SetAppStatus(int status);
    int GetAppStatus() const { return m_appStatus; }
    bool IsIdle() const { return m_appStatus == APPSTATUS_IDLE; }
    bool IsAlgorithmRunning() const { return m_appStatus == APPSTATUS_ALGORITHM_RUNNING; }
    bool IsAlgorithmAborting() const { return m_appStatus == APPSTATUS_ALGORITHM_ABORTING; }
    bool IsImporting() const { return m_appStatus == APPSTATUS_IMPORTING; }
    void SetIsIdle() { SetAppStatus(APPSTATUS_IDLE); }
    void SetIsAlgorithmRunning() { SetAppStatus(APPSTATUS_ALGORITHM_RUNNING); }
    void SetIsAlgorithmAborting() { SetAppStatus(APPSTATUS_ALGORITHM_ABORTING); }
    void SetIsImporting() { SetAppStatus(APPSTATUS_IMPORTING); }
    // The Abort button of the abort, pause and time-limit dialogs.
    void OnAbortPressed();

    // Names and version.
    const SVersionRecord& GetVersionRecord() const { return m_record; }
    const std::string& GetAppName() const { return m_record.productName; }
    void InitializeVersionAndDate();
    const std::string& GetAppVersion() const { return m_appVersion; }
    const std::string& GetAppDate() const { return m_appDate; }

    // Execution log.
    bool SetErrorLogFileName();
    const std::string& GetErrorLogFileName() const { return m_errorLogFileName; }
    void WriteExecutionMessage(const std::string& text);

    // Output log.
    void OnFileOutputLog();
    void OnFileCloseOutputLog();
    void SetOutputLogFileName(const std::string& path);
    const std::string& GetOutputLogFileName() const { return m_outputLogFileName; }
    bool HasOutputLogFile() const { return !m_outputLogFileName.empty(); }
    void WriteOutputLogMessage(const std::string& text);
    // Opens the output log for appending (created when missing), lets write fill it and closes
    // it again; nothing happens without an output log. A failed open or write raises a
    // CFileException (the file is closed all the same).
    void WriteOutputLog(const std::function<void(std::FILE*)>& write);
    // Forgets the output log without asking (a new project, a failed import).
    void ForgetOutputLogFileName() { m_outputLogFileName.clear(); }
    // The folder proposed for an output log when the project has no path.
    std::string GetDefaultOutputLogFolder() const;

    // Error display: shows "time: text"; unless silent, also appends it to both logs.
    void DisplayErrorMessage(const std::string& text, bool silent = false);
    static std::string ConstructFileErrorMessage(bool write, const std::string& kindOfFile,
                                                 const CFileException& error);
    static void ConstructFileErrorMessage(std::string& message, bool write, const std::string& kindOfFile,
                                          const CFileException& error);

    // The one open document, or null.
    CSableDocument* GetDocument() const { return m_document; }
    void SetDocument(CSableDocument* document) { m_document = document; }

    // GLPK binding: the library is loaded by name on first use and kept until exit.
    int LoadGPLKFunctionPointers();
    void* GetGLPKLibraryHandle() const { return m_hGLPKLibrary; }
    const std::string& GetGLPKLibraryName() const { return m_strGLPKLibraryName; }
    // Checked wrappers: a missing library or a failed call shows its message and raises a user exception.
    const char* glp_version();
    glp_prob* glp_create_prob();
    void glp_delete_prob(glp_prob* problem);
    // The file name under which GLPK is loaded: $TRAMLET_GLPK_LIBRARY, else "libglpk.so.40".
    static std::string GetGLPKLibraryFileName();

    void* m_hGLPKLibrary = nullptr;
    std::string m_strGLPKLibraryName;

private:
    SVersionRecord m_record;
    int m_appStatus = APPSTATUS_INITIALIZING;
    std::string m_appVersion;
    std::string m_appDate;
    std::string m_errorLogFileName;
    std::string m_outputLogFileName;
    CSableDocument* m_document = nullptr;
    void UnloadGLPKLibrary();
};

// The time stamp of log lines and error messages: "%d/%b/%Y %H:%M:%S" in local time.
SABLEKIT_API std::string FormatLogTimeStamp();
// Today as "%A, %B %d, %Y".
SABLEKIT_API std::string FormatLongDate();

// Shows an error message through the application (or on the user interface when no
// application exists). Every validation of the system reports through here.
SABLEKIT_API void DisplayErrorMessage(const std::string& text, bool silent = false);
// Writes to the execution log when an application exists.
SABLEKIT_API void WriteExecutionMessage(const std::string& text);
// Writes to the output log when one is open.
SABLEKIT_API void WriteOutputLogMessage(const std::string& text);
