#include "files/archive/binary_project_file.h"

#include <functional>
#include <new>
#include <optional>
#include <strings.h>

#include "files/archive/loaded_project_check.h"
#include "files/benchmark_instance_import.h"
#include "files/project_summary.h"
#include "files/text_project_import.h"
#include "framework/application/sable_win_app.h"
#include "framework/archive/archive.h"
#include "framework/archive/archive_errors.h"
#include "framework/archive/safe_file.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "runs/evaluate.h"

const char* const kBinaryProjectFilter = "Tramlet Binary Project Files (*.tramlet)";
const char* const kBinaryProjectExtension = "tramlet";
const char* const kBinaryProjectKind = "binary project";

namespace {

bool HasExtension(const std::string& path, const char* extension) {
    std::size_t slash = path.find_last_of('/');
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return false;
    }
    return strcasecmp(path.c_str() + dot + 1, extension) == 0;
}

// Archives of old versions numbered customers, suppliers and depots alike ("1", "2", ...): when
// the first customer and the first supplier share a label, the types get the prefixes "c" and
// "s", and "d" too when the first depot has the same label as well.
void UpdateOldArchiveLabels(CTramletDoc& document) {
    if (document.GetNumberOfCustomers() == 0 || document.GetNumberOfSuppliers() == 0 ||
        document.GetNumberOfDepots() == 0) {
        return;
    }
    const std::string firstCustomer = document.GetFacility(FT_CUSTOMER, 0)->GetLabel();
    if (firstCustomer != document.GetFacility(FT_SUPPLIER, 0)->GetLabel()) {
        return;
    }
    const bool depots = document.GetFacility(FT_DEPOT, 0)->GetLabel() == firstCustomer;
    const char* prefixes[NUMBER_OF_FACILITY_TYPES] = {"c", "s", "d"};
    for (int type = FT_CUSTOMER; type <= (depots ? FT_DEPOT : FT_SUPPLIER); ++type) {
        for (int k = 0; k < document.GetNumberOfFacilities(type); ++k) {
            CFacility* f = document.GetFacility(type, k);
            f->SetLabel(prefixes[type] + f->GetLabel());
        }
    }
}

void ReportOutputLogFailure(const CFileException& error) {
    DisplayErrorMessage(CSableWinApp::ConstructFileErrorMessage(true, "output log", error));
}

// What the open does after the archive has been read.
void CompleteOpen(CTramletDoc& document) {
    document.ResetCurrentSolution();
    document.SetModifiedFlag(false);
    UpdateOldArchiveLabels(document);
    // Values the text import would refuse are refused here too: what opens can be exported.
    CheckLoadedProject(document, document.GetPathName());
    // The quantity symbols follow the capacity, which the archive stores after the facilities.
    for (int i = 0; i < document.GetTotalNumberOfFacilities(); ++i) {
        CFacility* f = document.GetFacility(i);
        f->SetQuantity(f->GetQuantity());
    }
    // Routes: routed count, distance, penalty and cost, and the check with the cost check. A
    // failed check raises a user exception and ends the open.
    EvaluateLoadedSolution(document);
    // The summary goes to the output log before the "Initial Load" record does.
    CSableWinApp* app = CSableWinApp::GetApp();
    if (app != nullptr && app->HasOutputLogFile()) {
        try {
            app->WriteOutputLogMessage(FormatProjectSummary(document));
        } catch (const CFileException& error) {
            ReportOutputLogFailure(error);
        }
    }
    try {
        RecordInitialLoad(document);
    } catch (const CFileException& error) {
        ReportOutputLogFailure(error);
    }
    document.SetModifiedFlag(false);
    document.RedrawAllViews();
}

// Reads and completes; false after the failure has been reported.
bool ReadArchive(CTramletDoc& document, const std::string& fileName,
                 const std::function<std::string()>& bytes) {
    document.MakeActive();
    try {
        CArchive archive(bytes(), fileName);
        archive.m_pDocument = &document;
        document.Serialize(archive);
        document.SetPathName(fileName);
        CompleteOpen(document);
        return true;
    } catch (const CUserException&) {
        // The message has been shown.
    } catch (const CArchiveException& error) {
        DisplayErrorMessage(ConstructArchiveErrorMessage(false, kBinaryProjectKind, error));
    } catch (const CFileException& error) {
        DisplayErrorMessage(CSableWinApp::ConstructFileErrorMessage(false, kBinaryProjectKind, error));
    } catch (const std::bad_alloc&) {
        DisplayErrorMessage(FormatString("Could not read from %s file \"%s\": out of memory",
                                         kBinaryProjectKind, fileName.c_str()));
    }
    // Nothing half-read remains.
    document.Clear();
    document.SetPathName(std::string());
    document.SetModifiedFlag(false);
    return false;
}

