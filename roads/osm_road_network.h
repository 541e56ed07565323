#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "model/distances/road_network.h"
#include "roads/node_grid.h"
#include "roads/road_network_data.h"
#include "roads/shortest_paths.h"

// What a loaded road network holds, for reports and the benchmarks.
struct SRoadNetworkFigures {
    std::size_t nodes = 0;
    std::size_t segments = 0;
    std::size_t addresses = 0;
    std::size_t memoryBytes = 0; // graph, spatial index, search arrays and address index
    double loadSeconds = 0.0;
};

// The road network over an OpenStreetMap extract. The extract is read at the first Start and
// kept; a session (Start to Quit) caches the distances it has calculated.
//
// A position is snapped to the nearest routable node within kMaxSnapMetres; the distance between
// two positions is the length in kilometres of the route between their nodes that the route
// method prefers (roads/shortest_paths.h). Distances from one position to many take one search.
class COsmRoadNetwork : public CRoadNetworkProvider {
public:
    static constexpr double kMaxSnapMetres = 5000.0;
    // The most rows searched side by side (each search holds 32 bytes per node).
    static constexpr unsigned kMaxRowWorkers = 4;

    // A network read from an extract file at the first Start.
    explicit COsmRoadNetwork(std::string path);
    // A network over data already built (a generated network).
    explicit COsmRoadNetwork(SRoadNetworkData data);
    ~COsmRoadNetwork() override;

    void Start() override;
    void Quit() noexcept override;
    double GetRoadDistance(const SGeoPosition& from, const SGeoPosition& to,
                           const CMapPointRoutePreferences& preferences) override;
    void GetRoadDistances(const SGeoPosition& origin, const std::vector<SGeoPosition>& others,
                          bool towardOrigin, const CMapPointRoutePreferences& preferences,
                          const std::function<void(std::size_t, double)>& store) override;
    // Rows are searched side by side, a few at a time, each by its own worker thread; they are
    // stored in order once a few are done.
    void GetRoadDistanceRows(const std::vector<SGeoPosition>& positions,
                             const CMapPointRoutePreferences& preferences,
                             const std::function<void(std::size_t, std::size_t, double)>& store) override;
    std::optional<SGeoPosition> FindAddress(const SPostalAddress& address) override;

    const std::string& GetPath() const { return m_path; }
    // The figures of the loaded network (zeros before it is loaded).
    SRoadNetworkFigures GetFigures() const;

private:
    void Load();
    // The routable node of a position; throws CRoadNetworkError when none is near enough.
    CRoadGraph::NodeIndex Snap(const SGeoPosition& position);
    // Runs one search from (or towards) the origin unless the last one serves, and answers from it.
    void Search(CRoadGraph::NodeIndex origin, bool reverse,
                const std::vector<CRoadGraph::NodeIndex>& targets);
    void UsePreferences(const CMapPointRoutePreferences& preferences);
    // The lengths in km from nodes[i] to each node behind it, for the rows first to last - 1,
    // searched side by side (NaN where there is no route).
    std::vector<std::vector<double>> SearchRows(const std::vector<CRoadGraph::NodeIndex>& nodes,
                                                std::size_t first, std::size_t last);

    std::string m_path;
    std::unique_ptr<SRoadNetworkData> m_data;
    std::unique_ptr<CNodeGrid> m_grid;
    std::unique_ptr<CShortestPathSearch> m_search;
    std::vector<std::unique_ptr<CShortestPathSearch>> m_rowSearches; // one per worker thread
    double m_loadSeconds = 0.0;
    // The session's caches: distances in km by (from node, to node) for one set of route
    // preferences, and the nodes of the positions.
    std::unordered_map<std::uint64_t, double> m_cache;
    std::optional<CMapPointRoutePreferences> m_cachePreferences;
    std::map<std::pair<double, double>, CRoadGraph::NodeIndex> m_snapCache; // by latitude and longitude
    std::array<double, NUMBER_ROAD_TYPES> m_costPerMetre{};
    bool m_hasSearch = false;
};
