// libFuzzer entry point for the benchmark instance reader and the solution file reader. One
// input is cut at the first line "====" into a .vrpb instance and a solution file; the instance
// is read into a new document and, when it was read, the solution into its routes. Nothing may
// crash or leak, a refused instance leaves an empty project and a refused solution no routes.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "files/benchmark_instance_import.h"
#include "files/solution_file.h"
#include "model/tramlet_doc.h"
#include "tests/fuzz/fuzz_environment.h"

namespace {

SFuzzEnvironment& Environment() {
    static SFuzzEnvironment environment("tramlet-vrpb-fuzz-");
    return environment;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SFuzzEnvironment& environment = Environment();
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find("\n====\n");
    const std::string instance = input.substr(0, cut);
    const std::string solution = cut == std::string::npos ? std::string() : input.substr(cut + 6);
    const std::string instancePath = (environment.folder / "i.vrpb").string();
    const std::string solutionPath = (environment.folder / "s.sol").string();
    std::ofstream(instancePath, std::ios::binary | std::ios::trunc) << instance;
    std::ofstream(solutionPath, std::ios::binary | std::ios::trunc) << solution;

    auto document = std::make_unique<CTramletDoc>();
    if (!ImportBenchmarkInstance(*document, instancePath)) {
        if (document->GetTotalNumberOfFacilities() != 0) {
            std::abort();
        }
    } else if (ReadSolutionFile(*document, solutionPath) != ERunResult::recorded &&
               document->GetNumberOfRoutes() != 0) {
        std::abort();
    }
    document.reset();
    environment.EndInput();
    return 0;
}
