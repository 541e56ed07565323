#pragma once

#include <functional>
#include <vector>

#include "search/recreate.h"
#include "search/ruin.h"
#include "search/search_random.h"
#include "search/search_settings.h"
#include "search/search_solution.h"

struct SSearchProblem;

// The ruin-and-recreate search: from a greedy first solution, each iteration ruins a copy of
// the current solution and recreates it; the copy replaces the current solution when it is
// cheaper than the current cost plus a threshold drawn from a temperature that cools
// geometrically over the iterations (simulated annealing). The cheapest solution seen is kept.
class CRuinRecreateSearch {
public:
    // Asked before every iteration with the number of iterations done; false ends the search.
    using Continuation = std::function<bool(int iteration)>;

    CRuinRecreateSearch(const SSearchProblem& problem, const SSearchSettings& settings, unsigned seed);

    // Builds the first solution and iterates until the settings or the continuation end it.
    void Run(const Continuation& keepGoing);

    const CSearchSolution& Best() const { return m_best; }
    double InitialCost() const { return m_initialCost; }
    int Iterations() const { return m_iterations; }

private:
    // One ruin and recreate of the candidate, then its acceptance.
    void Iterate(double temperature);

    const SSearchProblem& m_problem;
    SSearchSettings m_settings;
    CSearchRandom m_random;
    CStringRuin m_ruin;
    CGreedyRecreate m_recreate;
    CSearchSolution m_current;
    CSearchSolution m_candidate;
    CSearchSolution m_best;
    std::vector<int> m_pending;
    double m_initialCost = 0.0;
    int m_iterations = 0;
    int m_lastImprovement = 0;
};
