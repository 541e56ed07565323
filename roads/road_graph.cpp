#include "roads/road_graph.h"

#include <algorithm>
#include <cmath>
#include <numbers>

CRoadGraph::CRoadGraph(std::vector<SNode> nodes, const std::vector<SSegment>& segments)
    : m_nodes(std::move(nodes)) {
    BuildRows(m_nodes.size(), segments, false, m_outFirst, m_outEdges);
    BuildRows(m_nodes.size(), segments, true, m_inFirst, m_inEdges);
}

void CRoadGraph::BuildRows(std::size_t numberNodes, const std::vector<SSegment>& segments, bool reverse,
                           std::vector<std::uint32_t>& firsts, std::vector<SEdge>& edges) {
    firsts.assign(numberNodes + 1, 0);
    for (const SSegment& segment : segments) {
        ++firsts[(reverse ? segment.to : segment.from) + 1];
    }
    for (std::size_t v = 0; v < numberNodes; ++v) {
        firsts[v + 1] += firsts[v];
    }
    edges.resize(segments.size());
    std::vector<std::uint32_t> next(firsts.begin(), firsts.end() - 1);
    for (const SSegment& segment : segments) {
        const NodeIndex at = reverse ? segment.to : segment.from;
        edges[next[at]++] = {reverse ? segment.from : segment.to, segment.lengthMetres, segment.roadType};
    }
}

std::span<const CRoadGraph::SEdge> CRoadGraph::GetEdges(NodeIndex node, bool reverse) const {
    const std::vector<std::uint32_t>& firsts = reverse ? m_inFirst : m_outFirst;
    const std::vector<SEdge>& edges = reverse ? m_inEdges : m_outEdges;
    return {edges.data() + firsts[node], edges.data() + firsts[node + 1]};
}

bool CRoadGraph::IsRoutable(NodeIndex node) const {
    return m_outFirst[node] != m_outFirst[node + 1] || m_inFirst[node] != m_inFirst[node + 1];
}

std::size_t CRoadGraph::GetMemoryBytes() const {
    return m_nodes.capacity() * sizeof(SNode) +
           (m_outFirst.capacity() + m_inFirst.capacity()) * sizeof(std::uint32_t) +
           (m_outEdges.capacity() + m_inEdges.capacity()) * sizeof(SEdge);
}

double GetGroundMetres(double latitude1, double longitude1, double latitude2, double longitude2) {
    constexpr double kEarthRadiusMetres = 6371000.0;
    constexpr double kRadians = std::numbers::pi / 180.0;
    const double dLatitude = (latitude2 - latitude1) * kRadians;
    const double dLongitude = (longitude2 - longitude1) * kRadians;
    const double a = std::sin(dLatitude / 2) * std::sin(dLatitude / 2) +
                     std::cos(latitude1 * kRadians) * std::cos(latitude2 * kRadians) *
                         std::sin(dLongitude / 2) * std::sin(dLongitude / 2);
    return 2.0 * kEarthRadiusMetres * std::asin(std::sqrt(std::min(1.0, a)));
}
