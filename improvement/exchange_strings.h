#pragma once

#include <string>

#include "framework/strings/string_table.h"

// Numbered texts of the status windows of Two, Three and Chain Exchange.
enum EExchangeStringId : unsigned {
    IDS_TWO_EXCHANGE_REPORT_TITLE = 4230,
    IDS_THREE_EXCHANGE_REPORT_TITLE = 4231,
    IDS_EXCHANGE_REPORT_COUNT = 4232,
    IDS_EXCHANGE_REPORT_LINK_1_ORIGIN = 4233,
    IDS_EXCHANGE_REPORT_LINK_1_DESTINATION = 4234,
    IDS_EXCHANGE_REPORT_LINK_2_ORIGIN = 4235,
    IDS_EXCHANGE_REPORT_LINK_2_DESTINATION = 4236,
    IDS_EXCHANGE_REPORT_LINK_3_ORIGIN = 4237,
    IDS_EXCHANGE_REPORT_LINK_3_DESTINATION = 4238,
    IDS_EXCHANGE_REPORT_ROUTE = 4239,
    IDS_EXCHANGE_REPORT_SAVINGS = 4240,
    IDS_EXCHANGE_REPORT_TOTAL_SAVINGS = 4241,
};

// The table the application registers (RegisterProgramStringTable).
const StringTable* GetExchangeStringTable();

// The text of a number: the registered tables first, this table when they do not hold it.
std::string LoadExchangeString(unsigned id);
