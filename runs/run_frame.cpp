#include "runs/run_frame.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>
#include <stdexcept>

#include "framework/application/clock.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/parameters/long_parameter.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

namespace {

// Appends to the output log through the application (nothing without one).
template <class Writer> void WriteToOutputLog(Writer&& write) {
    if (CSableWinApp* app = CSableWinApp::GetApp()) {
        app->WriteOutputLog(write);
    }
}

// The kind of log a file error concerns, as the write-failure message names it.
std::string LogKind(const CFileException& error) {
    CSableWinApp* app = CSableWinApp::GetApp();
    if (app != nullptr && !app->GetErrorLogFileName().empty() &&
        error.m_strFileName == app->GetErrorLogFileName()) {
        return "error log";
    }
    return "output log";
}

bool IsAborting() {
    CSableWinApp* app = CSableWinApp::GetApp();
    return app != nullptr && app->IsAlgorithmAborting();
}

} // namespace

void ReportLogWriteFailure(const CFileException& error) {
    DisplayErrorMessage(CSableWinApp::ConstructFileErrorMessage(true, LogKind(error), error));
}

void AppendToOutputLog(const std::string& text) {
    WriteToOutputLog([&](std::FILE* file) { std::fwrite(text.data(), 1, text.size(), file); });
}

bool HasFacilitiesToRoute(const CTramletDoc& document) {
    return document.GetNumberOfDepots() > 0 &&
           (document.GetNumberOfCustomers() > 0 || document.GetNumberOfSuppliers() > 0);
}

bool CanRunAlgorithm(const CTramletDoc& document) {
    return !document.IsAlgorithmRunning() && HasFacilitiesToRoute(document);
}

void RecordAlgorithmStatistics(CTramletDoc& document) {
    CAlgoStat& record = document.GetCurrentSolution();
    record.m_lRunStatus = 1;
    int routes =
        document.IsImportingProject() ? document.GetSpecifiedCount(FT_ROUTE) : document.GetNumberOfRoutes();
    if (routes > 0) {
        document.CheckSolution(true);
        bool complete = record.m_lNumberOfRoutedFacilities ==
                        document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
        record.UpdateBestValues(complete);
    }
    auto& statistics = document.GetAlgorithmStatistics();
    auto copy = std::make_unique<CAlgoStat>(record);
    copy->m_lAlgoNumber = static_cast<int>(statistics.size()) + 1;
    const CAlgoStat& recorded = *copy;
    statistics.push_back(std::move(copy));

    if (document.GetReportLevel() >= REPORT_STANDARD) {
        WriteToOutputLog([&](std::FILE* file) {
            std::string lines = recorded.FormatOutputLogRecord();
            std::fwrite(lines.data(), 1, lines.size(), file);
            if (document.GetReportLevel() >= REPORT_DETAILED) {
                document.WriteRoutesReport(file);
            }
        });
    }
    document.RedrawAllViews();
}

ERunResult RunAlgorithm(CTramletDoc& document, const SRunOptions& options, const AlgorithmBody& algorithm) {
    if (!HasFacilitiesToRoute(document)) {
        return ERunResult::refused;
    }
    CUserInterface& ui = GetUserInterface();
    CAlgoStat& record = document.GetCurrentSolution();
    const std::string name = options.name.empty() ? LoadRunsString(options.nameId) : options.name;

    document.SetIsAlgorithmRunning(true);
    ui.BeginWaitCursor();
    if (options.enableAbort) {
        document.EnableAbortAlgorithm();
    }
    record.m_lRunStatus = 0;
    double start = GetClockSeconds();
    document.SetStopTime(start + document.GetTimeLimit());

    ERunResult result = ERunResult::recorded;
    // What ends a run early: the status window goes, the routes usually too, nothing is recorded.
    auto fail = [&](ERunResult how, bool systemFailure = false) {
        if (!options.statusWindow.empty()) {
            ui.CloseStatusWindow(options.statusWindow);
        }
        if (options.deleteRoutesOnFailure && !(systemFailure && options.keepRoutesOnFileOrMemoryFailure)) {
            document.DeleteAllRoutes();
        }
        record.m_lRunStatus = -1;
        result = how;
    };

    try {
        // The routes a run starts from are checked before the run is announced.
        if (options.checkBeforeRun && document.GetReportLevel() >= REPORT_STANDARD) {
            document.CheckSolution(false);
        }
        record.m_strAlgoName = name;
        if (options.announce) {
            WriteExecutionMessage(FormatString("Executing %s algorithm\n", name.c_str()));
        }
        if (options.deleteRoutes) {
            document.DeleteAllRoutes();
            record.m_dDistance = 0.0;
            record.m_lNumberOfRoutedFacilities = 0;
        }
        if (options.writeHeading && document.GetReportLevel() >= REPORT_STANDARD) {
            AppendToOutputLog(FormatString("\n\n%s\n\n", name.c_str()));
        }
        record.m_lCount = 0;
        record.m_lIterations = 1;
        record.m_dParameter = 0.0;
        record.m_dDeltaObjective = 0.0;
        record.m_dLowerBound = 0.0;

        algorithm(record);

        if (!options.statusWindow.empty()) {
            ui.CloseStatusWindow(options.statusWindow);
        }
        if (options.computeDistance) {
            record.m_dDistance = document.GetTotalDistance(false);
        }
        record.m_dCost = document.GetPenalty() + record.m_dDistance;
        record.m_dRunTime = GetClockSeconds() - start;
        const bool changed = !options.changedRoutes || options.changedRoutes();
        if (changed && document.GetReportLevel() >= REPORT_STANDARD) {
            document.CheckSolution(true);
        }
        RecordAlgorithmStatistics(document);
        if (changed) {
            document.SetModifiedFlag(true);
        }
    } catch (const CUserException&) {
        fail(IsAborting() ? ERunResult::aborted : ERunResult::failed);
    } catch (const CFileException& error) {
        ReportLogWriteFailure(error);
        fail(ERunResult::failed, true);
    } catch (const std::invalid_argument&) {
        fail(ERunResult::failed);
    } catch (const std::bad_alloc&) {
        fail(ERunResult::failed, true);
    }

    ui.EndWaitCursor();
    if (options.enableAbort) {
        document.DisableAbortAlgorithm();
    }
    document.SetIsAlgorithmRunning(false);
    document.RedrawAllViews();
    return result;
}
