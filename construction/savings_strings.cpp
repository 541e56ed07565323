#include "construction/savings_strings.h"

namespace {

const StringTable kSavingsStrings = {
    {IDS_SAVINGS_NO_FEASIBLE_SHORTCUT,
     "No pair of facilities that would create a feasible shortcut with positive savings exists"},
};

} // namespace

const StringTable* GetSavingsStringTable() {
    return &kSavingsStrings;
}

std::string LoadSavingsString(unsigned id) {
    if (HasResourceString(id)) {
        return LoadResourceString(id);
    }
    auto it = kSavingsStrings.find(id);
    return it != kSavingsStrings.end() ? std::string(it->second) : std::string();
}
