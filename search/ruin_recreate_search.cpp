#include "search/ruin_recreate_search.h"

#include <cmath>

#include "search/search_problem.h"

namespace {

// The temperature at the start as a share of the mean distance between two visits, and the
// share of it left at the end.
constexpr double kStartTemperatureShare = 0.3;
constexpr double kEndTemperatureShare = 0.03;

} // namespace

CRuinRecreateSearch::CRuinRecreateSearch(const SSearchProblem& problem, const SSearchSettings& settings,
                                         unsigned seed)
    : m_problem(problem), m_settings(settings), m_random(seed), m_ruin(problem, settings.averageRuinSize),
      m_recreate(problem), m_current(problem), m_candidate(problem), m_best(problem) {
    m_pending.reserve(problem.visits.size());
}

void CRuinRecreateSearch::Iterate(double temperature) {
    m_candidate = m_current;
    m_ruin.Apply(m_candidate, m_random, m_pending);
    m_recreate.Apply(m_candidate, m_random, m_pending);
    // 1 - Uniform() lies in (0, 1], so the logarithm is finite.
    if (m_candidate.Objective() < m_current.Objective() - temperature * std::log(1.0 - m_random.Uniform())) {
        m_current = m_candidate;
    }
    if (m_candidate.Cost() < m_best.Cost()) {
        m_best = m_candidate;
        m_lastImprovement = m_iterations + 1;
    }
}

void CRuinRecreateSearch::ReleaseFleet() {
    m_current = m_best;
    m_current.SetHoldFleet(false);
    m_lastImprovement = m_iterations;
}

void CRuinRecreateSearch::Run(const Continuation& keepGoing) {
    const bool hold = m_problem.fleetRule == EFleetRule::atMost;
    const int release = hold ? m_settings.iterations / 2 : -1;
    m_current.SetHoldFleet(hold);
    m_pending = m_problem.visits;
    m_recreate.Apply(m_current, m_random, m_pending);
    m_best = m_current;
    m_initialCost = m_current.ProjectCost();
    const double start = kStartTemperatureShare * m_problem.meanDistance;
    const double cooling = std::pow(kEndTemperatureShare, 1.0 / m_settings.iterations);
    double temperature = start;
    m_iterations = 0;
    m_lastImprovement = 0;
    while (m_iterations < m_settings.iterations &&
           (m_iterations < release ||
            m_iterations - m_lastImprovement < m_settings.iterationsWithoutImprovement) &&
           keepGoing(m_iterations)) {
        if (m_iterations == release) {
            ReleaseFleet();
        }
        Iterate(temperature);
        temperature *= cooling;
        ++m_iterations;
    }
}
