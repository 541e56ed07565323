#include "roads/osm_road_network.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

#include "framework/strings/format.h"

namespace {

// The cache key of the distance from one node to another.
std::uint64_t PairKey(CRoadGraph::NodeIndex from, CRoadGraph::NodeIndex to) {
    return (static_cast<std::uint64_t>(from) << 32) | to;
}

std::string FormatPosition(const SGeoPosition& position) {
    return FormatString("[%lf, %lf]", position.latitude, position.longitude);
}

} // namespace

COsmRoadNetwork::COsmRoadNetwork(std::string path) : m_path(std::move(path)) {}

COsmRoadNetwork::COsmRoadNetwork(SRoadNetworkData data)
    : m_data(std::make_unique<SRoadNetworkData>(std::move(data))) {
    m_grid = std::make_unique<CNodeGrid>(m_data->graph);
    m_search = std::make_unique<CShortestPathSearch>(m_data->graph);
}

COsmRoadNetwork::~COsmRoadNetwork() = default;

void COsmRoadNetwork::Load() {
    const auto start = std::chrono::steady_clock::now();
    auto data = std::make_unique<SRoadNetworkData>(ReadOsmExtract(m_path));
    m_grid = std::make_unique<CNodeGrid>(data->graph);
    m_search = std::make_unique<CShortestPathSearch>(data->graph);
    m_data = std::move(data);
    m_loadSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void COsmRoadNetwork::Start() {
    if (m_data == nullptr) {
        Load();
    }
}

void COsmRoadNetwork::Quit() noexcept {
    m_cache.clear();
    m_snapCache.clear();
    m_cachePreferences.reset();
    m_hasSearch = false;
}

SRoadNetworkFigures COsmRoadNetwork::GetFigures() const {
    SRoadNetworkFigures figures;
    if (m_data == nullptr) {
        return figures;
    }
    figures.nodes = m_data->graph.GetNumberNodes();
    figures.segments = m_data->graph.GetNumberSegments();
    figures.addresses = m_data->addresses.GetNumberEntries();
    figures.memoryBytes = m_data->graph.GetMemoryBytes() + m_grid->GetMemoryBytes() +
                          m_data->addresses.GetMemoryBytes() + m_search->GetMemoryBytes();
    for (const auto& search : m_rowSearches) {
        figures.memoryBytes += search->GetMemoryBytes();
    }
    figures.loadSeconds = m_loadSeconds;
    return figures;
}

CRoadGraph::NodeIndex COsmRoadNetwork::Snap(const SGeoPosition& position) {
    const std::pair<double, double> key(position.latitude, position.longitude);
    if (auto known = m_snapCache.find(key); known != m_snapCache.end()) {
        return known->second;
    }
    std::optional<CRoadGraph::NodeIndex> node =
        m_grid->FindNearest(position.latitude, position.longitude, kMaxSnapMetres);
    if (!node) {
        throw CRoadNetworkError(FormatString("No road within %.0lf km of the position %s",
                                             kMaxSnapMetres / 1000.0, FormatPosition(position).c_str()));
    }
    return *node;
}

void COsmRoadNetwork::UsePreferences(const CMapPointRoutePreferences& preferences) {
    if (!m_cachePreferences || !(*m_cachePreferences == preferences)) {
        m_cache.clear();
        m_hasSearch = false;
        m_cachePreferences = preferences;
        m_costPerMetre = GetCostPerMetre(preferences);
    }
}

void COsmRoadNetwork::Search(CRoadGraph::NodeIndex origin, bool reverse,
                             const std::vector<CRoadGraph::NodeIndex>& targets) {
    bool answered = m_hasSearch && m_search->GetSource() == origin && m_search->IsReverse() == reverse;
    for (std::size_t k = 0; answered && k < targets.size(); ++k) {
        answered = m_search->GetLengthMetres(targets[k]).has_value();
    }
    if (!answered) {
        m_search->Run(origin, reverse, m_costPerMetre, targets);
        m_hasSearch = true;
    }
    for (CRoadGraph::NodeIndex target : targets) {
        if (std::optional<double> metres = m_search->GetLengthMetres(target)) {
            m_cache[reverse ? PairKey(target, origin) : PairKey(origin, target)] = *metres / 1000.0;
        }
    }
}

double COsmRoadNetwork::GetRoadDistance(const SGeoPosition& from, const SGeoPosition& to,
                                        const CMapPointRoutePreferences& preferences) {
    double distance = 0.0;
    GetRoadDistances(from, {to}, false, preferences, [&distance](std::size_t, double d) { distance = d; });
    return distance;
}

void COsmRoadNetwork::GetRoadDistances(const SGeoPosition& origin, const std::vector<SGeoPosition>& others,
                                       bool towardOrigin, const CMapPointRoutePreferences& preferences,
                                       const std::function<void(std::size_t, double)>& store) {
    Start();
    UsePreferences(preferences);
    const CRoadGraph::NodeIndex originNode = Snap(origin);
    // Others that cannot be snapped stop the list where they stand.
    std::vector<CRoadGraph::NodeIndex> otherNodes;
    std::optional<CRoadNetworkError> snapError;
    for (const SGeoPosition& other : others) {
        try {
            otherNodes.push_back(Snap(other));
        } catch (const CRoadNetworkError& error) {
            snapError = error;
            break;
        }
    }
    std::vector<CRoadGraph::NodeIndex> missing;
    for (CRoadGraph::NodeIndex other : otherNodes) {
        if (!m_cache.contains(towardOrigin ? PairKey(other, originNode) : PairKey(originNode, other))) {
            missing.push_back(other);
        }
    }
    if (!missing.empty()) {
        Search(originNode, towardOrigin, missing);
    }
    for (std::size_t k = 0; k < otherNodes.size(); ++k) {
        auto found = m_cache.find(towardOrigin ? PairKey(otherNodes[k], originNode)
                                               : PairKey(originNode, otherNodes[k]));
        if (found == m_cache.end()) {
            const SGeoPosition& from = towardOrigin ? others[k] : origin;
            const SGeoPosition& to = towardOrigin ? origin : others[k];
            throw CRoadNetworkError(FormatString("No road route from %s to %s", FormatPosition(from).c_str(),
                                                 FormatPosition(to).c_str()));
        }
        store(k, found->second);
    }
    if (snapError) {
        throw *snapError;
    }
}

std::vector<std::vector<double>> COsmRoadNetwork::SearchRows(const std::vector<CRoadGraph::NodeIndex>& nodes,
                                                             std::size_t first, std::size_t last) {
    std::vector<std::vector<double>> rows(last - first);
    auto searchRow = [&](std::size_t r) {
        CShortestPathSearch& search = *m_rowSearches[r];
        const std::size_t i = first + r;
        const std::vector<CRoadGraph::NodeIndex> targets(nodes.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                                         nodes.end());
        search.Run(nodes[i], false, m_costPerMetre, targets);
        for (CRoadGraph::NodeIndex target : targets) {
            rows[r].push_back(
                search.GetLengthMetres(target).value_or(std::numeric_limits<double>::quiet_NaN()) / 1000.0);
        }
    };
    std::vector<std::thread> workers;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        workers.emplace_back(searchRow, r);
    }
    searchRow(0);
    for (std::thread& worker : workers) {
        worker.join();
    }
    return rows;
}

