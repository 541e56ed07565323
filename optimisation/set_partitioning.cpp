// Set partitioning with column generation: the run of the four commands.

#include "optimisation/set_partitioning.h"

#include <time.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "framework/application/clock.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/parameters/long_parameter.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "optimisation/gsp_pricing.h"
#include "optimisation/set_partitioning_duals.h"
#include "optimisation/set_partitioning_master.h"
#include "runs/runs_strings.h"

const char* const SP_TOO_MANY_CUSTOMERS =
    "Number of customer facilities %d > %d maximum for pricing problem with no subtours";
const char* const SP_TOO_MANY_SUPPLIERS =
    "Number of supplier facilities %d > %d maximum for pricing problem with no subtours";
const char* const SP_DUAL_ITEMS = "Invalid number of data items read %d different from required number %d on "
                                  "data line \r\n%s";
const char* const SP_DUAL_LABEL =
    "Invalid dual variable label read %s <> %s label in project for dual variable %d";
const char* const SP_ITERATION_LIMIT =
    "Algorithm aborted because # iterations %d reached maximum number of %d";
const char* const SP_SOLVER_TIME_LIMIT =
    "The %s %s solver could not find the optimal solution within the %lf seconds time limit";
const char* const SP_SOLVER_GENERAL_ERROR =
    "The %s %s solver terminated with the general error condition %d and no solution was found";
const char* const SP_SOLVER_STATUS =
    "The %s %s solver could not find the optimal solution and terminated with status code %d";

const std::vector<SSetPartitioningCommand>& GetSetPartitioningCommands() {
    static const std::vector<SSetPartitioningCommand> commands = {
        {2137, "Set Partitioning with Pricing", SP_MODE_BOUND, IDS_ALGO_SET_PARTITIONING_BOUND},
        {2138, "Set Partitioning with Pricing No Revisits", SP_MODE_BOUND_NO_REVISITS,
         IDS_ALGO_SET_PARTITIONING_NO_REVISITS_BOUND},
        {2139, "Set Partitioning with Pricing", SP_MODE_CONSTRUCT, IDS_ALGO_SET_PARTITIONING},
        {2140, "Set Partitioning with Pricing No Revisits", SP_MODE_CONSTRUCT_NO_REVISITS,
         IDS_ALGO_SET_PARTITIONING_NO_REVISITS},
    };
    return commands;
}

bool CanRunSetPartitioning(const CTramletDoc& document, int mode) {
    const int served = document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
    if (document.IsAlgorithmRunning() || document.GetNumberOfVehicles() <= 1 || served == 0 ||
        document.GetNumberOfDepots() == 0 || document.GetRoutedCount() != served) {
        return false;
    }
    return (mode & SP_FLAG_NO_REVISITS) == 0 ||
           (document.GetNumberOfCustomers() <= SP_MAX_NO_REVISITS_FACILITIES &&
            document.GetNumberOfSuppliers() <= SP_MAX_NO_REVISITS_FACILITIES);
}

std::string GetSetPartitioningFileName(const CTramletDoc& document, const char* extension) {
    std::filesystem::path path;
    if (document.GetPathName().empty()) {
        const CSableWinApp* app = CSableWinApp::GetApp();
        path =
            std::filesystem::current_path() / (app != nullptr ? app->GetAppName() : std::string("Tramlet"));
    } else {
        path = document.GetPathName();
    }
    path.replace_extension(extension);
    return path.string();
}

