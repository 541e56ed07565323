#include "improvement/two_exchange.h"

#include "framework/numeric/first_best.h"
#include "model/tramlet_doc.h"
#include "runs/algo_stat.h"

bool CExchangeImprovement::FindBestTwoExchange(TwoExchangeCandidate& candidate) {
    candidate = TwoExchangeCandidate{};
    if (m_document.GetAsymmetric() != 0 || !PrepareScan()) {
        return false;
    }
    CLargestFirst best(0.0);
    const SRouteEntries& e = m_entries;
    for (int r = 0; r < m_document.GetNumberOfRoutes(); ++r) {
        CRoute* route = m_document.GetRoute(r);
        if (route->GetSize() < 4 || !LoadRoute(*route)) {
            continue;
        }
        const int n = route->GetSize() - 1; // the closing depot
        const double margin = Margin(route->GetDistance());
        for (int i = 0; i + 1 < n; ++i) {
            // The reversed run fi+1 ... fj holds one type only.
            if (e.type[i + 2] > e.type[i + 1]) {
                continue;
            }
            for (int j = i + 2; j < n; ++j) {
                // Reversing the whole interior of the route changes nothing.
                if (e.facility[j + 1] == e.facility[i]) {
                    break;
                }
                const double v = D(i, i + 1) + D(j, j + 1) - D(i, j) - D(i + 1, j + 1);
                if (best.OfferBeyond(v, margin)) {
                    candidate.savings = v;
                    candidate.route = route;
                    candidate.fi = e.facility[i];
                    candidate.positionI = e.position[i];
                    candidate.fi1 = e.facility[i + 1];
                    candidate.positionI1 = e.position[i + 1];
                    candidate.fj = e.facility[j];
                    candidate.positionJ = e.position[j];
                    candidate.fj1 = e.facility[j + 1];
                    candidate.positionJ1 = e.position[j + 1];
                }
                if (e.type[j + 1] > e.type[i + 1] || j + 1 == n) {
                    break;
                }
            }
        }
    }
    return best.Found();
}

void CExchangeImprovement::ApplyTwoExchange(const TwoExchangeCandidate& candidate) {
    m_record.m_dDistance -= candidate.savings;
    m_record.m_dCost -= candidate.savings;
    m_record.m_lExchangeCounter1 += 1;
    m_record.m_dExchangeSavings1 += candidate.savings;
    ReverseRun(*candidate.route, candidate.positionI1, candidate.positionJ);

    if (m_document.GetReportLevel() >= REPORT_STANDARD) {
        const CFacility* const newLinks[] = {candidate.fi, candidate.fj, candidate.fi1, candidate.fj1};
        const CFacility* const oldLinks[] = {candidate.fi, candidate.fi1, candidate.fj, candidate.fj1};
        m_twoReport.Record(candidate.savings, newLinks, candidate.route);
        ShowStep(m_twoReport, oldLinks, 2);
    }
}

ERunResult OnTwoExchange(CTramletDoc& document) {
    return RunExchangeCommand(document, EExchangeCommand::two);
}
