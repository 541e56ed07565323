#pragma once

// What the status windows of the improvements show after each step, and the display routes
// that draw a step over the project's routes.

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class CFacility;
class CRoute;
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
