#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "roads/road_graph.h"

// A spatial index of the routable nodes of a road graph: square cells of a plane projection
// (equirectangular around the graph's mean latitude), each listing its nodes. Finds the nearest
// routable node to a position within a largest distance.
class CNodeGrid {
public:
    static constexpr double kCellMetres = 500.0;

    explicit CNodeGrid(const CRoadGraph& graph);

    // The routable node nearest to the position, if one lies within maxMetres.
    std::optional<CRoadGraph::NodeIndex> FindNearest(double latitude, double longitude,
                                                     double maxMetres) const;
    std::size_t GetMemoryBytes() const;

private:
    struct SCell {
        std::int32_t column = 0;
        std::int32_t row = 0;
        bool operator==(const SCell&) const = default;
    };
    struct SCellHash {
        std::size_t operator()(const SCell& cell) const;
    };
    struct SRange {
        std::uint32_t first = 0;
        std::uint32_t last = 0;
    };

    SCell GetCell(double latitude, double longitude) const;
    // The nearest node of one cell, improving best and bestMetres.
    void ScanCell(const SCell& cell, double latitude, double longitude,
                  std::optional<CRoadGraph::NodeIndex>& best, double& bestMetres) const;

    const CRoadGraph& m_graph;
    double m_metresPerDegreeLongitude = 0.0;
    double m_metresPerDegreeLatitude = 0.0;
    std::unordered_map<SCell, SRange, SCellHash> m_cells;
    std::vector<CRoadGraph::NodeIndex> m_nodes; // grouped by cell
};