std::string ProposedSaveName(const CTramletDoc& document) {
    std::string path = document.GetPathName();
    if (path.empty()) {
        path = document.GetDocTitle().empty() ? std::string("Untitled") : document.GetDocTitle();
    } else {
        std::size_t slash = path.find_last_of('/');
        std::size_t dot = path.find_last_of('.');
        if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
            path.erase(dot);
        }
    }
    return path + "." + kBinaryProjectExtension;
}

} // namespace

bool IsBinaryProjectFileName(const std::string& path) {
    return HasExtension(path, kBinaryProjectExtension);
}

std::string StoreBinaryProject(CTramletDoc& document, const std::string& fileName) {
    CArchive archive(fileName);
    archive.m_pDocument = &document;
    document.Serialize(archive);
    return archive.GetBuffer();
}

bool LoadBinaryProject(CTramletDoc& document, std::string bytes, const std::string& fileName) {
    return ReadArchive(document, fileName, [&bytes]() { return std::move(bytes); });
}

bool CTramletDoc::OnOpenDocument(const std::string& path) {
    if (IsBenchmarkInstanceFileName(path)) {
        return ImportBenchmarkInstance(*this, path);
    }
    if (IsTextProjectFileName(path) || IsImportingProject()) {
        return ImportTextProject(*this, path);
    }
    if (ReadArchive(*this, path, [&path]() { return ReadFileBytes(path); })) {
        return true;
    }
    if (IsImportingProject()) {
        return ImportTextProject(*this, path);
    }
    return false;
}

bool CTramletDoc::OnSaveDocument(const std::string& path) {
    try {
        WriteFileSafely(path, StoreBinaryProject(*this, path));
    } catch (const CFileException& error) {
        DisplayErrorMessage(CSableWinApp::ConstructFileErrorMessage(true, kBinaryProjectKind, error));
        return false;
    } catch (const CArchiveException& error) {
        DisplayErrorMessage(ConstructArchiveErrorMessage(true, kBinaryProjectKind, error));
        return false;
    } catch (const std::bad_alloc&) {
        DisplayErrorMessage(FormatString("Could not write to %s file \"%s\": out of memory",
                                         kBinaryProjectKind, path.c_str()));
        return false;
    }
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

std::unique_ptr<CTramletDoc> OpenProjectFile(const std::string& path) {
    CSableWinApp* app = CSableWinApp::GetApp();
    CSableDocument* previous = app != nullptr ? app->GetDocument() : nullptr;
    auto document = std::make_unique<CTramletDoc>();
    document->MakeActive();
    if (document->OnOpenDocument(path)) {
        return document;
    }
    document.reset();
    if (app != nullptr) {
        app->SetDocument(previous);
    }
    return nullptr;
}

std::unique_ptr<CTramletDoc> OnFileOpen() {
    std::optional<std::string> path =
        GetUserInterface().OpenFileDialog("Open", kBinaryProjectFilter, kBinaryProjectExtension);
    if (!path) {
        return nullptr;
    }
    return OpenProjectFile(*path);
}

bool OnFileSave(CTramletDoc& document) {
    // A project imported from text files still names its scalar data file: it is saved as a new
    // binary project rather than over that file.
    if (document.GetPathName().empty() || !IsBinaryProjectFileName(document.GetPathName())) {
        return OnFileSaveAs(document);
    }
    return document.OnSaveDocument(document.GetPathName());
}

bool OnFileSaveAs(CTramletDoc& document) {
    std::optional<std::string> path = GetUserInterface().SaveFileDialog(
        "Save As", kBinaryProjectFilter, kBinaryProjectExtension, ProposedSaveName(document));
    if (!path || path->empty()) {
        return false;
    }
    std::string chosen = *path;
    std::size_t slash = chosen.find_last_of('/');
    std::size_t dot = chosen.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        chosen += std::string(".") + kBinaryProjectExtension;
    }
    return document.OnSaveDocument(chosen);
}
