#pragma once

#include <memory>
#include <string>
#include <vector>

#include "optimisation/gsp_pricing.h"
#include "optimisation/set_partitioning_worker.h"

class CSableWinApp;
class CTramletDoc;

// The master problem of set partitioning: one row per customer ("c%03d") and supplier ("s%03d")
// fixed at 1, the vehicle row "vc" up to the number of vehicles, and one column "x%06d" per pool
// route whose coefficients count the route's visits (1 for every visited facility without
// revisits) and 1 in the vehicle row. Every GLPK call runs on the run's worker thread; columns are
// added to the existing problem, so each simplex call starts from the previous basis.
class CSetPartitioningMaster {
public:
    CSetPartitioningMaster(CSableWinApp& app, CTramletDoc& document, bool noRevisits);

    // Names, rows, the simplex time limit and the columns of the pool's routes.
    void Build(const CRoutePool& pool);
    // The columns of the pool's routes from index first on.
    void AddColumns(const CRoutePool& pool, int first);
    // Solves the linear program on the worker and reads the objective value, the primal values
    // and reduced costs of all columns and the dual prices of all rows. A solver failure shows
    // its message and raises a user exception.
    void SolveLinearProgram();
    // Makes every column binary and solves the integer program (at Detailed with an output log
    // after writing the master as a CPLEX LP file to lpPath). False after the failure message.
    bool SolveIntegerProgram(const std::string& lpPath);

    // Processor seconds of the solver calls so far.
    double GetSolverSeconds() const { return m_worker->GetSolverSeconds(); }
    double GetObjectiveValue() const { return m_objective; }
    // By column number - 1.
    const std::vector<double>& GetPrimalValues() const { return m_primal; }
    const std::vector<double>& GetReducedCosts() const { return m_reducedCosts; }
    // One per customer and supplier row, then the vehicle row's; zeros up to the project's
    // number of facilities.
    const std::vector<double>& GetDualPrices() const { return m_duals; }

private:
    [[noreturn]] void ReportSolverFailure(const char* solver, int returned, int status) const;
    void ShowSolverFailure(const char* solver, int returned, int status) const;
    // The rows and coefficients of a route's column (1-based GLPK arrays, index 0 unused).
    void ColumnOf(const CRoute& route, std::vector<int>& rows, std::vector<double>& values) const;

    CSableWinApp& m_app;
    CTramletDoc& m_document;
    bool m_noRevisits;
    int m_served = 0; // customers and suppliers
    int m_columns = 0;
    int m_timeLimit = 0;
    double m_objective = 0.0;
    std::vector<double> m_primal;
    std::vector<double> m_reducedCosts;
    std::vector<double> m_duals;
    std::unique_ptr<CSetPartitioningWorker> m_worker;
};
