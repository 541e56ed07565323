#pragma once

#include <string>

#include "tests/support/app_fixture.h"

// What one run of tramlet-batch left: its exit status (-1 when it did not exit), stdout and
// stderr.
struct SBatchRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs tramlet-batch with the arguments (shell words) in the folder, which is also its HOME, so
// the logs it writes land there.
SBatchRun RunBatchProgram(const CTempFolder& folder, const std::string& arguments);
