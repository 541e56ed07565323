// Savings (Greedy Parallel): every join is taken in order of decreasing savings when it fits,
// so that many routes grow at once; the routes are then merged while a merge saves distance,
// and facilities left over get routes of their own while vehicles remain.
#include <utility>
#include <vector>

#include "construction/savings.h"
#include "construction/savings_matrix.h"
#include "construction/savings_progress.h"
#include "framework/containers/double_vector.h"
#include "framework/numeric/first_best.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

namespace {

class CGreedyParallelSavings {
public:
    CGreedyParallelSavings(CTramletDoc& document, CAlgoStat& record)
        : m_document(document), m_record(record), m_facilities(document), m_progress(document) {}

    void Run() {
        m_eligible = m_facilities.CountEligible();
        if (m_eligible == 0) {
            ShowNoFeasibleShortcutMessage();
            return;
        }
        ComputeSavingsMatrix(m_document, m_savings);
        BuildJoinList();
        WalkJoins();
        MergeRoutes();
        // Every route is closed now.
        m_progress.RouteClosed();
        m_document.RenumberRoutes();
        AddSingleFacilityRoutes();
    }

private:
    int Type(int k) const { return m_facilities.GetType(k); }
    CFacility* F(int k) const { return m_facilities.GetFacility(k); }
    int K(const CFacility* f) const { return m_facilities.IndexOf(f); }
    // Increase of the distance when x's return to the depot and y's start from it are replaced
    // by the link x -> y.
    double JoinCost(int x, int y) const {
        return m_facilities.Distance(x, y) - m_facilities.ToDepot(x) - m_facilities.FromDepot(y);
    }

    // Ordered pairs customer -> customer, customer -> supplier (by customer), supplier ->
    // supplier, keyed by minus their savings and sorted by ascending key.
    void BuildJoinList() {
        const int C = m_facilities.GetNumberOfCustomers();
        const int N = m_facilities.GetSize();
        const int S = N - C;
        const int pairs = C * (C - 1) + C * S + S * (S - 1);
        m_from.resize(pairs);
        m_to.resize(pairs);
        CDoubleVector keys(pairs);
        int p = 0;
        auto add = [&](int i, int j) {
            m_from[p] = i;
            m_to[p] = j;
            keys[p] = -m_savings[i][j];
            ++p;
        };
        for (int i = 0; i < C; ++i) {
            for (int j = 0; j < C; ++j) {
                if (j != i) {
                    add(i, j);
                }
            }
            for (int j = C; j < N; ++j) {
                add(i, j);
            }
        }
        for (int i = C; i < N; ++i) {
            for (int j = C; j < N; ++j) {
                if (j != i) {
                    add(i, j);
                }
            }
        }
        WriteSavingsMatrixToLog(m_document, "Adjusted Savings Matrix", m_savings);
        m_order.resize(pairs);
        for (int k = 0; k < pairs; ++k) {
            m_order[k] = k;
        }
        if (pairs > 0) {
            keys.IndexSort(m_order);
        }
        m_keys = std::move(keys);
    }

    void WalkJoins() {
        const int Q = m_facilities.GetCapacity();
        const int V = m_facilities.GetNumberOfVehicles();
        const int pairs = static_cast<int>(m_order.size());
        for (int position = 0; position < pairs && m_document.GetRoutedCount() < m_eligible; ++position) {
            const int p = m_order[position];
            int a = m_from[p];
            int b = m_to[p];
            if (!m_facilities.IsEligible(a) || !m_facilities.IsEligible(b)) {
                continue;
            }
            const int ta = Type(a);
            const int tb = Type(b);
            CFacility* fa = F(a);
            CFacility* fb = F(b);
            CRoute* A = fa->GetRoute();
            CRoute* B = fb->GetRoute();
            if (A == nullptr && B == nullptr) {
                if (ta == tb) {
                    if (m_routeCount[ta] >= V ||
                        m_facilities.GetQuantity(a) + m_facilities.GetQuantity(b) > Q) {
                        continue;
                    }
                    // The same join in the other direction with the same key, next in the order,
                    // decides the orientation.
                    if (position + 1 < pairs) {
                        const int next = m_order[position + 1];
                        if (m_keys[next] == m_keys[p] && m_from[next] == b && m_to[next] == a) {
                            std::swap(a, b);
                            std::swap(fa, fb);
                        }
                    }
                    m_routeCount[ta] += 1;
                } else {
                    if (m_routeCount[FT_CUSTOMER] >= V || m_routeCount[FT_SUPPLIER] >= V) {
                        continue;
                    }
                    m_routeCount[FT_CUSTOMER] += 1;
                    m_routeCount[FT_SUPPLIER] += 1;
                }
                m_record.m_dDistance +=
                    m_facilities.FromDepot(a) + m_facilities.Distance(a, b) + m_facilities.ToDepot(b);
                auto route = MakeSavingsRoute(m_document, m_facilities.GetDepot(), fa, fb, true);
                CRoute* added = route.get();
                m_document.AddRoute(std::move(route), true);
                Step(*added, fb, a, b);
            } else if (A == nullptr) {
                if (B->GetQuantity(ta) + m_facilities.GetQuantity(a) > Q || GetFirstFacility(*B) != fb ||
                    (ta != tb && m_routeCount[ta] >= V)) {
                    continue;
                }
                B->InsertBefore(fa, GetFirstFacilityPosition(*B), true);
                m_document.AdjustRoutedCount(1);
                m_record.m_dDistance +=
                    m_facilities.FromDepot(a) + m_facilities.Distance(a, b) - m_facilities.FromDepot(b);
                if (ta != tb) {
                    m_routeCount[ta] += 1;
                }
                Step(*B, fa, a, b);
            } else if (B == nullptr) {
                if (A->GetQuantity(tb) + m_facilities.GetQuantity(b) > Q || GetLastFacility(*A) != fa ||
                    (ta != tb && m_routeCount[tb] >= V)) {
                    continue;
                }
                A->InsertAfter(fb, GetLastFacilityPosition(*A), true);
                m_document.AdjustRoutedCount(1);
                m_record.m_dDistance +=
                    m_facilities.Distance(a, b) + m_facilities.ToDepot(b) - m_facilities.ToDepot(a);
                if (ta != tb) {
                    m_routeCount[tb] += 1;
                }
                Step(*A, fb, a, b);
            } else if (A != B) {
                JoinRoutes(A, B, a, b);
            }
        }
    }

