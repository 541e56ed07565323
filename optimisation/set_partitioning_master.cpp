#include "optimisation/set_partitioning_master.h"

#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/parameters/long_parameter.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "optimisation/set_partitioning.h"
#include "runs/glpk_problem_name.h"

CSetPartitioningMaster::CSetPartitioningMaster(CSableWinApp& app, CTramletDoc& document, bool noRevisits)
    : m_app(app), m_document(document), m_noRevisits(noRevisits) {
    m_served = document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
    m_worker = std::make_unique<CSetPartitioningWorker>(app);
}

void CSetPartitioningMaster::ColumnOf(const CRoute& route, std::vector<int>& rows,
                                      std::vector<double>& values) const {
    std::vector<double> visits(static_cast<size_t>(m_served), 0.0);
    for (const CFacility* f : route.GetFacilities()) {
        if (!f->IsDepot()) {
            visits[f->GetIndex()] = m_noRevisits ? 1.0 : visits[f->GetIndex()] + 1.0;
        }
    }
    rows.assign(1, 0);
    values.assign(1, 0.0);
    for (int i = 0; i < m_served; ++i) {
        if (visits[i] != 0.0) {
            rows.push_back(i + 1);
            values.push_back(visits[i]);
        }
    }
    rows.push_back(m_served + 1);
    values.push_back(1.0);
}

void CSetPartitioningMaster::Build(const CRoutePool& pool) {
    const std::string name = GlpkProblemName(m_document, m_app);
    const int customers = m_document.GetNumberOfCustomers();
    const double vehicles = m_document.GetNumberOfVehicles();
    m_timeLimit = static_cast<int>(m_document.GetTimeLimit() * 1000.0);
    m_worker->Run([&](glp_prob* lp) {
        m_app.m_pfn_glp_set_prob_name(lp, name.c_str());
        m_app.m_pfn_glp_set_obj_name(lp, "obj");
        m_app.m_pfn_glp_set_obj_dir(lp, GLP_MIN);
        m_app.m_pfn_glp_add_rows(lp, m_served + 1);
        for (int i = 1; i <= m_served; ++i) {
            const bool customer = i <= customers;
            m_app.m_pfn_glp_set_row_name(
                lp, i, FormatString(customer ? "c%03d" : "s%03d", customer ? i : i - customers).c_str());
            m_app.m_pfn_glp_set_row_bnds(lp, i, GLP_FX, 1.0, 1.0);
        }
        m_app.m_pfn_glp_set_row_name(lp, m_served + 1, "vc");
        m_app.m_pfn_glp_set_row_bnds(lp, m_served + 1, GLP_UP, 0.0, vehicles);
        const int columns = static_cast<int>(pool.size());
        if (columns == 0) {
            return;
        }
        m_app.m_pfn_glp_add_cols(lp, columns);
        std::vector<int> ia(1, 0), ja(1, 0), rows;
        std::vector<double> ar(1, 0.0), values;
        for (int k = 1; k <= columns; ++k) {
            const CRoute& route = *pool[k - 1];
            m_app.m_pfn_glp_set_col_name(lp, k, FormatString("x%06d", k).c_str());
            m_app.m_pfn_glp_set_col_bnds(lp, k, GLP_LO, 0.0, 0.0);
            m_app.m_pfn_glp_set_obj_coef(lp, k, route.GetDistance());
            ColumnOf(route, rows, values);
            for (size_t e = 1; e < rows.size(); ++e) {
                ia.push_back(rows[e]);
                ja.push_back(k);
                ar.push_back(values[e]);
            }
        }
        m_app.m_pfn_glp_load_matrix(lp, static_cast<int>(ia.size()) - 1, ia.data(), ja.data(), ar.data());
    });
    m_columns = static_cast<int>(pool.size());
}

void CSetPartitioningMaster::AddColumns(const CRoutePool& pool, int first) {
    const int count = static_cast<int>(pool.size()) - first;
    if (count <= 0) {
        return;
    }
    m_worker->Run([&](glp_prob* lp) {
        const int base = m_app.m_pfn_glp_add_cols(lp, count);
        std::vector<int> rows;
        std::vector<double> values;
        for (int c = 0; c < count; ++c) {
            const int k = base + c;
            const CRoute& route = *pool[first + c];
            m_app.m_pfn_glp_set_col_name(lp, k, FormatString("x%06d", k).c_str());
            m_app.m_pfn_glp_set_col_bnds(lp, k, GLP_LO, 0.0, 0.0);
            m_app.m_pfn_glp_set_obj_coef(lp, k, route.GetDistance());
            ColumnOf(route, rows, values);
            m_app.m_pfn_glp_set_mat_col(lp, k, static_cast<int>(rows.size()) - 1, rows.data(), values.data());
        }
    });
    m_columns += count;
}

