#pragma once

#include "framework/containers/double_vector.h"
#include "framework/containers/long_vector.h"
#include "framework/export.h"
#include "framework/solvers/optimization_algorithm.h"

// Minimum-cost flow in a directed network by successive shortest paths:
//   minimise sum of cost(a) flow(a)  subject to  0 <= flow(a) <= capacity(a) and, at every node v,
//   flow out of v - flow into v = supply(v)   (a demand is a negative supply).
//
// Nodes are numbered 0 to n - 1; arc a runs from tail(a) to head(a). Supplies must balance
// (their sum within the tolerance of 0). Capacities are non-negative; +infinity marks an
// uncapacitated arc, which must not have a negative cost. Arcs with a negative cost are
// saturated first, so every residual arc has a non-negative cost and the node potentials start
// at zero. Each iteration then runs Dijkstra's method on the reduced costs
// cost(a) + potential(tail) - potential(head) from all nodes with excess, adds the distances to
// the potentials (capped at the distance of the nearest node with unmet demand), and augments
// along the path to that node by the most the path, the excess and the demand allow; then, with
// the same potentials, along further paths of zero reduced cost found depth first while any are
// left (they are shortest paths as well). The flow is optimal when every excess is shipped; when
// some excess can reach no unmet demand the status is OPT_INFEASIBLE, GetUnshippedSupply gives
// the supply that cannot be met, and the flow ships the rest along shortest paths.
//
// Tolerance (default 1e-9): residual capacities and excesses at or below it count as zero. The
// solution is the flow on every arc; the potentials are the node duals (reduced costs of arcs
// with flow below capacity are non-negative, of arcs with flow above zero non-positive).
class SABLEKIT_API CMinCostFlowPath : public COptimizationAlgorithm {
public:
    CMinCostFlowPath();

    // Sets the network: the supply of every node and, per arc, tail, head, cost and capacity.
    // Solve refuses arrays of different lengths, a node number outside the network, a negative
    // or not-a-number capacity, an uncapacitated arc of negative cost, a cost or supply that is
    // not finite, and supplies that do not balance.
    void SetNetwork(const CDoubleVector& supplies, const CLongVector& tails, const CLongVector& heads,
                    const CDoubleVector& costs, const CDoubleVector& capacities);
    int GetNumberNodes() const { return m_supplies.GetSize(); }
    int GetNumberArcs() const { return m_tails.GetSize(); }

    // The flow on every arc (the solution), the node potentials and the supply left unshipped.
    const CDoubleVector& GetFlows() const { return m_solution; }
    const CDoubleVector& GetPotentials() const { return m_potentials; }
    double GetUnshippedSupply() const { return m_unshippedSupply; }

    const char* GetName() const override { return "Minimum Cost Flow (Successive Shortest Paths)"; }

protected:
    bool CheckData() override;
    EOPTIMIZATIONSTATUS Run() override;
    void WriteResults(std::FILE* file) const override;

private:
    CDoubleVector m_supplies;
    CLongVector m_tails;
    CLongVector m_heads;
    CDoubleVector m_costs;
    CDoubleVector m_capacities;

    CDoubleVector m_potentials;
    double m_unshippedSupply = 0.0;
};
