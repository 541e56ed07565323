#include "search/search_command.h"

#include <limits>
#include <memory>

#include "framework/application/clock.h"
#include "framework/parameters/long_parameter.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "search/ruin_recreate_search.h"
#include "search/search_problem.h"

const char* const SEARCH_ALGORITHM_NAME = "Ruin and Recreate Search";

namespace {

// How often the search lets the user abort it, and how often it shows its progress (seconds).
constexpr double kContinuationInterval = 0.02;
constexpr double kProgressInterval = 0.25;

// Lets CheckAlgorithmContinuation see only the abort: the search stops at the time limit by
// itself and keeps its best solution, so the stop time is put out of reach during the check.
void CheckAbortOnly(CTramletDoc& document) {
    const double stopTime = document.GetStopTime();
    document.SetStopTime(std::numeric_limits<double>::infinity());
    try {
        document.CheckAlgorithmContinuation();
    } catch (...) {
        document.SetStopTime(stopTime);
        throw;
    }
    document.SetStopTime(stopTime);
}

// The status window's fields.
std::vector<SStatusField> ProgressFields(const SSearchProgress& progress) {
    return {{"Iteration", FormatString("%d", progress.iteration)},
            {"Best Cost", FormatString("%.2lf", progress.bestCost)},
            {"Time", FormatString("%.1lf s", progress.seconds)}};
}

// Replaces the document's routes by the solution's non-empty routes.
void WriteRoutes(CTramletDoc& document, const CSearchSolution& solution) {
    document.DeleteAllRoutes();
    for (int slot = 0; slot < solution.SlotCount(); ++slot) {
        const SSearchRoute& route = solution.Slot(slot);
        if (route.IsEmpty()) {
            continue;
        }
        auto made = std::make_unique<CRoute>(&document);
        CFacility* depot = document.GetFacility(route.depot);
        made->AddFacility(depot, false);
        for (int node : route.nodes) {
            made->AddFacility(document.GetFacility(node), true);
        }
        made->AddFacility(depot, false);
        made->ComputeDistance();
        document.AddRoute(std::move(made), true);
    }
}

} // namespace

ERunResult RunRuinRecreateSearch(CTramletDoc& document, const SSearchSettings& settings,
                                 const SearchProgressHook& progress) {
    SRunOptions options;
    options.name = SEARCH_ALGORITHM_NAME;
    options.deleteRoutes = true;
    options.enableAbort = true;
    options.statusWindow = SEARCH_ALGORITHM_NAME;
    return RunAlgorithm(document, options, [&](CAlgoStat& record) {
        const SSearchProblem problem = BuildSearchProblem(document, settings.fleetRule);
        CRuinRecreateSearch search(problem, settings, static_cast<unsigned>(document.GetSeed()));
        const bool showWindow = document.GetReportLevel() >= REPORT_STANDARD;
        const double start = GetClockSeconds();
        double lastCheck = -std::numeric_limits<double>::infinity();
        double lastShown = start;
        auto report = [&](int iteration, double now, bool finished) {
            const SSearchProgress where{iteration, search.Best().ProjectCost() + problem.unroutablePenalty,
                                        now - start};
            if (showWindow) {
                GetUserInterface().ShowStatusWindow(SEARCH_ALGORITHM_NAME, ProgressFields(where));
            }
            if (progress) {
                progress(where, finished);
            }
        };
        search.Run([&](int iteration) {
            const double now = GetClockSeconds();
            if (now >= document.GetStopTime()) {
                return false;
            }
            if (now - lastCheck >= kContinuationInterval) {
                lastCheck = now;
                CheckAbortOnly(document);
            }
            if (now - lastShown >= kProgressInterval) {
                lastShown = now;
                report(iteration, now, false);
            }
            return true;
        });
        report(search.Iterations(), GetClockSeconds(), true);
        WriteRoutes(document, search.Best());
        record.m_dDistance = document.GetTotalDistance(false);
        record.m_lCount = document.GetNumberOfRoutes();
        record.m_lIterations = search.Iterations();
        record.m_dDeltaObjective = search.InitialCost() - search.Best().ProjectCost();
    });
}
