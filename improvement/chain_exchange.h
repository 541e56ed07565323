#pragma once

#include "improvement/exchange_operator.h"

class CTramletDoc;

// The best chain exchange of a scan: the chain first ... last leaves its place between before
// and after and is put, in the same direction, on the link (x, y).
struct ChainExchangeCandidate {
    double savings = 0.0;
    CRoute* route = nullptr;
    CFacility* before = nullptr;
    SRoutePlace first;
    SRoutePlace last;
    CFacility* after = nullptr;
    SRoutePlace x;
    CFacility* y = nullptr;
};

// Chain exchanges: within a route, a chain of the project's chain length of consecutive
// facilities moved, in its direction, to the best other link of its route. Applies with a
// chain length of 1 or more.
class CChainExchange : public CExchangeOperator {
public:
    CChainExchange(CTramletDoc& document, CExchangeStatusWindow& window)
        : CExchangeOperator(document, window, EExchangeCounter::second) {}

    unsigned GetNameId() const override;
    bool Supports(const CTramletDoc& document) const override;
    bool FindBest() override { return Scan(m_best); }
    void ApplyBest() override { Apply(m_best); }

    // One scan: fills the candidate and returns true when it found a change.
    bool Scan(ChainExchangeCandidate& candidate);
    void Apply(const ChainExchangeCandidate& candidate);

private:
    ChainExchangeCandidate m_best;
};

// Chain Exchange (command 2082, "Chain Exchange"): chain exchanges while they shorten a route by
// more than the tolerance margin. The run is not announced in the execution log and records the
// chain length as its parameter.
ERunResult OnChainExchange(CTramletDoc& document);
