// The linear program of Extreme Crossovers, solved with GLPK.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "construction/crossover.h"
#include "construction/crossover_rules.h"
#include "framework/application/sable_win_app.h"
#include "framework/containers/double_matrix.h"
#include "framework/containers/long_matrix.h"
#include "framework/exceptions/user_exception.h"
#include "framework/parameters/long_parameter.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "runs/glpk_problem_name.h"

namespace {

// Owns the GLPK problem of one run: deleted however the run ends.
class CGlpkProblem {
public:
    explicit CGlpkProblem(CSableWinApp& app) : m_app(app), m_problem(app.glp_create_prob()) {}
    ~CGlpkProblem() { m_app.glp_delete_prob(m_problem); }
    CGlpkProblem(const CGlpkProblem&) = delete;
    CGlpkProblem& operator=(const CGlpkProblem&) = delete;
    glp_prob* Get() const { return m_problem; }

private:
    CSableWinApp& m_app;
    glp_prob* m_problem;
};

// Shows the failure of a solver call ("LP" or "MIP") and ends the run.
[[noreturn]] void ReportSolverFailure(const CSableWinApp& app, const CTramletDoc& document,
                                      const char* solver, int returned, int status) {
    const char* library = app.GetGLPKLibraryName().c_str();
    std::string message;
    if (returned == GLP_ETMLIM) {
        message = FormatString(CROSSOVER_SOLVER_TIME_LIMIT, library, solver, document.GetTimeLimit());
    } else if (returned != 0) {
        message = FormatString(CROSSOVER_SOLVER_GENERAL_ERROR, library, solver, returned);
    } else {
        message = FormatString(CROSSOVER_SOLVER_STATUS, library, solver, status);
    }
    DisplayErrorMessage(message, false);
    ThrowUserException();
}

} // namespace

