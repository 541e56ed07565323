#include "search/ruin.h"

#include <algorithm>

#include "search/search_problem.h"
#include "search/search_random.h"
#include "search/search_solution.h"

namespace {

// The longest string taken out of a route.
constexpr double kMaxStringLength = 10.0;
// The chance to lengthen the block of visits a split string keeps by one more.
constexpr double kKeepMoreProbability = 0.5;

// The position of node in the route.
int PositionOf(const SSearchRoute& route, int node) {
    return static_cast<int>(std::find(route.nodes.begin(), route.nodes.end(), node) - route.nodes.begin());
}

} // namespace

CStringRuin::CStringRuin(const SSearchProblem& problem, int averageRuinSize)
    : m_problem(problem), m_averageRuinSize(averageRuinSize),
      m_flags(static_cast<std::size_t>(problem.dimension), 0), m_ruinedSlots(problem.visits.size() + 1, 0) {}

void CStringRuin::Apply(CSearchSolution& solution, CSearchRandom& random, std::vector<int>& removed) {
    if (m_problem.visits.empty() || solution.RouteCount() == 0) {
        return;
    }
    const double meanRouteSize =
        static_cast<double>(m_problem.visits.size()) / static_cast<double>(solution.RouteCount());
    const double maxLength = std::min(kMaxStringLength, meanRouteSize);
    const double maxStrings = 4.0 * m_averageRuinSize / (1.0 + maxLength) - 1.0;
    const int strings = static_cast<int>(random.Uniform() * maxStrings) + 1;
    const int seed =
        m_problem.visits[static_cast<std::size_t>(random.Below(static_cast<int>(m_problem.visits.size())))];
    const std::vector<int>& near = m_problem.neighbours[static_cast<std::size_t>(seed)];
    const std::size_t first = removed.size();
    int ruined = 0;
    for (std::size_t k = 0; k <= near.size() && ruined < strings; ++k) {
        const int node = k == 0 ? seed : near[k - 1];
        const int slot = solution.RouteOf(node);
        if (slot < 0 || m_ruinedSlots[static_cast<std::size_t>(slot)] != 0) {
            continue;
        }
        m_ruinedSlots[static_cast<std::size_t>(slot)] = 1;
        ++ruined;
        RemoveString(solution, slot, node, maxLength, random, removed);
    }
    for (std::size_t k = first; k < removed.size(); ++k) {
        m_flags[static_cast<std::size_t>(removed[k])] = 0;
    }
    std::fill(m_ruinedSlots.begin(), m_ruinedSlots.end(), 0);
}

void CStringRuin::RemoveString(CSearchSolution& solution, int slot, int node, double maxLength,
                               CSearchRandom& random, std::vector<int>& removed) {
    const SSearchRoute& route = solution.Slot(slot);
    const int size = route.Size();
    const int length =
        static_cast<int>(random.Uniform() * std::min(static_cast<double>(size), maxLength)) + 1;
    // A split string keeps a block of `kept` visits inside a string of length + kept.
    int kept = 0;
    if (length < size && random.Uniform() < 0.5) {
        kept = 1;
        while (length + kept < size && random.Uniform() < kKeepMoreProbability) {
            ++kept;
        }
    }
    const int span = length + kept;
    const int position = PositionOf(route, node);
    const int lowest = std::max(0, position - span + 1);
    const int highest = std::min(position, size - span);
    const int start = lowest + random.Below(highest - lowest + 1);
    const int keptStart = start + random.Below(length + 1);
    for (int p = start; p < start + span; ++p) {
        if (p >= keptStart && p < keptStart + kept) {
            continue;
        }
        const int taken = route.nodes[static_cast<std::size_t>(p)];
        m_flags[static_cast<std::size_t>(taken)] = 1;
        removed.push_back(taken);
    }
    solution.RemoveFlagged(slot, m_flags);
}
