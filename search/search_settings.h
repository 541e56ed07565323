#pragma once

#include <string>

// How many routes a solution of the search may have.
enum class EFleetRule {
    atMost, // at most the number of vehicles; every further route is penalised as the project does
    exact,  // exactly the number of vehicles, none serving suppliers only (the literature's convention)
};

// The settings of the ruin-and-recreate search. They are settings of the program, not of the
// project: the desktop program remembers them between sessions, tramlet-batch takes them as
// options. The seed and the time limit are the project's own.
struct SSearchSettings {
    // Ruin-and-recreate iterations over which the acceptance temperature cools down.
    int iterations = 100000;
    // The search ends early after this many iterations without a better solution.
    int iterationsWithoutImprovement = 50000;
    // Average number of facilities a ruin takes out.
    int averageRuinSize = 10;
    EFleetRule fleetRule = EFleetRule::atMost;
};

// Ranges of the settings.
constexpr int SEARCH_MIN_ITERATIONS = 1;
constexpr int SEARCH_MAX_ITERATIONS = 100000000;
constexpr int SEARCH_MIN_RUIN_SIZE = 1;
constexpr int SEARCH_MAX_RUIN_SIZE = 100;

// Validating setters: a valid value is stored; a value out of range is refused with its message
// (DisplayErrorMessage) and a CUserException, the setting unchanged.
void SetSearchIterations(SSearchSettings& settings, int iterations);
void SetSearchIterationsWithoutImprovement(SSearchSettings& settings, int iterations);
void SetSearchAverageRuinSize(SSearchSettings& settings, int size);
// The fleet rule by its name, "at-most" or "exact"; another name is refused like a value out of
// range.
void SetSearchFleetRule(SSearchSettings& settings, const std::string& name);

// The name of a fleet rule ("at-most", "exact").
const char* GetFleetRuleName(EFleetRule rule);
