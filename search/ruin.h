#pragma once

#include <vector>

class CSearchRandom;
class CSearchSolution;
struct SSearchProblem;

// The ruin of a ruin-and-recreate step (slack induction by string removals): around a visit
// drawn at random, strings of consecutive visits are taken out of the nearby routes, at most one
// string per route, sometimes with a few visits inside the string kept (a split string). The
// number of strings and their lengths are drawn so that averageRuinSize visits go on average.
class CStringRuin {
public:
    CStringRuin(const SSearchProblem& problem, int averageRuinSize);

    // Ruins the solution; the visits taken out are appended to removed.
    void Apply(CSearchSolution& solution, CSearchRandom& random, std::vector<int>& removed);

private:
    // Takes a string of the route containing node out; the visits go to removed.
    void RemoveString(CSearchSolution& solution, int slot, int node, double maxLength, CSearchRandom& random,
                      std::vector<int>& removed);

    const SSearchProblem& m_problem;
    double m_averageRuinSize;
    std::vector<char> m_flags;       // by project number: taken out by the current ruin
    std::vector<char> m_ruinedSlots; // by slot: a string was taken out of the route
};