void COsmRoadNetwork::GetRoadDistanceRows(
    const std::vector<SGeoPosition>& positions, const CMapPointRoutePreferences& preferences,
    const std::function<void(std::size_t, std::size_t, double)>& store) {
    Start();
    UsePreferences(preferences);
    std::vector<CRoadGraph::NodeIndex> nodes;
    try {
        for (const SGeoPosition& position : positions) {
            nodes.push_back(Snap(position));
        }
    } catch (const CRoadNetworkError&) {
        // A position off the roads: row by row, which stores what comes before it.
        CRoadNetworkProvider::GetRoadDistanceRows(positions, preferences, store);
        return;
    }
    const unsigned hardware = std::thread::hardware_concurrency();
    const std::size_t workers = std::max(1u, std::min(hardware, kMaxRowWorkers));
    while (m_rowSearches.size() < workers) {
        m_rowSearches.push_back(std::make_unique<CShortestPathSearch>(m_data->graph));
    }
    for (std::size_t first = 0; first + 1 < nodes.size(); first += workers) {
        const std::size_t last = std::min(first + workers, nodes.size() - 1);
        const std::vector<std::vector<double>> rows = SearchRows(nodes, first, last);
        for (std::size_t i = first; i < last; ++i) {
            for (std::size_t j = i + 1; j < nodes.size(); ++j) {
                const double distance = rows[i - first][j - i - 1];
                if (std::isnan(distance)) {
                    throw CRoadNetworkError(FormatString("No road route from %s to %s",
                                                         FormatPosition(positions[i]).c_str(),
                                                         FormatPosition(positions[j]).c_str()));
                }
                m_cache[PairKey(nodes[i], nodes[j])] = distance;
                store(i, j, distance);
            }
        }
    }
}

std::optional<SGeoPosition> COsmRoadNetwork::FindAddress(const SPostalAddress& address) {
    Start();
    return m_data->addresses.Find(address);
}
