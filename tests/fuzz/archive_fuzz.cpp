// libFuzzer entry point for the binary project archive reader. One input is read as an archive
// into a new document. A refused input must leave the document empty; an accepted one must be
// stored again and read back into the same bytes. Nothing may crash or leak.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "files/archive/binary_project_file.h"
#include "model/tramlet_doc.h"
#include "tests/fuzz/fuzz_environment.h"

namespace {

SFuzzEnvironment& Environment() {
    static SFuzzEnvironment environment("tramlet-archive-fuzz-");
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
    environment.EndInput();
    return 0;
}
