#pragma once

#include <map>
#include <string>

#include "framework/export.h"

// The system's numbered texts. The program registers its own tables (one per subsystem, none
// defining a number twice); a lookup tries the program's tables first and then the library's, so the program's text wins where both
// define a number.
using StringTable = std::map<unsigned, const char*>;

SABLEKIT_API void RegisterProgramStringTable(const StringTable* table);
SABLEKIT_API const StringTable& GetLibraryStringTable();
// The text of a number, or an empty text when neither table has it.
SABLEKIT_API std::string LoadResourceString(unsigned id);
SABLEKIT_API bool HasResourceString(unsigned id);
