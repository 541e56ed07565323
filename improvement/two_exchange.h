#pragma once

#include "improvement/exchange_operator.h"

class CTramletDoc;

// The best two-exchange of a scan: the links (i, iNext) and (j, jNext) are replaced by (i, j)
// and (iNext, jNext), the run iNext ... j being reversed.
struct TwoExchangeCandidate {
    double savings = 0.0;
    CRoute* route = nullptr;
    SRoutePlace i;
    SRoutePlace iNext;
    SRoutePlace j;
    SRoutePlace jNext;
};

// Two-exchanges: within a route, the run between two links reversed. The reversed run holds one
// type only. Nothing is reversed while the project's distances are marked asymmetric.
class CTwoExchange : public CExchangeOperator {
public:
    CTwoExchange(CTramletDoc& document, CExchangeStatusWindow& window)
        : CExchangeOperator(document, window, EExchangeCounter::first) {}

    unsigned GetNameId() const override;
    bool Supports(const CTramletDoc& document) const override;
    bool FindBest() override { return Scan(m_best); }
    void ApplyBest() override { Apply(m_best); }

    // One scan: fills the candidate and returns true when it found a change.
    bool Scan(TwoExchangeCandidate& candidate);
    void Apply(const TwoExchangeCandidate& candidate);

private:
    TwoExchangeCandidate m_best;
};

// Two Exchange (command 2081, "Two Exchange"): two-exchanges while they shorten a route by more
// than the tolerance margin.
ERunResult OnTwoExchange(CTramletDoc& document);
