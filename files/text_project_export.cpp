#include "files/text_project_export.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <new>
#include <strings.h>
#include <vector>

#include "files/data_file_names.h"
#include "files/distance_data_file.h"
#include "files/facility_data_file.h"
#include "files/route_data_file.h"
#include "files/scalar_data_file.h"
#include "framework/application/sable_win_app.h"
#include "framework/archive/safe_file.h"
#include "framework/exceptions/file_exception.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

namespace {

// The extensions of the data files an export writes beside its scalar data file.
const char* const kDataFileExtensions[] = {"cus", "sup", "dep", "rou", "dist"};

// Lets write fill a text in memory, which becomes the bytes of one file of the export.
std::string WriteText(const std::function<void(std::FILE*)>& write) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* file = ::open_memstream(&buffer, &size);
    if (file == nullptr) {
        throw std::bad_alloc();
    }
    write(file);
    std::fclose(file);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

// One file of the export: its target, the kind named by a file error, and its temporary file,
// which replaces the target only when every file of the export has been written.
struct SExportFile {
    std::string path;
    std::string kindOfFile;
    std::unique_ptr<CSafeFileWriter> writer;
};

// Refuses an empty name and a name that one of the data files would overwrite.
bool CheckExportFileName(const std::string& path) {
    if (path.empty()) {
        DisplayErrorMessage("Invalid empty export file name");
        return false;
    }
    std::size_t slash = path.find_last_of('/');
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return true;
    }
    const std::string extension = path.substr(dot + 1);
    for (const char* data : kDataFileExtensions) {
        if (strcasecmp(extension.c_str(), data) == 0) {
            DisplayErrorMessage(
                FormatString("Invalid export file name %s: the extension .%s is that of a data "
                             "file the export writes beside it",
                             path.c_str(), extension.c_str()));
            return false;
        }
    }
    return true;
}

} // namespace

bool ExportTextProject(CTramletDoc& document, const std::string& path) {
    CSableWinApp* app = CSableWinApp::GetApp();
    if (!CheckExportFileName(path)) {
        if (app != nullptr) {
            app->SetIsIdle();
        }
        return false;
    }
    // The names the document had, given back when the export fails.
    std::string previousNames[NUMBER_OF_FACILITY_TYPES + 1];
    for (int type = FT_CUSTOMER; type <= FT_ROUTE; ++type) {
        previousNames[type] = document.GetDataFileName(type);
    }
    const std::string previousDistanceFile = document.GetDistanceFileName();
    const unsigned previousVersion = document.GetDataVersion();
    std::vector<SExportFile> files;
    std::string kindOfFile = "Export Data";
    bool success = false;
    try {
        auto stage = [&](const std::string& name, const std::string& kind, const std::string& text) {
            kindOfFile = kind;
            files.push_back({name, kind, std::make_unique<CSafeFileWriter>(name)});
            files.back().writer->Write(text.data(), text.size());
        };
        for (int type = FT_CUSTOMER; type <= FT_ROUTE; ++type) {
            int count =
                type == FT_ROUTE ? document.GetNumberOfRoutes() : document.GetNumberOfFacilities(type);
            if (count == 0) {
                continue;
            }
            std::string name = ReplaceFileExtension(path, document.GetTypeCode(type));
            document.SetDataFileName(type, name);
            stage(name, "Export " + document.GetTypeName(type) + " Data", WriteText([&](std::FILE* file) {
                      if (type == FT_ROUTE) {
                          WriteRouteDataFile(document, file);
                      } else {
                          WriteFacilityDataFile(document, type, file);
                      }
                  }));
        }
        EDISTANCENORM norm = document.GetDistanceNorm().GetNorm();
        if (norm == DN_TRANSPORTATION_NETWORK || norm == DN_EXTERNALLY_SPECIFIED) {
            std::string name = ReplaceFileExtension(path, "dist");
            document.SetDistanceFileName(name);
            std::vector<std::string> labels;
            for (int i = 0; i < document.GetTotalNumberOfFacilities(); ++i) {
                labels.push_back(document.GetFacility(i)->GetLabel());
            }
            stage(name, "Export Distance Data", WriteText([&](std::FILE* file) {
                      WriteDistanceData(file, labels,
                                        [&](int i, int j) { return document.GetDistance(i, j); });
                  }));
        } else {
            document.SetDistanceFileName(std::string());
        }
        document.SetDataVersion(TEXT_PROJECT_DATA_VERSION);
        std::string outputLog = app != nullptr ? app->GetOutputLogFileName() : std::string();
        stage(path, "Export Data",
              WriteText([&](std::FILE* file) { WriteScalarDataFile(file, document, path, outputLog); }));
        // Every file is complete: they replace the old ones, the scalar data file last.
        for (SExportFile& file : files) {
            kindOfFile = file.kindOfFile;
            file.writer->Commit();
        }
        success = true;
    } catch (const CFileException& error) {
        DisplayErrorMessage(CSableWinApp::ConstructFileErrorMessage(true, kindOfFile, error));
    } catch (const std::bad_alloc&) {
        DisplayErrorMessage(FormatString("Could not write to %s file \"%s\": out of memory",
                                         kindOfFile.c_str(), path.c_str()));
    }
    if (!success) {
        for (int type = FT_CUSTOMER; type <= FT_ROUTE; ++type) {
            document.SetDataFileName(type, previousNames[type]);
        }
        document.SetDistanceFileName(previousDistanceFile);
        document.SetDataVersion(previousVersion);
    }
    if (app != nullptr) {
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
