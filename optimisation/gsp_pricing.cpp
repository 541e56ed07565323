#include "optimisation/gsp_pricing.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cstdio>
#include <type_traits>

#include "framework/application/sable_win_app.h"
#include "framework/parameters/long_parameter.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

namespace {

constexpr bool kExtended(const CGSPLabel*) {
    return false;
}
constexpr bool kExtended(const CGSPExLabel*) {
    return true;
}

} // namespace

CGSPPricing::CGSPPricing(CTramletDoc& document, bool noRevisits)
    : m_document(document), m_noRevisits(noRevisits) {
    assert(document.GetNumberOfDepots() >= 1 && document.GetVehicleCapacity() >= 1 &&
           "pricing starts and ends its routes at a depot and loads up to a positive capacity");
    m_customers = document.GetNumberOfCustomers();
    m_suppliers = document.GetNumberOfSuppliers();
    m_facilities = m_customers + m_suppliers + document.GetNumberOfDepots();
    m_depot = document.GetFirstNumber(FT_DEPOT);
    m_capacity = document.GetVehicleCapacity();
    m_loads = 2 * m_capacity + 1;
    m_quantity.resize(static_cast<size_t>(m_facilities));
    for (int f = 0; f < m_facilities; ++f) {
        m_quantity[f] = document.GetFacility(f)->GetQuantity();
    }
    m_arc.resize(static_cast<size_t>(m_facilities) * m_facilities);
    m_temporary.assign(static_cast<size_t>(m_loads), 0);
    const size_t states = static_cast<size_t>(m_loads) * m_facilities;
    if (noRevisits) {
        m_exLabels.resize(states);
        for (int i = 0; i < m_customers; ++i) {
            m_customerSets.push_back(COctalWord::Singleton(i));
        }
        for (int j = 0; j < m_suppliers; ++j) {
            m_supplierSets.push_back(COctalWord::Singleton(j));
        }
    } else {
        m_labels.resize(states);
    }
}

CGSPPricing::~CGSPPricing() = default;

const CGSPLabel& CGSPPricing::GetLabel(int facility, int load) const {
    return m_noRevisits ? m_exLabels[Index(facility, load)] : m_labels[Index(facility, load)];
}

const CGSPExLabel& CGSPPricing::GetExLabel(int facility, int load) const {
    return m_exLabels[Index(facility, load)];
}

void CGSPPricing::ResetLabels() {
    std::fill(m_labels.begin(), m_labels.end(), CGSPLabel());
    std::fill(m_exLabels.begin(), m_exLabels.end(), CGSPExLabel());
    std::fill(m_temporary.begin(), m_temporary.end(), 0);
}

bool CGSPPricing::IsDebugReport() const {
    const CSableWinApp* app = CSableWinApp::GetApp();
    return m_document.GetReportLevel() >= REPORT_DEBUG && app != nullptr && app->HasOutputLogFile();
}

std::string CGSPPricing::FacilityName(int f) const {
    const CFacility* facility = m_document.GetFacility(f);
    return FormatString("%s %s", facility->GetTypeName().c_str(), facility->GetLabel().c_str());
}

// Stores the candidate value of the path from (u, load) in target when it is strictly smaller (a
// permanent label stays); the replacement is temporary and comes from u.
template <class Label>
void CGSPPricing::Improve(Label& target, const Label& from, int u, int load, double arc) {
    const float value = static_cast<float>(static_cast<double>(from.m_fDistance) + arc);
    if (!(value < target.m_fDistance) || target.m_lPermanent != 0) {
        return;
    }
    target.m_fDistance = value;
    target.m_lPredecessor = u;
    target.m_lPredecessorLoad = load;
}

