#pragma once

#include <string>
#include <vector>

#include "framework/platform/user_interface.h"
#include "framework/strings/string_table.h"

// Numbered texts of the construction heuristics: the fields of the "Add Facility Report" and
// "Insert Facility Report" status windows and the warning shown when nothing can be routed.
enum EConstructionStringId : unsigned {
    IDS_ADD_NUMBER_OF_FACILITIES = 2208,
    IDS_ADD_APPEND_FACILITY_TYPE = 2209,
    IDS_ADD_APPEND_FACILITY = 2210,
    IDS_ADD_ANCHOR_FACILITY_TYPE = 2211,
    IDS_ADD_ANCHOR_FACILITY = 2212,
    IDS_ADD_LINEHAUL_CAPACITY = 2213,
    IDS_ADD_BACKHAUL_CAPACITY = 2214,
    IDS_ADD_APPEND_DISTANCE = 2215,
    IDS_ADD_TOTAL_DISTANCE = 2216,

    IDS_INSERT_NUMBER_OF_INSERTIONS = 2224,
    IDS_INSERT_FACILITY_TYPE = 2225,
    IDS_INSERT_FACILITY_LABEL = 2226,
    IDS_INSERT_PREDECESSOR_TYPE = 2227,
    IDS_INSERT_PREDECESSOR_LABEL = 2228,
    IDS_INSERT_SUCCESSOR_TYPE = 2229,
    IDS_INSERT_SUCCESSOR_LABEL = 2230,
    IDS_INSERT_PENALTY = 2231,

    IDS_NO_ROUTABLE_FACILITIES = 2321,
};

// The table the application registers (RegisterProgramStringTable).
const StringTable* GetConstructionStringTable();

// The text of a number: the registered tables first, this table when they do not hold it, so
// the heuristics work before the application has registered its tables.
std::string LoadConstructionString(unsigned id);

// One line of a status window from a numbered format such as "Number of Facilities = %d" and
// the text it printed: the label is the format up to and including its first "=", the value the
// rest of the printed text without the blank that follows the "=". Label, a blank and the value
// give the printed text again.
SStatusField MakeStatusField(const std::string& format, const std::string& printed);

// Message 2321 as a warning box: no customer or supplier fits a vehicle.
void ShowNoRoutableFacilitiesWarning();
