#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// A directed road graph: nodes with their positions and, for each node, the road segments that
// leave it and those that arrive at it (compressed rows), each with its length and road type.
class CRoadGraph {
public:
    using NodeIndex = std::uint32_t;

    struct SNode {
        double latitude = 0.0; // fractional degrees
        double longitude = 0.0;
    };
    // A segment as the graph is built from it: driven from one node to the other.
    struct SSegment {
        NodeIndex from = 0;
        NodeIndex to = 0;
        float lengthMetres = 0.0f;
        std::uint8_t roadType = 0; // 0 to 3, see roads/road_types.h
    };
    // A segment as a node sees it: the node at its other end.
    struct SEdge {
        NodeIndex other = 0;
        float lengthMetres = 0.0f;
        std::uint8_t roadType = 0;
    };

    CRoadGraph() = default;
    // The graph of the nodes and the directed segments between them (indices into nodes).
    CRoadGraph(std::vector<SNode> nodes, const std::vector<SSegment>& segments);

    std::size_t GetNumberNodes() const { return m_nodes.size(); }
    std::size_t GetNumberSegments() const { return m_outEdges.size(); }
    const SNode& GetNode(NodeIndex node) const { return m_nodes[node]; }
    // The segments leaving the node (reverse false) or arriving at it (reverse true).
    std::span<const SEdge> GetEdges(NodeIndex node, bool reverse) const;
    // Whether some segment leaves or arrives at the node.
    bool IsRoutable(NodeIndex node) const;
    // The bytes the graph holds.
    std::size_t GetMemoryBytes() const;

private:
    static void BuildRows(std::size_t numberNodes, const std::vector<SSegment>& segments, bool reverse,
                          std::vector<std::uint32_t>& firsts, std::vector<SEdge>& edges);

    std::vector<SNode> m_nodes;
    std::vector<std::uint32_t> m_outFirst; // m_outEdges[m_outFirst[v] .. m_outFirst[v + 1]) leave v
    std::vector<SEdge> m_outEdges;
    std::vector<std::uint32_t> m_inFirst;
    std::vector<SEdge> m_inEdges;
};

// The great-circle distance in metres between two positions in fractional degrees (mean Earth
// radius 6371 km).
double GetGroundMetres(double latitude1, double longitude1, double latitude2, double longitude2);
