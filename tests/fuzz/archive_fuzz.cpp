// libFuzzer entry point for the binary project archive reader. One input is read as an archive
// into a new document. A refused input must leave the document empty; an accepted one must be
// stored again and read back into the same bytes. Nothing may crash or leak.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "files/archive/binary_project_file.h"
#include "framework/application/sable_win_app.h"
#include "framework/platform/scripted_user_interface.h"
#include "model/tramlet_doc.h"

namespace {

struct SFuzzEnvironment {
    SFuzzEnvironment() {
        folder =
            std::filesystem::temp_directory_path() / ("tramlet-archive-fuzz-" + std::to_string(::getpid()));
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
    std::filesystem::path folder;
    CScriptedUserInterface ui;
    std::unique_ptr<CSableWinApp> app;
};

SFuzzEnvironment& Environment() {
    static SFuzzEnvironment environment;
    return environment;
}

bool IsEmpty(const CTramletDoc& document) {
    return document.GetTotalNumberOfFacilities() == 0 && document.GetNumberOfRoutes() == 0 &&
           document.GetPathName().empty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SFuzzEnvironment& environment = Environment();
    std::string input(reinterpret_cast<const char*>(data), size);

    auto document = std::make_unique<CTramletDoc>();
    if (!LoadBinaryProject(*document, input, "fuzz.tramlet")) {
        if (!IsEmpty(*document)) {
            std::abort();
        }
    } else {
        // What was accepted is a project the archive writes and reads again unchanged.
        std::string stored = StoreBinaryProject(*document, "fuzz.tramlet");
        auto again = std::make_unique<CTramletDoc>();
        if (!LoadBinaryProject(*again, stored, "fuzz.tramlet") || StoreBinaryProject(*again) != stored) {
            std::abort();
        }
    }
    document.reset();
    environment.app->SetDocument(nullptr);
    environment.ui.ClearRecords();
    std::error_code error;
    std::filesystem::resize_file(environment.app->GetErrorLogFileName(), 0, error);
    return 0;
}
