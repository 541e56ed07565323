#pragma once

#include <string>

#include "framework/strings/string_table.h"

// Numbered texts of the improvement heuristics shared by their status windows. Move Facility and
// Swap Facility use 4200 to 4229; numbers from 4230 on are free for the exchange heuristics.
enum EImprovementStringId : unsigned {
    IDS_MOVE_REPORT_TITLE = 4200,
    IDS_SWAP_REPORT_TITLE = 4201,
    IDS_REPORT_NONE = 4202,
    IDS_REPORT_TOTAL_DISTANCE = 4203,

    IDS_MOVE_REPORT_COUNT = 4205,
    IDS_MOVE_REPORT_FACILITY = 4206,
    IDS_MOVE_REPORT_PREDECESSOR = 4207,
    IDS_MOVE_REPORT_SUCCESSOR = 4208,
    IDS_MOVE_REPORT_LINEHAUL_CAPACITY = 4209,
    IDS_MOVE_REPORT_BACKHAUL_CAPACITY = 4210,
    IDS_MOVE_REPORT_SAVINGS = 4211,

    IDS_SWAP_REPORT_COUNT = 4215,
    IDS_SWAP_REPORT_FACILITY_1 = 4216,
    IDS_SWAP_REPORT_PREDECESSOR_1 = 4217,
    IDS_SWAP_REPORT_SUCCESSOR_1 = 4218,
    IDS_SWAP_REPORT_LINEHAUL_CAPACITY_1 = 4219,
    IDS_SWAP_REPORT_BACKHAUL_CAPACITY_1 = 4220,
    IDS_SWAP_REPORT_FACILITY_2 = 4221,
    IDS_SWAP_REPORT_PREDECESSOR_2 = 4222,
    IDS_SWAP_REPORT_SUCCESSOR_2 = 4223,
    IDS_SWAP_REPORT_LINEHAUL_CAPACITY_2 = 4224,
    IDS_SWAP_REPORT_BACKHAUL_CAPACITY_2 = 4225,
    IDS_SWAP_REPORT_SAVINGS = 4226,
};

// The table the application registers (RegisterProgramStringTable).
const StringTable* GetImprovementStringTable();

// The text of a number: the registered tables first, this table when they do not hold it.
std::string LoadImprovementString(unsigned id);
