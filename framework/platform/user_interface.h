#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/export.h"

// Everything the system shows or asks goes through this interface: message boxes, questions,
// beeps, the wait cursor, the abort, pause and time-limit dialogs, parameter edits, algorithm
// status windows, file dialogs and view redraws. The Qt program, the batch program and the
// tests each install their own implementation.

enum class EMessageIcon { none, information, exclamation, error, question };
enum class EMessageButtons { ok, okCancel, yesNo, yesNoCancel };
enum class EMessageAnswer { ok, cancel, yes, no };

// How the "Algorithm Time Limit Expiration" dialog ended (or which button was pressed).
enum class ETimeLimitChoice { continueRun, abort, editTimeLimit, help };
// How the "Algorithm Execution Pause" dialog ended (or which button was pressed).
enum class EPauseChoice { continueRun, abort, editReportLevel };

// One labelled value of an algorithm status window ("Insert Facility Report", ...).
struct SStatusField {
    std::string label;
    std::string value;
};

class SABLEKIT_API CUserInterface {
public:
    virtual ~CUserInterface();

    // A message box with the given text, icon and buttons; returns the button pressed.
    virtual EMessageAnswer MessageBox(const std::string& text, EMessageIcon icon,
                                      EMessageButtons buttons) = 0;
    virtual void Beep(EMessageIcon icon) = 0;
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}

    // The modeless "Algorithm Execution" dialog with its "&Abort" button. Pressing the button
    // must call CSableWinApp::OnAbortPressed (the application status becomes aborting).
    virtual void ShowAbortDialog() = 0;
    virtual void CloseAbortDialog() = 0;
    // Dispatches waiting window messages (repaints, the Abort button) while an algorithm runs.
    virtual void ProcessWaitingMessages() {}

    // The modal "Algorithm Time Limit Expiration" dialog showing the given text. Called again
    // with a refreshed text after editTimeLimit or help.
    virtual ETimeLimitChoice ShowTimeLimitDialog(const std::string& text) = 0;
    // The modal "Algorithm Execution Pause" dialog. Called again after editReportLevel.
    virtual EPauseChoice ShowPauseDialog() = 0;

    // Modal parameter edits ("Edit %s" with a prompt). On OK the new value is stored in value
    // and true returned; the caller decides whether it changed.
    virtual bool EditLongValue(const std::string& title, const std::string& prompt, int lower, int upper,
                               int& value) = 0;
    virtual bool EditDoubleValue(const std::string& title, const std::string& prompt, double lower,
                                 double upper, double& value) = 0;
    // The report-level dialog (levels 0 to 5).
    virtual bool EditReportLevelValue(int& value) = 0;

    // Algorithm status windows, identified by their title; Show creates or refreshes one.
    virtual void ShowStatusWindow(const std::string& title, const std::vector<SStatusField>& fields) = 0;
    virtual void CloseStatusWindow(const std::string& title) = 0;

    // File dialogs; an empty optional when the user cancels.
    virtual std::optional<std::string> SaveFileDialog(const std::string& title, const std::string& filter,
                                                      const std::string& defaultExtension,
                                                      const std::string& proposedPath) = 0;
    virtual std::optional<std::string> OpenFileDialog(const std::string& title, const std::string& filter,
                                                      const std::string& defaultExtension) = 0;

    // Redraws every view of the open project.
    virtual void RedrawAllViews() {}
};

// The interface the framework talks to. Never null: a console implementation is installed
// until a program installs its own. The framework does not own what is installed.
SABLEKIT_API CUserInterface& GetUserInterface();
SABLEKIT_API void SetUserInterface(CUserInterface* userInterface);