    // Joins route B to route A through the link a -> b, when one of the four ways fits.
    void JoinRoutes(CRoute* A, CRoute* B, int a, int b) {
        const int Q = m_facilities.GetCapacity();
        if (A->GetQuantity(FT_CUSTOMER) + B->GetQuantity(FT_CUSTOMER) > Q ||
            A->GetQuantity(FT_SUPPLIER) + B->GetQuantity(FT_SUPPLIER) > Q) {
            return;
        }
        CFacility* fa = F(a);
        CFacility* fb = F(b);
        const bool symmetric = m_facilities.IsSymmetric();
        const bool aLast = GetLastFacility(*A) == fa;
        const bool bFirst = GetFirstFacility(*B) == fb;
        // A route of one type with more than one facility may be turned around.
        const bool reversibleA = symmetric && HoldsOneType(*A) && GetNumberOfFacilities(*A) > 1;
        const bool reversibleB = symmetric && HoldsOneType(*B) && GetNumberOfFacilities(*B) > 1;
        const bool aFirst = GetFirstFacility(*A) == fa;
        const bool bLast = GetLastFacility(*B) == fb;
        bool reverseA = false;
        bool backwards = false;
        if (aLast && bFirst) {
        } else if (reversibleB && bLast && aLast) {
            backwards = true;
        } else if (reversibleA && aFirst && bFirst) {
            reverseA = true;
        } else if (reversibleA && aFirst && reversibleB && bLast) {
            reverseA = true;
            backwards = true;
        } else {
            return;
        }
        if (reverseA) {
            ReverseRouteFacilities(*A);
        }
        MoveFacilities(*A, *B, backwards);
        m_record.m_dDistance += JoinCost(a, b);
        if (Type(a) == Type(b)) {
            m_routeCount[Type(a)] -= 1;
        }
        Step(*A, fb, a, b);
    }

    // Moves the facilities of Y one by one behind the last facility of X, in route order or
    // (backwards) from the last to the first, and deletes Y.
    void MoveFacilities(CRoute& X, CRoute& Y, bool backwards) {
        CRoute::POSITION target = GetLastFacilityPosition(X);
        for (;;) {
            CRoute::POSITION position = backwards ? GetLastFacilityPosition(Y) : GetFirstFacilityPosition(Y);
            if (Y.IsNullPosition(position) || Y.GetAt(position)->IsDepot()) {
                break;
            }
            CFacility* f = Y.GetAt(position);
            Y.RemoveFacility(f, position, true);
            target = X.InsertAfter(f, target, true);
        }
        m_document.DeleteRoute(&Y);
    }

