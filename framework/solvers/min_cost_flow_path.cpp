#include "framework/solvers/min_cost_flow_path.h"

#include <cmath>
#include <functional>
#include <limits>
#include <queue>
#include <utility>
#include <vector>

#include "framework/application/sable_win_app.h"
#include "framework/strings/format.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The residual network: arc 2a is arc a forwards, arc 2a + 1 backwards; the arcs leaving each
// node are listed together (first[v] to first[v + 1] in out).
struct SResidualNetwork {
    std::vector<int> first;
    std::vector<int> out;

    SResidualNetwork(int nodes, const CLongVector& tails, const CLongVector& heads) {
        int arcs = tails.GetSize();
        first.assign(static_cast<size_t>(nodes) + 1, 0);
        for (int a = 0; a < arcs; ++a) {
            ++first[static_cast<size_t>(tails[a]) + 1];
            ++first[static_cast<size_t>(heads[a]) + 1];
        }
        for (int v = 0; v < nodes; ++v) {
            first[static_cast<size_t>(v) + 1] += first[static_cast<size_t>(v)];
        }
        out.assign(static_cast<size_t>(2 * arcs), 0);
        std::vector<int> fill(first.begin(), first.end() - 1);
        for (int a = 0; a < arcs; ++a) {
            out[static_cast<size_t>(fill[static_cast<size_t>(tails[a])]++)] = 2 * a;
            out[static_cast<size_t>(fill[static_cast<size_t>(heads[a])]++)] = 2 * a + 1;
        }
    }
};

// The working state of one run: the flow, the node excesses and potentials on the residual
// network. Residual arc r is arc r / 2 forwards when r is even, backwards when odd.
struct SSuccessivePaths {
    const CLongVector& tails;
    const CLongVector& heads;
    const CDoubleVector& costs;
    const CDoubleVector& capacities;
    CDoubleVector& flow;
    CDoubleVector& potential;
    std::vector<double> excess;
    double tolerance;
    SResidualNetwork network;
    int nodes;
    // The last search: distances, the residual arc into each node (-1 at a source), the nodes
    // whose distance is final, and the nearest node with unmet demand (-1 if none is reachable).
    std::vector<double> distance;
    std::vector<int> predecessor;
    std::vector<char> done;
    int target = -1;

    SSuccessivePaths(const CLongVector& arcTails, const CLongVector& arcHeads, const CDoubleVector& arcCosts,
                     const CDoubleVector& arcCapacities, const CDoubleVector& supplies, double zero,
                     CDoubleVector& arcFlow, CDoubleVector& nodePotential)
        : tails(arcTails), heads(arcHeads), costs(arcCosts), capacities(arcCapacities), flow(arcFlow),
          potential(nodePotential), excess(supplies.begin(), supplies.end()), tolerance(zero),
          network(supplies.GetSize(), arcTails, arcHeads), nodes(supplies.GetSize()) {}

    int From(int r) const { return r % 2 == 0 ? tails[r / 2] : heads[r / 2]; }
    int To(int r) const { return r % 2 == 0 ? heads[r / 2] : tails[r / 2]; }
    double Residual(int r) const { return r % 2 == 0 ? capacities[r / 2] - flow[r / 2] : flow[r / 2]; }
    // cost + potential(from) - potential(to), rounding errors below zero cut off.
    double ReducedCost(int r) const {
        double cost = r % 2 == 0 ? costs[r / 2] : -costs[r / 2];
        return std::max(0.0, cost + potential[From(r)] - potential[To(r)]);
    }
    bool HasExcess(int v) const { return excess[static_cast<size_t>(v)] > tolerance; }
    bool HasDemand(int v) const { return excess[static_cast<size_t>(v)] < -tolerance; }
    bool AnyExcess() const {
        for (int v = 0; v < nodes; ++v) {
            if (HasExcess(v)) {
                return true;
            }
        }
        return false;
    }

    // Moves amount along residual arc r.
    void Push(int r, double amount) {
        flow[r / 2] += r % 2 == 0 ? amount : -amount;
        excess[static_cast<size_t>(From(r))] -= amount;
        excess[static_cast<size_t>(To(r))] += amount;
    }

    // Saturates the arcs of negative cost, so every residual arc has a non-negative cost.
    void SaturateNegativeArcs() {
        for (int a = 0; a < tails.GetSize(); ++a) {
            if (costs[a] < 0.0) {
                Push(2 * a, capacities[a]);
            }
        }
    }

