#pragma once

#include <string>
#include <vector>

#include "framework/platform/user_interface.h"
#include "improvement/step_report.h"

class CFacility;
class CRoute;

// The "Add Facility Report" status window: the facility last appended to a route, the facility
// it was appended to (the anchor), the distance the step added, the total distance and the
// linehaul and backhaul capacity left on the route. Used by the constructions that append
// facilities one by one. The step count and the facilities are kept as the improvement windows
// keep theirs.
enum EAddReportSlot { ADD_APPENDED = 0, ADD_ANCHOR = 1 };

class CReportAddFacility : public SStepReport {
public:
    static const char* GetTitle() { return "Add Facility Report"; }

    // Counts and distances 0, no facilities, capacities 0.
    void Clear();
    // The capacities left on the route for customers and for suppliers.
    void SetCapacities(const CRoute& route);

    // The window's lines, texts 2208 to 2216 with the values filled in.
    std::vector<SStatusField> GetFields() const;
    // Shows or refreshes the window.
    void Show() const;
    void Close() const;

    int m_lLinehaulCapacity = 0;
    int m_lBackhaulCapacity = 0;
    double m_dAppendDistance = 0.0;
    double m_dTotalDistance = 0.0;
};
