#include "roads/shortest_paths.h"

#include <algorithm>
#include <functional>
#include <utility>

std::array<double, NUMBER_ROAD_TYPES> GetCostPerMetre(const CMapPointRoutePreferences& preferences) {
    std::array<double, NUMBER_ROAD_TYPES> costs{};
    for (int t = 0; t < NUMBER_ROAD_TYPES; ++t) {
        const double weight = 2.0 * preferences.GetPreference(t);
        switch (preferences.GetRouteMethod()) {
        case 1:
            costs[t] = 1.0;
            break;
        case 2:
            costs[t] = 1.0 / weight;
            break;
        default:
            costs[t] = 3.6 / (kRoadTypeSpeeds[t] * weight); // seconds per metre
            break;
        }
    }
    return costs;
}

CShortestPathSearch::CShortestPathSearch(const CRoadGraph& graph)
    : m_graph(graph), m_labels(graph.GetNumberNodes()) {}

void CShortestPathSearch::Run(CRoadGraph::NodeIndex source, bool reverse,
                              const std::array<double, NUMBER_ROAD_TYPES>& costPerMetre,
                              const std::vector<CRoadGraph::NodeIndex>& targets) {
    ++m_search;
    m_source = source;
    m_reverse = reverse;
    // The targets are marked with the search number and counted once each.
    std::size_t remaining = 0;
    for (CRoadGraph::NodeIndex target : targets) {
        if (m_labels[target].target != m_search) {
            m_labels[target].target = m_search;
            ++remaining;
        }
    }
    const auto later = std::greater<>();
    m_queue.clear();
    auto reach = [&](CRoadGraph::NodeIndex v, double cost, double length) {
        SLabel& label = m_labels[v];
        if (label.reached == m_search && cost >= label.cost) {
            return;
        }
        label.reached = m_search;
        label.cost = cost;
        label.length = length;
        m_queue.emplace_back(cost, v);
        std::push_heap(m_queue.begin(), m_queue.end(), later);
    };
    reach(source, 0.0, 0.0);
    while (!m_queue.empty() && remaining > 0) {
        std::pop_heap(m_queue.begin(), m_queue.end(), later);
        const auto [cost, v] = m_queue.back();
        m_queue.pop_back();
        SLabel& label = m_labels[v];
        if (label.settled == m_search || cost > label.cost) {
            continue;
        }
        label.settled = m_search;
        if (label.target == m_search) {
            --remaining;
        }
        const double length = label.length;
        for (const CRoadGraph::SEdge& edge : m_graph.GetEdges(v, reverse)) {
            reach(edge.other, cost + edge.lengthMetres * costPerMetre[edge.roadType],
                  length + edge.lengthMetres);
        }
    }
}

std::optional<double> CShortestPathSearch::GetLengthMetres(CRoadGraph::NodeIndex node) const {
    if (m_search == 0 || m_labels[node].settled != m_search) {
        return std::nullopt;
    }
    return m_labels[node].length;
}