    // Dijkstra on the reduced costs from all nodes with excess, stopped at the first node with
    // unmet demand.
    void Search() {
        distance.assign(static_cast<size_t>(nodes), kInfinity);
        predecessor.assign(static_cast<size_t>(nodes), -1);
        done.assign(static_cast<size_t>(nodes), 0);
        target = -1;
        using SEntry = std::pair<double, int>;
        std::priority_queue<SEntry, std::vector<SEntry>, std::greater<SEntry>> queue;
        for (int v = 0; v < nodes; ++v) {
            if (HasExcess(v)) {
                distance[static_cast<size_t>(v)] = 0.0;
                queue.emplace(0.0, v);
            }
        }
        while (!queue.empty()) {
            auto [d, v] = queue.top();
            queue.pop();
            if (done[static_cast<size_t>(v)]) {
                continue;
            }
            done[static_cast<size_t>(v)] = 1;
            if (HasDemand(v)) {
                target = v;
                return;
            }
            for (int k = network.first[static_cast<size_t>(v)]; k < network.first[static_cast<size_t>(v) + 1];
                 ++k) {
                int r = network.out[static_cast<size_t>(k)];
                int w = To(r);
                if (done[static_cast<size_t>(w)] || Residual(r) <= tolerance) {
                    continue;
                }
                double candidate = d + ReducedCost(r);
                if (candidate < distance[static_cast<size_t>(w)]) {
                    distance[static_cast<size_t>(w)] = candidate;
                    predecessor[static_cast<size_t>(w)] = r;
                    queue.emplace(candidate, w);
                }
            }
        }
    }

    // Adds the distances, capped at the target's, to the potentials: every residual arc keeps a
    // non-negative reduced cost, and the arcs of shortest paths get zero.
    void UpdatePotentials() {
        double reach = distance[static_cast<size_t>(target)];
        for (int v = 0; v < nodes; ++v) {
            potential[v] += done[static_cast<size_t>(v)] ? distance[static_cast<size_t>(v)] : reach;
        }
    }

    // Ships along a path of residual arcs (given from its last arc back) as much as the path,
    // the excess at its start and the demand at its end allow.
    void Augment(const std::vector<int>& pathBackwards) {
        int end = To(pathBackwards.front());
        int start = From(pathBackwards.back());
        double amount = std::min(excess[static_cast<size_t>(start)], -excess[static_cast<size_t>(end)]);
        for (int r : pathBackwards) {
            amount = std::min(amount, Residual(r));
        }
        for (int r : pathBackwards) {
            Push(r, amount);
        }
    }

    // Ships along the shortest path the search found.
    void AugmentShortestPath() {
        std::vector<int> path;
        for (int r = predecessor[static_cast<size_t>(target)]; r >= 0;
             r = predecessor[static_cast<size_t>(From(r))]) {
            path.push_back(r);
        }
        Augment(path);
    }

    // Ships along further paths of zero reduced cost, found depth first from every node with
    // excess, until none is left; they are shortest paths too, so one search serves many.
    void AugmentAdmissiblePaths() {
        std::vector<int> next(network.first.begin(), network.first.end() - 1);
        std::vector<char> dead(static_cast<size_t>(nodes), 0);
        std::vector<char> onPath(static_cast<size_t>(nodes), 0);
        std::vector<int> path;
        for (int s = 0; s < nodes; ++s) {
            int v = s;
            while (HasExcess(s) && !dead[static_cast<size_t>(s)]) {
                if (v != s && HasDemand(v)) {
                    std::vector<int> backwards(path.rbegin(), path.rend());
                    Augment(backwards);
                    for (int r : path) {
                        onPath[static_cast<size_t>(To(r))] = 0;
                    }
                    path.clear();
                    v = s;
                    continue;
                }
                onPath[static_cast<size_t>(v)] = 1;
                int& k = next[static_cast<size_t>(v)];
                while (k < network.first[static_cast<size_t>(v) + 1] &&
                       !IsAdmissible(network.out[static_cast<size_t>(k)], dead, onPath)) {
                    ++k;
                }
                if (k < network.first[static_cast<size_t>(v) + 1]) {
                    int r = network.out[static_cast<size_t>(k)];
                    path.push_back(r);
                    v = To(r);
                    continue;
                }
                dead[static_cast<size_t>(v)] = 1; // no admissible way on from v
                onPath[static_cast<size_t>(v)] = 0;
                if (path.empty()) {
                    break;
                }
                v = From(path.back());
                path.pop_back();
            }
            for (int r : path) {
                onPath[static_cast<size_t>(To(r))] = 0;
            }
            onPath[static_cast<size_t>(s)] = 0;
            path.clear();
        }
    }

