// libFuzzer entry point for the solution report readers of the MIP model. The first byte of an
// input chooses the reader (glpsol, cplex, gurobi), the rest is the report, read into the small
// test project (four customers, three suppliers, three vehicles). Nothing may crash or leak; a
// refused report leaves the project without routes, an accepted one with every customer and
// supplier on a route.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "files/text_project_import.h"
#include "framework/application/sable_win_app.h"
#include "framework/platform/scripted_user_interface.h"
#include "model/tramlet_doc.h"
#include "optimisation/mip_solution.h"

namespace {

struct SFuzzEnvironment {
    SFuzzEnvironment() {
        folder = std::filesystem::temp_directory_path() / ("tramlet-mip-fuzz-" + std::to_string(::getpid()));
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
        document = std::make_unique<CTramletDoc>();
        if (!ImportTextProject(*document, TEST_DATA_DIR "/small/small.dat")) {
            std::abort();
        }
        ui.ClearRecords();
    }
    ~SFuzzEnvironment() {
        document.reset();
        app.reset();
        SetUserInterface(nullptr);
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }
    std::filesystem::path folder;
    CScriptedUserInterface ui;
    std::unique_ptr<CSableWinApp> app;
    std::unique_ptr<CTramletDoc> document;
};

SFuzzEnvironment& Environment() {
    static SFuzzEnvironment environment;
    return environment;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    SFuzzEnvironment& environment = Environment();
    CTramletDoc& document = *environment.document;
    std::string path = (environment.folder / "report.sol").string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    static const EMipSolver solvers[] = {EMipSolver::glpsol, EMipSolver::cplex, EMipSolver::gurobi};
    ERunResult result = ReadMipSolution(document, solvers[data[0] % 3], path);
    int facilities = document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
    if (result == ERunResult::recorded ? document.GetRoutedCount() != facilities
                                       : document.GetNumberOfRoutes() != 0) {
        std::abort();
    }
    // The statistics list would grow with every accepted report.
    document.GetAlgorithmStatistics().clear();
    environment.ui.ClearRecords();
    std::error_code error;
    std::filesystem::resize_file(environment.app->GetErrorLogFileName(), 0, error);
    return 0;
}