template <class Label> void CGSPPricing::Initialize(std::vector<Label>& labels) {
    const double* fromDepot = &m_arc[static_cast<size_t>(m_depot) * m_facilities];
    for (int f = 0; f < m_customers + m_suppliers; ++f) {
        if (m_quantity[f] > m_capacity) {
            continue;
        }
        const int load = IsCustomer(f) ? m_quantity[f] : m_capacity + m_quantity[f];
        Label& label = labels[Index(f, load)];
        label.m_fDistance = static_cast<float>(fromDepot[f]);
        label.m_lPredecessor = m_depot;
        label.m_lPredecessorLoad = 0;
        label.m_lPermanent = 0;
        if constexpr (kExtended(static_cast<Label*>(nullptr))) {
            if (IsCustomer(f)) {
                label.m_customersVisited = m_customerSets[f];
            } else {
                label.m_suppliersVisited = m_supplierSets[f - m_customers];
            }
        }
        ++m_temporary[load];
    }
}

void CGSPPricing::InitializeLabels(const std::vector<double>& pi, int& currentLoad) {
    m_steps = 0;
    const int served = m_customers + m_suppliers;
    const double vehiclePrice = pi[served];
    for (int u = 0; u < m_facilities; ++u) {
        double* row = &m_arc[static_cast<size_t>(u) * m_facilities];
        for (int v = 0; v < m_facilities; ++v) {
            const double price = v < served ? pi[v] : vehiclePrice;
            row[v] = m_document.GetDistance(u, v) - price;
        }
    }
    if (m_noRevisits) {
        Initialize(m_exLabels);
    } else {
        Initialize(m_labels);
    }
    currentLoad = INT_MAX;
    for (int load = 0; load < m_loads; ++load) {
        if (m_temporary[load] > 0) {
            currentLoad = load;
            break;
        }
    }
    if (IsDebugReport()) {
        WriteListing("\nGeneralized Shortest Path Labels at Iteration %ld and Step %d\n\n", true);
    }
}

bool CGSPPricing::SelectLabel(int& currentLoad, int& facility) {
    for (int load = std::max(currentLoad, 0); load < m_loads; ++load) {
        if (m_temporary[load] == 0) {
            continue;
        }
        const int first = load <= m_capacity ? 0 : m_customers;
        const int last = load >= m_capacity ? m_customers + m_suppliers : m_customers;
        for (int f = first; f < last; ++f) {
            const CGSPLabel& label = GetLabel(f, load);
            if (label.m_lPermanent == 0 && label.IsReached()) {
                currentLoad = load;
                facility = f;
                if (IsDebugReport()) {
                    const CFacility* chosen = m_document.GetFacility(f);
                    WriteOutputLogMessage(
                        FormatString(m_noRevisits ? "Selected %s %s with minimum load %d to become "
                                                    "permanent\n\n"
                                                  : "Selected %s %s with minimum load %d to become "
                                                    "permanent\n",
                                     chosen->GetTypeName().c_str(), chosen->GetLabel().c_str(), load));
                }
                return true;
            }
        }
    }
    if (IsDebugReport()) {
        WriteOutputLogMessage(m_noRevisits ? "No label with node and load combination selected to become "
                                             "permanent\n\n"
                                           : "\n");
    }
    return false;
}

