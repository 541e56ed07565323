#pragma once

#include <cstdio>
#include <vector>

#include "improvement/between_route_search.h"
#include "model/route.h"
#include "runs/run_frame.h"

class CAlgoStat;
class CFacility;
class CTramletDoc;

// The best swap of one scan: f1 leaves the first route R1 from (p1, f1, s1) and enters the
// link (e, g) of the second route R2; f2 leaves R2 from (p2, f2, s2) and enters the link (c, d)
// of R1. R1 comes before R2 in the project's route order.
struct SwapCandidate {
    double m_dSavings = 0.0;
    CRoute* m_pFirstRoute = nullptr;
    CRoute* m_pSecondRoute = nullptr;
    SRoutePlace m_facility1;
    CFacility* m_pPredecessor1 = nullptr;
    CFacility* m_pSuccessor1 = nullptr;
    SRoutePlace m_facility2;
    CFacility* m_pPredecessor2 = nullptr;
    CFacility* m_pSuccessor2 = nullptr;
    CFacility* m_pLinkFrom1 = nullptr; // e
    SRoutePlace m_linkTo1;             // g
    CFacility* m_pLinkFrom2 = nullptr; // c
    SRoutePlace m_linkTo2;             // d
};

// Swap Facility: a best-improvement local search that exchanges a customer or supplier of one
// route with one of another route, each inserted at the best place of its new route, as long
// as some swap saves distance.
class CSwapFacility : public CBetweenRouteSearch {
public:
    explicit CSwapFacility(CTramletDoc& document);

    // One full scan of the neighbourhood. Fills the candidate with the first swap of largest
    // savings in scan order and returns true when its savings are strictly positive.
    bool FindBestSwap(SwapCandidate& candidate);
    // Performs the swap, updates the recorded distance and cost and the run's counters and
    // shows the step.
    void ApplySwap(const SwapCandidate& candidate);

    // The operator's scan and step, on the swap it keeps.
    bool FindBest() override { return FindBestSwap(m_best); }
    void ApplyBest() override { ApplySwap(m_best); }

private:
    void Scan(SwapCandidate& candidate, std::FILE* log);
    std::vector<SStatusField> GetReportFields() const override;

    SwapCandidate m_best;
};

// The Swap Facility command: refused as Move Facility, otherwise the run.
ERunResult RunSwapFacility(CTramletDoc& document);
