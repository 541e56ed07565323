#include "improvement/improvement_strings.h"

namespace {

const StringTable kImprovementStringTable = {
    {IDS_MOVE_REPORT_TITLE, "Move Facility Report"},
    {IDS_SWAP_REPORT_TITLE, "Swap Facility Report"},
    {IDS_REPORT_NONE, "None"},
    {IDS_REPORT_TOTAL_DISTANCE, "Total Distance"},

    {IDS_MOVE_REPORT_COUNT, "Number of Moves"},
    {IDS_MOVE_REPORT_FACILITY, "Move Facility"},
    {IDS_MOVE_REPORT_PREDECESSOR, "Predecessor"},
    {IDS_MOVE_REPORT_SUCCESSOR, "Successor"},
    {IDS_MOVE_REPORT_LINEHAUL_CAPACITY, "Linehaul Capacity"},
    {IDS_MOVE_REPORT_BACKHAUL_CAPACITY, "Backhaul Capacity"},
    {IDS_MOVE_REPORT_SAVINGS, "Move Savings"},

    {IDS_SWAP_REPORT_COUNT, "Number of Swaps"},
    {IDS_SWAP_REPORT_FACILITY_1, "Swap Facility 1"},
    {IDS_SWAP_REPORT_PREDECESSOR_1, "Predecessor 1"},
    {IDS_SWAP_REPORT_SUCCESSOR_1, "Successor 1"},
    {IDS_SWAP_REPORT_LINEHAUL_CAPACITY_1, "Linehaul Capacity 1"},
    {IDS_SWAP_REPORT_BACKHAUL_CAPACITY_1, "Backhaul Capacity 1"},
    {IDS_SWAP_REPORT_FACILITY_2, "Swap Facility 2"},
    {IDS_SWAP_REPORT_PREDECESSOR_2, "Predecessor 2"},
    {IDS_SWAP_REPORT_SUCCESSOR_2, "Successor 2"},
    {IDS_SWAP_REPORT_LINEHAUL_CAPACITY_2, "Linehaul Capacity 2"},
    {IDS_SWAP_REPORT_BACKHAUL_CAPACITY_2, "Backhaul Capacity 2"},
    {IDS_SWAP_REPORT_SAVINGS, "Swap Savings"},

    {IDS_TWO_EXCHANGE_REPORT_TITLE, "Two Exchange Facility Report"},
    {IDS_THREE_EXCHANGE_REPORT_TITLE, "Three Exchange Facility Report"},
    {IDS_EXCHANGE_REPORT_COUNT, "Number of Exchanges"},
    {IDS_EXCHANGE_REPORT_LINK_1_ORIGIN, "New Link 1 Origin"},
    {IDS_EXCHANGE_REPORT_LINK_1_DESTINATION, "New Link 1 Destination"},
    {IDS_EXCHANGE_REPORT_LINK_2_ORIGIN, "New Link 2 Origin"},
    {IDS_EXCHANGE_REPORT_LINK_2_DESTINATION, "New Link 2 Destination"},
    {IDS_EXCHANGE_REPORT_LINK_3_ORIGIN, "New Link 3 Origin"},
    {IDS_EXCHANGE_REPORT_LINK_3_DESTINATION, "New Link 3 Destination"},
    {IDS_EXCHANGE_REPORT_ROUTE, "Route"},
    {IDS_EXCHANGE_REPORT_SAVINGS, "Exchange Savings"},
    {IDS_EXCHANGE_REPORT_TOTAL_SAVINGS, "Total Exchange Savings"},
};

} // namespace

const StringTable* GetImprovementStringTable() {
    return &kImprovementStringTable;
}

std::string LoadImprovementString(unsigned id) {
    if (HasResourceString(id)) {
        return LoadResourceString(id);
    }
    auto it = kImprovementStringTable.find(id);
    return it != kImprovementStringTable.end() ? std::string(it->second) : std::string();
}
