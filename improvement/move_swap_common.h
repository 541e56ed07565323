#pragma once

// What Move Facility and Swap Facility share: the step report their status windows show, the
// display routes of a step, a flat view of the routes for the scans, the Debug lines of the
// output log and the frame of a run.

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "model/route.h"
#include "runs/run_frame.h"

class CAlgoStat;
class CFacility;
class CTramletDoc;

constexpr int STEP_REPORT_FACILITY_SLOTS = 10;
constexpr int STEP_REPORT_ROUTE_SLOTS = 2;

// The fields a status window reads after each step: the steps applied in the run, the savings
// of the last step, the cumulative savings, and the facilities and routes of the last step.
struct SStepReport {
    int m_lCount = 0;
    double m_dLastSavings = 0.0;
    double m_dCumulativeSavings = 0.0;
    const CFacility* m_pFacility[STEP_REPORT_FACILITY_SLOTS] = {};
    const CRoute* m_pRoute[STEP_REPORT_ROUTE_SLOTS] = {};

    // Empties every field (the start of a run).
    void Clear() { *this = SStepReport(); }
    // One more step with these savings.
    void AddStep(double savings) {
        m_lCount += 1;
        m_dLastSavings = savings;
        m_dCumulativeSavings += savings;
    }
};

// A facility of a status window: type name and label ("Customer c1"), "None" for an empty slot.
std::string FormatReportFacility(const CFacility* f);
// The room a route has left for a type, "None" for an empty slot.
std::string FormatReportCapacity(const CRoute* route, int type);

// The short routes that show one step, drawn over the project's routes. At report level
// Detailed they are added to the project as temporary routes while the run pauses, and always
// taken out again, so the project's routes are as before.
class CStepDisplayRoutes {
public:
    explicit CStepDisplayRoutes(CTramletDoc& document) : m_document(document) {}
    // A display route of the facilities in order (their route fields untouched).
    void Add(std::initializer_list<CFacility*> sequence, int colorIndex);
    // The Detailed display: colours set, the routes added as temporary routes, graphical views
    // redrawn, the status window refreshed, the run paused; then the temporary routes removed.
    // An abort from the pause dialog removes them too before it ends the run.
    void ShowAndPause(const std::function<void()>& refreshStatusWindow);
    int GetCount() const { return static_cast<int>(m_routes.size()); }
    const CRoute& GetRoute(int k) const { return *m_routes[k].route; }

private:
    struct SDisplayRoute {
        std::unique_ptr<CRoute> route;
        int colorIndex = 0;
    };
    void RemoveTemporaryRoutes(int added);

    CTramletDoc& m_document;
    std::vector<SDisplayRoute> m_routes;
};

// A flat copy of the routes' visiting sequences, made once per scan so that the inner loops of
// the scans read arrays and the distance matrix only. Its buffers are kept from scan to scan.
struct SScanEntry {
    CFacility* facility;
    CRoute::POSITION position;
    int index;    // the facility's number (its distance-matrix row)
    int type;     // customer 0, supplier 1, depot 2
    int quantity; // the facility's quantity
};
struct SScanRoute {
    CRoute* route;
    int first; // the first entry of the route in the entry array
    int size;  // its number of entries
    // A route holding only its two depot entries (or nothing) has nothing to move.
    bool HasFacilities() const { return size > 2; }
};
class CRouteScanView {
public:
    void Build(CTramletDoc& document);
    std::vector<SScanEntry> entries;
    std::vector<SScanRoute> routes;
};

// The Debug lines of the scans: "... %s %s from link (%s %s, %s %s) with quantity %d and ...
// %.3lf\n" for a facility leaving its link (p, f, s), and "... link (%s %s, %s %s) ... %.3lf\n"
// for a link (a, b) with a value. Type name and label of each facility.
void WriteFacilityLine(std::FILE* file, const char* format, const CFacility* f, const CFacility* p,
                       const CFacility* s, int quantity, double value);
void WriteLinkLine(std::FILE* file, const char* format, const CFacility* a, const CFacility* b, double value);
void WriteBestLine(std::FILE* file, const char* format, const CFacility* f, const CFacility* p,
                   const CFacility* s);

// Runs scan with the output log open for appending when the report level is Debug and an
// output log is set (a failed open raises a CFileException), else with a null file.
void RunScanWithDebugLog(CTramletDoc& document, const std::function<void(std::FILE*)>& scan);

// What Move Facility and Swap Facility share: the document, the flat view of the routes, the
// counters of a run and the step report of the status window.
class CBetweenRouteSearch {
public:
    int GetStepCount() const { return m_lSteps; }
    double GetCumulativeSavings() const { return m_dCumulativeSavings; }
    const SStepReport& GetReport() const { return m_report; }
    // The whole run inside the frame (RunSteps with the search's scan and step).
    virtual void Run(CAlgoStat& record) = 0;

protected:
    explicit CBetweenRouteSearch(CTramletDoc& document) : m_document(document) {}
    virtual ~CBetweenRouteSearch() = default;

    // Refreshes the status window from the step report.
    virtual void ShowReport() const = 0;
    // A whole run inside the frame: at Standard and above the check with the cost check and the
    // emptied status window; the counters at 0; then passes of step (a scan, and the change it
    // found applied: true; false when it found none), each followed by the continuation check,
    // until a pass finds nothing; the record's delta objective and count.
    void RunSteps(CAlgoStat& record, const std::function<bool()>& step);
    // An applied step: the recorded distance and cost lose its savings, the counters count it.
    void CountStep(double savings);
    // At Standard and above, after the step's slots are filled: the step counted in the report;
    // at Detailed its display routes shown as temporary routes while the run pauses; then the
    // graphical views redrawn and the status window refreshed.
    void ShowStep(double savings, CStepDisplayRoutes& display);

    CTramletDoc& m_document;
    CRouteScanView m_view;
    int m_lSteps = 0;
    double m_dCumulativeSavings = 0.0;
    SStepReport m_report;
};

// Whether Move Facility and Swap Facility are enabled: no algorithm runs and the project has at
// least two routes.
bool CanMoveOrSwapFacility(const CTramletDoc& document);

// The frame of the improvements: the run frame with the Abort dialog and no heading (options
// give the name, the announcement and the status window). A run ended by an abort, a refused
// time-limit extension or a failed check deletes all routes and records nothing; one ended by a
// failed output-log write or by exhausted memory records nothing and leaves the routes as the
// last completed step left them. The check after the run and the modified mark need a step
// applied (changedRoutes).
ERunResult RunImprovementFrame(CTramletDoc& document, SRunOptions options, const AlgorithmBody& body,
                               std::function<bool()> changedRoutes);
// Move Facility or Swap Facility in that frame, named by nameId, with the status window titled
// by titleId; refused unless CanMoveOrSwapFacility.
ERunResult RunBetweenRouteSearch(CTramletDoc& document, CBetweenRouteSearch& search, unsigned nameId,
                                 unsigned titleId);
