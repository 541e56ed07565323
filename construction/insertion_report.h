#pragma once

#include <string>
#include <vector>

#include "framework/platform/user_interface.h"

class CFacility;
class CRoute;

// The "Insert Facility Report" status window: the number of insertions so far, the facility
// last inserted with its predecessor and successor, the linehaul and backhaul capacity left on
// its route, the insertion penalty and the total distance. Used by the constructions that
// insert facilities between two others (sweep, insertion, savings).
class CReportInsertFacility {
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

    int m_lNumberOfInsertions = 0;
    const CFacility* m_pInsertFacility = nullptr;
    const CFacility* m_pPredecessor = nullptr;
    const CFacility* m_pSuccessor = nullptr;
    int m_lLinehaulCapacity = 0;
    int m_lBackhaulCapacity = 0;
    double m_dInsertionPenalty = 0.0;
    double m_dTotalDistance = 0.0;
};
