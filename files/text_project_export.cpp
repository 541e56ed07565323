#include "files/text_project_export.h"

#include <cerrno>
#include <cstdio>
#include <functional>

#include "files/data_file_names.h"
#include "files/distance_data_file.h"
#include "files/facility_data_file.h"
#include "files/route_data_file.h"
#include "files/scalar_data_file.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/file_exception.h"
#include "framework/platform/user_interface.h"
#include "model/tramlet_doc.h"

namespace {

// Creates (or empties) the file and lets write fill it; a failed open, write or close raises
// a file exception.
void WriteTextFile(const std::string& path, const std::function<void(std::FILE*)>& write) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        throw CFileException::FromErrno(path, errno);
    }
    write(file);
    bool failed = std::ferror(file) != 0;
    int error = errno;
    if (std::fclose(file) != 0 && !failed) {
        failed = true;
        error = errno;
    }
    if (failed) {
        throw CFileException::FromErrno(path, error != 0 ? error : EIO);
    }
}

} // namespace

bool ExportTextProject(CTramletDoc& document, const std::string& path) {
    std::string kindOfFile = "Export Data";
    bool success = false;
    try {
        for (int type = FT_CUSTOMER; type <= FT_ROUTE; ++type) {
            int count =
                type == FT_ROUTE ? document.GetNumberOfRoutes() : document.GetNumberOfFacilities(type);
            if (count == 0) {
                continue;
            }
            std::string name = ReplaceFileExtension(path, document.GetTypeCode(type));
            document.SetDataFileName(type, name);
            kindOfFile = "Export " + document.GetTypeName(type) + " Data";
            WriteTextFile(name, [&](std::FILE* file) {
                if (type == FT_ROUTE) {
                    WriteRouteDataFile(document, file);
                } else {
                    WriteFacilityDataFile(document, type, file);
                }
            });
        }
        EDISTANCENORM norm = document.GetDistanceNorm().GetNorm();
        if (norm == DN_TRANSPORTATION_NETWORK || norm == DN_EXTERNALLY_SPECIFIED) {
            std::string name = ReplaceFileExtension(path, "dist");
            document.SetDistanceFileName(name);
            kindOfFile = "Export Distance Data";
            std::vector<std::string> labels;
            for (int i = 0; i < document.GetTotalNumberOfFacilities(); ++i) {
                labels.push_back(document.GetFacility(i)->GetLabel());
            }
            WriteTextFile(name, [&](std::FILE* file) {
                WriteDistanceData(file, labels, [&](int i, int j) { return document.GetDistance(i, j); });
            });
        } else {
            document.SetDistanceFileName(std::string());
        }
        document.SetDataVersion(TEXT_PROJECT_DATA_VERSION);
        kindOfFile = "Export Data";
        CSableWinApp* app = CSableWinApp::GetApp();
        std::string outputLog = app != nullptr ? app->GetOutputLogFileName() : std::string();
        WriteTextFile(path, [&](std::FILE* file) { WriteScalarDataFile(file, document, path, outputLog); });
        success = true;
    } catch (const CFileException& error) {
        DisplayErrorMessage(CSableWinApp::ConstructFileErrorMessage(true, kindOfFile, error));
    }
    if (CSableWinApp* app = CSableWinApp::GetApp()) {
        app->SetIsIdle();
    }
    return success;
}

bool OnFileExport(CTramletDoc& document) {
    std::optional<std::string> path = GetUserInterface().SaveFileDialog(
        "Export Data File", "Export Files (*.dat)", "dat", document.GetPathName());
    if (!path) {
        return false;
    }
    return ExportTextProject(document, *path);
}
