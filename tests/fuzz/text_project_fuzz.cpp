// libFuzzer entry point for the text project readers. One input is cut into the files of a text
// project at lines "====" (scalar data file, customer, supplier, depot, route and distance data
// files, in that order) and imported into a new document inside a scratch folder; the distance
// data reader is also run alone on the first part. Nothing may crash, leak or leave a half-read
// project behind.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "files/distance_data_file.h"
#include "files/text_line_reader.h"
#include "files/text_project_import.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "model/tramlet_doc.h"
#include "tests/fuzz/fuzz_environment.h"

namespace {

SFuzzEnvironment& Environment() {
    static SFuzzEnvironment environment("tramlet-fuzz-");
    return environment;
}

std::vector<std::string> SplitParts(const std::string& input) {
    std::vector<std::string> parts(1);
    std::size_t position = 0;
    while (position <= input.size()) {
        std::size_t end = input.find('\n', position);
        std::string line =
            input.substr(position, end == std::string::npos ? std::string::npos : end - position);
        if (line == "====" && parts.size() < 6) {
            parts.emplace_back();
        } else {
            parts.back() += line;
            if (end != std::string::npos) {
                parts.back() += '\n';
            }
        }
        if (end == std::string::npos) {
            break;
        }
        position = end + 1;
    }
    parts.resize(6);
    return parts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SFuzzEnvironment& environment = Environment();
    std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts = SplitParts(input);

    // An output log named by the input would be emptied wherever it points.
    std::string lowered = parts[0];
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lowered.find("[output_log_file_name]") != std::string::npos) {
        return 0;
    }

    const char* names[6] = {"p.dat", "p.cus", "p.sup", "p.dep", "p.rou", "p.dist"};
    for (int i = 0; i < 6; ++i) {
        std::ofstream(environment.folder / names[i], std::ios::binary | std::ios::trunc) << parts[i];
    }

    CTextLineReader reader;
    reader.Attach(parts[0], "fuzz.dist");
    std::vector<double> distances;
    try {
        ReadDistanceData(reader, {"c1", "s1", "d1"}, distances);
    } catch (const CUserException&) {
    } catch (const CFileException&) {
    }

    auto document = std::make_unique<CTramletDoc>();
    bool imported = ImportTextProject(*document, (environment.folder / names[0]).string());
    if (!imported && (document->GetTotalNumberOfFacilities() != 0 || document->GetNumberOfRoutes() != 0)) {
        std::abort();
    }
    document.reset();
    environment.EndInput();
    return 0;
}
