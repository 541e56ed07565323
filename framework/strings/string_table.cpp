#include "framework/strings/string_table.h"

namespace {

const StringTable* g_programTable = nullptr;

// The library's own numbered texts.
const StringTable kLibraryTable = {
    {37040, "GLPK function called with a null problem pointer"},
};

const char* Find(unsigned id) {
    if (g_programTable != nullptr) {
        if (auto it = g_programTable->find(id); it != g_programTable->end()) {
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
    g_programTable = table;
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
