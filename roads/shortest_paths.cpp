#include "roads/shortest_paths.h"

#include <functional>
#include <queue>
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
    : m_graph(graph), m_searchOfNode(graph.GetNumberNodes(), 0), m_targetOfSearch(graph.GetNumberNodes(), 0),
      m_settled(graph.GetNumberNodes(), false), m_cost(graph.GetNumberNodes(), 0.0),
      m_length(graph.GetNumberNodes(), 0.0) {}

void CShortestPathSearch::Run(CRoadGraph::NodeIndex source, bool reverse,
                              const std::array<double, NUMBER_ROAD_TYPES>& costPerMetre,
                              const std::vector<CRoadGraph::NodeIndex>& targets) {
    ++m_search;
    m_source = source;
    m_reverse = reverse;
    // The targets are marked with the search number and counted once each.
    std::size_t remaining = 0;
    for (CRoadGraph::NodeIndex target : targets) {
        if (m_targetOfSearch[target] != m_search) {
            m_targetOfSearch[target] = m_search;
            ++remaining;
        }
    }
    using SQueued = std::pair<double, CRoadGraph::NodeIndex>;
    std::priority_queue<SQueued, std::vector<SQueued>, std::greater<>> queue;
    auto reach = [&](CRoadGraph::NodeIndex v, double cost, double length) {
        if (m_searchOfNode[v] != m_search) {
            m_searchOfNode[v] = m_search;
            m_settled[v] = false;
        } else if (cost >= m_cost[v]) {
            return;
        }
        m_cost[v] = cost;
        m_length[v] = length;
        queue.push({cost, v});
    };
    reach(source, 0.0, 0.0);
    while (!queue.empty() && remaining > 0) {
        const auto [cost, v] = queue.top();
        queue.pop();
        if (m_settled[v] || cost > m_cost[v]) {
            continue;
        }
        m_settled[v] = true;
        if (m_targetOfSearch[v] == m_search) {
            --remaining;
        }
        for (const CRoadGraph::SEdge& edge : m_graph.GetEdges(v, reverse)) {
            reach(edge.other, cost + edge.lengthMetres * costPerMetre[edge.roadType],
                  m_length[v] + edge.lengthMetres);
        }
    }
}

std::optional<double> CShortestPathSearch::GetLengthMetres(CRoadGraph::NodeIndex node) const {
    if (m_search == 0 || m_searchOfNode[node] != m_search || !m_settled[node]) {
        return std::nullopt;
    }
    return m_length[node];
}
