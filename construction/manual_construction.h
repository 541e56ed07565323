#pragma once

#include "construction/nearest_neighbor_report.h"

class CFacility;
class CRoute;
class CTramletDoc;

// Manual construction (command 2111): the user builds routes by clicking facilities in the
// routes view. Start puts the document into the manual mode; the view forwards left-button
// releases on facility symbols (OnFacilityClicked) and the Escape key (OnEscape) while the mode
// is on. A click on a depot opens a route, a click on an unrouted customer or supplier appends
// it when the order (customers before suppliers) and the loads allow, a click on the last
// appended facility takes it off again, and a click on the route's depot closes the route. The
// run ends, and is recorded as "Manual Construction", when the last vehicle's route is closed,
// every eligible facility is routed, or Escape is pressed; Abort ends it without a record.
class CManualConstruction {
public:
    explicit CManualConstruction(CTramletDoc& document);

    // Whether the command is enabled: no algorithm runs, a depot exists, and customers or
    // suppliers exist.
    static bool CanStart(const CTramletDoc& document);

    // Starts the mode: the running mark, report level Standard, the announcement, all routes
    // deleted, the heading in the output log, the "Add Facility Report" shown. Without any
    // eligible customer or supplier it warns and ends at once. Returns whether the mode is on.
    bool Start();
    bool IsActive() const { return m_active; }

    // A click on facility f. Returns whether the click did anything (ignored clicks: false).
    bool OnFacilityClicked(CFacility* f);
    // Escape: closes the route under construction at its depot and finishes the run.
    void OnEscape();
    // The toolbar's abort button: "Algorithm aborted by the user", all routes deleted, nothing
    // recorded.
    void Abort();

    // The step references: the route under construction (null while waiting for a depot), its
    // depot, the last appended facility and the one before it.
    CRoute* GetRoute() const { return m_route; }
    const CFacility* GetDepot() const { return m_depot; }
    const CFacility* GetLastFacility() const { return m_last; }
    const CFacility* GetPreviousFacility() const { return m_previous; }

private:
    void StartRoute(CFacility* depot);
    void Undo();
    void CloseRoute();
    bool CanAppend(const CFacility* f) const;
    void Append(CFacility* f);
    void DeleteRouteUnderConstruction();
    void ClearStepReferences();
    // Refreshes the status window with the step (the facility appended or left last, the one
    // before it, the distance the step added) and redraws the views, at Standard and above;
    // then pauses at Detailed and above when pause is set.
    void ShowProgress(const CFacility* appended, const CFacility* anchor, double distance, bool pause);
    bool AllEligibleRouted() const;
    void Finish();
    // Ends the mode after an exception: status window hidden, routes deleted, run status -1.
    void Fail();
    void EndMode();
    // Runs a step; the exceptions that end a run end the mode through Fail.
    template <class Step> void Guarded(Step&& step);

    CTramletDoc& m_document;
    bool m_active = false;
    CRoute* m_route = nullptr;
    CFacility* m_depot = nullptr;
    CFacility* m_last = nullptr;
    CFacility* m_previous = nullptr;
    CReportAddFacility m_report;
};
