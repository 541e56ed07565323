#pragma once

#include <string>

#include "framework/strings/string_table.h"

// Numbered texts of the savings commands.
enum ESavingsStringId : unsigned {
    IDS_SAVINGS_NO_FEASIBLE_SHORTCUT = 2320,
};

// The table the application registers (RegisterProgramStringTable).
const StringTable* GetSavingsStringTable();

// The text of a number: the registered tables first, this table when they do not hold it.
std::string LoadSavingsString(unsigned id);
