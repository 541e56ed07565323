#pragma once

#include <cstdio>
#include <vector>

#include "improvement/between_route_search.h"
#include "model/route.h"
#include "runs/run_frame.h"

class CAlgoStat;
class CFacility;
class CTramletDoc;

// The best move of one scan: the customer or supplier f that leaves its source route, where it
// leaves (p, f, s), and the link (a, b) of the target route it enters.
struct MoveCandidate {
    double m_dSavings = 0.0;
    CRoute* m_pSourceRoute = nullptr;
    SRoutePlace m_facility;
    CFacility* m_pPredecessor = nullptr;
    CFacility* m_pSuccessor = nullptr;
    CRoute* m_pTargetRoute = nullptr;
    CFacility* m_pLinkFrom = nullptr; // a
    SRoutePlace m_linkTo;             // b
};

// Move Facility: a best-improvement local search that takes one customer or supplier out of
// its route and inserts it into a link of another route, as long as some move saves distance.
class CMoveFacility : public CBetweenRouteSearch {
public:
    explicit CMoveFacility(CTramletDoc& document);

    // One full scan of the neighbourhood. Fills the candidate with the first move of largest
    // savings in scan order and returns true when its savings are strictly positive.
    bool FindBestMove(MoveCandidate& candidate);
    // Performs the move, updates the recorded distance and cost and the run's counters, shows
    // the step and deletes the source route when it has become empty.
    void ApplyMove(const MoveCandidate& candidate);

    // The operator's scan and step, on the move it keeps.
    bool FindBest() override { return FindBestMove(m_best); }
    void ApplyBest() override { ApplyMove(m_best); }

private:
    void Scan(MoveCandidate& candidate, std::FILE* log);
    std::vector<SStatusField> GetReportFields() const override;

    MoveCandidate m_best;
};

// The Move Facility command: refused (nothing happens) while an algorithm runs or with fewer
// than two routes, otherwise the run.
ERunResult RunMoveFacility(CTramletDoc& document);
