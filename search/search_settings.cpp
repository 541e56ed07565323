#include "search/search_settings.h"

#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"

namespace {

// Refuses a whole number outside [lower, upper] with "Invalid search <what> %d outside range".
int CheckedSetting(const char* what, int value, int lower, int upper) {
    if (value < lower || value > upper) {
        DisplayErrorMessage(
            FormatString("Invalid search %s %d outside range [%d, %d]", what, value, lower, upper));
        ThrowUserException();
    }
    return value;
}

} // namespace

void SetSearchIterations(SSearchSettings& settings, int iterations) {
    settings.iterations =
        CheckedSetting("iterations", iterations, SEARCH_MIN_ITERATIONS, SEARCH_MAX_ITERATIONS);
}

void SetSearchIterationsWithoutImprovement(SSearchSettings& settings, int iterations) {
    settings.iterationsWithoutImprovement = CheckedSetting("iterations without improvement", iterations,
                                                           SEARCH_MIN_ITERATIONS, SEARCH_MAX_ITERATIONS);
}

void SetSearchAverageRuinSize(SSearchSettings& settings, int size) {
    settings.averageRuinSize =
        CheckedSetting("average ruin size", size, SEARCH_MIN_RUIN_SIZE, SEARCH_MAX_RUIN_SIZE);
}

void SetSearchFleetRule(SSearchSettings& settings, const std::string& name) {
    for (EFleetRule rule : {EFleetRule::atMost, EFleetRule::exact}) {
        if (name == GetFleetRuleName(rule)) {
            settings.fleetRule = rule;
            return;
        }
    }
    DisplayErrorMessage(FormatString("Invalid search fleet rule %s (at-most or exact)", name.c_str()));
    ThrowUserException();
}

const char* GetFleetRuleName(EFleetRule rule) {
    return rule == EFleetRule::exact ? "exact" : "at-most";
}
