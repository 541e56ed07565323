#include "runs/combined_commands.h"

#include <cfloat>
#include <new>
#include <stdexcept>

#include "construction/crossover.h"
#include "construction/insertion.h"
#include "construction/nearest_neighbor.h"
#include "construction/savings.h"
#include "construction/sweep.h"
#include "framework/application/clock.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/parameters/long_parameter.h"
#include "framework/platform/user_interface.h"
#include "improvement/move_facility.h"
#include "improvement/swap_facility.h"
#include "improvement/three_exchange.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

const char* const ALL_ALGORITHMS_QUESTION =
    "Executing all algorithms in sequence may require long computation times, especially for large "
    "projects on machines with a single or slow processor!  Do you wish to continue?";
const char* const COMBINATION_ABORTED_NAME = "Algorithm aborted by the user";

namespace {

using Component = ERunResult (*)(CTramletDoc&);

// Takes a saved record back as the current one. The best-so-far values describe the project's
// whole history, so the current ones stay: a saved record holds those of its own time.
void RestoreRecord(CAlgoStat& current, const CAlgoStat& saved) {
    const double bestDistance = current.m_dBestDistance;
    const double bestCost = current.m_dBestCost;
    const double bestLowerBound = current.m_dBestLowerBound;
    const double bestGap = current.m_dBestGap;
    current.Copy(saved);
    current.m_dBestDistance = bestDistance;
    current.m_dBestCost = bestCost;
    current.m_dBestLowerBound = bestLowerBound;
    current.m_dBestGap = bestGap;
}

// One run of a combination: the frame around the components (running mark, wait cursor, abort
// dialog, clock) and the handling of what ends it early.
class CCombinedRun {
public:
    explicit CCombinedRun(CTramletDoc& document)
        : m_document(document), m_record(document.GetCurrentSolution()), m_ui(GetUserInterface()) {}

    // Runs body and records the combination under nameId; returns how it ended.
    template <class Body> ERunResult Run(unsigned nameId, Body&& body) {
        m_document.SetIsAlgorithmRunning(true);
        m_ui.BeginWaitCursor();
        m_document.EnableAbortAlgorithm();
        m_start = GetClockSeconds();
        m_document.SetStopTime(m_start + m_document.GetTimeLimit());
        m_record.m_lRunStatus = 0;

        ERunResult result = ERunResult::recorded;
        try {
            body();
            if (m_document.GetReportLevel() < REPORT_STANDARD) {
                m_document.CheckSolution(true);
            }
            m_record.m_strAlgoName = LoadRunsString(nameId);
            m_record.m_dRunTime = GetClockSeconds() - m_start;
            RecordAlgorithmStatistics(m_document);
            m_document.SetModifiedFlag(true);
        } catch (const CUserException&) {
            result = EndEarly(m_componentAborted || IsAborting());
        } catch (const CFileException& error) {
            ReportLogWriteFailure(error);
            result = EndEarly(false);
        } catch (const std::invalid_argument&) {
            result = EndEarly(false);
        } catch (const std::bad_alloc&) {
            result = EndEarly(false);
        }

        m_document.DisableAbortAlgorithm();
        m_ui.EndWaitCursor();
        m_document.SetIsAlgorithmRunning(false);
        return result;
    }

    // Runs one component as a run of its own, then the status test. The components refuse to
    // start while an algorithm is marked running, and each clears the mark when it ends.
    void RunComponent(Component component) {
        m_document.SetIsAlgorithmRunning(false);
        // A component's own frame ends an abort inside it and clears the aborting state with the
        // running mark; the combination ends as aborted all the same.
        m_componentAborted = component(m_document) == ERunResult::aborted;
        if (m_record.m_lRunStatus == -1) {
            ThrowUserException();
        }
        m_document.SetIsAlgorithmRunning(true);
    }

    // A component followed by the continuation check (abort, time limit).
    void RunAndCheck(Component component) {
        RunComponent(component);
        m_document.CheckAlgorithmContinuation();
    }

    CTramletDoc& Document() { return m_document; }
    CAlgoStat& Record() { return m_record; }

private:
    static bool IsAborting() {
        CSableWinApp* app = CSableWinApp::GetApp();
        return app != nullptr && app->IsAlgorithmAborting();
    }

    // After a user's abort the routes left are checked and recorded; otherwise, or without
    // routes, they are deleted.
    ERunResult EndEarly(bool aborted) {
        bool keepRoutes = false;
        if (aborted) {
            m_record.m_lRunStatus = -1;
            if (m_document.GetNumberOfRoutes() > 0) {
                m_record.m_strAlgoName = COMBINATION_ABORTED_NAME;
                m_record.m_dRunTime = GetClockSeconds() - m_start;
                keepRoutes = RecordAbortedRun();
            }
        }
        if (!keepRoutes) {
            m_document.DeleteAllRoutes();
        }
        m_document.RedrawAllViews();
        return aborted ? ERunResult::aborted : ERunResult::failed;
    }

