#pragma once

#include <vector>

#include "construction/nearest_neighbor_report.h"

class CAlgoStat;
class CFacility;
class CSableWinApp;
class CTramletDoc;

// What the two pairing rules of Extreme Crossovers share during one run: the project, the current
// record, the depot every route starts from, the number of routes allowed, the eligible
// customers and suppliers in document order, and the "Add Facility Report" shown at Standard.
struct SCrossoverRun {
    CTramletDoc& document;
    CAlgoStat& record;
    CFacility* depot = nullptr;
    int allowed = 0;                   // K
    std::vector<CFacility*> customers; // eligible, document order
    std::vector<CFacility*> suppliers; // eligible, document order
    bool reporting = false;            // report level Standard or above
    CReportAddFacility report;

    SCrossoverRun(CTramletDoc& doc, CAlgoStat& rec) : document(doc), record(rec) {}

    // Builds the route depot, customer, supplier, depot, adds its distance to the recorded total
    // and the route to the project, and reports the step (report, redraw, pause at Detailed).
    void AddCrossoverRoute(CFacility* customer, CFacility* supplier);
};

// The greedy rule used without GLPK: exactly run.allowed routes, each time the pair of largest
// savings among the facilities of the scanned type (the type with fewer eligible facilities,
// suppliers on equal counts) and their best remaining partners. Shows the not-optimal message
// when a chosen facility had lost its first partner.
void BuildGreedyCrossovers(SCrossoverRun& run);

// The linear program solved by GLPK's simplex method and integer optimiser; the chosen pairs
// become routes in column order and are written to the output log. A solver failure is shown
// and raises the user exception. The GLPK problem is deleted however the function ends.
void BuildLinearProgramCrossovers(SCrossoverRun& run, CSableWinApp& app);
