// The assignment model of the generalized assignment, built and solved through the GLPK binding.

#include "optimisation/generalized_assignment_solver.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "framework/application/sable_win_app.h"
#include "framework/containers/double_matrix.h"
#include "framework/containers/long_matrix.h"
#include "framework/exceptions/user_exception.h"
#include "framework/parameters/long_parameter.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "optimisation/generalized_assignment_seeds.h"
#include "optimisation/optimisation_strings.h"
#include "runs/glpk_problem_name.h"

CGapProblem::CGapProblem(CSableWinApp& app) : m_app(app), m_problem(app.glp_create_prob()) {}

CGapProblem::~CGapProblem() {
    m_app.glp_delete_prob(m_problem);
}

int GlpkTimeLimit(const CTramletDoc& document) {
    return static_cast<int>(document.GetTimeLimit() * 1000.0);
}

glp_smcp AssignmentSimplexControls(const CSableWinApp& app, const CTramletDoc& document) {
    glp_smcp controls;
    app.m_pfn_glp_init_smcp(&controls);
    controls.tm_lim = GlpkTimeLimit(document);
    controls.presolve = GLP_ON;
    return controls;
}

glp_iocp AssignmentIntegerControls(const CSableWinApp& app, const CTramletDoc& document) {
    glp_iocp controls;
    app.m_pfn_glp_init_iocp(&controls);
    controls.tm_lim = GlpkTimeLimit(document);
    controls.br_tech = GLP_BR_MFV;
    controls.mir_cuts = GLP_ON;
    controls.gmi_cuts = GLP_ON;
    controls.cov_cuts = GLP_ON;
    controls.clq_cuts = GLP_ON;
    controls.presolve = GLP_ON;
    return controls;
}

void CheckAssignmentSolverResult(const CSableWinApp& app, const CTramletDoc& document, const char* solver,
                                 int returned, int status) {
    if (returned == 0 && status == GLP_OPT) {
        return;
    }
    const char* library = app.GetGLPKLibraryName().c_str();
    std::string message;
    if (returned == GLP_ETMLIM) {
        message = FormatString(LoadOptimisationString(IDS_SOLVER_TIME_LIMIT).c_str(), library, solver,
                               document.GetTimeLimit());
    } else if (returned != 0) {
        message =
            FormatString(LoadOptimisationString(IDS_SOLVER_GENERAL_ERROR).c_str(), library, solver, returned);
    } else {
        message = FormatString(LoadOptimisationString(IDS_SOLVER_STATUS).c_str(), library, solver, status);
    }
    DisplayErrorMessage(message, false);
    ThrowUserException();
}

namespace {

const char* VariantName(EGAPSEEDMODE mode) {
    return mode == GAP_SEED_RAYS ? "Seed Ray" : "Seed Point";
}

// The model files of Detailed runs: the project's folder and base name (the application's name
// without a project file) with the extension.
std::string ModelFilePath(const CTramletDoc& document, const CSableWinApp& app, const char* extension) {
    if (document.GetPathName().empty()) {
        return app.GetAppName() + "." + extension;
    }
    return std::filesystem::path(document.GetPathName()).replace_extension(extension).string();
}

// The rows: one per customer ("c%03d") and supplier ("s%03d") that must be assigned once, two
// capacity rows per vehicle. A facility no vehicle can carry has no column, so its row asks for
// no assignment (fixed at 0) and the facility stays unrouted.
void AddAssignmentRows(const CTramletDoc& document, const CSableWinApp& app, glp_prob* lp) {
    const int nc = document.GetNumberOfCustomers();
    const int n = nc + document.GetNumberOfSuppliers();
    const int m = document.GetNumberOfVehicles();
    const int C = document.GetVehicleCapacity();
    app.m_pfn_glp_add_rows(lp, n + 2 * m);
    for (int g = 0; g < n; ++g) {
        const std::string name = g < nc ? FormatString("c%03d", g + 1) : FormatString("s%03d", g - nc + 1);
        const double required = document.GetFacility(g)->GetQuantity() <= C ? 1.0 : 0.0;
        app.m_pfn_glp_set_row_name(lp, g + 1, name.c_str());
        app.m_pfn_glp_set_row_bnds(lp, g + 1, GLP_FX, required, required);
    }
    for (int v = 1; v <= m; ++v) {
        app.m_pfn_glp_set_row_name(lp, n + 2 * v - 1, FormatString("v%03dL", v).c_str());
        app.m_pfn_glp_set_row_bnds(lp, n + 2 * v - 1, GLP_UP, 0.0, C);
        app.m_pfn_glp_set_row_name(lp, n + 2 * v, FormatString("v%03dB", v).c_str());
        app.m_pfn_glp_set_row_bnds(lp, n + 2 * v, GLP_UP, 0.0, C);
    }
}

// The columns x(g, v) of the facilities a vehicle can carry and the constraint matrix. Returns
// the facility of each filled column (1-based; the vehicle follows from the order).
std::vector<int> AddAssignmentColumns(const CTramletDoc& document, const CSableWinApp& app, glp_prob* lp,
                                      const CDoubleMatrix& costs) {
    const int nc = document.GetNumberOfCustomers();
    const int n = nc + document.GetNumberOfSuppliers();
    const int m = document.GetNumberOfVehicles();
    const int C = document.GetVehicleCapacity();
    app.m_pfn_glp_add_cols(lp, n * m);
    const size_t entries = 2 * static_cast<size_t>(n) * static_cast<size_t>(m) + 1;
    std::vector<int> ia(entries);
    std::vector<int> ja(entries);
    std::vector<double> ar(entries);
    std::vector<int> facilityOfColumn(1, -1);
    int column = 0;
    int ne = 0;
    for (int g = 0; g < n; ++g) {
        const int quantity = document.GetFacility(g)->GetQuantity();
        if (quantity > C) {
            continue;
        }
        for (int v = 1; v <= m; ++v) {
            ++column;
            facilityOfColumn.push_back(g);
            app.m_pfn_glp_set_col_name(lp, column, FormatString("x%03d%03d", g + 1, v).c_str());
            app.m_pfn_glp_set_col_bnds(lp, column, GLP_LO, 0.0, GAP_NO_COST);
            app.m_pfn_glp_set_obj_coef(lp, column, costs[g][v - 1]);
            app.m_pfn_glp_set_col_kind(lp, column, GLP_BV);
            ++ne;
            ia[ne] = g + 1;
            ja[ne] = column;
            ar[ne] = 1.0;
            ++ne;
            ia[ne] = g < nc ? n + 2 * v - 1 : n + 2 * v;
            ja[ne] = column;
            ar[ne] = quantity;
        }
    }
    app.m_pfn_glp_load_matrix(lp, ne, ia.data(), ja.data(), ar.data());
    return facilityOfColumn;
}

// The per-vehicle lines of the assignment report.
std::string AssignmentLines(const CTramletDoc& document, const CLongMatrix& assignment,
                            const CLongMatrix& loads) {
    const int n = assignment.GetNumberRows();
    std::string text;
    for (int v = 0; v < assignment.GetNumberColumns(); ++v) {
        text += FormatString("Vehicle %d :\t", v + 1);
        for (int g = 0; g < n; ++g) {
            if (assignment[g][v] == 1) {
                text += FormatString("%s\t", document.GetFacility(g)->GetLabel().c_str());
            }
        }
        text += FormatString("\nQuantity (demand)(supply) = %d\t%d\n\n", loads[v][0], loads[v][1]);
    }
    return text;
}

} // namespace

