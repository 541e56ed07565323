#include "improvement/chain_exchange.h"

#include <iterator>

#include "framework/numeric/first_best.h"
#include "model/tramlet_doc.h"
#include "runs/algo_stat.h"

bool CExchangeImprovement::FindBestChainExchange(ChainExchangeCandidate& candidate) {
    candidate = ChainExchangeCandidate{};
    const int K = m_document.GetChainLength();
    if (K < 1 || !PrepareScan()) {
        return false;
    }
    CLargestFirst best(0.0);
    const SRouteEntries& e = m_entries;
    for (int r = 0; r < m_document.GetNumberOfRoutes(); ++r) {
        CRoute* route = m_document.GetRoute(r);
        if (route->GetSize() < K + 4 || !LoadRoute(*route)) {
            continue;
        }
        const int n = route->GetSize() - 1;
        const double margin = Margin(route->GetDistance());
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
                    if (e.type[s] > e.type[y]) {
                        continue;
                    }
                    if (e.type[s] == FT_CUSTOMER && e.type[x] == FT_SUPPLIER) {
                        return;
                    }
                    if (e.type[last] > e.type[y]) {
                        continue;
                    }
                    const double v = removal + D(x, y) - D(x, s) - D(last, y);
                    if (best.OfferBeyond(v, margin)) {
                        candidate.savings = v;
                        candidate.route = route;
                        candidate.p = e.facility[p];
                        candidate.fs = e.facility[s];
                        candidate.positionS = e.position[s];
                        candidate.fe = e.facility[last];
                        candidate.positionE = e.position[last];
                        candidate.n = e.facility[next];
                        candidate.x = e.facility[x];
                        candidate.y = e.facility[y];
                        candidate.positionX = e.position[x];
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

void CExchangeImprovement::ApplyChainExchange(const ChainExchangeCandidate& candidate) {
    m_record.m_dDistance -= candidate.savings;
    m_record.m_dCost -= candidate.savings;
    m_record.m_lExchangeCounter2 += 1;
    m_record.m_dExchangeSavings2 += candidate.savings;
    CRoute& route = *candidate.route;
    // The chain, first to last, each entry just after the one moved before it, the first after x.
    CRoute::POSITION target = candidate.positionX;
    CRoute::POSITION position = candidate.positionS;
    for (;;) {
        CRoute::POSITION next = std::next(position);
        const bool last = position == candidate.positionE;
        route.MoveAfter(*position, position, target);
        if (last) {
            break;
        }
        target = position;
        position = next;
    }

    if (m_document.GetReportLevel() >= REPORT_STANDARD) {
        const CFacility* const newLinks[] = {candidate.x, candidate.fs, candidate.fe,
                                             candidate.y, candidate.p,  candidate.n};
        const CFacility* const oldLinks[] = {candidate.p, candidate.fs, candidate.fe,
                                             candidate.n, candidate.x,  candidate.y};
        m_threeReport.Record(candidate.savings, newLinks, candidate.route);
        ShowStep(m_threeReport, oldLinks, 3);
    }
}

ERunResult OnChainExchange(CTramletDoc& document) {
    return RunExchangeCommand(document, EExchangeCommand::chain);
}
