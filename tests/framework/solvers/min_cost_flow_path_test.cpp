#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "framework/solvers/min_cost_flow_path.h"
#include "framework/solvers/simplex_tableau.h"
#include "tests/framework/solvers/glpk_reference.h"
#include "tests/support/app_fixture.h"

namespace {

struct SNetwork {
    CDoubleVector supplies;
    CLongVector tails, heads;
    CDoubleVector costs, capacities;
};

// Random arcs (some of negative cost, so negative cycles occur) and a few supply and demand
// nodes; with few arcs some networks cannot carry the supply.
SNetwork RandomNetwork(unsigned seed, int nodes, int arcs) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> node(0, nodes - 1), cost(-4, 20), capacity(1, 12), amount(1, 9);
    SNetwork network;
    network.supplies.SetSize(nodes);
    for (int k = 0; k < nodes / 3; ++k) {
        int units = amount(random);
        network.supplies[node(random)] += units;
        network.supplies[node(random)] -= units;
    }
    for (int a = 0; a < arcs; ++a) {
        int tail = node(random);
        int head = (tail + 1 + static_cast<int>(random() % static_cast<unsigned>(nodes - 1))) % nodes;
        network.tails.Add(tail);
        network.heads.Add(head);
        network.costs.Add(cost(random));
        network.capacities.Add(capacity(random));
    }
    return network;
}

// The same network as a linear program: one equality row per node, one bounded column per arc.
SReferenceLp AsLinearProgram(const SNetwork& network) {
    int nodes = network.supplies.GetSize();
    SReferenceLp lp{CDoubleMatrix(nodes, network.tails.GetSize()),
                    CLongVector(nodes),
                    network.supplies,
                    network.costs,
                    network.capacities,
                    false};
    std::fill(lp.senses.begin(), lp.senses.end(), ROW_EQUAL);
    for (int a = 0; a < network.tails.GetSize(); ++a) {
        lp.matrix[network.tails[a]][a] += 1.0;
        lp.matrix[network.heads[a]][a] -= 1.0;
    }
    return lp;
}

CMinCostFlowPath MakeSolver(const SNetwork& network) {
    CMinCostFlowPath flow;
    flow.SetNetwork(network.supplies, network.tails, network.heads, network.costs, network.capacities);
    return flow;
}

// Capacity bounds hold and every node ships its supply.
void ExpectFeasibleFlow(const SNetwork& network, const CDoubleVector& flow) {
    CDoubleVector balance(network.supplies.GetSize());
    for (int a = 0; a < flow.GetSize(); ++a) {
        EXPECT_GE(flow[a], -1e-9);
        EXPECT_LE(flow[a], network.capacities[a] + 1e-9);
        balance[network.tails[a]] += flow[a];
        balance[network.heads[a]] -= flow[a];
    }
    for (int v = 0; v < balance.GetSize(); ++v) {
        EXPECT_NEAR(balance[v], network.supplies[v], 1e-9) << "node " << v;
    }
}

using MinCostFlowPathTest = AppFixture;

TEST_F(MinCostFlowPathTest, RandomNetworksAgreeWithTheirLinearProgramInGlpk) {
    int feasible = 0;
    int infeasible = 0;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        int nodes = 6 + static_cast<int>(seed % 10);
        SNetwork network = RandomNetwork(seed, nodes, nodes * (1 + static_cast<int>(seed % 4)));
        SReferenceSolution reference = SolveWithGlpk(*app, AsLinearProgram(network));
        CMinCostFlowPath flow = MakeSolver(network);
        EOPTIMIZATIONSTATUS status = flow.Solve();
        if (reference.status == GLP_OPT) {
            ++feasible;
            ASSERT_EQ(status, OPT_OPTIMAL);
            EXPECT_NEAR(flow.GetObjectiveValue(), reference.objective, 1e-6);
            ExpectFeasibleFlow(network, flow.GetFlows());
        } else {
            ++infeasible;
            EXPECT_EQ(reference.status, GLP_NOFEAS);
            EXPECT_EQ(status, OPT_INFEASIBLE);
            EXPECT_GT(flow.GetUnshippedSupply(), 0.0);
        }
    }
    // The table holds both kinds.
    EXPECT_GE(feasible, 10);
    EXPECT_GE(infeasible, 3);
}

TEST_F(MinCostFlowPathTest, SupplyThatCannotBeMetIsReportedWithTheCheapestPartialFlow) {
    // 5 units from node 1 to node 3; the cheap way holds 3 units, the dear way only 1.
    SNetwork network;
    network.supplies = {5.0, 0.0, -5.0};
    network.tails = {0, 1, 0};
    network.heads = {1, 2, 2};
    network.costs = {1.0, 1.0, 7.0};
    network.capacities = {3.0, 10.0, 1.0};
    CMinCostFlowPath flow = MakeSolver(network);
    std::string report = home->File("flow.txt");
    flow.SetReportFileName(report);
    EXPECT_EQ(flow.Solve(), OPT_INFEASIBLE);
    EXPECT_DOUBLE_EQ(flow.GetUnshippedSupply(), 1.0);
    EXPECT_EQ(flow.GetFlows(), (CDoubleVector{3.0, 3.0, 1.0}));
    EXPECT_DOUBLE_EQ(flow.GetObjectiveValue(), 13.0);
    EXPECT_NE(ReadWholeFile(report).find("Status: Infeasible\n"), std::string::npos);
    EXPECT_NE(ReadWholeFile(report).find("\nSupply that cannot be met: 1\n"), std::string::npos);
}

TEST_F(MinCostFlowPathTest, UnbalancedSuppliesAndArcsOutsideTheNetworkAreRefused) {
    SNetwork network;
    network.supplies = {4.0, -3.0};
    network.tails = {0};
    network.heads = {1};
    network.costs = {1.0};
    network.capacities = {10.0};
    EXPECT_EQ(MakeSolver(network).Solve(), OPT_INVALID_DATA);
    network.supplies = {3.0, -3.0};
    network.heads = {2};
    EXPECT_EQ(MakeSolver(network).Solve(), OPT_INVALID_DATA);
    network.heads = {1};
    network.costs = {-1.0};
    network.capacities = {INFINITY};
    EXPECT_EQ(MakeSolver(network).Solve(), OPT_INVALID_DATA);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{
                  "Supplies and demands do not balance: their sum is 1",
                  "Arc 1 from node 1 to node 3 leaves the network of 2 nodes",
                  "Arc 1 has capacity inf and cost -1: capacities must be non-negative, and finite "
                  "where the cost is negative"}));
}

} // namespace
