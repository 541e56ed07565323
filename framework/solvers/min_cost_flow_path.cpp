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

// One Dijkstra search from every node with excess; see Run.
struct SShortestPaths {
    std::vector<double> distance;
    std::vector<int> predecessor; // residual arc into each node, -1 at a source
    std::vector<bool> done;
    int target = -1; // the nearest node with unmet demand, -1 if none is reachable
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
    const int nodes = GetNumberNodes();
    const int arcs = GetNumberArcs();
    const double tolerance = GetTolerance();
    SResidualNetwork network(nodes, m_tails, m_heads);
    CDoubleVector& flow = m_solution;
    flow.SetSize(arcs);
    std::vector<double> excess(m_supplies.begin(), m_supplies.end());
    m_potentials.SetSize(nodes);
    CDoubleVector& potential = m_potentials;

    // Saturating the arcs of negative cost leaves only residual arcs of non-negative cost.
    for (int a = 0; a < arcs; ++a) {
        if (m_costs[a] < 0.0) {
            flow[a] = m_capacities[a];
            excess[static_cast<size_t>(m_tails[a])] -= flow[a];
            excess[static_cast<size_t>(m_heads[a])] += flow[a];
        }
    }
    auto from = [&](int r) { return r % 2 == 0 ? m_tails[r / 2] : m_heads[r / 2]; };
    auto to = [&](int r) { return r % 2 == 0 ? m_heads[r / 2] : m_tails[r / 2]; };
    auto residual = [&](int r) { return r % 2 == 0 ? m_capacities[r / 2] - flow[r / 2] : flow[r / 2]; };
    auto reducedCost = [&](int r) {
        double cost = r % 2 == 0 ? m_costs[r / 2] : -m_costs[r / 2];
        return std::max(0.0, cost + potential[from(r)] - potential[to(r)]);
    };

    // Dijkstra from all nodes with excess, stopped at the first node with unmet demand.
    SShortestPaths paths;
    auto search = [&]() {
        paths.distance.assign(static_cast<size_t>(nodes), kInfinity);
        paths.predecessor.assign(static_cast<size_t>(nodes), -1);
        paths.done.assign(static_cast<size_t>(nodes), false);
        paths.target = -1;
        using SEntry = std::pair<double, int>;
        std::priority_queue<SEntry, std::vector<SEntry>, std::greater<SEntry>> queue;
        for (int v = 0; v < nodes; ++v) {
            if (excess[static_cast<size_t>(v)] > tolerance) {
                paths.distance[static_cast<size_t>(v)] = 0.0;
                queue.emplace(0.0, v);
            }
        }
        while (!queue.empty()) {
            auto [d, v] = queue.top();
            queue.pop();
            if (paths.done[static_cast<size_t>(v)]) {
                continue;
            }
            paths.done[static_cast<size_t>(v)] = true;
            if (excess[static_cast<size_t>(v)] < -tolerance) {
                paths.target = v;
                return;
            }
            for (int k = network.first[static_cast<size_t>(v)]; k < network.first[static_cast<size_t>(v) + 1];
                 ++k) {
                int r = network.out[static_cast<size_t>(k)];
                int w = to(r);
                if (residual(r) <= tolerance || paths.done[static_cast<size_t>(w)]) {
                    continue;
                }
                double candidate = d + reducedCost(r);
                if (candidate < paths.distance[static_cast<size_t>(w)]) {
                    paths.distance[static_cast<size_t>(w)] = candidate;
                    paths.predecessor[static_cast<size_t>(w)] = r;
                    queue.emplace(candidate, w);
                }
            }
        }
    };

    EOPTIMIZATIONSTATUS status = OPT_OPTIMAL;
    for (;;) {
        bool anyExcess = false;
        for (int v = 0; v < nodes && !anyExcess; ++v) {
            anyExcess = excess[static_cast<size_t>(v)] > tolerance;
        }
        if (!anyExcess) {
            break;
        }
        if (!StartIteration()) {
            status = GetLimitStatus();
            break;
        }
        search();
        if (paths.target < 0) {
            status = OPT_INFEASIBLE;
            for (double e : excess) {
                m_unshippedSupply += e > tolerance ? e : 0.0;
            }
            break;
        }
        // Potentials: distances, capped at the target's, keep every reduced cost non-negative.
        double reach = paths.distance[static_cast<size_t>(paths.target)];
        for (int v = 0; v < nodes; ++v) {
            potential[v] +=
                paths.done[static_cast<size_t>(v)] ? paths.distance[static_cast<size_t>(v)] : reach;
        }
        double amount = -excess[static_cast<size_t>(paths.target)];
        int source = paths.target;
        for (int r = paths.predecessor[static_cast<size_t>(source)]; r >= 0;
             r = paths.predecessor[static_cast<size_t>(source)]) {
            amount = std::min(amount, residual(r));
            source = from(r);
        }
        amount = std::min(amount, excess[static_cast<size_t>(source)]);
        for (int v = paths.target, r = paths.predecessor[static_cast<size_t>(v)]; r >= 0;
             v = from(r), r = paths.predecessor[static_cast<size_t>(v)]) {
            flow[r / 2] += r % 2 == 0 ? amount : -amount;
        }
        excess[static_cast<size_t>(source)] -= amount;
        excess[static_cast<size_t>(paths.target)] += amount;
    }
    m_objectiveValue = 0.0;
    for (int a = 0; a < arcs; ++a) {
        m_objectiveValue += m_costs[a] * flow[a];
    }
    return status;
}

void CMinCostFlowPath::WriteResults(std::FILE* file) const {
    if (GetStatus() == OPT_INFEASIBLE) {
        std::fprintf(file, "\nSupply that cannot be met: %.10g\n", m_unshippedSupply);
    }
    WriteVector(file, "Node potentials", m_potentials);
}
