#pragma once

#include <memory>
#include <string>

#include "model/route.h"

class CTramletDoc;

// Title of the status window the savings commands show (CReportInsertFacility's).
inline constexpr const char* SAVINGS_STATUS_WINDOW = "Insert Facility Report";

// ---- the ends of a route (depot, facilities..., depot) ----

// The first and last facility after and before the depot entries; null for a route without one.
CFacility* GetFirstFacility(const CRoute& route);
CFacility* GetLastFacility(const CRoute& route);
CRoute::POSITION GetFirstFacilityPosition(CRoute& route);
CRoute::POSITION GetLastFacilityPosition(CRoute& route);
// Customers plus suppliers on the route.
inline int GetNumberOfFacilities(const CRoute& route) {
    return route.GetNumberOfCustomers() + route.GetNumberOfSuppliers();
}
// True when the route holds customers only or suppliers only.
inline bool HoldsOneType(const CRoute& route) {
    return route.GetNumberOfCustomers() == 0 || route.GetNumberOfSuppliers() == 0;
}
// Reverses the order of the facilities between the two depot entries.
void ReverseRouteFacilities(CRoute& route);
// A new route depot, facilities..., depot of the document (not yet added to it); the
// facilities' route fields are set when setRoute.
std::unique_ptr<CRoute> MakeSavingsRoute(CTramletDoc& document, CFacility* depot, CFacility* first,
                                         CFacility* second, bool setRoute);

// ---- what the user sees while a savings command runs ----

// Shows message 2320 as a warning box.
void ShowNoFeasibleShortcutMessage();

// The status window, the redraws and the pauses of a savings run, at the levels the project's
// report level asks for (read at every call: it may be changed at a pause). A route that is not
// the project's (the private routes of the randomized method) is shown while the run pauses by
// a copy added to the project as a temporary route, which is always taken out again, also when
// the run is aborted at the pause, so that the project's routes are as before.
class CSavingsProgress {
public:
    explicit CSavingsProgress(CTramletDoc& document) : m_document(document) {}

    // After a step placed f on the route (insertions: the facilities placed so far, savings: the
    // value of the join, distance: the total distance): Standard and above refresh the "Insert
    // Facility Report" (CReportInsertFacility) with f, its neighbours and the route's capacity
    // left, Debug pauses with the route shown (privateRoute: as a temporary route).
    void Step(const CRoute& route, const CFacility* f, int insertions, double savings, double distance,
              bool privateRoute = false);
    // After a route was closed: Standard and above redraw the views, Detailed and above pause;
    // a private route closed is shown as a temporary route while the run pauses.
    void RouteClosed(const CRoute* privateRoute = nullptr);

private:
    void Pause(const CRoute* privateRoute);

    CTramletDoc& m_document;
};
