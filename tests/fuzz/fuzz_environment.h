#pragma once

// What every fuzz target needs once per process: a scratch home folder (so that the execution
// and error logs land there), a scripted user interface and an application in idle status.
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <unistd.h>

#include "framework/application/sable_win_app.h"
#include "framework/platform/scripted_user_interface.h"

struct SFuzzEnvironment {
    explicit SFuzzEnvironment(const std::string& folderPrefix) {
        folder = std::filesystem::temp_directory_path() / (folderPrefix + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        setenv("HOME", folder.c_str(), 1);
        unsetenv("XDG_STATE_HOME");
        unsetenv("XDG_DATA_HOME");
        SetUserInterface(&ui);
        SVersionRecord record;
        record.companyName = "Fuzz";
        record.productName = "Tramlet";
        record.productVersion = "1.0.0";
        record.productDate = "today";
        app = std::make_unique<CSableWinApp>(record);
        app->InitInstance();
        app->SetIsIdle();
    }
    ~SFuzzEnvironment() {
        app.reset();
        SetUserInterface(nullptr);
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }
    SFuzzEnvironment(const SFuzzEnvironment&) = delete;
    SFuzzEnvironment& operator=(const SFuzzEnvironment&) = delete;

    // Forgets what one input left behind: recorded messages and the error log's contents.
    void EndInput() {
        ui.ClearRecords();
        std::error_code error;
        std::filesystem::resize_file(app->GetErrorLogFileName(), 0, error);
    }

    std::filesystem::path folder;
    CScriptedUserInterface ui;
    std::unique_ptr<CSableWinApp> app;
};
