#include <benchmark/benchmark.h>

#include <random>

#include "framework/solvers/euclidean_location.h"
#include "framework/solvers/min_cost_flow_path.h"
#include "framework/solvers/simplex_tableau.h"

namespace {

// A dense program of m rows and m columns, rows of every sense, feasible through a random
// point and bounded by a row on the sum of the variables.
CSimplexTableau MakeProgram(int m) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> coefficient(-5.0, 5.0), value(0.0, 3.0);
    int n = m;
    CDoubleVector x0(n);
    double total = 5.0;
    for (double& x : x0) {
        x = value(random);
        total += x;
    }
    CDoubleMatrix matrix(m + 1, n);
    CLongVector senses(m + 1);
    CDoubleVector b(m + 1), c(n);
    for (int i = 0; i < m; ++i) {
        double activity = 0.0;
        for (int j = 0; j < n; ++j) {
            matrix[i][j] = coefficient(random);
            activity += matrix[i][j] * x0[j];
        }
        senses[i] = static_cast<int>(random() % 3);
        b[i] = activity + (senses[i] == ROW_LESS_EQUAL ? value(random)
                           : senses[i] == ROW_EQUAL    ? 0.0
                                                       : -value(random));
    }
    for (int j = 0; j < n; ++j) {
        matrix[m][j] = 1.0;
        c[j] = coefficient(random);
    }
    senses[m] = ROW_LESS_EQUAL;
    b[m] = total;
    CSimplexTableau simplex;
    simplex.SetProblem(matrix, senses, b, c, true);
    return simplex;
}

void BM_SimplexTableau(benchmark::State& state) {
    CSimplexTableau simplex = MakeProgram(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (simplex.Solve() != OPT_OPTIMAL) {
            state.SkipWithError("not optimal");
            break;
        }
    }
    state.counters["pivots"] = simplex.GetIterations();
}

BENCHMARK(BM_SimplexTableau)
    ->ArgName("rows")
    ->RangeMultiplier(2)
    ->Range(25, 400)
    ->Unit(benchmark::kMillisecond);

// n nodes, 8 random arcs per node with costs -5..50 and capacities 1..20, and a ring of dear,
// wide arcs so every supply can be met; a quarter of the nodes supply, another quarter demand.
CMinCostFlowPath MakeNetwork(int nodes) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> node(0, nodes - 1), cost(-5, 50), capacity(1, 20), amount(1, 10);
    CDoubleVector supplies(nodes);
    for (int k = 0; k < nodes / 4; ++k) {
        int units = amount(random);
        supplies[node(random)] += units;
        supplies[node(random)] -= units;
    }
    CLongVector tails, heads;
    CDoubleVector costs, capacities;
    for (int v = 0; v < nodes; ++v) {
        tails.Add(v);
        heads.Add((v + 1) % nodes);
        costs.Add(1000.0);
        capacities.Add(1e9);
        for (int k = 0; k < 8; ++k) {
            tails.Add(v);
            heads.Add(node(random));
            costs.Add(cost(random));
            capacities.Add(capacity(random));
        }
    }
    CMinCostFlowPath flow;
    flow.SetNetwork(supplies, tails, heads, costs, capacities);
    return flow;
}

void BM_MinCostFlowPath(benchmark::State& state) {
    CMinCostFlowPath flow = MakeNetwork(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (flow.Solve() != OPT_OPTIMAL) {
            state.SkipWithError("not optimal");
            break;
        }
    }
    state.counters["searches"] = flow.GetIterations();
}

BENCHMARK(BM_MinCostFlowPath)
    ->ArgName("nodes")
    ->RangeMultiplier(4)
    ->Range(100, 6400)
    ->Unit(benchmark::kMillisecond);

// k points uniform in a square with weights 1..10.
CEuclideanLocation MakeLocation(int points) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> coordinate(0.0, 1000.0), weight(1.0, 10.0);
    CDoubleMatrix matrix(points, 2);
    CDoubleVector weights(points);
    for (int i = 0; i < points; ++i) {
        matrix[i][0] = coordinate(random);
        matrix[i][1] = coordinate(random);
        weights[i] = weight(random);
    }
    CEuclideanLocation location;
    location.SetPoints(matrix, weights);
    return location;
}

void BM_EuclideanLocation(benchmark::State& state) {
    CEuclideanLocation location = MakeLocation(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (location.Solve() != OPT_OPTIMAL) {
            state.SkipWithError("not optimal");
            break;
        }
    }
    state.counters["steps"] = location.GetIterations();
}

BENCHMARK(BM_EuclideanLocation)
    ->ArgName("points")
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
