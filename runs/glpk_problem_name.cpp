#include "runs/glpk_problem_name.h"

#include <filesystem>

#include "framework/application/sable_win_app.h"
#include "model/tramlet_doc.h"

std::string GlpkProblemName(const CTramletDoc& document, const CSableWinApp& app) {
    std::string name = document.GetPathName().empty()
                           ? app.GetAppName()
                           : std::filesystem::path(document.GetPathName()).stem().string();
    if (name.size() > 255) {
        name.resize(255);
    }
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = '_';
        }
    }
    return name;
}
