#include "improvement/three_exchange.h"

#include <iterator>

#include "framework/numeric/first_best.h"
#include "improvement/two_exchange.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

unsigned CThreeExchange::GetNameId() const {
    return IDS_ALGO_THREE_EXCHANGE;
}

bool CThreeExchange::Scan(ThreeExchangeCandidate& candidate) {
    candidate = ThreeExchangeCandidate{};
    if (!PrepareScan()) {
        return false;
    }
    const bool reversals = m_document.GetAsymmetric() == 0;
    CLargestFirst best(0.0);
    for (const SScanRoute& route : m_view.routes) {
        if (!IsScanned(route, 5)) {
            continue;
        }
        const SScanEntry* e = m_view.Entries(route);
        auto D = [&](int from, int to) { return Distance(e[from], e[to]); };
        const int n = route.size - 1;
        const double margin = Margin(route);
        auto take = [&](double savings, int form, int a, int b, int c) {
            candidate = {savings,      route.route,      form,         e[a].Place(),    e[a + 1].Place(),
                         e[b].Place(), e[b + 1].Place(), e[c].Place(), e[c + 1].Place()};
        };
        // Links a < b < c; the segments fa+1 ... fb and fb+1 ... fc are never empty.
        for (int a = 0; a + 3 <= n; ++a) {
            for (int b = a + 1; b + 2 <= n; ++b) {
                for (int c = b + 1; c + 1 <= n; ++c) {
                    const double old = D(a, a + 1) + D(b, b + 1) + D(c, c + 1);
                    // Segment exchange: both segments together of one type.
                    if (e[c].type <= e[a + 1].type) {
                        const double w0 = old - D(a, b + 1) - D(c, a + 1) - D(b, c + 1);
                        if (best.OfferBeyond(w0, margin)) {
                            take(w0, THREE_EXCHANGE_SEGMENTS, a, b, c);
                        }
                    }
                    // Double reversal: each segment of one type.
                    if (reversals && e[b].type <= e[a + 1].type && e[c].type <= e[b + 1].type) {
                        const double w1 = old - D(a, b) - D(a + 1, c) - D(b + 1, c + 1);
                        if (best.OfferBeyond(w1, margin)) {
                            take(w1, THREE_EXCHANGE_REVERSALS, a, b, c);
                        }
                    }
                }
            }
        }
    }
    return best.Found();
}

void CThreeExchange::Apply(const ThreeExchangeCandidate& x) {
    CountStep(x.savings);
    CRoute& route = *x.route;
    if (x.form == THREE_EXCHANGE_SEGMENTS) {
        // aNext ... b, in order, each just before cNext: a, bNext ... c, aNext ... b, cNext.
        CRoute::POSITION position = x.aNext.position;
        for (;;) {
            CRoute::POSITION next = std::next(position);
            const bool last = position == x.b.position;
            route.MoveBefore(*position, position, x.cNext.position);
            if (last) {
                break;
            }
            position = next;
        }
    } else {
        ReverseRun(route, x.aNext.position, x.b.position);
        ReverseRun(route, x.bNext.position, x.c.position);
    }
    const CFacility* const segmentLinks[] = {x.a.facility,     x.bNext.facility, x.c.facility,
                                             x.aNext.facility, x.b.facility,     x.cNext.facility};
    const CFacility* const reversalLinks[] = {x.a.facility, x.b.facility,     x.aNext.facility,
                                              x.c.facility, x.bNext.facility, x.cNext.facility};
    const CFacility* const oldLinks[] = {x.a.facility,     x.aNext.facility, x.b.facility,
                                         x.bNext.facility, x.c.facility,     x.cNext.facility};
    ShowStep(x.savings, x.form == THREE_EXCHANGE_SEGMENTS ? segmentLinks : reversalLinks, oldLinks, 3,
             x.route);
}

ERunResult OnThreeExchange(CTramletDoc& document) {
    SExchangeWindows windows;
    CTwoExchange two(document, windows.two);
    CThreeExchange three(document, windows.three);
    SRunOptions options;
    options.nameId = three.GetNameId();
    // Two-exchanges first, a three-exchange when none is left.
    return RunExchangeCommand(document, options, {&two, &three});
}