void CSetPartitioningMaster::ShowSolverFailure(const char* solver, int returned, int status) const {
    const char* library = m_app.GetGLPKLibraryName().c_str();
    if (returned == GLP_ETMLIM) {
        DisplayErrorMessage(FormatString(SP_SOLVER_TIME_LIMIT, library, solver, m_document.GetTimeLimit()));
    } else if (returned != 0) {
        DisplayErrorMessage(FormatString(SP_SOLVER_GENERAL_ERROR, library, solver, returned));
    } else {
        DisplayErrorMessage(FormatString(SP_SOLVER_STATUS, library, solver, status));
    }
}

void CSetPartitioningMaster::ReportSolverFailure(const char* solver, int returned, int status) const {
    ShowSolverFailure(solver, returned, status);
    ThrowUserException();
}

void CSetPartitioningMaster::SolveLinearProgram() {
    glp_smcp parameters;
    m_worker->Run([&](glp_prob*) {
        m_app.m_pfn_glp_init_smcp(&parameters);
        parameters.tm_lim = m_timeLimit;
    });
    const int returned = m_worker->RunSimplex(m_document, parameters);
    if (returned != 0) {
        ReportSolverFailure("LP", returned, 0);
    }
    int status = 0;
    m_primal.assign(static_cast<size_t>(m_columns), 0.0);
    m_reducedCosts.assign(static_cast<size_t>(m_columns), 0.0);
    m_duals.assign(static_cast<size_t>(m_document.GetTotalNumberOfFacilities()), 0.0);
    m_worker->Run([&](glp_prob* lp) {
        status = m_app.m_pfn_glp_get_status(lp);
        if (status != GLP_OPT) {
            return;
        }
        m_objective = m_app.m_pfn_glp_get_obj_val(lp);
        for (int k = 1; k <= m_columns; ++k) {
            m_primal[k - 1] = m_app.m_pfn_glp_get_col_prim(lp, k);
            m_reducedCosts[k - 1] = m_app.m_pfn_glp_get_col_dual(lp, k);
        }
        for (int i = 1; i <= m_served + 1; ++i) {
            m_duals[i - 1] = m_app.m_pfn_glp_get_row_dual(lp, i);
        }
    });
    if (status != GLP_OPT) {
        ReportSolverFailure("LP", 0, status);
    }
}

bool CSetPartitioningMaster::SolveIntegerProgram(const std::string& lpPath) {
    glp_iocp parameters;
    m_worker->Run([&](glp_prob* lp) {
        for (int k = 1; k <= m_columns; ++k) {
            m_app.m_pfn_glp_set_col_kind(lp, k, GLP_BV);
        }
        m_app.m_pfn_glp_init_iocp(&parameters);
        parameters.tm_lim = m_timeLimit;
        parameters.br_tech = GLP_BR_MFV;
        parameters.mir_cuts = GLP_ON;
        parameters.gmi_cuts = GLP_ON;
        parameters.cov_cuts = GLP_ON;
        parameters.clq_cuts = GLP_ON;
        if (!lpPath.empty()) {
            m_app.m_pfn_glp_write_lp(lp, nullptr, lpPath.c_str());
        }
    });
    const int returned = m_worker->RunIntopt(m_document, parameters);
    if (returned != 0) {
        ShowSolverFailure("MIP", returned, 0);
        return false;
    }
    int status = 0;
    m_worker->Run([&](glp_prob* lp) {
        status = m_app.m_pfn_glp_mip_status(lp);
        if (status != GLP_OPT) {
            return;
        }
        m_objective = m_app.m_pfn_glp_mip_obj_val(lp);
        for (int k = 1; k <= m_columns; ++k) {
            m_primal[k - 1] = m_app.m_pfn_glp_mip_col_val(lp, k);
        }
    });
    if (status != GLP_OPT) {
        ShowSolverFailure("MIP", 0, status);
        return false;
    }
    return true;
}
