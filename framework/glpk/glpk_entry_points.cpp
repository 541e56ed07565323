#include "framework/glpk/glpk_entry_points.h"

namespace {
const char* const kNames[GLPK_ENTRY_POINT_COUNT] = {
    "glp_add_cols",      "glp_add_rows",      "glp_create_index",  "glp_create_prob",   "glp_delete_index",
    "glp_delete_prob",   "glp_del_cols",      "glp_del_rows",      "glp_find_col",      "glp_find_row",
    "glp_free_env",      "glp_get_col_dual",  "glp_get_col_lb",    "glp_get_col_name",  "glp_get_col_prim",
    "glp_get_col_stat",  "glp_get_col_type",  "glp_get_col_ub",    "glp_get_dual_stat", "glp_get_mat_col",
    "glp_get_mat_row",   "glp_get_num_bin",   "glp_get_num_cols",  "glp_get_num_int",   "glp_get_num_nz",
    "glp_get_num_rows",  "glp_get_obj_coef",  "glp_get_obj_dir",   "glp_get_obj_name",  "glp_get_obj_val",
    "glp_get_prim_stat", "glp_get_prob_name", "glp_get_row_dual",  "glp_get_row_lb",    "glp_get_row_name",
    "glp_get_row_prim",  "glp_get_row_stat",  "glp_get_row_type",  "glp_get_row_ub",    "glp_get_status",
    "glp_init_iocp",     "glp_init_smcp",     "glp_intopt",        "glp_ios_heur_sol",  "glp_ios_mip_gap",
    "glp_ios_reason",    "glp_load_matrix",   "glp_mip_col_val",   "glp_mip_obj_val",   "glp_mip_row_val",
    "glp_mip_status",    "glp_read_lp",       "glp_read_mip",      "glp_read_sol",      "glp_set_col_bnds",
    "glp_set_col_kind",  "glp_set_col_name",  "glp_set_mat_col",   "glp_set_mat_row",   "glp_set_obj_coef",
    "glp_set_obj_dir",   "glp_set_obj_name",  "glp_set_prob_name", "glp_set_row_bnds",  "glp_set_row_name",
    "glp_simplex",       "glp_version",       "glp_write_lp",      "glp_write_mip",     "glp_write_mps",
    "glp_write_sol",
};
} // namespace

const char* const* GlpkEntryPointNames() {
    return kNames;
}

