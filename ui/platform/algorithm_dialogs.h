#pragma once

#include <string>

#include "framework/platform/user_interface.h"

class QWidget;

// The modal "Algorithm Time Limit Expiration" dialog: the text and the buttons "&Continue",
// "&Abort", "&Time Limit..." and "&Help". Returns the button pressed (closing the window is Abort).
ETimeLimitChoice ExecTimeLimitDialog(QWidget* parent, const std::string& text);

// The modal "Algorithm Execution Pause" dialog with "&Continue", "&Abort" and "&Report...".
// Returns the button pressed (closing the window is Abort).
EPauseChoice ExecPauseDialog(QWidget* parent);

// The help shown by the time-limit dialog's Help button.
extern const char* const kTimeLimitHelpText;
