#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/distances/route_preferences.h"
#include "roads/road_graph.h"
#include "roads/road_types.h"

// What a search minimises per metre of each road type, from the route preferences:
//   route method 0 (quickest):  travel time, at the road type's speed times twice its preference
//                               (the default preference 0.5 drives at the listed speed);
//   route method 1 (shortest):  length; the preferences play no part;
//   route method 2 (preferred): length divided by twice the road type's preference.
// Whatever is minimised, the distance of a route is its length.
std::array<double, NUMBER_ROAD_TYPES> GetCostPerMetre(const CMapPointRoutePreferences& preferences);

// Single-source shortest paths (Dijkstra) over a road graph, forward from a source or backward
// to it. One object serves many searches: its arrays are sized once and told apart by a search
// number, so a search costs only the nodes it reaches.
class CShortestPathSearch {
public:
    explicit CShortestPathSearch(const CRoadGraph& graph);

    // Searches from source (or, with reverse, towards it) under the costs per metre, until every
    // target has been settled or nothing more can be reached.
    void Run(CRoadGraph::NodeIndex source, bool reverse,
             const std::array<double, NUMBER_ROAD_TYPES>& costPerMetre,
             const std::vector<CRoadGraph::NodeIndex>& targets);
    // The length in metres of the cheapest route between the source and a settled node, or
    // nothing when the last search did not settle it.
    std::optional<double> GetLengthMetres(CRoadGraph::NodeIndex node) const;
    CRoadGraph::NodeIndex GetSource() const { return m_source; }
    std::size_t GetMemoryBytes() const {
        return m_labels.capacity() * sizeof(SLabel) + m_queue.capacity() * sizeof(m_queue[0]);
    }
    bool IsReverse() const { return m_reverse; }

private:
    // What a search knows of a node; the search numbers tell whether it belongs to this search.
    struct SLabel {
        double cost = 0.0;
        double length = 0.0;
        unsigned reached = 0; // the search that last reached the node
        unsigned settled = 0; // the search that last settled it
        unsigned target = 0;  // the search that last had it as a target
    };

    const CRoadGraph& m_graph;
    std::vector<SLabel> m_labels;
    std::vector<std::pair<double, CRoadGraph::NodeIndex>> m_queue; // a binary heap, cheapest first
    unsigned m_search = 0;
    CRoadGraph::NodeIndex m_source = 0;
    bool m_reverse = false;
};