namespace {

SSetPartitioningProfile g_profile;

// The gap (%) of a bound below a distance; 0 for a solution of distance 0.
double GapPercent(double distance, double bound) {
    return distance != 0.0 ? (distance - bound) * 100.0 / distance : 0.0;
}

// Processor seconds of the calling thread.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Adds the calling thread's processor seconds since it was made to a total when it goes.
class CStopwatch {
public:
    explicit CStopwatch(double& total) : m_total(total), m_start(ThreadSeconds()) {}
    ~CStopwatch() { m_total += ThreadSeconds() - m_start; }
    CStopwatch(const CStopwatch&) = delete;
    CStopwatch& operator=(const CStopwatch&) = delete;

private:
    double& m_total;
    double m_start;
};

// One run: the pool, the pricing, the master problem and the dual prices live as long as it.
class CSetPartitioningRun {
public:
    CSetPartitioningRun(CTramletDoc& document, int mode, CAlgoStat& record)
        : m_document(document), m_record(record), m_noRevisits((mode & SP_FLAG_NO_REVISITS) != 0),
          m_construct((mode & SP_FLAG_CONSTRUCT) != 0) {}

    void Execute();

private:
    bool AtLevel(int level) const { return m_document.GetReportLevel() >= level; }
    bool LogAtLevel(int level) const { return AtLevel(level) && m_app->HasOutputLogFile(); }
    void CheckFacilityCounts() const;
    void LoadSolver();
    void Announce();
    void StartBound();
    void StartDualPrices();
    bool Iterate();
    void SolveMaster(int first);
    bool IsIntegral() const;
    void InstallRoutes();
    void ReportIncumbent();
    void ReportPrices(const char* heading, int iteration);
    void Converged();
    void Construct();

