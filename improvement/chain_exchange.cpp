#include "improvement/chain_exchange.h"

#include <iterator>

#include "framework/numeric/first_best.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

unsigned CChainExchange::GetNameId() const {
    return IDS_ALGO_CHAIN_EXCHANGE;
}

bool CChainExchange::Supports(const CTramletDoc& document) const {
    return document.GetChainLength() >= 1;
}

bool CChainExchange::Scan(ChainExchangeCandidate& candidate) {
    candidate = ChainExchangeCandidate{};
    const int K = m_document.GetChainLength();
    if (!Supports(m_document) || !PrepareScan()) {
        return false;
    }
    CLargestFirst best(0.0);
    for (const SScanRoute& route : m_view.routes) {
        if (!IsScanned(route, K + 4)) {
            continue;
        }
        const SScanEntry* e = m_view.Entries(route);
        auto D = [&](int from, int to) { return Distance(e[from], e[to]); };
        const int n = route.size - 1;
        const double margin = Margin(route);
        // The chain fs ... fe slides from s = 1 until fe is the last entry before the closing depot.
        for (int s = 1; s + K - 1 <= n - 1; ++s) {
            const int last = s + K - 1;
            const int p = s - 1;
            const int next = last + 1;
            const double removal = D(p, s) + D(last, next) - D(p, next);
            // One direction of insertion links (x, y) = (fk, fk+1) for k from first to end - 1.
            auto scan = [&](int first, int end) {
                for (int x = first; x < end; ++x) {
                    const int y = x + 1;
                    if (e[s].type > e[y].type) {
                        continue;
                    }
                    if (e[s].type == FT_CUSTOMER && e[x].type == FT_SUPPLIER) {
                        return;
                    }
                    if (e[last].type > e[y].type) {
                        continue;
                    }
                    const double v = removal + D(x, y) - D(x, s) - D(last, y);
                    if (best.OfferBeyond(v, margin)) {
                        candidate = {v,
                                     route.route,
                                     e[p].facility,
                                     e[s].Place(),
                                     e[last].Place(),
                                     e[next].facility,
                                     e[x].Place(),
                                     e[y].facility};
                    }
                }
            };
            // Before the chain: (f0, f1) up to (fs-2, p); after it: (n, fe+2) up to (fn-1, fn).
            scan(0, p);
            scan(next, n);
        }
    }
    return best.Found();
}

void CChainExchange::Apply(const ChainExchangeCandidate& c) {
    CountStep(c.savings);
    CRoute& route = *c.route;
    // The chain, first to last, each entry just after the one moved before it, the first after x.
    CRoute::POSITION target = c.x.position;
    CRoute::POSITION position = c.first.position;
    for (;;) {
        CRoute::POSITION next = std::next(position);
        const bool last = position == c.last.position;
        route.MoveAfter(*position, position, target);
        if (last) {
            break;
        }
        target = position;
        position = next;
    }
    const CFacility* const newLinks[] = {c.x.facility, c.first.facility, c.last.facility,
                                         c.y,          c.before,         c.after};
    const CFacility* const oldLinks[] = {c.before, c.first.facility, c.last.facility,
                                         c.after,  c.x.facility,     c.y};
    ShowStep(c.savings, newLinks, oldLinks, 3, c.route);
}

ERunResult OnChainExchange(CTramletDoc& document) {
    SExchangeWindows windows;
    CChainExchange chain(document, windows.three);
    SRunOptions options;
    options.nameId = chain.GetNameId();
    options.announce = false;
    return RunExchangeCommand(document, options, {&chain}, static_cast<double>(document.GetChainLength()));
}
