// Savings (Greedy Serial): routes are built one after the other; each starts from the pair of
// unrouted facilities with the largest savings and grows at its first or last facility while a
// join with positive savings fits.
#include <vector>

#include "construction/savings.h"
#include "construction/savings_matrix.h"
#include "construction/savings_progress.h"
#include "framework/numeric/first_best.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

namespace {

class CGreedySerialSavings {
public:
    CGreedySerialSavings(CTramletDoc& document, CAlgoStat& record)
        : m_document(document), m_record(record), m_facilities(document), m_progress(document),
          m_routed(m_facilities.GetSize(), 0) {}

    void Run() {
        const int E = m_facilities.CountEligible();
        if (E == 0) {
            ShowNoFeasibleShortcutMessage();
            return;
        }
        ComputeSavingsMatrix(m_document, m_savings);
        int a = -1;
        int b = -1;
        if (FindBestPair(0.0, false, a, b) <= 0.0) {
            ShowNoFeasibleShortcutMessage();
            return;
        }
        OpenRoute(a, b);
        const int V = m_facilities.GetNumberOfVehicles();
        for (;;) {
            while (m_document.GetRoutedCount() < E && m_document.GetNumberOfRoutes() <= V && Extend()) {
            }
            m_progress.RouteClosed();
            m_document.CheckAlgorithmContinuation();
            if (m_document.GetNumberOfRoutes() == V || m_document.GetRoutedCount() >= E) {
                return;
            }
            if (FindBestPair(SAVINGS_MINUS_INFINITY, true, a, b) > 0.0) {
                OpenRoute(a, b);
            } else {
                OpenRoute(FirstUnroutedEligible(), -1);
            }
        }
    }

private:
    double S(int x, int y) const { return m_savings[x][y]; }

    // The pair with the largest savings above start, in the order customer pairs and customer
    // to supplier by customer, then supplier pairs. With onlyFree the facilities must be
    // unrouted and eligible; a pair of one type must always fit one vehicle together.
    double FindBestPair(double start, bool onlyFree, int& a, int& b) const {
        const int C = m_facilities.GetNumberOfCustomers();
        const int N = m_facilities.GetSize();
        const int Q = m_facilities.GetCapacity();
        const bool symmetric = m_facilities.IsSymmetric();
        auto usable = [&](int k) { return !onlyFree || (!m_routed[k] && m_facilities.IsEligible(k)); };
        CLargestFirst best(start);
        auto sameType = [&](int i, int first, int end) {
            const int qi = m_facilities.GetQuantity(i);
            for (int j = symmetric ? i + 1 : first; j < end; ++j) {
                if (qi + m_facilities.GetQuantity(j) <= Q && usable(j) && best.Offer(S(i, j))) {
                    a = i;
                    b = j;
                }
            }
        };
        for (int i = 0; i < C; ++i) {
            if (!usable(i)) {
                continue;
            }
            sameType(i, 0, C);
            for (int j = C; j < N; ++j) {
                if (usable(j) && best.Offer(S(i, j))) {
                    a = i;
                    b = j;
                }
            }
        }
        for (int i = C; i < N; ++i) {
            if (usable(i)) {
                sameType(i, C, N);
            }
        }
        return best.Value();
    }

    int FirstUnroutedEligible() const {
        for (int k = 0; k < m_facilities.GetSize(); ++k) {
            if (!m_routed[k] && m_facilities.IsEligible(k)) {
                return k;
            }
        }
        return -1;
    }

