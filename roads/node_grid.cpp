#include "roads/node_grid.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kMetresPerDegree = 6371000.0 * std::numbers::pi / 180.0;

} // namespace

std::size_t CNodeGrid::SCellHash::operator()(const SCell& cell) const {
    return std::hash<std::uint64_t>()(
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(cell.column)) << 32) |
        static_cast<std::uint32_t>(cell.row));
}

CNodeGrid::CNodeGrid(const CRoadGraph& graph) : m_graph(graph) {
    double latitudeSum = 0.0;
    std::vector<std::pair<SCell, CRoadGraph::NodeIndex>> placed;
    for (CRoadGraph::NodeIndex v = 0; v < graph.GetNumberNodes(); ++v) {
        if (graph.IsRoutable(v)) {
            latitudeSum += graph.GetNode(v).latitude;
            placed.push_back({{}, v});
        }
    }
    const double meanLatitude = placed.empty() ? 0.0 : latitudeSum / static_cast<double>(placed.size());
    m_metresPerDegreeLatitude = kMetresPerDegree;
    // Kept away from zero so that cells stay finite near the poles.
    m_metresPerDegreeLongitude =
        kMetresPerDegree * std::max(0.05, std::cos(meanLatitude * std::numbers::pi / 180.0));
    for (auto& [cell, v] : placed) {
        cell = GetCell(graph.GetNode(v).latitude, graph.GetNode(v).longitude);
    }
    std::sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) {
        return a.first.column != b.first.column ? a.first.column < b.first.column : a.first.row < b.first.row;
    });
    m_nodes.reserve(placed.size());
    for (std::size_t k = 0; k < placed.size(); ++k) {
        if (k == 0 || !(placed[k].first == placed[k - 1].first)) {
            m_cells[placed[k].first] = {static_cast<std::uint32_t>(k), static_cast<std::uint32_t>(k)};
        }
        ++m_cells[placed[k].first].last;
        m_nodes.push_back(placed[k].second);
    }
}

CNodeGrid::SCell CNodeGrid::GetCell(double latitude, double longitude) const {
    return {static_cast<std::int32_t>(std::floor(longitude * m_metresPerDegreeLongitude / kCellMetres)),
            static_cast<std::int32_t>(std::floor(latitude * m_metresPerDegreeLatitude / kCellMetres))};
}

void CNodeGrid::ScanCell(const SCell& cell, double latitude, double longitude,
                         std::optional<CRoadGraph::NodeIndex>& best, double& bestMetres) const {
    auto found = m_cells.find(cell);
    if (found == m_cells.end()) {
        return;
    }
    for (std::uint32_t k = found->second.first; k < found->second.last; ++k) {
        const CRoadGraph::SNode& node = m_graph.GetNode(m_nodes[k]);
        const double metres = GetGroundMetres(latitude, longitude, node.latitude, node.longitude);
        if (metres < bestMetres) {
            bestMetres = metres;
            best = m_nodes[k];
        }
    }
}

std::optional<CRoadGraph::NodeIndex> CNodeGrid::FindNearest(double latitude, double longitude,
                                                            double maxMetres) const {
    const SCell centre = GetCell(latitude, longitude);
    std::optional<CRoadGraph::NodeIndex> best;
    double bestMetres = maxMetres;
    // Ring r holds the cells r steps away from the centre; a node beyond ring r lies at least
    // r cells away (less a margin for the projection), so the search ends once the best is nearer.
    const int lastRing = static_cast<int>(std::ceil(maxMetres / kCellMetres)) + 1;
    for (int r = 0; r <= lastRing; ++r) {
        for (int dc = -r; dc <= r; ++dc) {
            for (int dr = -r; dr <= r; ++dr) {
                if (std::abs(dc) == r || std::abs(dr) == r) {
                    ScanCell({centre.column + dc, centre.row + dr}, latitude, longitude, best, bestMetres);
                }
            }
        }
        if (best && bestMetres < 0.9 * r * kCellMetres) {
            break;
        }
    }
    return best;
}

std::size_t CNodeGrid::GetMemoryBytes() const {
    return m_nodes.capacity() * sizeof(CRoadGraph::NodeIndex) +
           m_cells.size() * (sizeof(SCell) + sizeof(SRange) + 2 * sizeof(void*)) +
           m_cells.bucket_count() * sizeof(void*);
}
