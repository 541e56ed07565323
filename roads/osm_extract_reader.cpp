#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <limits>
#include <osmium/io/any_input.hpp>
#include <osmium/osm/node.hpp>
#include <osmium/osm/way.hpp>

#include "framework/strings/format.h"
#include "roads/road_network_data.h"
#include "roads/road_types.h"

namespace {

using OsmId = std::int64_t;

// A tag's value, or the empty text when the tag is absent.
std::string_view GetTag(const osmium::TagList& tags, const char* key) {
    const char* value = tags.get_value_by_key(key);
    return value != nullptr ? std::string_view(value) : std::string_view();
}

// The first of several tags that is present.
std::string GetFirstTag(const osmium::TagList& tags, std::initializer_list<const char*> keys) {
    for (const char* key : keys) {
        if (const char* value = tags.get_value_by_key(key)) {
            return value;
        }
    }
    return std::string();
}

// The address tags of a node or a building, positioned later.
CAddressIndex::SEntry ReadAddressTags(const osmium::TagList& tags) {
    CAddressIndex::SEntry entry;
    entry.street = GetFirstTag(tags, {"addr:street", "addr:place"});
    entry.houseNumber = GetFirstTag(tags, {"addr:housenumber"});
    entry.city = GetFirstTag(tags, {"addr:city"});
    entry.postalCode = GetFirstTag(tags, {"addr:postcode"});
    entry.region =
        GetFirstTag(tags, {"addr:state", "addr:province", "is_in:state", "is_in:province", "is_in:region"});
    return entry;
}

bool HasAddress(const osmium::TagList& tags) {
    return tags.has_key("addr:city") && (tags.has_key("addr:street") || tags.has_key("addr:place"));
}

// A way's node ids, stored one after another.
struct SWayNodes {
    std::size_t first = 0;
    std::size_t count = 0;
};

// What the first pass keeps.
struct SWayPass {
    std::vector<OsmId> roadRefs; // the node ids of the roads, one way after another
    std::vector<OsmId> buildingRefs;
    struct SRoad {
        SWayNodes nodes;
        std::uint8_t roadType = 0;
        EWayDirection direction = EWayDirection::both;
        std::string name;
    };
    std::vector<SRoad> roads;
    std::vector<std::pair<CAddressIndex::SEntry, SWayNodes>> buildings;
};

SWayNodes KeepNodes(const osmium::Way& way, std::vector<OsmId>& refs) {
    SWayNodes nodes{refs.size(), way.nodes().size()};
    for (const osmium::NodeRef& ref : way.nodes()) {
        refs.push_back(ref.ref());
    }
    return nodes;
}

// The first pass: the roads a vehicle may use and the addressed ways.
SWayPass ReadWays(const std::string& path) {
    SWayPass pass;
    osmium::io::Reader reader{osmium::io::File(path), osmium::osm_entity_bits::way};
    while (osmium::memory::Buffer buffer = reader.read()) {
        for (const osmium::Way& way : buffer.select<osmium::Way>()) {
            const osmium::TagList& tags = way.tags();
            SWayTags wayTags{GetTag(tags, "highway"),       GetTag(tags, "oneway"),  GetTag(tags, "junction"),
                             GetTag(tags, "area"),          GetTag(tags, "access"),  GetTag(tags, "vehicle"),
                             GetTag(tags, "motor_vehicle"), GetTag(tags, "motorcar")};
            if (std::optional<int> roadType = ClassifyRoadType(wayTags);
                roadType && way.nodes().size() >= 2) {
                pass.roads.push_back({KeepNodes(way, pass.roadRefs), static_cast<std::uint8_t>(*roadType),
                                      GetWayDirection(wayTags), std::string(GetTag(tags, "name"))});
            } else if (HasAddress(tags) && !way.nodes().empty()) {
                pass.buildings.emplace_back(ReadAddressTags(tags), KeepNodes(way, pass.buildingRefs));
            }
        }
    }
    reader.close();
    return pass;
}

// Node positions by OSM id, for the ids the first pass asked for.
class CNodePositions {
public:
    explicit CNodePositions(const std::vector<OsmId>& refs) : m_ids(refs) {
        std::sort(m_ids.begin(), m_ids.end());
        m_ids.erase(std::unique(m_ids.begin(), m_ids.end()), m_ids.end());
        const double unknown = std::numeric_limits<double>::quiet_NaN();
        m_nodes.assign(m_ids.size(), CRoadGraph::SNode{unknown, unknown});
    }
    // The index of an id, or nothing when it was not asked for.
    std::optional<std::size_t> Find(OsmId id) const {
        auto found = std::lower_bound(m_ids.begin(), m_ids.end(), id);
        if (found == m_ids.end() || *found != id) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(found - m_ids.begin());
    }
    std::size_t Index(OsmId id) const { return *Find(id); }
    bool IsKnown(std::size_t k) const { return !std::isnan(m_nodes[k].latitude); }
    std::vector<CRoadGraph::SNode>& GetNodes() { return m_nodes; }

private:
    std::vector<OsmId> m_ids;
    std::vector<CRoadGraph::SNode> m_nodes;
};

// The second pass: the positions of the kept nodes, the addressed nodes and the named places.
void ReadNodes(const std::string& path, CNodePositions& roadNodes, CNodePositions& buildingNodes,
               CAddressIndex& addresses) {
    osmium::io::Reader reader{osmium::io::File(path), osmium::osm_entity_bits::node};
    while (osmium::memory::Buffer buffer = reader.read()) {
        for (const osmium::Node& node : buffer.select<osmium::Node>()) {
            if (!node.location().valid()) {
                continue;
            }
            const SGeoPosition position{node.location().lat(), node.location().lon()};
            for (CNodePositions* positions : {&roadNodes, &buildingNodes}) {
                if (std::optional<std::size_t> k = positions->Find(node.id())) {
                    positions->GetNodes()[*k] = {position.latitude, position.longitude};
                }
            }
            const osmium::TagList& tags = node.tags();
            if (HasAddress(tags)) {
                CAddressIndex::SEntry entry = ReadAddressTags(tags);
                entry.position = position;
                addresses.AddEntry(std::move(entry));
            }
            const std::optional<int> rank = CAddressIndex::GetPlaceRank(std::string(GetTag(tags, "place")));
            if (rank && tags.has_key("name")) {
                addresses.AddPlace(
                    {tags.get_value_by_key("name"),
                     GetFirstTag(tags, {"addr:state", "is_in:state", "is_in:province", "is_in:region"}),
                     *rank, position});
            }
        }
    }
    reader.close();
}

// The directed segments of the roads between nodes with known positions.
std::vector<CRoadGraph::SSegment> MakeSegments(const SWayPass& ways, CNodePositions& positions) {
    std::vector<CRoadGraph::SSegment> segments;
    const std::vector<CRoadGraph::SNode>& nodes = positions.GetNodes();
    for (const SWayPass::SRoad& road : ways.roads) {
        for (std::size_t k = road.nodes.first; k + 1 < road.nodes.first + road.nodes.count; ++k) {
            const std::size_t a = positions.Index(ways.roadRefs[k]);
            const std::size_t b = positions.Index(ways.roadRefs[k + 1]);
            if (a == b || !positions.IsKnown(a) || !positions.IsKnown(b)) {
                continue;
            }
            const auto length = static_cast<float>(GetGroundMetres(nodes[a].latitude, nodes[a].longitude,
                                                                   nodes[b].latitude, nodes[b].longitude));
            const auto from = static_cast<CRoadGraph::NodeIndex>(a);
            const auto to = static_cast<CRoadGraph::NodeIndex>(b);
            if (road.direction != EWayDirection::backward) {
                segments.push_back({from, to, length, road.roadType});
            }
            if (road.direction != EWayDirection::forward) {
                segments.push_back({to, from, length, road.roadType});
            }
        }
    }
    return segments;
}

// The addressed buildings at the mean of their known nodes, and the named roads at their
// middle node.
void AddWayAddresses(const SWayPass& ways, CNodePositions& roadNodes, CNodePositions& buildingNodes,
                     CAddressIndex& addresses) {
    const std::vector<CRoadGraph::SNode>& nodes = buildingNodes.GetNodes();
    for (const auto& [tags, wayNodes] : ways.buildings) {
        CAddressIndex::SEntry entry = tags;
        int known = 0;
        // A closed way repeats its first node at the end: counted once.
        const std::size_t end = wayNodes.first + wayNodes.count;
        const bool closed =
            wayNodes.count > 1 && ways.buildingRefs[wayNodes.first] == ways.buildingRefs[end - 1];
        for (std::size_t k = wayNodes.first; k < (closed ? end - 1 : end); ++k) {
            const std::size_t v = buildingNodes.Index(ways.buildingRefs[k]);
            if (buildingNodes.IsKnown(v)) {
                entry.position.latitude += nodes[v].latitude;
                entry.position.longitude += nodes[v].longitude;
                ++known;
            }
        }
        if (known > 0) {
            entry.position = {entry.position.latitude / known, entry.position.longitude / known};
            addresses.AddEntry(std::move(entry));
        }
    }
    for (const SWayPass::SRoad& road : ways.roads) {
        const std::size_t middle = roadNodes.Index(ways.roadRefs[road.nodes.first + road.nodes.count / 2]);
        if (!road.name.empty() && roadNodes.IsKnown(middle)) {
            const CRoadGraph::SNode& node = roadNodes.GetNodes()[middle];
            addresses.AddNamedRoad({road.name, {node.latitude, node.longitude}});
        }
    }
}

} // namespace

SRoadNetworkData ReadOsmExtract(const std::string& path) {
    SRoadNetworkData data;
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored)) {
        throw CRoadNetworkError(
            FormatString("The road network file \"%s\" could not be opened", path.c_str()));
    }
    try {
        SWayPass ways = ReadWays(path);
        CNodePositions roadNodes(ways.roadRefs);
        CNodePositions buildingNodes(ways.buildingRefs);
        ReadNodes(path, roadNodes, buildingNodes, data.addresses);
        std::vector<CRoadGraph::SSegment> segments = MakeSegments(ways, roadNodes);
        AddWayAddresses(ways, roadNodes, buildingNodes, data.addresses);
        if (segments.empty()) {
            throw CRoadNetworkError(
                FormatString("The road network file \"%s\" holds no road a vehicle may use", path.c_str()));
        }
        data.graph = CRoadGraph(std::move(roadNodes.GetNodes()), segments);
    } catch (const CRoadNetworkError&) {
        throw;
    } catch (const std::exception& error) {
        throw CRoadNetworkError(
            FormatString("The road network file \"%s\" could not be read: %s", path.c_str(), error.what()));
    }
    return data;
}