    // Merges pairs of routes while the best merge saves distance.
    void MergeRoutes() {
        const int Q = m_facilities.GetCapacity();
        const bool symmetric = m_facilities.IsSymmetric();
        for (;;) {
            const int R = m_document.GetNumberOfRoutes();
            CLargestFirst best(0.0);
            CRoute* bestX = nullptr;
            CRoute* bestY = nullptr;
            bool bestReverseX = false;
            bool bestReverseY = false;
            for (int x = 0; x < R; ++x) {
                CRoute* X = m_document.GetRoute(x);
                const int xFirst = K(GetFirstFacility(*X));
                const int xLast = K(GetLastFacility(*X));
                if (xFirst < 0) {
                    continue;
                }
                const bool reversibleX = symmetric && HoldsOneType(*X) && GetNumberOfFacilities(*X) > 1;
                for (int y = 0; y < R; ++y) {
                    CRoute* Y = m_document.GetRoute(y);
                    if (y == x) {
                        continue;
                    }
                    if ((X->GetNumberOfSuppliers() > 0 && Y->GetNumberOfCustomers() > 0) ||
                        X->GetQuantity(FT_CUSTOMER) + Y->GetQuantity(FT_CUSTOMER) > Q ||
                        X->GetQuantity(FT_SUPPLIER) + Y->GetQuantity(FT_SUPPLIER) > Q) {
                        continue;
                    }
                    const int yFirst = K(GetFirstFacility(*Y));
                    const int yLast = K(GetLastFacility(*Y));
                    if (yFirst < 0) {
                        continue;
                    }
                    const bool reversibleY = symmetric && HoldsOneType(*Y) && GetNumberOfFacilities(*Y) > 1;
                    auto consider = [&](int from, int to, bool reverseX, bool reverseY) {
                        if (best.Offer(-JoinCost(from, to))) {
                            bestX = X;
                            bestY = Y;
                            bestReverseX = reverseX;
                            bestReverseY = reverseY;
                        }
                    };
                    consider(xLast, yFirst, false, false);
                    if (reversibleY) {
                        consider(xLast, yLast, false, true);
                    }
                    if (reversibleX) {
                        consider(xFirst, yFirst, true, false);
                    }
                    if (reversibleX && reversibleY) {
                        consider(xFirst, yLast, true, true);
                    }
                }
            }
            if (bestX == nullptr) {
                return;
            }
            const int joinFrom = K(bestReverseX ? GetFirstFacility(*bestX) : GetLastFacility(*bestX));
            const int joinTo = K(bestReverseY ? GetLastFacility(*bestY) : GetFirstFacility(*bestY));
            if (bestReverseX) {
                ReverseRouteFacilities(*bestX);
            }
            MoveFacilities(*bestX, *bestY, bestReverseY);
            m_record.m_dDistance += JoinCost(joinFrom, joinTo);
            if (Type(joinFrom) == Type(joinTo)) {
                m_routeCount[Type(joinFrom)] -= 1;
            }
            Step(*bestX, F(joinTo), best.Value());
        }
    }

    // Routes of their own for eligible facilities left over, while vehicles remain.
    void AddSingleFacilityRoutes() {
        m_eligible = m_facilities.CountEligible();
        m_routeCount[FT_CUSTOMER] = 0;
        m_routeCount[FT_SUPPLIER] = 0;
        for (CRoute* route : m_document.GetRoutes()) {
            m_routeCount[FT_CUSTOMER] += route->GetNumberOfCustomers() > 0 ? 1 : 0;
            m_routeCount[FT_SUPPLIER] += route->GetNumberOfSuppliers() > 0 ? 1 : 0;
        }
        const int V = m_facilities.GetNumberOfVehicles();
        int next = 0;
        while (m_document.GetRoutedCount() < m_eligible && m_document.GetNumberOfRoutes() < V) {
            m_document.CheckAlgorithmContinuation();
            while (next < m_facilities.GetSize() && (F(next)->IsRouted() || !m_facilities.IsEligible(next))) {
                ++next;
            }
            if (next >= m_facilities.GetSize()) {
                return;
            }
            CFacility* f = F(next);
            m_record.m_dDistance += m_facilities.FromDepot(next) + m_facilities.ToDepot(next);
            auto route = MakeSavingsRoute(m_document, m_facilities.GetDepot(), f, nullptr, true);
            CRoute* added = route.get();
            m_document.AddRoute(std::move(route), true);
            m_routeCount[Type(next)] += 1;
            m_progress.Step(*added, f, m_document.GetRoutedCount(), 0.0, m_record.m_dDistance);
            m_progress.RouteClosed();
        }
    }

    void Step(const CRoute& route, const CFacility* f, int from, int to) {
        Step(route, f, m_savings[from][to]);
    }
    void Step(const CRoute& route, const CFacility* f, double savings) {
        m_progress.Step(route, f, m_document.GetRoutedCount(), savings, m_record.m_dDistance);
    }

    CTramletDoc& m_document;
    CAlgoStat& m_record;
    const CSavingsFacilities m_facilities;
    CSavingsProgress m_progress;
    CDoubleMatrix m_savings;
    std::vector<int> m_from;
    std::vector<int> m_to;
    std::vector<int> m_order;
    CDoubleVector m_keys;
    int m_eligible = 0;
    // Routes holding at least one customer, at least one supplier.
    int m_routeCount[2] = {0, 0};
};

} // namespace

ERunResult OnAlgorithmsSavingsGreedyParallel(CTramletDoc& document) {
    SRunOptions options;
    options.nameId = IDS_ALGO_SAVINGS_GREEDY_PARALLEL;
    options.deleteRoutes = true;
    options.statusWindow = SAVINGS_STATUS_WINDOW;
    return RunAlgorithm(document, options, [&](CAlgoStat& record) {
        CGreedyParallelSavings(document, record).Run();
        record.m_dParameter = document.GetCrossoverPenaltyFactor();
        record.m_lIterations = 1;
        record.m_lCount = 0;
    });
}
