#include "improvement/two_exchange.h"

#include "framework/numeric/first_best.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

unsigned CTwoExchange::GetNameId() const {
    return IDS_ALGO_TWO_EXCHANGE;
}

bool CTwoExchange::Supports(const CTramletDoc& document) const {
    return document.GetAsymmetric() == 0;
}

bool CTwoExchange::Scan(TwoExchangeCandidate& candidate) {
    candidate = TwoExchangeCandidate{};
    if (!Supports(m_document) || !PrepareScan()) {
        return false;
    }
    CLargestFirst best(0.0);
    for (const SScanRoute& route : m_view.routes) {
        if (!IsScanned(route, 4)) {
            continue;
        }
        const SScanEntry* e = m_view.Entries(route);
        auto D = [&](int from, int to) { return Distance(e[from], e[to]); };
        const int n = route.size - 1; // the closing depot
        const double margin = Margin(route);
        for (int i = 0; i + 1 < n; ++i) {
            // The reversed run fi+1 ... fj holds one type only.
            if (e[i + 2].type > e[i + 1].type) {
                continue;
            }
            for (int j = i + 2; j < n; ++j) {
                // Reversing the whole interior of the route changes nothing.
                if (e[j + 1].facility == e[i].facility) {
                    break;
                }
                const double v = D(i, i + 1) + D(j, j + 1) - D(i, j) - D(i + 1, j + 1);
                if (best.OfferBeyond(v, margin)) {
                    candidate = {
                        v, route.route, e[i].Place(), e[i + 1].Place(), e[j].Place(), e[j + 1].Place()};
                }
                if (e[j + 1].type > e[i + 1].type || j + 1 == n) {
                    break;
                }
            }
        }
    }
    return best.Found();
}

void CTwoExchange::Apply(const TwoExchangeCandidate& c) {
    CountStep(c.savings);
    ReverseRun(*c.route, c.iNext.position, c.j.position);
    const CFacility* const newLinks[] = {c.i.facility, c.j.facility, c.iNext.facility, c.jNext.facility};
    const CFacility* const oldLinks[] = {c.i.facility, c.iNext.facility, c.j.facility, c.jNext.facility};
    ShowStep(c.savings, newLinks, oldLinks, 2, c.route);
}

ERunResult OnTwoExchange(CTramletDoc& document) {
    SExchangeWindows windows;
    CTwoExchange two(document, windows.two);
    SRunOptions options;
    options.nameId = two.GetNameId();
    return RunExchangeCommand(document, options, {&two});
}
