#pragma once

#include <string>

#include "framework/strings/string_table.h"

// Numbered texts of the routing model.
enum : unsigned {
    // Facility type names, by type index (customer, supplier, depot, route).
    IDS_TYPE_NAME_CUSTOMER = 4100,
    IDS_TYPE_NAME_SUPPLIER = 4101,
    IDS_TYPE_NAME_DEPOT = 4102,
    IDS_TYPE_NAME_ROUTE = 4103,
    // Facility type codes (data file extensions), by type index.
    IDS_TYPE_CODE_CUSTOMER = 4110,
    IDS_TYPE_CODE_SUPPLIER = 4111,
    IDS_TYPE_CODE_DEPOT = 4112,
    IDS_TYPE_CODE_ROUTE = 4113,
};

// The routing model's string table; the application registers it at start.
const StringTable& GetModelStringTable();

// "Customer", "Supplier", "Depot", "Route" for type 0 to 3; an empty text otherwise.
std::string GetFacilityTypeName(int type);
// "cus", "sup", "dep", "rou" for type 0 to 3; an empty text otherwise.
std::string GetFacilityTypeCode(int type);

// Reports a refused value of the model. With a data line (a file is being read) the message
// gets " in document data line\r\n" and the line appended and goes through DisplayErrorMessage,
// so it also reaches the logs; without one (an edit) it is shown in an exclamation message box.
void ReportModelError(const std::string& message, const char* dataLine);

// Reads a whole number: optional blanks, an optional sign, digits, optional blanks. Text that
// is not such a number, or does not fit 32 bits, gives false.
bool ParseWholeNumber(const std::string& text, int& value);
// Reads a real number the same way (C locale, as strtod reads it).
bool ParseRealNumber(const std::string& text, double& value);
