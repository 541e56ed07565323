#include "improvement/exchange_strings.h"

namespace {

const StringTable kExchangeStringTable = {
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

const StringTable* GetExchangeStringTable() {
    return &kExchangeStringTable;
}

std::string LoadExchangeString(unsigned id) {
    if (HasResourceString(id)) {
        return LoadResourceString(id);
    }
    auto it = kExchangeStringTable.find(id);
    return it != kExchangeStringTable.end() ? std::string(it->second) : std::string();
}
