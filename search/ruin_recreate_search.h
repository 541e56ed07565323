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
// the current solution and recreates it; the copy replaces the current solution when its
// objective is below the current one plus a threshold drawn from a temperature that cools
// geometrically over the iterations (simulated annealing). The cheapest solution seen is kept.
// Under the at-most fleet rule the first half of the iterations holds the fleet to exactly the
// vehicles with no supplier-only route (a landscape where the search moves more freely between
// route structures), the second half goes on from the cheapest solution with the rule itself;
// iterations without improvement are counted from the start of the last half only.
class CRuinRecreateSearch {
public:
    // Asked before every iteration with the number of iterations done; false ends the search.
    using Continuation = std::function<bool(int iteration)>;

    CRuinRecreateSearch(const SSearchProblem& problem, const SSearchSettings& settings, unsigned seed);

    // Builds the first solution and iterates until the settings or the continuation end it.
    void Run(const Continuation& keepGoing);

    const CSearchSolution& Best() const { return m_best; }
    // The project's cost of the first solution (see CSearchSolution::ProjectCost).
    double InitialCost() const { return m_initialCost; }
    int Iterations() const { return m_iterations; }

private:
    // One ruin and recreate of the candidate, then its acceptance.
    void Iterate(double temperature);
    // Ends the held first half: the search goes on from the cheapest solution.
    void ReleaseFleet();

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