    // Whether residual arc r may carry an augmenting path now: room left, zero reduced cost and
    // a head neither known to be a dead end nor already on the path.
    bool IsAdmissible(int r, const std::vector<char>& dead, const std::vector<char>& onPath) const {
        int w = To(r);
        return !dead[static_cast<size_t>(w)] && !onPath[static_cast<size_t>(w)] && Residual(r) > tolerance &&
               ReducedCost(r) <= tolerance;
    }
};

bool AllFinite(const CDoubleVector& values) {
    for (double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

} // namespace

CMinCostFlowPath::CMinCostFlowPath() : COptimizationAlgorithm(100000000, 1e-9) {}

void CMinCostFlowPath::SetNetwork(const CDoubleVector& supplies, const CLongVector& tails,
                                  const CLongVector& heads, const CDoubleVector& costs,
                                  const CDoubleVector& capacities) {
    m_supplies.Copy(supplies);
    m_tails.Copy(tails);
    m_heads.Copy(heads);
    m_costs.Copy(costs);
    m_capacities.Copy(capacities);
}

bool CMinCostFlowPath::CheckData() {
    m_potentials.RemoveAll();
    m_unshippedSupply = 0.0;
    int nodes = GetNumberNodes();
    int arcs = GetNumberArcs();
    if (m_heads.GetSize() != arcs || m_costs.GetSize() != arcs || m_capacities.GetSize() != arcs) {
        DisplayErrorMessage(
            FormatString("Network arrays do not agree: %d tails, %d heads, %d costs and %d capacities", arcs,
                         m_heads.GetSize(), m_costs.GetSize(), m_capacities.GetSize()));
        return false;
    }
    if (!AllFinite(m_supplies) || !AllFinite(m_costs)) {
        DisplayErrorMessage("The network holds a supply or cost that is not a finite number");
        return false;
    }
    for (int a = 0; a < arcs; ++a) {
        if (m_tails[a] < 0 || m_tails[a] >= nodes || m_heads[a] < 0 || m_heads[a] >= nodes) {
            DisplayErrorMessage(FormatString("Arc %d from node %d to node %d leaves the network of %d nodes",
                                             a + 1, m_tails[a] + 1, m_heads[a] + 1, nodes));
            return false;
        }
        if (!(m_capacities[a] >= 0.0) || (std::isinf(m_capacities[a]) && m_costs[a] < 0.0)) {
            DisplayErrorMessage(
                FormatString("Arc %d has capacity %g and cost %g: capacities must be non-negative, "
                             "and finite where the cost is negative",
                             a + 1, m_capacities[a], m_costs[a]));
            return false;
        }
    }
    double balance = 0.0;
    double total = 0.0;
    for (double supply : m_supplies) {
        balance += supply;
        total += std::fabs(supply);
    }
    if (std::fabs(balance) > GetTolerance() * (1.0 + total)) {
        DisplayErrorMessage(FormatString("Supplies and demands do not balance: their sum is %g", balance));
        return false;
    }
    return true;
}

EOPTIMIZATIONSTATUS CMinCostFlowPath::Run() {
    m_solution.SetSize(GetNumberArcs());
    m_potentials.SetSize(GetNumberNodes());
    SSuccessivePaths state(m_tails, m_heads, m_costs, m_capacities, m_supplies, GetTolerance(), m_solution,
                           m_potentials);
    state.SaturateNegativeArcs();
    EOPTIMIZATIONSTATUS status = OPT_OPTIMAL;
    while (state.AnyExcess()) {
        if (!StartIteration()) {
            status = GetLimitStatus();
            break;
        }
        state.Search();
        if (state.target < 0) {
            status = OPT_INFEASIBLE;
            for (double e : state.excess) {
                m_unshippedSupply += e > state.tolerance ? e : 0.0;
            }
            break;
        }
        state.UpdatePotentials();
        state.AugmentShortestPath();
        state.AugmentAdmissiblePaths();
    }
    m_objectiveValue = 0.0;
    for (int a = 0; a < GetNumberArcs(); ++a) {
        m_objectiveValue += m_costs[a] * m_solution[a];
    }
    return status;
}

void CMinCostFlowPath::WriteResults(std::FILE* file) const {
    if (GetStatus() == OPT_INFEASIBLE) {
        std::fprintf(file, "\nSupply that cannot be met: %.10g\n", m_unshippedSupply);
    }
    WriteVector(file, "Node potentials", m_potentials);
}
