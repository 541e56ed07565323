#include "construction/construction_strings.h"

namespace {

const StringTable kConstructionStringTable = {
    {IDS_ADD_NUMBER_OF_FACILITIES, "Number of Facilities = %d"},
    {IDS_ADD_APPEND_FACILITY_TYPE, "Append Facility Type = %s"},
    {IDS_ADD_APPEND_FACILITY, "Append Facility = %s"},
    {IDS_ADD_ANCHOR_FACILITY_TYPE, "Anchor Facility Type = %s"},
    {IDS_ADD_ANCHOR_FACILITY, "Anchor Facility = %s"},
    {IDS_ADD_LINEHAUL_CAPACITY, "Linehaul Capacity= %d"},
    {IDS_ADD_BACKHAUL_CAPACITY, "Backhaul Capacity = %d"},
    {IDS_ADD_APPEND_DISTANCE, "Append Distance = %.2lf"},
    {IDS_ADD_TOTAL_DISTANCE, "Total Distance = %.2lf"},
    {IDS_INSERT_NUMBER_OF_INSERTIONS, "Number of Insertions = %d"},
    {IDS_INSERT_FACILITY_TYPE, "Insertion Facility Type = %s"},
    {IDS_INSERT_FACILITY_LABEL, "Insertion Facility Label = %s"},
    {IDS_INSERT_PREDECESSOR_TYPE, "Predecessor Facility Type = %s"},
    {IDS_INSERT_PREDECESSOR_LABEL, "Predecessor Facility Label = %s"},
    {IDS_INSERT_SUCCESSOR_TYPE, "Successor Facility Type = %s"},
    {IDS_INSERT_SUCCESSOR_LABEL, "Successor Facility Label = %s"},
    {IDS_INSERT_PENALTY, "Insertion Penalty = %.2lf"},
    {IDS_NO_ROUTABLE_FACILITIES, "No facilities that can be included on a route exist"},
};

} // namespace

const StringTable* GetConstructionStringTable() {
    return &kConstructionStringTable;
}

std::string LoadConstructionString(unsigned id) {
    if (HasResourceString(id)) {
        return LoadResourceString(id);
    }
    auto it = kConstructionStringTable.find(id);
    return it != kConstructionStringTable.end() ? std::string(it->second) : std::string();
}

SStatusField MakeStatusField(const std::string& format, const std::string& printed) {
    std::string::size_type equals = format.find('=');
    if (equals == std::string::npos || equals >= printed.size()) {
        return {printed, ""};
    }
    std::string value = printed.substr(equals + 1);
    if (!value.empty() && value[0] == ' ') {
        value.erase(0, 1);
    }
    return {printed.substr(0, equals + 1), value};
}

void ShowNoRoutableFacilitiesWarning() {
    GetUserInterface().MessageBox(LoadConstructionString(IDS_NO_ROUTABLE_FACILITIES),
                                  EMessageIcon::exclamation, EMessageButtons::ok);
}
