#include "improvement/three_exchange.h"

#include <iterator>

#include "framework/numeric/first_best.h"
#include "model/tramlet_doc.h"
#include "runs/algo_stat.h"

bool CExchangeImprovement::FindBestThreeExchange(ThreeExchangeCandidate& candidate) {
    candidate = ThreeExchangeCandidate{};
    if (!PrepareScan()) {
        return false;
    }
    const bool reversals = m_document.GetAsymmetric() == 0;
    CLargestFirst best(0.0);
    const SRouteEntries& e = m_entries;
    for (int r = 0; r < m_document.GetNumberOfRoutes(); ++r) {
        CRoute* route = m_document.GetRoute(r);
        if (route->GetSize() < 5 || !LoadRoute(*route)) {
            continue;
        }
        const int n = route->GetSize() - 1;
        const double margin = Margin(route->GetDistance());
        auto take = [&](double savings, int form, int a, int b, int c) {
            candidate.savings = savings;
            candidate.route = route;
            candidate.form = form;
            candidate.fa = e.facility[a];
            candidate.positionA = e.position[a];
            candidate.fa1 = e.facility[a + 1];
            candidate.positionA1 = e.position[a + 1];
            candidate.fb = e.facility[b];
            candidate.positionB = e.position[b];
            candidate.fb1 = e.facility[b + 1];
            candidate.positionB1 = e.position[b + 1];
            candidate.fc = e.facility[c];
            candidate.positionC = e.position[c];
            candidate.fc1 = e.facility[c + 1];
            candidate.positionC1 = e.position[c + 1];
        };
        // Links a < b < c; the segments fa+1 ... fb and fb+1 ... fc are never empty.
        for (int a = 0; a + 3 <= n; ++a) {
            for (int b = a + 1; b + 2 <= n; ++b) {
                for (int c = b + 1; c + 1 <= n; ++c) {
                    const double old = D(a, a + 1) + D(b, b + 1) + D(c, c + 1);
                    // Segment exchange: both segments together of one type.
                    if (e.type[c] <= e.type[a + 1]) {
                        const double w0 = old - D(a, b + 1) - D(c, a + 1) - D(b, c + 1);
                        if (best.OfferBeyond(w0, margin)) {
                            take(w0, THREE_EXCHANGE_SEGMENTS, a, b, c);
                        }
                    }
                    // Double reversal: each segment of one type.
                    if (reversals && e.type[b] <= e.type[a + 1] && e.type[c] <= e.type[b + 1]) {
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

void CExchangeImprovement::ApplyThreeExchange(const ThreeExchangeCandidate& candidate) {
    m_record.m_dDistance -= candidate.savings;
    m_record.m_dCost -= candidate.savings;
    m_record.m_lExchangeCounter2 += 1;
    m_record.m_dExchangeSavings2 += candidate.savings;
    CRoute& route = *candidate.route;
    if (candidate.form == THREE_EXCHANGE_SEGMENTS) {
        // fa+1 ... fb, in order, each just before fc+1: fa, fb+1 ... fc, fa+1 ... fb, fc+1.
        CRoute::POSITION position = candidate.positionA1;
        for (;;) {
            CRoute::POSITION next = std::next(position);
            const bool last = position == candidate.positionB;
            route.MoveBefore(*position, position, candidate.positionC1);
            if (last) {
                break;
            }
            position = next;
        }
    } else {
        ReverseRun(route, candidate.positionA1, candidate.positionB);
        ReverseRun(route, candidate.positionB1, candidate.positionC);
    }

    if (m_document.GetReportLevel() >= REPORT_STANDARD) {
        const CFacility* const segmentLinks[] = {candidate.fa,  candidate.fb1, candidate.fc,
                                                 candidate.fa1, candidate.fb,  candidate.fc1};
        const CFacility* const reversalLinks[] = {candidate.fa, candidate.fb,  candidate.fa1,
                                                  candidate.fc, candidate.fb1, candidate.fc1};
        const CFacility* const oldLinks[] = {candidate.fa,  candidate.fa1, candidate.fb,
                                             candidate.fb1, candidate.fc,  candidate.fc1};
        m_threeReport.Record(candidate.savings,
                             candidate.form == THREE_EXCHANGE_SEGMENTS ? segmentLinks : reversalLinks,
                             candidate.route);
        ShowStep(m_threeReport, oldLinks, 3);
    }
}

ERunResult OnThreeExchange(CTramletDoc& document) {
    return RunExchangeCommand(document, EExchangeCommand::three);
}
