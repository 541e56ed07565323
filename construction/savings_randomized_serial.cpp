// Savings (Randomized Serial): the serial savings method, but every join is drawn at random
// among the K largest savings (K the randomization depth). Each iteration builds a solution of
// its own in a private route list; a solution cheaper than the best one so far replaces the
// document's routes.
#include <cfloat>
#include <memory>
#include <vector>

#include "construction/savings.h"
#include "construction/savings_matrix.h"
#include "construction/savings_progress.h"
#include "construction/savings_shortcuts.h"
#include "framework/random/random.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

namespace {

// Palette colours given to routes in turn: (k mod 7) + 8.
constexpr int kFirstRouteColor = 8;
constexpr int kRouteColorCycle = 7;

class CRandomizedSerialSavings {
public:
    CRandomizedSerialSavings(CTramletDoc& document, CAlgoStat& record)
        : m_document(document), m_record(record), m_facilities(document), m_progress(document),
          m_routeOf(m_facilities.GetSize(), -1) {}

    void Run() {
        const int depth = m_document.GetRandomizationDepth();
        m_record.m_dParameter = depth;
        m_record.m_uSeed = static_cast<unsigned>(m_document.GetSeed());
        m_record.m_dDeltaObjective = 0.0;
        m_record.m_lCount = 0;
        m_record.m_lIterations = 0;
        m_eligible = m_facilities.CountEligible();
        if (m_eligible == 0) {
            ShowNoFeasibleShortcutMessage();
            return;
        }
        ComputeSavingsMatrix(m_document, m_savings);
        m_candidates.RemoveAll(depth);
        m_record.m_dCost = DBL_MAX;
        SetSeed(m_document.GetSeed(), false);

        const int iterations = m_document.GetMaxIterations();
        for (int iteration = 0; iteration < iterations; ++iteration) {
            BuildSolution(depth);
            m_record.m_lIterations = iteration + 1;
            KeepWhenCheaper();
        }
    }

private:
    double S(int x, int y) const { return m_savings[x][y]; }
    int C() const { return m_facilities.GetNumberOfCustomers(); }
    bool IsFree(int k) const { return m_routeOf[k] < 0; }

    CRouteShortcut Shortcut(int kind, int from, int to) const {
        const int c = C();
        return CRouteShortcut(kind, from < c ? 0 : 1, from < c ? from : from - c, to < c ? 0 : 1,
                              to < c ? to : to - c, S(from, to));
    }
    int IndexOf(int type, int index) const { return type == 0 ? index : C() + index; }

    // One solution in the private route list.
    void BuildSolution(int depth) {
        m_routes.clear();
        m_routeOf.assign(m_routeOf.size(), -1);
        m_routed = 0;
        m_distance = 0.0;
        const int V = m_facilities.GetNumberOfVehicles();
        while (m_routed < m_eligible && static_cast<int>(m_routes.size()) < V) {
            StartRoute(depth);
            while (m_routed < m_eligible && Extend(depth)) {
            }
            m_progress.RouteClosed(m_route);
            m_document.CheckAlgorithmContinuation();
        }
    }

