#pragma once

#include <string>
#include <vector>

#include "framework/platform/user_interface.h"
#include "improvement/step_report.h"

class CFacility;
class CRoute;

// The "Insert Facility Report" status window: the number of insertions so far, the facility
// last inserted with its predecessor and successor, the linehaul and backhaul capacity left on
// its route, the insertion penalty and the total distance. Used by the constructions that
// insert facilities between two others (sweep, insertion, savings). The step count and the
// facilities are kept as the improvement windows keep theirs.
enum EInsertReportSlot { INSERT_FACILITY = 0, INSERT_PREDECESSOR = 1, INSERT_SUCCESSOR = 2 };

class CReportInsertFacility : public SStepReport {
public:
    static const char* GetTitle() { return "Insert Facility Report"; }

    // Counts and distances 0, no facilities, capacities 0.
    void Clear();
    // The capacities left on the route for customers and for suppliers.
    void SetCapacities(const CRoute& route);

    // The window's lines: texts 2224 to 2231, the capacities as "Linehaul Capacity= %d" and
    // "Backhaul Capacity = %d" and the total as "Total Distance = %.2lf", values filled in.
    std::vector<SStatusField> GetFields() const;
    // Shows or refreshes the window.
    void Show() const;
    void Close() const;

    int m_lLinehaulCapacity = 0;
    int m_lBackhaulCapacity = 0;
    double m_dInsertionPenalty = 0.0;
    double m_dTotalDistance = 0.0;
};
