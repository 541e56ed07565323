// libFuzzer entry point for the solution report readers of the MIP model. The first byte of an
// input chooses the reader (glpsol, cplex, gurobi), the rest is the report, read into the small
// test project (four customers, three suppliers, three vehicles). Nothing may crash or leak; a
// refused report leaves the project without routes, an accepted one with every customer and
// supplier on a route.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "files/text_project_import.h"
#include "model/tramlet_doc.h"
#include "optimisation/mip_solution.h"
#include "tests/fuzz/fuzz_environment.h"

namespace {

struct SMipFuzzEnvironment : SFuzzEnvironment {
    SMipFuzzEnvironment() : SFuzzEnvironment("tramlet-mip-fuzz-") {
        if (!ImportTextProject(*document, TEST_DATA_DIR "/small/small.dat")) {
            std::abort();
        }
        ui.ClearRecords();
    }
    // Destroyed before the application it was opened in.
    std::unique_ptr<CTramletDoc> document = std::make_unique<CTramletDoc>();
};

SMipFuzzEnvironment& Environment() {
    static SMipFuzzEnvironment environment;
    return environment;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    SMipFuzzEnvironment& environment = Environment();
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
    environment.EndInput();
    return 0;
}