    // Opens a route with a pair drawn among the best new pairs, or with the first free eligible
    // facility when no pair has positive savings.
    void StartRoute(int depth) {
        const int c = C();
        const int N = m_facilities.GetSize();
        const int Q = m_facilities.GetCapacity();
        const bool symmetric = m_facilities.IsSymmetric();
        m_candidates.RemoveAll(depth);
        auto sameType = [&](int i, int first, int end) {
            const int qi = m_facilities.GetQuantity(i);
            for (int j = symmetric ? i + 1 : first; j < end; ++j) {
                if (IsFree(j) && qi + m_facilities.GetQuantity(j) <= Q && S(i, j) > 0.0) {
                    if (m_candidates.Insert(Shortcut(CRouteShortcut::NEW_ROUTE, i, j)) >= 0 && symmetric) {
                        m_candidates.Insert(Shortcut(CRouteShortcut::NEW_ROUTE, j, i));
                    }
                }
            }
        };
        for (int i = 0; i < c; ++i) {
            if (!IsFree(i)) {
                continue;
            }
            sameType(i, 0, c);
            for (int j = c; j < N; ++j) {
                if (IsFree(j) && S(i, j) > 0.0) {
                    m_candidates.Insert(Shortcut(CRouteShortcut::NEW_ROUTE, i, j));
                }
            }
        }
        for (int i = c; i < N; ++i) {
            if (IsFree(i)) {
                sameType(i, c, N);
            }
        }

        int a = -1;
        int b = -1;
        double savings = 0.0;
        if (m_candidates.IsEmpty()) {
            for (int k = 0; k < N && a < 0; ++k) {
                if (IsFree(k) && m_facilities.IsEligible(k)) {
                    a = k;
                }
            }
            m_distance += m_facilities.FromDepot(a) + m_facilities.ToDepot(a);
        } else {
            const CRouteShortcut& chosen = m_candidates[Draw()];
            a = IndexOf(chosen.GetFromType(), chosen.GetFromIndex());
            b = IndexOf(chosen.GetToType(), chosen.GetToIndex());
            savings = chosen.GetSavings();
            m_distance += m_facilities.FromDepot(a) + m_facilities.Distance(a, b) + m_facilities.ToDepot(b);
        }
        const int index = static_cast<int>(m_routes.size());
        auto route = MakeSavingsRoute(m_document, m_facilities.GetDepot(), m_facilities.GetFacility(a),
                                      b >= 0 ? m_facilities.GetFacility(b) : nullptr, false);
        CPRGB color;
        color.SetColorIndex(index % kRouteColorCycle + kFirstRouteColor);
        route->SetColor(color);
        route->SetIndex(index);
        route->SetLabel(std::to_string(index + 1));
        m_route = route.get();
        m_routes.push_back(std::move(route));
        m_first = a;
        m_last = b >= 0 ? b : a;
        m_routeOf[a] = index;
        m_routed += 1;
        if (b >= 0) {
            m_routeOf[b] = index;
            m_routed += 1;
        }
        m_progress.Step(*m_route, m_facilities.GetFacility(m_last), m_routed, savings, m_distance, true);
    }

    // Places a facility drawn among the best joins at the route's ends; false when none has
    // positive savings.
    bool Extend(int depth) {
        const int c = C();
        const int N = m_facilities.GetSize();
        const int Q = m_facilities.GetCapacity();
        const int customerLoad = m_route->GetQuantity(FT_CUSTOMER);
        const int supplierLoad = m_route->GetQuantity(FT_SUPPLIER);
        m_candidates.RemoveAll(depth);
        for (int k = 0; k < c; ++k) {
            if (IsFree(k) && customerLoad + m_facilities.GetQuantity(k) <= Q && S(k, m_first) > 0.0) {
                m_candidates.Insert(Shortcut(CRouteShortcut::BEFORE_FIRST, k, m_first));
            }
        }
        if (!m_facilities.IsCustomer(m_first)) {
            for (int p = c; p < N; ++p) {
                if (IsFree(p) && supplierLoad + m_facilities.GetQuantity(p) <= Q && S(p, m_first) > 0.0) {
                    m_candidates.Insert(Shortcut(CRouteShortcut::BEFORE_FIRST, p, m_first));
                }
            }
        }
        if (m_facilities.IsCustomer(m_last)) {
            // The customer load is checked here as well: a join that fits its pair need not fit
            // the route.
            for (int k = 0; k < c; ++k) {
                if (IsFree(k) && customerLoad + m_facilities.GetQuantity(k) <= Q && S(m_last, k) > 0.0) {
                    m_candidates.Insert(Shortcut(CRouteShortcut::AFTER_LAST, m_last, k));
                }
            }
        }
        for (int p = c; p < N; ++p) {
            if (IsFree(p) && supplierLoad + m_facilities.GetQuantity(p) <= Q && S(m_last, p) > 0.0) {
                m_candidates.Insert(Shortcut(CRouteShortcut::AFTER_LAST, m_last, p));
            }
        }
        if (m_candidates.IsEmpty()) {
            return false;
        }
        const CRouteShortcut& chosen = m_candidates[Draw()];
        const int index = static_cast<int>(m_routes.size()) - 1;
        int x = -1;
        if (chosen.GetKind() == CRouteShortcut::BEFORE_FIRST) {
            x = IndexOf(chosen.GetFromType(), chosen.GetFromIndex());
            m_distance += m_facilities.FromDepot(x) + m_facilities.Distance(x, m_first) -
                          m_facilities.FromDepot(m_first);
            m_route->InsertBefore(m_facilities.GetFacility(x), GetFirstFacilityPosition(*m_route), false);
            m_first = x;
        } else {
            x = IndexOf(chosen.GetToType(), chosen.GetToIndex());
            m_distance +=
                m_facilities.Distance(m_last, x) + m_facilities.ToDepot(x) - m_facilities.ToDepot(m_last);
            m_route->InsertAfter(m_facilities.GetFacility(x), GetLastFacilityPosition(*m_route), false);
            m_last = x;
        }
        m_routeOf[x] = index;
        m_routed += 1;
        m_progress.Step(*m_route, m_facilities.GetFacility(x), m_routed, chosen.GetSavings(), m_distance,
                        true);
        return true;
    }