    CTramletDoc& m_document;
    CAlgoStat& m_record;
    bool m_noRevisits;
    bool m_construct;
    CSableWinApp* m_app = nullptr;
    double m_start = 0.0;
    int m_iteration = 0;
    bool m_solved = false;
    CRoutePool m_pool;
    std::unique_ptr<CGSPPricing> m_pricing;
    std::unique_ptr<CSetPartitioningMaster> m_master;
    CDualPrices m_pi;
};

// Step 2: the visit sets hold at most 128 customers and 128 suppliers.
void CSetPartitioningRun::CheckFacilityCounts() const {
    if (!m_noRevisits) {
        return;
    }
    const int customers = m_document.GetNumberOfCustomers();
    const int suppliers = m_document.GetNumberOfSuppliers();
    if (customers > SP_MAX_NO_REVISITS_FACILITIES) {
        DisplayErrorMessage(FormatString(SP_TOO_MANY_CUSTOMERS, customers, SP_MAX_NO_REVISITS_FACILITIES));
        ThrowUserException();
    }
    if (suppliers > SP_MAX_NO_REVISITS_FACILITIES) {
        DisplayErrorMessage(FormatString(SP_TOO_MANY_SUPPLIERS, suppliers, SP_MAX_NO_REVISITS_FACILITIES));
        ThrowUserException();
    }
}

// Step 3: GLPK is loaded on first use; a failed load has shown its message.
void CSetPartitioningRun::LoadSolver() {
    m_app = CSableWinApp::GetApp();
    if (m_app == nullptr ||
        (m_app->GetGLPKLibraryHandle() == nullptr && m_app->LoadGPLKFunctionPointers() == 0)) {
        ThrowUserException();
    }
}

// Steps 4 and 5: the clock, the announcement, the heading and the starting routes.
void CSetPartitioningRun::Announce() {
    m_start = GetClockSeconds();
    m_document.SetStopTime(m_start + m_document.GetTimeLimit());
    const std::string& name = m_record.m_strAlgoName;
    WriteExecutionMessage(FormatString("Executing %s algorithm\n", name.c_str()));
    if (LogAtLevel(REPORT_STANDARD)) {
        WriteOutputLogMessage(FormatString("\n\n%s\n\n", name.c_str()));
    }
    m_record.m_dDeltaObjective = 0.0;
    m_record.m_lIterations = 0;
    m_record.m_lGenerationCounter = 0;
    if (LogAtLevel(REPORT_STANDARD)) {
        m_app->WriteOutputLog([&](std::FILE* file) {
            std::fprintf(file, "\nRoutes for iteration %ld\n\n", 0L);
            m_document.WriteRoutesReport(file);
        });
    }
}

// Step 8: the bound of the starting routes (unrouted facilities count out and back).
void CSetPartitioningRun::StartBound() {
    m_record.m_dDistance = m_document.GetTotalDistance(false);
    m_record.m_dLowerBound = m_record.m_dDistance;
    const int served = m_document.GetNumberOfCustomers() + m_document.GetNumberOfSuppliers();
    const int D = m_document.GetFirstNumber(FT_DEPOT);
    bool complete = true;
    for (int f = 0; f < served; ++f) {
        if (m_document.GetFacility(f)->GetRoute() == nullptr) {
            m_record.m_dLowerBound += 2.0 * m_document.GetDistance(f, D);
            complete = false;
        }
    }
    if (complete) {
        m_record.m_dGap = 0.0;
    }
}

// Step 9: the prices of the dual prices file when there is one, else the heuristic prices.
void CSetPartitioningRun::StartDualPrices() {
    m_pi.assign(static_cast<size_t>(m_document.GetTotalNumberOfFacilities()), 0.0);
    const int served = m_document.GetNumberOfCustomers() + m_document.GetNumberOfSuppliers();
    if (ReadDualPrices(m_document, GetSetPartitioningFileName(m_document, "dualvars"), m_pi)) {
        double bound = m_document.GetNumberOfVehicles() * m_pi[served];
        for (int f = 0; f < served; ++f) {
            bound += m_pi[f];
        }
        m_record.m_dLowerBound = bound;
        m_record.m_dGap = GapPercent(m_record.m_dDistance, bound);
        if (AtLevel(REPORT_DETAILED)) {
            ReportPrices("Dual Prices Read from External File for Iteration %ld\n\n", m_iteration);
        }
        return;
    }
    ComputeHeuristicDualPrices(m_document, m_pi);
    if (LogAtLevel(REPORT_DETAILED)) {
        ReportPrices("Heuristic Dual Prices for Iteration %ld\n\n", m_iteration);
    }
}

void CSetPartitioningRun::ReportPrices(const char* heading, int iteration) {
    m_app->WriteOutputLog([&](std::FILE* file) {
        std::fprintf(file, heading, static_cast<long>(iteration));
        WriteDualPriceVector(file, m_pi);
    });
}

bool CSetPartitioningRun::IsIntegral() const {
    const double tolerance = m_document.GetTolerance();
    for (double x : m_master->GetPrimalValues()) {
        if (!(std::fabs(x) <= tolerance || std::fabs(x - 1.0) <= tolerance)) {
            return false;
        }
    }
    return true;
}

// The routes of the master's solution (columns at 1 within the tolerance) replace the project's.
void CSetPartitioningRun::InstallRoutes() {
    const double tolerance = m_document.GetTolerance();
    const std::vector<double>& x = m_master->GetPrimalValues();
    m_document.DeleteAllRoutes();
    for (size_t k = 0; k < x.size(); ++k) {
        if (std::fabs(x[k] - 1.0) > tolerance) {
            continue;
        }
        auto route = std::make_unique<CRoute>(&m_document);
        for (CFacility* f : m_pool[k]->GetFacilities()) {
            route->AddFacility(f, !f->IsDepot());
        }
        route->ComputeDistance();
        m_document.AddRoute(std::move(route), true);
    }
}

void CSetPartitioningRun::ReportIncumbent() {
    m_app->WriteOutputLog([&](std::FILE* file) {
        std::fprintf(file, "New incumbent primal solution with objective value = %lf\n\n",
                     m_record.m_dDistance);
        std::fprintf(file, "\nRoutes for iteration %ld\n\n", static_cast<long>(m_iteration));
        m_document.WriteRoutesReport(file);
    });
}

// Step 10.4: the new columns, the linear program, its report and a new incumbent when the
// solution is integral and better.
void CSetPartitioningRun::SolveMaster(int first) {
    m_master->AddColumns(m_pool, first);
    m_master->SolveLinearProgram();
    g_profile.solverSeconds = m_master->GetSolverSeconds();
    m_solved = true;
    const double z = m_master->GetObjectiveValue();
    const double tolerance = m_document.GetTolerance();
    m_record.m_dLowerBound = z;
    m_record.m_dGap = GapPercent(m_record.m_dDistance, z);
    m_pi = m_master->GetDualPrices();
    if (LogAtLevel(REPORT_DETAILED)) {
        m_app->WriteOutputLog([&](std::FILE* file) {
            std::fprintf(file, "\nOptimal routes for iteration %ld with objective value %lf\n\n",
                         static_cast<long>(m_iteration), z);
            const std::vector<double>& x = m_master->GetPrimalValues();
            for (size_t k = 0; k < x.size(); ++k) {
                if (x[k] > tolerance) {
                    std::fprintf(file, "Route %5d: Value = %5.3f\n", static_cast<int>(k) + 1, x[k]);
                }
            }
            std::fputs("\n", file);
        });
    }
    if (m_record.m_dGap > tolerance && IsIntegral()) {
        const double previous = m_record.m_dDistance;
        InstallRoutes();
        m_record.m_dDeltaObjective += previous - z;
        m_record.m_dDistance = z;
        m_record.m_dCost = z;
        if (AtLevel(REPORT_STANDARD)) {
            m_document.RedrawAllViews();
            if (m_app->HasOutputLogFile()) {
                ReportIncumbent();
            }
        }
    }
    if (LogAtLevel(REPORT_DETAILED)) {
        ReportPrices("\nLP Dual Prices for iteration %ld\n\n", m_iteration + 1);
    }
}

// One iteration of step 10; true when the pricing found routes.
bool CSetPartitioningRun::Iterate() {
    m_document.CheckAlgorithmContinuation();
    m_record.m_lIterations = ++m_iteration;
    if (LogAtLevel(REPORT_DETAILED)) {
        WriteOutputLogMessage(FormatReducedDistances(m_document, m_pi, m_iteration));
    }
    const int first = static_cast<int>(m_pool.size());
    m_pricing->SetIteration(m_iteration);
    int added = 0;
    {
        CStopwatch watch(g_profile.pricingSeconds);
        added = m_pricing->Price(m_pi, m_pool, m_record.m_dDistance);
    }
    g_profile.iterations = m_iteration;
    g_profile.columns = static_cast<int>(m_pool.size());
    m_record.m_lGenerationCounter = m_pricing->GetStepCount();
    if (added > 0) {
        m_document.CheckAlgorithmContinuation();
        if (LogAtLevel(REPORT_DETAILED)) {
            m_app->WriteOutputLog([&](std::FILE* file) {
                std::fprintf(file, "\nRoutes candidates for iteration %ld\n\n",
                             static_cast<long>(m_iteration));
                for (size_t k = static_cast<size_t>(first); k < m_pool.size(); ++k) {
                    m_pool[k]->WriteReport(file);
                    std::fputs("\n", file);
                }
            });
        }
        SolveMaster(first);
        m_pricing->ResetLabels();
        if (AtLevel(REPORT_STANDARD)) {
            m_record.m_lCount = static_cast<int>(m_pool.size());
            m_record.m_dGap = GapPercent(m_record.m_dDistance, m_record.m_dLowerBound);
            m_record.m_dRunTime = GetClockSeconds() - m_start;
            m_document.RedrawAllViews();
            if (AtLevel(REPORT_DETAILED)) {
                m_document.PauseAlgorithm();
            }
        }
    }
    m_document.CheckAlgorithmContinuation();
    return added > 0;
}

// Step 12: the closing report and the dual prices file.
void CSetPartitioningRun::Converged() {
    if (!LogAtLevel(REPORT_STANDARD)) {
        return;
    }
    m_app->WriteOutputLog([&](std::FILE* file) {
        if (AtLevel(REPORT_DEBUG)) {
            std::fputs("\nNo new candidate routes found\n\n", file);
            std::fprintf(file, "Incumbent solution value = %lf\tlower bound = %lf\tgap (%%) = %lf\n\n",
                         m_record.m_dDistance, m_record.m_dLowerBound, m_record.m_dGap);
        }
        std::fprintf(file, "\nRoutes for iteration %ld\n\n", static_cast<long>(m_iteration));
        m_document.WriteRoutesReport(file);
    });
    if (AtLevel(REPORT_DETAILED)) {
        ReportPrices("\nFinal LP Dual Prices at iteration %ld\n\n", m_iteration);
    }
    WriteDualPrices(m_document, GetSetPartitioningFileName(m_document, "dualvars"), m_pi);
}

// Step 13: the master with binary columns; its optimum replaces the routes.
void CSetPartitioningRun::Construct() {
    m_document.CheckAlgorithmContinuation();
    // The integer optimiser starts from an optimal linear program: a run whose first pricing
    // found nothing has not solved one yet.
    if (!m_solved) {
        m_master->SolveLinearProgram();
    }
    const std::string lpPath =
        LogAtLevel(REPORT_DETAILED) ? GetSetPartitioningFileName(m_document, "lp") : "";
    const bool solved = m_master->SolveIntegerProgram(lpPath);
    g_profile.solverSeconds = m_master->GetSolverSeconds();
    if (!solved) {
        return;
    }
    const double remembered = m_record.m_dDistance;
    InstallRoutes();
    m_record.m_dDistance = m_master->GetObjectiveValue();
    m_record.m_dCost = m_record.m_dDistance;
    m_record.m_dDeltaObjective += remembered - m_record.m_dDistance;
    m_document.CheckSolution(false);
    if (LogAtLevel(REPORT_STANDARD)) {
        ReportIncumbent();
    }
}

void CSetPartitioningRun::Execute() {
    g_profile = SSetPartitioningProfile();
    CheckFacilityCounts();
    LoadSolver();
    Announce();
    for (CRoute* route : m_document.GetRoutes()) {
        m_pool.push_back(std::make_unique<CRoute>(*route));
    }
    m_record.m_lCount = static_cast<int>(m_pool.size());
    m_pricing = std::make_unique<CGSPPricing>(m_document, m_noRevisits);
    m_master = std::make_unique<CSetPartitioningMaster>(*m_app, m_document, m_noRevisits);
    m_master->Build(m_pool);
    m_document.CheckAlgorithmContinuation();
    m_document.CheckAlgorithmContinuation();
    StartBound();
    StartDualPrices();

    bool found = false;
    do {
        found = Iterate();
    } while (found && m_iteration < m_document.GetMaxIterations());
    if (found) {
        m_record.m_dLowerBound = 0.0;
        m_app->SetIsAlgorithmAborting();
        DisplayErrorMessage(FormatString(SP_ITERATION_LIMIT, m_iteration, m_document.GetMaxIterations()));
        ThrowUserException();
    }
    Converged();
    if (m_construct) {
        Construct();
    }
    m_record.m_dParameter = 0.0;
    m_record.m_lCount = static_cast<int>(m_pool.size());
}

} // namespace

const SSetPartitioningProfile& GetLastSetPartitioningProfile() {
    return g_profile;
}

ERunResult RunSetPartitioning(CTramletDoc& document, int mode) {
    SRunOptions options;
    options.nameId = GetSetPartitioningCommands()[static_cast<size_t>(mode & 3)].nameId;
    options.announce = false;
    options.writeHeading = false;
    options.enableAbort = true;
    options.deleteRoutesOnFailure = false;
    options.keepRoutesOnFileOrMemoryFailure = true;
    return RunAlgorithm(document, options, [&](CAlgoStat& record) {
        CSetPartitioningRun run(document, mode, record);
        run.Execute();
    });
}
