#pragma once

#include <glpk.h>

#include "framework/export.h"

// The GLPK entry points bound at run time, typed from glpk.h. Null until the library is loaded.
// The members stand in their declaration order; GlpkEntryPointNames() gives the lookup order.
struct SABLEKIT_API CGlpkEntryPoints {
    decltype(&::glp_add_cols) m_pfn_glp_add_cols = nullptr;
    decltype(&::glp_add_rows) m_pfn_glp_add_rows = nullptr;
    decltype(&::glp_create_index) m_pfn_glp_create_index = nullptr;
    decltype(&::glp_create_prob) m_pfn_glp_create_prob = nullptr;
    decltype(&::glp_delete_index) m_pfn_glp_delete_index = nullptr;
    decltype(&::glp_delete_prob) m_pfn_glp_delete_prob = nullptr;
    decltype(&::glp_del_cols) m_pfn_glp_del_cols = nullptr;
    decltype(&::glp_del_rows) m_pfn_glp_del_rows = nullptr;
    decltype(&::glp_find_col) m_pfn_glp_find_col = nullptr;
    decltype(&::glp_find_row) m_pfn_glp_find_row = nullptr;
    decltype(&::glp_free_env) m_pfn_glp_free_env = nullptr;
    decltype(&::glp_get_col_dual) m_pfn_glp_get_col_dual = nullptr;
    decltype(&::glp_get_col_name) m_pfn_glp_get_col_name = nullptr;
    decltype(&::glp_get_col_lb) m_pfn_glp_get_col_lb = nullptr;
    decltype(&::glp_get_col_prim) m_pfn_glp_get_col_prim = nullptr;
    decltype(&::glp_get_col_type) m_pfn_glp_get_col_type = nullptr;
    decltype(&::glp_get_col_ub) m_pfn_glp_get_col_ub = nullptr;
    decltype(&::glp_get_mat_col) m_pfn_glp_get_mat_col = nullptr;
    decltype(&::glp_get_mat_row) m_pfn_glp_get_mat_row = nullptr;
    decltype(&::glp_get_num_bin) m_pfn_glp_get_num_bin = nullptr;
    decltype(&::glp_get_num_cols) m_pfn_glp_get_num_cols = nullptr;
    decltype(&::glp_get_num_int) m_pfn_glp_get_num_int = nullptr;
    decltype(&::glp_get_num_nz) m_pfn_glp_get_num_nz = nullptr;
    decltype(&::glp_get_num_rows) m_pfn_glp_get_num_rows = nullptr;
    decltype(&::glp_get_obj_coef) m_pfn_glp_get_obj_coef = nullptr;
    decltype(&::glp_get_obj_dir) m_pfn_glp_get_obj_dir = nullptr;
    decltype(&::glp_get_obj_name) m_pfn_glp_get_obj_name = nullptr;
    decltype(&::glp_get_obj_val) m_pfn_glp_get_obj_val = nullptr;
    decltype(&::glp_get_col_stat) m_pfn_glp_get_col_stat = nullptr;
    decltype(&::glp_get_dual_stat) m_pfn_glp_get_dual_stat = nullptr;
    decltype(&::glp_get_prim_stat) m_pfn_glp_get_prim_stat = nullptr;
    decltype(&::glp_get_row_stat) m_pfn_glp_get_row_stat = nullptr;
    decltype(&::glp_get_prob_name) m_pfn_glp_get_prob_name = nullptr;
    decltype(&::glp_get_row_dual) m_pfn_glp_get_row_dual = nullptr;
    decltype(&::glp_get_row_lb) m_pfn_glp_get_row_lb = nullptr;
    decltype(&::glp_get_row_name) m_pfn_glp_get_row_name = nullptr;
    decltype(&::glp_get_row_prim) m_pfn_glp_get_row_prim = nullptr;
    decltype(&::glp_get_row_type) m_pfn_glp_get_row_type = nullptr;
    decltype(&::glp_get_row_ub) m_pfn_glp_get_row_ub = nullptr;
    decltype(&::glp_get_status) m_pfn_glp_get_status = nullptr;
    decltype(&::glp_init_iocp) m_pfn_glp_init_iocp = nullptr;
    decltype(&::glp_init_smcp) m_pfn_glp_init_smcp = nullptr;
    decltype(&::glp_intopt) m_pfn_glp_intopt = nullptr;
    decltype(&::glp_ios_heur_sol) m_pfn_glp_ios_heur_sol = nullptr;
    decltype(&::glp_ios_mip_gap) m_pfn_glp_ios_mip_gap = nullptr;
    decltype(&::glp_ios_reason) m_pfn_glp_ios_reason = nullptr;
    decltype(&::glp_load_matrix) m_pfn_glp_load_matrix = nullptr;
    decltype(&::glp_mip_col_val) m_pfn_glp_mip_col_val = nullptr;
    decltype(&::glp_mip_obj_val) m_pfn_glp_mip_obj_val = nullptr;
    decltype(&::glp_mip_row_val) m_pfn_glp_mip_row_val = nullptr;
    decltype(&::glp_mip_status) m_pfn_glp_mip_status = nullptr;
    decltype(&::glp_read_lp) m_pfn_glp_read_lp = nullptr;
    decltype(&::glp_read_mip) m_pfn_glp_read_mip = nullptr;
    decltype(&::glp_read_sol) m_pfn_glp_read_sol = nullptr;
    decltype(&::glp_set_col_bnds) m_pfn_glp_set_col_bnds = nullptr;
    decltype(&::glp_set_col_kind) m_pfn_glp_set_col_kind = nullptr;
    decltype(&::glp_set_col_name) m_pfn_glp_set_col_name = nullptr;
    decltype(&::glp_set_mat_col) m_pfn_glp_set_mat_col = nullptr;
    decltype(&::glp_set_mat_row) m_pfn_glp_set_mat_row = nullptr;
    decltype(&::glp_set_obj_coef) m_pfn_glp_set_obj_coef = nullptr;
    decltype(&::glp_set_obj_dir) m_pfn_glp_set_obj_dir = nullptr;
    decltype(&::glp_set_obj_name) m_pfn_glp_set_obj_name = nullptr;
    decltype(&::glp_set_prob_name) m_pfn_glp_set_prob_name = nullptr;
    decltype(&::glp_set_row_bnds) m_pfn_glp_set_row_bnds = nullptr;
    decltype(&::glp_set_row_name) m_pfn_glp_set_row_name = nullptr;
    decltype(&::glp_simplex) m_pfn_glp_simplex = nullptr;
    decltype(&::glp_version) m_pfn_glp_version = nullptr;
    decltype(&::glp_write_lp) m_pfn_glp_write_lp = nullptr;
    decltype(&::glp_write_mip) m_pfn_glp_write_mip = nullptr;
    decltype(&::glp_write_mps) m_pfn_glp_write_mps = nullptr;
    decltype(&::glp_write_sol) m_pfn_glp_write_sol = nullptr;
};

// The 71 names in the order in which they are looked up.
SABLEKIT_API const char* const* GlpkEntryPointNames();
constexpr int GLPK_ENTRY_POINT_COUNT = 71;

// The address of the member that holds the entry point of the given lookup position.
SABLEKIT_API void* GlpkEntryPointSlot(CGlpkEntryPoints& entryPoints, int position);