    // A position drawn uniformly among the listed shortcuts.
    int Draw() const { return GetUniformInteger(0, m_candidates.GetSize() - 1, false); }

    // Evaluates the private solution; when it is cheaper than the document's, it becomes the
    // document's solution.
    void KeepWhenCheaper() {
        m_array.clear();
        for (const auto& route : m_routes) {
            m_array.push_back(route.get());
        }
        double distance = 0.0;
        double penalty = 0.0;
        double cost = 0.0;
        m_document.GetDistancePenaltyCost(distance, penalty, cost, &m_array);
        if (!(cost < m_record.m_dCost)) {
            return;
        }
        const int c = C();
        m_snapshot.m_routes = std::move(m_routes);
        m_routes.clear();
        m_snapshot.m_customerRoutes.assign(m_routeOf.begin(), m_routeOf.begin() + c);
        m_snapshot.m_supplierRoutes.assign(m_routeOf.begin() + c, m_routeOf.end());
        m_document.RestoreRouteSnapshot(m_snapshot);
        m_snapshot.m_routes.clear();
        m_record.m_dDistance = distance;
        m_record.m_dCost = cost;
        m_record.m_lCount += 1;
    }

    CTramletDoc& m_document;
    CAlgoStat& m_record;
    const CSavingsFacilities m_facilities;
    CSavingsProgress m_progress;
    CDoubleMatrix m_savings;
    CSortedRouteShortcuts m_candidates;
    int m_eligible = 0;

    // The private solution: its routes, the route index of every customer and supplier (-1 for
    // none), the facilities on routes and the distance.
    std::vector<std::unique_ptr<CRoute>> m_routes;
    std::vector<int> m_routeOf;
    int m_routed = 0;
    double m_distance = 0.0;
    CRoute* m_route = nullptr;
    int m_first = -1;
    int m_last = -1;
    CTramletDoc::RouteArray m_array;
    CRouteSnapshot m_snapshot;
};

} // namespace

ERunResult OnAlgorithmsSavingsSerialRandomized(CTramletDoc& document) {
    SRunOptions options;
    options.nameId = IDS_ALGO_SAVINGS_RANDOMIZED_SERIAL;
    options.deleteRoutes = true;
    options.enableAbort = true;
    options.statusWindow = SAVINGS_STATUS_WINDOW;
    return RunAlgorithm(document, options,
                        [&](CAlgoStat& record) { CRandomizedSerialSavings(document, record).Run(); });
}
