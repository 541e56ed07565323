#pragma once

#include "improvement/exchange_operator.h"

class CTramletDoc;

// Forms of a three-exchange.
enum EThreeExchangeForm {
    THREE_EXCHANGE_SEGMENTS = 0, // the segments aNext ... b and bNext ... c change places
    THREE_EXCHANGE_REVERSALS = 1 // both segments are reversed where they are
};

// The best three-exchange of a scan: the links (a, aNext), (b, bNext), (c, cNext) are removed.
struct ThreeExchangeCandidate {
    double savings = 0.0;
    CRoute* route = nullptr;
    int form = THREE_EXCHANGE_SEGMENTS;
    SRoutePlace a;
    SRoutePlace aNext;
    SRoutePlace b;
    SRoutePlace bNext;
    SRoutePlace c;
    SRoutePlace cNext;
};

// Three-exchanges: within a route, two neighbouring segments exchanged (both together of one
// type) or each reversed where it is (each of one type; not on an asymmetric matrix).
class CThreeExchange : public CExchangeOperator {
public:
    CThreeExchange(CTramletDoc& document, CExchangeStatusWindow& window)
        : CExchangeOperator(document, window, EExchangeCounter::second) {}

    unsigned GetNameId() const override;
    bool Supports(const CTramletDoc&) const override { return true; }
    bool FindBest() override { return Scan(m_best); }
    void ApplyBest() override { Apply(m_best); }

    // One scan: fills the candidate and returns true when it found a change.
    bool Scan(ThreeExchangeCandidate& candidate);
    void Apply(const ThreeExchangeCandidate& candidate);

private:
    ThreeExchangeCandidate m_best;
};

// Three Exchange (command 2083, "Three Exchange"): the best two-exchange while one is left, then
// the best three-exchange, and back to two-exchanges, while they shorten a route by more than
// the tolerance margin.
ERunResult OnThreeExchange(CTramletDoc& document);