void BuildLinearProgramCrossovers(SCrossoverRun& run, CSableWinApp& app) {
    CTramletDoc& document = run.document;
    const int nc = document.GetNumberOfCustomers();
    const int ns = document.GetNumberOfSuppliers();
    const int Q = document.GetVehicleCapacity();
    const int D = run.depot->GetIndex();
    const CDoubleMatrix& d = document.GetDistanceMatrix();
    const int firstCustomer = document.GetFirstNumber(FT_CUSTOMER);
    const int firstSupplier = document.GetFirstNumber(FT_SUPPLIER);

    // Savings of all pairs, by the customers' and suppliers' positions.
    CDoubleMatrix S(nc, ns);
    for (int i = 0; i < nc; ++i) {
        const double* row = d[firstCustomer + i];
        for (int j = 0; j < ns; ++j) {
            S[i][j] = row[D] + d[D][firstSupplier + j] - row[firstSupplier + j];
        }
    }

    // One column per pair of an eligible customer and an eligible supplier, customers outside.
    std::vector<int> columnCustomer;
    std::vector<int> columnSupplier;
    columnCustomer.reserve(run.customers.size() * run.suppliers.size());
    columnSupplier.reserve(run.customers.size() * run.suppliers.size());
    for (int i = 0; i < nc; ++i) {
        if (document.GetFacility(FT_CUSTOMER, i)->GetQuantity() > Q) {
            continue;
        }
        for (int j = 0; j < ns; ++j) {
            if (document.GetFacility(FT_SUPPLIER, j)->GetQuantity() <= Q) {
                columnCustomer.push_back(i);
                columnSupplier.push_back(j);
            }
        }
    }
    const int columns = static_cast<int>(columnCustomer.size());
    const int vcRow = nc + ns + 1;

    CGlpkProblem problem(app);
    glp_prob* lp = problem.Get();
    app.m_pfn_glp_set_prob_name(lp, GlpkProblemName(document, app).c_str());
    app.m_pfn_glp_set_obj_name(lp, "obj");
    app.m_pfn_glp_set_obj_dir(lp, GLP_MAX);
    const int timeLimit = static_cast<int>(document.GetTimeLimit() * 1000.0);
    glp_smcp simplexParameters;
    app.m_pfn_glp_init_smcp(&simplexParameters);
    simplexParameters.tm_lim = timeLimit;

    app.m_pfn_glp_add_rows(lp, vcRow);
    for (int i = 1; i <= nc; ++i) {
        app.m_pfn_glp_set_row_name(lp, i, FormatString("c%03d", i).c_str());
        app.m_pfn_glp_set_row_bnds(lp, i, GLP_UP, 0.0, 1.0);
    }
    for (int j = 1; j <= ns; ++j) {
        app.m_pfn_glp_set_row_name(lp, nc + j, FormatString("s%03d", j).c_str());
        app.m_pfn_glp_set_row_bnds(lp, nc + j, GLP_UP, 0.0, 1.0);
    }
    app.m_pfn_glp_set_row_name(lp, vcRow, "vc");
    app.m_pfn_glp_set_row_bnds(lp, vcRow, GLP_UP, 0.0, static_cast<double>(run.allowed));

    // GLPK stops the program when asked to add no columns: a project without an eligible pair
    // (K = 0) keeps a problem of rows only, which the simplex method finishes at once.
    if (columns > 0) {
        app.m_pfn_glp_add_cols(lp, columns);
    }
    std::vector<int> ia(static_cast<size_t>(3 * columns) + 1);
    std::vector<int> ja(ia.size());
    std::vector<double> ar(ia.size());
    for (int k = 1; k <= columns; ++k) {
        const int i = columnCustomer[k - 1];
        const int j = columnSupplier[k - 1];
        app.m_pfn_glp_set_col_name(lp, k, FormatString("x%03d%03d", i + 1, j + 1).c_str());
        app.m_pfn_glp_set_col_bnds(lp, k, GLP_LO, 0.0, 0.0);
        app.m_pfn_glp_set_obj_coef(lp, k, S[i][j]);
        const int rows[3] = {i + 1, nc + j + 1, vcRow};
        for (int e = 0; e < 3; ++e) {
            const size_t at = static_cast<size_t>(3 * (k - 1) + e + 1);
            ia[at] = rows[e];
            ja[at] = k;
            ar[at] = 1.0;
        }
    }
    app.m_pfn_glp_load_matrix(lp, 3 * columns, ia.data(), ja.data(), ar.data());
    document.CheckAlgorithmContinuation();

    int returned = app.m_pfn_glp_simplex(lp, &simplexParameters);
    if (returned != 0) {
        ReportSolverFailure(app, document, "LP", returned, 0);
    }
    int status = app.m_pfn_glp_get_status(lp);
    if (status != GLP_OPT) {
        ReportSolverFailure(app, document, "LP", 0, status);
    }

    if (document.GetReportLevel() >= REPORT_DEBUG) {
        CDoubleMatrix fractional(nc, ns);
        for (int k = 1; k <= columns; ++k) {
            fractional[columnCustomer[k - 1]][columnSupplier[k - 1]] = app.m_pfn_glp_get_col_prim(lp, k);
        }
        app.WriteOutputLog([&](std::FILE* file) {
            std::fputs("\n\nFractional Crossover Facility Assignments\n\n", file);
            fractional.Write(file, "%8.6lf  ", 10, 80, true);
        });
    }

    document.CheckAlgorithmContinuation();
    // GLPK's integer optimiser stops the program on a problem without columns (its clique cut
    // generator adds none): without an eligible pair there is nothing to choose anyway.
    if (columns > 0) {
        glp_iocp integerParameters;
        app.m_pfn_glp_init_iocp(&integerParameters);
        integerParameters.tm_lim = timeLimit;
        integerParameters.br_tech = GLP_BR_MFV;
        integerParameters.mir_cuts = GLP_ON;
        integerParameters.gmi_cuts = GLP_ON;
        integerParameters.cov_cuts = GLP_ON;
        integerParameters.clq_cuts = GLP_ON;
        returned = app.m_pfn_glp_intopt(lp, &integerParameters);
        if (returned != 0) {
            ReportSolverFailure(app, document, "MIP", returned, 0);
        }
        status = app.m_pfn_glp_mip_status(lp);
        if (status != GLP_OPT) {
            ReportSolverFailure(app, document, "MIP", 0, status);
        }
    }

    // The chosen pairs become routes in column order. A tolerance of 1 or more would take columns
    // of value 0 too: a pair whose customer or supplier is routed already, or one beyond the K
    // routes allowed, is never taken.
    const double tolerance = document.GetTolerance();
    CLongMatrix assignment(nc, ns);
    std::vector<int> chosen;
    for (int k = 1; k <= columns; ++k) {
        const double v = app.m_pfn_glp_mip_col_val(lp, k);
        if (!(std::fabs(v - 1.0) < tolerance)) {
            continue;
        }
        CFacility* customer = document.GetFacility(FT_CUSTOMER, columnCustomer[k - 1]);
        CFacility* supplier = document.GetFacility(FT_SUPPLIER, columnSupplier[k - 1]);
        if (customer->IsRouted() || supplier->IsRouted() || static_cast<int>(chosen.size()) >= run.allowed) {
            continue;
        }
        assignment[columnCustomer[k - 1]][columnSupplier[k - 1]] = 1;
        chosen.push_back(k);
        run.AddCrossoverRoute(customer, supplier);
    }

    if (run.reporting) {
        // The quantity table: demand and supply of each chosen pair, in the order found.
        const int pairs = static_cast<int>(chosen.size());
        CLongMatrix quantities;
        if (pairs > 0) {
            quantities.SetSize(pairs, 2);
        }
        for (int r = 0; r < pairs; ++r) {
            quantities[r][0] =
                document.GetFacility(FT_CUSTOMER, columnCustomer[chosen[r] - 1])->GetQuantity();
            quantities[r][1] =
                document.GetFacility(FT_SUPPLIER, columnSupplier[chosen[r] - 1])->GetQuantity();
        }
        app.WriteOutputLog([&](std::FILE* file) {
            if (document.GetReportLevel() >= REPORT_DEBUG) {
                std::fputs("\n\nInteger Crossover Facility Assignments\n\n", file);
                assignment.Write(file, "%3d  ", 5, 80, true);
            }
            for (int r = 0; r < pairs; ++r) {
                const CFacility* customer = document.GetFacility(FT_CUSTOMER, columnCustomer[chosen[r] - 1]);
                const CFacility* supplier = document.GetFacility(FT_SUPPLIER, columnSupplier[chosen[r] - 1]);
                std::fprintf(file, "Route %d :\t", r + 1);
                std::fprintf(file, "%s\t%s\n", customer->GetLabel().c_str(), supplier->GetLabel().c_str());
                std::fprintf(file, "Quantity (demand)(supply) = %d\t%d\n\n", quantities[r][0],
                             quantities[r][1]);
            }
        });
    }
    document.CheckAlgorithmContinuation();
}
