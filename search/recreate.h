#pragma once

#include <vector>

class CSearchRandom;
class CSearchSolution;
struct SSearchProblem;

// The recreate of a ruin-and-recreate step (greedy insertion with blinks): the visits taken out
// are sorted in one of four orders (random, largest quantity first, farthest from the depot
// first, nearest first) and each goes to its cheapest place: a link of a route where its type
// may go and its vehicle has room, or a new route from a depot. Each link is skipped with a small
// chance, so that equal runs of the search may differ. Every insertion is evaluated in constant
// time from the route's loads and the distances around the link.
class CGreedyRecreate {
public:
    explicit CGreedyRecreate(const SSearchProblem& problem);

    // Inserts every visit of pending (which is reordered and emptied).
    void Apply(CSearchSolution& solution, CSearchRandom& random, std::vector<int>& pending);

private:
    // The cheapest place of one visit.
    struct SPlace {
        int slot = -1;
        int position = 0;
        int depot = -1;
        double delta = 0.0;
    };
    void SortPending(CSearchRandom& random, std::vector<int>& pending) const;
    SPlace FindPlace(const CSearchSolution& solution, CSearchRandom& random, int node) const;
    // Offers the links of one route to place.
    void OfferRoute(const CSearchSolution& solution, CSearchRandom& random, int slot, int node,
                    SPlace& place) const;

    const SSearchProblem& m_problem;
    // Round trips from the first depot, for the two distance orders.
    std::vector<double> m_depotDistance;
};
