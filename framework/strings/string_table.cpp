#include "framework/strings/string_table.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<const StringTable*>& ProgramTables() {
    static std::vector<const StringTable*> tables;
    return tables;
}

// The library's own numbered texts.
const StringTable kLibraryTable = {
    {37040, "GLPK function called with a null problem pointer"},
    {37041, "GLPK library returned an invalid version string"},
    {37042, "GLPK library could not create a problem"},
    {37043, "GLPK library has not been loaded"},
    {37044, "Unloaded GLPK MIP solver DLL %s\n"},
    {37045, "GLPK MIP solver DLL %s could not be unloaded"},
    {37046, "Unable to load GLPK MIP solver DLL %s\nAll GLPK MIP solver functions are unavailable"},
    {37047, "Loaded GLPK MIP solver DLL %s\n"},
    {37048, "Unable to find function %s in GLPK MIP solver DLL %s\nAll GLPK MIP solver functions are unavailable"},
};

const char* Find(unsigned id) {
    for (const StringTable* table : ProgramTables()) {
        if (auto it = table->find(id); it != table->end()) {
            return it->second;
        }
    }
    if (auto it = kLibraryTable.find(id); it != kLibraryTable.end()) {
        return it->second;
    }
    return nullptr;
}

} // namespace

void RegisterProgramStringTable(const StringTable* table) {
    auto& tables = ProgramTables();
    if (std::find(tables.begin(), tables.end(), table) == tables.end()) {
        tables.push_back(table);
    }
}
const StringTable& GetLibraryStringTable() {
    return kLibraryTable;
}

std::string LoadResourceString(unsigned id) {
    const char* text = Find(id);
    return text != nullptr ? std::string(text) : std::string();
}

bool HasResourceString(unsigned id) {
    return Find(id) != nullptr;
}
