#pragma once

#include <memory>
#include <string>

#include "framework/application/sable_win_app.h"
#include "model/tramlet_doc.h"

// The program's application: the framework application with the program's version record and
// string tables, holding the one open project.
class CTramletApp : public CSableWinApp {
public:
    CTramletApp();
    ~CTramletApp() override;

    // The one application object when it is a CTramletApp, else null.
    static CTramletApp* GetTramletApp();

    // Registers the program's string tables, starts the framework (execution log, version
    // record, "Started" line), probes the road network once and takes the project named on the command line,
    // if any, without creating an empty project. False when the framework could not start.
    bool InitInstance() override;
    // Closes the project, releases the road network and writes the "Stopped" line.
    int ExitInstance() override;

    // The road network extract to probe at start (empty: the TRAMLET_ROAD_NETWORK variable's).
    void SetRoadNetworkFile(const std::string& path) { m_roadNetworkFile = path; }
    // Why the road network given at start could not be loaded (empty when it loaded or none was
    // given).
    const std::string& GetRoadNetworkFailure() const { return m_roadNetworkFailure; }

    // argv[1], when given, names the project to open.
    void ParseCommandLine(int argc, const char* const* argv);
    const std::string& GetCommandLineProject() const { return m_strCommandLineProject; }

    // The open project, or null when none is open.
    CTramletDoc* GetTramletDocument() const { return m_document.get(); }
    // Closes the open project and makes a new one (OnNewDocument with the default limits).
    CTramletDoc* OnFileNew();
    // Takes over a document (an opened or imported project) as the open project.
    CTramletDoc* SetTramletDocument(std::unique_ptr<CTramletDoc> document);
    // Closes the open project.
    void CloseTramletDocument();

    // Registers the program's tables of numbered texts (each subsystem's).
    static void RegisterProgramStringTables();

private:
    std::string m_strCommandLineProject;
    std::string m_roadNetworkFile;
    std::string m_roadNetworkFailure;
    std::unique_ptr<CTramletDoc> m_document;
};