    // A new route depot, a, b, depot (b = -1: depot, a, depot).
    void OpenRoute(int a, int b) {
        CFacility* fa = m_facilities.GetFacility(a);
        CFacility* fb = b >= 0 ? m_facilities.GetFacility(b) : nullptr;
        double added = 0.0;
        if (b >= 0) {
            added = m_facilities.FromDepot(a) + m_facilities.Distance(a, b) + m_facilities.ToDepot(b);
        } else {
            added = m_facilities.FromDepot(a) + m_facilities.ToDepot(a);
        }
        m_record.m_dDistance += added;
        auto route = MakeSavingsRoute(m_document, m_facilities.GetDepot(), fa, fb, true);
        m_route = route.get();
        m_document.AddRoute(std::move(route), true);
        m_routed[a] = 1;
        m_first = a;
        m_last = a;
        if (b >= 0) {
            m_routed[b] = 1;
            m_last = b;
        }
        m_progress.Step(*m_route, b >= 0 ? fb : fa, m_document.GetRoutedCount(), b >= 0 ? S(a, b) : 0.0,
                        m_record.m_dDistance);
    }

    // Places the unrouted facility with the largest join to the route's ends; false when no
    // join with positive savings fits.
    bool Extend() {
        const int C = m_facilities.GetNumberOfCustomers();
        const int N = m_facilities.GetSize();
        const int Q = m_facilities.GetCapacity();
        const int customerLoad = m_route->GetQuantity(FT_CUSTOMER);
        const int supplierLoad = m_route->GetQuantity(FT_SUPPLIER);
        const bool hasSupplier = m_route->GetNumberOfSuppliers() > 0;
        const bool hasCustomer = m_route->GetNumberOfCustomers() > 0;
        CLargestFirst best(SAVINGS_MINUS_INFINITY);
        int chosen = -1;
        bool before = false;
        auto consider = [&](double value, int k, bool atFirst) {
            if (best.Offer(value)) {
                chosen = k;
                before = atFirst;
            }
        };
        for (int c = 0; c < C; ++c) {
            if (m_routed[c] || customerLoad + m_facilities.GetQuantity(c) > Q) {
                continue;
            }
            consider(S(c, m_first), c, true);
            if (!hasSupplier) {
                consider(S(m_last, c), c, false);
            }
        }
        for (int p = C; p < N; ++p) {
            if (m_routed[p] || supplierLoad + m_facilities.GetQuantity(p) > Q) {
                continue;
            }
            consider(S(m_last, p), p, false);
            if (!hasCustomer) {
                consider(S(p, m_first), p, true);
            }
        }
        if (!(best.Value() > 0.0)) {
            return false;
        }
        CFacility* f = m_facilities.GetFacility(chosen);
        if (before) {
            m_record.m_dDistance += m_facilities.FromDepot(chosen) + m_facilities.Distance(chosen, m_first) -
                                    m_facilities.FromDepot(m_first);
            m_route->InsertBefore(f, GetFirstFacilityPosition(*m_route), true);
            m_first = chosen;
        } else {
            m_record.m_dDistance += m_facilities.Distance(m_last, chosen) + m_facilities.ToDepot(chosen) -
                                    m_facilities.ToDepot(m_last);
            m_route->InsertAfter(f, GetLastFacilityPosition(*m_route), true);
            m_last = chosen;
        }
        m_routed[chosen] = 1;
        m_document.AdjustRoutedCount(1);
        m_progress.Step(*m_route, f, m_document.GetRoutedCount(), best.Value(), m_record.m_dDistance);
        return true;
    }

    CTramletDoc& m_document;
    CAlgoStat& m_record;
    const CSavingsFacilities m_facilities;
    CSavingsProgress m_progress;
    CDoubleMatrix m_savings;
    std::vector<char> m_routed;
    CRoute* m_route = nullptr;
    int m_first = -1;
    int m_last = -1;
};

} // namespace

ERunResult OnAlgorithmsSavingsGreedySerial(CTramletDoc& document) {
    SRunOptions options;
    options.nameId = IDS_ALGO_SAVINGS_GREEDY_SERIAL;
    options.deleteRoutes = true;
    options.enableAbort = true;
    options.statusWindow = SAVINGS_STATUS_WINDOW;
    return RunAlgorithm(document, options, [&](CAlgoStat& record) {
        CGreedySerialSavings(document, record).Run();
        record.m_dParameter = document.GetCrossoverPenaltyFactor();
        record.m_lIterations = 1;
        record.m_lCount = 0;
    });
}
