#include "files/text_project_import.h"

#include <cstdlib>
#include <exception>
#include <new>
#include <strings.h>

#include "files/distance_data_file.h"
#include "files/facility_data_file.h"
#include "files/project_summary.h"
#include "files/route_data_file.h"
#include "files/scalar_data_file.h"
#include "files/text_line_reader.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/platform/user_interface.h"
#include "framework/random/random.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "runs/evaluate.h"

namespace {

// The steps of one import. Each file being read is named by its kind, which a file error names.
class CTextProjectImporter {
public:
    CTextProjectImporter(CTramletDoc& document, std::string path)
        : m_document(document), m_path(std::move(path)) {}

    void Run();
    const std::string& GetKindOfFile() const { return m_kindOfFile; }

private:
    void InitializeDocument();
    void ReadDataFiles();
    void ReadDistances();
    void Finish();

    CTramletDoc& m_document;
    std::string m_path;
    std::string m_kindOfFile = "Import Data";
    SCommonItemsPending m_pending;
};

void CTextProjectImporter::Run() {
    CTextLineReader reader;
    reader.Open(m_path);
    InitializeDocument();
    CScalarDataFileReader scalar(m_document, m_path);
    scalar.Read(reader);
    m_pending = scalar.GetPending();

    m_document.InitializeMapProjection();
    m_document.InitializeDisplaySizes();
    m_document.ResetAlgorithmParameters();
    m_document.ResetCurrentSolution();

    ReadDataFiles();
    ReadDistances();
    if (!m_document.GetMapFileName().empty()) {
        m_kindOfFile = "Import Map Data";
        m_document.GetGeoMap().Import(m_document.GetMapFileName(), m_document.GetMapProjection());
    }
    Finish();
}

void CTextProjectImporter::InitializeDocument() {
    m_document.Clear();
    m_document.InitializeCommonParameters();
    m_document.InitializeFleetParameters(true);
    m_document.SetMapProjectionType(MP_ORTHOGONAL);
    m_document.SetDistanceNorm(DN_EUCLIDEAN);
    m_document.SetDataVersion(60);
    m_document.SetPathName(m_path);
}

void CTextProjectImporter::ReadDataFiles() {
    for (int type = FT_CUSTOMER; type <= FT_ROUTE; ++type) {
        int count = m_document.GetSpecifiedCount(type);
        if (count == 0) {
            continue;
        }
        m_kindOfFile = "Import " + m_document.GetTypeName(type) + " Data";
        CTextLineReader reader;
        reader.Open(m_document.GetDataFileName(type));
        if (type == FT_ROUTE) {
            ReadRouteDataFile(m_document, count, reader);
        } else {
            ReadFacilityDataFile(m_document, type, count, reader);
        }
    }
}

void CTextProjectImporter::ReadDistances() {
    m_document.ResizeDistanceMatrix();
    EDISTANCENORM norm = m_document.GetDistanceNorm().GetNorm();
    if (norm != DN_TRANSPORTATION_NETWORK && norm != DN_EXTERNALLY_SPECIFIED) {
        m_document.ComputeAllDistances();
        return;
    }
    if (m_document.GetDistanceFileName().empty()) {
        DisplayErrorMessage("No distance file name specified");
        ThrowUserException();
    }
    m_kindOfFile = "Import Distance Data";
    CTextLineReader reader;
    reader.Open(m_document.GetDistanceFileName());
    const int n = m_document.GetTotalNumberOfFacilities();
    std::vector<std::string> labels;
    for (int i = 0; i < n; ++i) {
        labels.push_back(m_document.GetFacility(i)->GetLabel());
    }
    std::vector<double> distances;
    ReadDistanceData(reader, labels, distances);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            m_document.SetDistance(i, j, distances[static_cast<std::size_t>(i) * n + j]);
        }
    }
    m_document.GetDistanceData().UpdateAsymmetryFlag();
}

void CTextProjectImporter::Finish() {
    if (m_document.GetSpecifiedCount(FT_ROUTE) > 0) {
        double distance = 0.0;
        double penalty = 0.0;
        double cost = 0.0;
        m_document.GetDistancePenaltyCost(distance, penalty, cost);
        CAlgoStat& record = m_document.GetCurrentSolution();
        record.m_dDistance = distance;
        record.m_dCost = cost;
        NameImportedSolution(m_document);
    }
    CSableWinApp* app = CSableWinApp::GetApp();
    if (app != nullptr && !m_pending.outputLogFileName.empty()) {
        m_kindOfFile = "output log";
        app->SetOutputLogFileName(m_pending.outputLogFileName);
        app->WriteOutputLogMessage(FormatProjectSummary(m_document));
    }
    if (m_pending.reseed) {
        setseed(m_document.GetSeed());
    }
}

} // namespace

bool ImportTextProject(CTramletDoc& document, const std::string& path) {
    CSableWinApp* app = CSableWinApp::GetApp();
    document.MakeActive();
    if (app != nullptr) {
        app->SetIsImporting();
    }
    const std::string previousOutputLog = app != nullptr ? app->GetOutputLogFileName() : std::string();
    CTextProjectImporter importer(document, path);
    bool success = false;
    try {
        importer.Run();
        success = true;
    } catch (const CUserException&) {
        // The message has been shown.
    } catch (const CFileException& error) {
        bool write = importer.GetKindOfFile() == "output log";
        DisplayErrorMessage(CSableWinApp::ConstructFileErrorMessage(write, importer.GetKindOfFile(), error));
    } catch (const std::bad_alloc&) {
        DisplayErrorMessage(FormatString("Could not read from %s file \"%s\": out of memory",
                                         importer.GetKindOfFile().c_str(), path.c_str()));
    } catch (const std::exception& error) {
        DisplayErrorMessage(error.what());
    }
    if (!success) {
        document.Clear();
        document.SetPathName(std::string());
        // An output log made at the very end may not outlive the failed import.
        if (app != nullptr && app->GetOutputLogFileName() != previousOutputLog) {
            app->ForgetOutputLogFileName();
        }
    } else {
        document.SetModifiedFlag(false);
    }
    if (app != nullptr) {
        app->SetIsIdle();
    }
    return success;
}

std::unique_ptr<CTramletDoc> OpenTextProject(const std::string& path) {
    CSableWinApp* app = CSableWinApp::GetApp();
    CSableDocument* previous = app != nullptr ? app->GetDocument() : nullptr;
    auto document = std::make_unique<CTramletDoc>();
    if (ImportTextProject(*document, path)) {
        return document;
    }
    document.reset();
    if (app != nullptr) {
        app->SetDocument(previous);
    }
    return nullptr;
}

bool IsTextProjectFileName(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return false;
    }
    return strcasecmp(path.c_str() + dot, ".dat") == 0;
}

std::unique_ptr<CTramletDoc> OnFileImport() {
    CSableWinApp* app = CSableWinApp::GetApp();
    if (app != nullptr) {
        app->SetIsImporting();
    }
    std::optional<std::string> path =
        GetUserInterface().OpenFileDialog("Import File", "Import Files (*.dat)", "dat");
    std::unique_ptr<CTramletDoc> document;
    if (path) {
        WriteExecutionMessage(FormatString("Importing project from file %s\n", path->c_str()));
        document = OpenTextProject(*path);
    }
    if (app != nullptr) {
        app->SetIsIdle();
    }
    return document;
}