template <class Label> void CGSPPricing::Extend(std::vector<Label>& labels, int u, int load) {
    const Label from = labels[Index(u, load)];
    const double* arc = &m_arc[static_cast<size_t>(u) * m_facilities];
    const int served = m_customers + m_suppliers;
    // Marks the state temporary-reached when it was not reached before.
    auto reach = [&](int v, int target) {
        Label& label = labels[Index(v, target)];
        const bool wasReached = label.IsReached();
        const float before = label.m_fDistance;
        Improve(label, from, u, load, arc[v]);
        if (label.m_fDistance == before) {
            return;
        }
        if (!wasReached && v < served) {
            ++m_temporary[target];
        }
        if constexpr (kExtended(static_cast<Label*>(nullptr))) {
            label.m_customersVisited = from.m_customersVisited;
            label.m_suppliersVisited = from.m_suppliersVisited;
            if (v < m_customers) {
                label.m_customersVisited = label.m_customersVisited.With(m_customerSets[v]);
            } else if (v < served) {
                label.m_suppliersVisited = label.m_suppliersVisited.With(m_supplierSets[v - m_customers]);
            }
        }
    };
    // Whether the path to u has visited v already (no-revisits variant).
    auto visited = [&](int v) {
        if constexpr (kExtended(static_cast<Label*>(nullptr))) {
            return v < m_customers ? from.m_customersVisited.Intersects(m_customerSets[v])
                                   : from.m_suppliersVisited.Intersects(m_supplierSets[v - m_customers]);
        }
        return false;
    };
    if (IsCustomer(u)) {
        for (int v = 0; v < m_customers; ++v) {
            if (v != u && load + m_quantity[v] <= m_capacity && !visited(v)) {
                reach(v, load + m_quantity[v]);
            }
        }
        for (int s = m_customers; s < served; ++s) {
            if (m_quantity[s] <= m_capacity && !visited(s)) {
                reach(s, m_capacity + m_quantity[s]);
            }
        }
    } else {
        for (int v = m_customers; v < served; ++v) {
            if (v != u && load + m_quantity[v] <= 2 * m_capacity && !visited(v)) {
                reach(v, load + m_quantity[v]);
            }
        }
    }
    reach(m_depot, load);
    labels[Index(u, load)].m_lPermanent = 1;
    --m_temporary[load];
}

void CGSPPricing::ExtendLabel(int facility, int load) {
    if (m_noRevisits) {
        Extend(m_exLabels, facility, load);
    } else {
        Extend(m_labels, facility, load);
    }
    ++m_steps;
    if (IsDebugReport()) {
        WriteListing("\nGeneralized Shortest Path Labels at Iteration %ld and Step %d\n\n", true);
    }
}

template <class Label>
int CGSPPricing::Generate(const std::vector<Label>& labels, CRoutePool& pool, double threshold) {
    const bool debug = IsDebugReport();
    CFacility* depot = m_document.GetFacility(m_depot);
    int added = 0;
    for (int load = 0; load < m_loads; ++load) {
        const Label& end = labels[Index(m_depot, load)];
        if (!(end.m_fDistance < threshold)) {
            continue;
        }
        auto route = std::make_unique<CRoute>(&m_document);
        route->AddFacility(depot, false);
        int facility = end.m_lPredecessor;
        int at = end.m_lPredecessorLoad;
        // Every predecessor was settled before its successor, so the walk ends at the depot; the
        // bound only guards against a damaged matrix.
        for (int guard = 0; facility != m_depot && guard < static_cast<int>(labels.size()); ++guard) {
            route->InsertBefore(m_document.GetFacility(facility), route->GetHeadPosition(), false);
            const Label& label = labels[Index(facility, at)];
            facility = label.m_lPredecessor;
            at = label.m_lPredecessorLoad;
        }
        route->InsertBefore(depot, route->GetHeadPosition(), false);
        route->ComputeDistance();
        const int number = static_cast<int>(pool.size()) + 1;
        route->SetIndex(number - 1);
        route->SetLabel(FormatString("%d", number));
        pool.push_back(std::move(route));
        ++added;
        if (debug) {
            WriteOutputLogMessage(FormatString("Route %5ld: Reduced Cost = %f\n", static_cast<long>(number),
                                               static_cast<double>(end.m_fDistance)));
        }
    }
    return added;
}

int CGSPPricing::GenerateRoutes(CRoutePool& pool, double totalDistance) {
    if (IsDebugReport()) {
        WriteDepotListing();
    }
    const double threshold = -(m_document.GetTolerance() * totalDistance);
    return m_noRevisits ? Generate(m_exLabels, pool, threshold) : Generate(m_labels, pool, threshold);
}

int CGSPPricing::Price(const std::vector<double>& pi, CRoutePool& pool, double totalDistance) {
    int load = 0;
    int facility = 0;
    InitializeLabels(pi, load);
    while (SelectLabel(load, facility)) {
        ExtendLabel(facility, load);
    }
    return GenerateRoutes(pool, totalDistance);
}