    // True when the aborted routes passed the check and were recorded.
    bool RecordAbortedRun() {
        try {
            m_document.CheckSolution(true);
            RecordAlgorithmStatistics(m_document);
            m_document.SetModifiedFlag(true);
            return true;
        } catch (const CUserException&) {
        } catch (const CFileException& error) {
            // The record has been appended; only the output log failed.
            ReportLogWriteFailure(error);
            return true;
        } catch (const std::bad_alloc&) {
        }
        return false;
    }

    CTramletDoc& m_document;
    CAlgoStat& m_record;
    CUserInterface& m_ui;
    double m_start = 0.0;
    bool m_componentAborted = false;
};

// Three Exchange, Move Facility and Swap Facility while a round lowers the cost.
void ImproveWhileCheaper(CCombinedRun& run) {
    double previous;
    do {
        previous = run.Record().m_dCost;
        run.RunAndCheck(OnThreeExchange);
        run.RunAndCheck(RunMoveFacility);
        run.RunAndCheck(RunSwapFacility);
    } while (run.Record().m_dCost < previous);
}

void KeepWhenCheaper(CCombinedRun& run, CRouteSnapshot& best) {
    if (run.Record().m_dCost < best.m_stat.m_dCost) {
        best.m_stat.Copy(run.Record());
        run.Document().SaveRouteSnapshot(best);
    }
}

void RunAllCombinations(CCombinedRun& run, CRouteSnapshot& best, CRouteSnapshot& work) {
    CTramletDoc& document = run.Document();
    CAlgoStat& record = run.Record();
    const bool crossovers = document.GetNumberOfCustomers() > 0 && document.GetNumberOfSuppliers() > 0;
    const Component constructions[] = {RunNearestNeighbor, RunSweep, OnAlgorithmsSavingsGreedyParallel,
                                       OnAlgorithmsSavingsGreedySerial, RunExtremeCrossovers};
    for (Component construction : constructions) {
        if (construction == RunExtremeCrossovers && !crossovers) {
            continue;
        }
        run.RunComponent(construction);
        KeepWhenCheaper(run, best);
        document.CheckAlgorithmContinuation();

        if (record.m_lNumberOfRoutedFacilities <
            document.GetNumberOfCustomers() + document.GetNumberOfSuppliers()) {
            for (int i = 0; i < 2; ++i) {
                if (i == 0) {
                    work.m_stat.Copy(record);
                    document.SaveRouteSnapshot(work);
                    run.RunAndCheck(RunCheapestInsertion);
                } else {
                    RestoreRecord(record, work.m_stat);
                    document.RestoreRouteSnapshot(work);
                    run.RunAndCheck(RunPriciestInsertion);
                }
                ImproveWhileCheaper(run);
                KeepWhenCheaper(run, best);
            }
        } else {
            ImproveWhileCheaper(run);
            KeepWhenCheaper(run, best);
        }
    }
    if (record.m_dCost > best.m_stat.m_dCost) {
        RestoreRecord(record, best.m_stat);
        document.RestoreRouteSnapshot(best);
    }
}

} // namespace

bool CanRunAllAlgorithms(const CTramletDoc& document) {
    return CanRunAlgorithm(document);
}

bool CanRunAllImprovements(const CTramletDoc& document) {
    return !document.IsAlgorithmRunning() && document.GetNumberOfRoutes() > 0;
}

ERunResult RunAllAlgorithms(CTramletDoc& document) {
    if (!CanRunAllAlgorithms(document)) {
        return ERunResult::refused;
    }
    if (GetUserInterface().MessageBox(ALL_ALGORITHMS_QUESTION, EMessageIcon::exclamation,
                                      EMessageButtons::yesNo) != EMessageAnswer::yes) {
        return ERunResult::refused;
    }
    document.RedrawAllViews();
    CRouteSnapshot best;
    CRouteSnapshot work;
    best.m_stat.m_dCost = DBL_MAX;
    CCombinedRun run(document);
    // The snapshots' routes go with the snapshots when the command returns.
    return run.Run(IDS_ALGO_ALL_ALGORITHMS, [&] { RunAllCombinations(run, best, work); });
}

ERunResult RunAllImprovements(CTramletDoc& document) {
    if (!CanRunAllImprovements(document)) {
        return ERunResult::refused;
    }
    CCombinedRun run(document);
    return run.Run(IDS_ALGO_ALL_IMPROVEMENTS, [&] {
        double previous;
        do {
            previous = run.Record().m_dCost;
            run.RunAndCheck(OnThreeExchange);
            run.RunAndCheck(RunMoveFacility);
            run.RunAndCheck(OnThreeExchange);
            run.RunAndCheck(RunSwapFacility);
        } while (run.Record().m_dCost < previous);
    });
}