void SolveAssignmentModel(CTramletDoc& document, CSableWinApp& app, glp_prob* lp, const CDoubleMatrix& costs,
                          EGAPSEEDMODE mode, CLongMatrix& assignment, CLongMatrix& loads) {
    const int n = document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
    const int m = document.GetNumberOfVehicles();
    app.m_pfn_glp_set_prob_name(lp, GlpkProblemName(document, app).c_str());
    app.m_pfn_glp_set_obj_name(lp, "obj");
    app.m_pfn_glp_set_obj_dir(lp, GLP_MIN);
    AddAssignmentRows(document, app, lp);
    const std::vector<int> facilityOfColumn = AddAssignmentColumns(document, app, lp, costs);
    const int columns = static_cast<int>(facilityOfColumn.size()) - 1;

    document.CheckAlgorithmContinuation();
    glp_smcp simplex = AssignmentSimplexControls(app, document);
    int returned = app.m_pfn_glp_simplex(lp, &simplex);
    CheckAssignmentSolverResult(app, document, "LP", returned,
                                returned == 0 ? app.m_pfn_glp_get_status(lp) : 0);
    if (WritesAssignmentDebug(document)) {
        CDoubleMatrix fractional(n, m);
        for (int k = 1; k <= columns; ++k) {
            fractional[facilityOfColumn[k]][(k - 1) % m] = app.m_pfn_glp_get_col_prim(lp, k);
        }
        WriteAssignmentLog([&](std::FILE* file) {
            std::fprintf(file, "\n\nFractional %s Assignments\n\n", VariantName(mode));
            fractional.Write(file, "%8.6lf  ", 10, 80, true);
        });
    }
    document.CheckAlgorithmContinuation();

    if (document.GetReportLevel() >= REPORT_DETAILED && app.HasOutputLogFile()) {
        app.m_pfn_glp_write_mps(lp, GLP_MPS_FILE, nullptr, ModelFilePath(document, app, "mps").c_str());
        app.m_pfn_glp_write_lp(lp, nullptr, ModelFilePath(document, app, "lp").c_str());
    }
    glp_iocp integer = AssignmentIntegerControls(app, document);
    returned = app.m_pfn_glp_intopt(lp, &integer);
    CheckAssignmentSolverResult(app, document, "MIP", returned,
                                returned == 0 ? app.m_pfn_glp_mip_status(lp) : 0);

    // A facility goes to the first vehicle whose column is 1 within the tolerance; a tolerance
    // of 1 or more never gives it a second one.
    assignment.SetSize(n, m);
    loads.SetSize(m, 2);
    std::vector<bool> assigned(static_cast<size_t>(n), false);
    const double tolerance = document.GetTolerance();
    for (int k = 1; k <= columns; ++k) {
        const int g = facilityOfColumn[k];
        const int v = (k - 1) % m;
        if (assigned[g] || !(std::fabs(app.m_pfn_glp_mip_col_val(lp, k) - 1.0) < tolerance)) {
            continue;
        }
        assigned[g] = true;
        assignment[g][v] = 1;
        const CFacility* f = document.GetFacility(g);
        loads[v][f->IsCustomer() ? 0 : 1] += f->GetQuantity();
    }

    if (document.GetReportLevel() >= REPORT_STANDARD) {
        WriteAssignmentLog([&](std::FILE* file) {
            if (document.GetReportLevel() >= REPORT_DEBUG) {
                std::fprintf(file, "\n\nInteger %s Assignments\n\n", VariantName(mode));
                assignment.Write(file, "%3d  ", 5, 80, true);
            }
            const std::string text = AssignmentLines(document, assignment, loads);
            std::fwrite(text.data(), 1, text.size(), file);
        });
    }
    document.CheckAlgorithmContinuation();
}
