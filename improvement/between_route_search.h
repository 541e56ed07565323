#pragma once

// What Move Facility and Swap Facility share: the flat view of the routes, the counters and the
// status window of a run, the run itself and the Debug lines of the output log.

#include <cassert>
#include <cstdio>
#include <functional>
#include <vector>

#include "framework/platform/user_interface.h"
#include "improvement/improvement_operator.h"
#include "improvement/route_scan_view.h"
#include "improvement/step_report.h"

class CAlgoStat;
class CFacility;
class CTramletDoc;

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

// A search that moves customers and suppliers between routes: Move Facility and Swap Facility.
// Both apply to every project.
class CBetweenRouteSearch : public IImprovementOperator {
public:
    unsigned GetNameId() const override { return m_nameId; }
    unsigned GetTitleId() const { return m_titleId; }
    bool Supports(const CTramletDoc&) const override { return true; }
    int GetStepCount() const { return m_lSteps; }
    double GetCumulativeSavings() const { return m_dCumulativeSavings; }
    const SStepReport& GetReport() const { return m_report; }

    // The whole run inside the frame: at Standard and above the check with the cost check and
    // the emptied status window; the counters at 0; the descent of this search alone; the
    // record's delta objective and count.
    void Run(CAlgoStat& record);

protected:
    CBetweenRouteSearch(CTramletDoc& document, unsigned nameId, unsigned titleId)
        : m_document(document), m_nameId(nameId), m_titleId(titleId) {
        assert(nameId != 0 && titleId != 0 && "a search has a name and a status window");
    }
    virtual ~CBetweenRouteSearch() = default;

    // The fields of the status window, read from the step report.
    virtual std::vector<SStatusField> GetReportFields() const = 0;
    // Refreshes the status window.
    void ShowReport() const;
    // Whether the savings of the best candidate are real and not rounding noise: above a
    // ten-billionth of the recorded distance. On road distances a facility often lies on the road
    // between its neighbours, so moving it away and back both "save" a last-digit difference,
    // and the descent would never end.
    bool IsRealSaving(double savings) const;
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

private:
    unsigned m_nameId;
    unsigned m_titleId;
};

// Whether Move Facility and Swap Facility are enabled: no algorithm runs and the project has at
// least two routes.
bool CanMoveOrSwapFacility(const CTramletDoc& document);

// Move Facility or Swap Facility in the frame of the improvements, with its status window;
// refused unless CanMoveOrSwapFacility.
ERunResult RunBetweenRouteSearch(CTramletDoc& document, CBetweenRouteSearch& search);