void* GlpkEntryPointSlot(CGlpkEntryPoints& e, int position) {
    switch (position) {
    case 0:
        return static_cast<void*>(&e.m_pfn_glp_add_cols);
    case 1:
        return static_cast<void*>(&e.m_pfn_glp_add_rows);
    case 2:
        return static_cast<void*>(&e.m_pfn_glp_create_index);
    case 3:
        return static_cast<void*>(&e.m_pfn_glp_create_prob);
    case 4:
        return static_cast<void*>(&e.m_pfn_glp_delete_index);
    case 5:
        return static_cast<void*>(&e.m_pfn_glp_delete_prob);
    case 6:
        return static_cast<void*>(&e.m_pfn_glp_del_cols);
    case 7:
        return static_cast<void*>(&e.m_pfn_glp_del_rows);
    case 8:
        return static_cast<void*>(&e.m_pfn_glp_find_col);
    case 9:
        return static_cast<void*>(&e.m_pfn_glp_find_row);
    case 10:
        return static_cast<void*>(&e.m_pfn_glp_free_env);
    case 11:
        return static_cast<void*>(&e.m_pfn_glp_get_col_dual);
    case 12:
        return static_cast<void*>(&e.m_pfn_glp_get_col_lb);
    case 13:
        return static_cast<void*>(&e.m_pfn_glp_get_col_name);
    case 14:
        return static_cast<void*>(&e.m_pfn_glp_get_col_prim);
    case 15:
        return static_cast<void*>(&e.m_pfn_glp_get_col_stat);
    case 16:
        return static_cast<void*>(&e.m_pfn_glp_get_col_type);
    case 17:
        return static_cast<void*>(&e.m_pfn_glp_get_col_ub);
    case 18:
        return static_cast<void*>(&e.m_pfn_glp_get_dual_stat);
    case 19:
        return static_cast<void*>(&e.m_pfn_glp_get_mat_col);
    case 20:
        return static_cast<void*>(&e.m_pfn_glp_get_mat_row);
    case 21:
        return static_cast<void*>(&e.m_pfn_glp_get_num_bin);
    case 22:
        return static_cast<void*>(&e.m_pfn_glp_get_num_cols);
    case 23:
        return static_cast<void*>(&e.m_pfn_glp_get_num_int);
    case 24:
        return static_cast<void*>(&e.m_pfn_glp_get_num_nz);
    case 25:
        return static_cast<void*>(&e.m_pfn_glp_get_num_rows);
    case 26:
        return static_cast<void*>(&e.m_pfn_glp_get_obj_coef);
    case 27:
        return static_cast<void*>(&e.m_pfn_glp_get_obj_dir);
    case 28:
        return static_cast<void*>(&e.m_pfn_glp_get_obj_name);
    case 29:
        return static_cast<void*>(&e.m_pfn_glp_get_obj_val);
    case 30:
        return static_cast<void*>(&e.m_pfn_glp_get_prim_stat);
    case 31:
        return static_cast<void*>(&e.m_pfn_glp_get_prob_name);
    case 32:
        return static_cast<void*>(&e.m_pfn_glp_get_row_dual);
    case 33:
        return static_cast<void*>(&e.m_pfn_glp_get_row_lb);
    case 34:
        return static_cast<void*>(&e.m_pfn_glp_get_row_name);
    case 35:
        return static_cast<void*>(&e.m_pfn_glp_get_row_prim);
    case 36:
        return static_cast<void*>(&e.m_pfn_glp_get_row_stat);
    case 37:
        return static_cast<void*>(&e.m_pfn_glp_get_row_type);
    case 38:
        return static_cast<void*>(&e.m_pfn_glp_get_row_ub);
    case 39:
        return static_cast<void*>(&e.m_pfn_glp_get_status);
    case 40:
        return static_cast<void*>(&e.m_pfn_glp_init_iocp);
    case 41:
        return static_cast<void*>(&e.m_pfn_glp_init_smcp);
    case 42:
        return static_cast<void*>(&e.m_pfn_glp_intopt);
    case 43:
        return static_cast<void*>(&e.m_pfn_glp_ios_heur_sol);
    case 44:
        return static_cast<void*>(&e.m_pfn_glp_ios_mip_gap);
    case 45:
        return static_cast<void*>(&e.m_pfn_glp_ios_reason);
    case 46:
        return static_cast<void*>(&e.m_pfn_glp_load_matrix);
    case 47:
        return static_cast<void*>(&e.m_pfn_glp_mip_col_val);
    case 48:
        return static_cast<void*>(&e.m_pfn_glp_mip_obj_val);
    case 49:
        return static_cast<void*>(&e.m_pfn_glp_mip_row_val);
    case 50:
        return static_cast<void*>(&e.m_pfn_glp_mip_status);
    case 51:
        return static_cast<void*>(&e.m_pfn_glp_read_lp);
    case 52:
        return static_cast<void*>(&e.m_pfn_glp_read_mip);
    case 53:
        return static_cast<void*>(&e.m_pfn_glp_read_sol);
    case 54:
        return static_cast<void*>(&e.m_pfn_glp_set_col_bnds);
    case 55:
        return static_cast<void*>(&e.m_pfn_glp_set_col_kind);
    case 56:
        return static_cast<void*>(&e.m_pfn_glp_set_col_name);
    case 57:
        return static_cast<void*>(&e.m_pfn_glp_set_mat_col);
    case 58:
        return static_cast<void*>(&e.m_pfn_glp_set_mat_row);
    case 59:
        return static_cast<void*>(&e.m_pfn_glp_set_obj_coef);
    case 60:
        return static_cast<void*>(&e.m_pfn_glp_set_obj_dir);
    case 61:
        return static_cast<void*>(&e.m_pfn_glp_set_obj_name);
    case 62:
        return static_cast<void*>(&e.m_pfn_glp_set_prob_name);
    case 63:
        return static_cast<void*>(&e.m_pfn_glp_set_row_bnds);
    case 64:
        return static_cast<void*>(&e.m_pfn_glp_set_row_name);
    case 65:
        return static_cast<void*>(&e.m_pfn_glp_simplex);
    case 66:
        return static_cast<void*>(&e.m_pfn_glp_version);
    case 67:
        return static_cast<void*>(&e.m_pfn_glp_write_lp);
    case 68:
        return static_cast<void*>(&e.m_pfn_glp_write_mip);
    case 69:
        return static_cast<void*>(&e.m_pfn_glp_write_mps);
    case 70:
        return static_cast<void*>(&e.m_pfn_glp_write_sol);
    default:
        return nullptr;
    }
}
