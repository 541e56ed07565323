#include "model/model_strings.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "framework/application/sable_win_app.h"
#include "framework/platform/user_interface.h"

namespace {

const StringTable kModelStrings = {
    {IDS_TYPE_NAME_CUSTOMER, "Customer"}, {IDS_TYPE_NAME_SUPPLIER, "Supplier"},
    {IDS_TYPE_NAME_DEPOT, "Depot"},       {IDS_TYPE_NAME_ROUTE, "Route"},
    {IDS_TYPE_CODE_CUSTOMER, "cus"},      {IDS_TYPE_CODE_SUPPLIER, "sup"},
    {IDS_TYPE_CODE_DEPOT, "dep"},         {IDS_TYPE_CODE_ROUTE, "rou"},
};

// Looks a text up in the registered tables, falling back on this table so the model also
// works before the application has registered it (tests, tools).
std::string LoadModelString(unsigned id) {
    if (HasResourceString(id)) {
        return LoadResourceString(id);
    }
    auto it = kModelStrings.find(id);
    return it != kModelStrings.end() ? std::string(it->second) : std::string();
}

} // namespace

const StringTable& GetModelStringTable() {
    return kModelStrings;
}

std::string GetFacilityTypeName(int type) {
    if (type < 0 || type > 3) {
        return std::string();
    }
    return LoadModelString(IDS_TYPE_NAME_CUSTOMER + static_cast<unsigned>(type));
}

std::string GetFacilityTypeCode(int type) {
    if (type < 0 || type > 3) {
        return std::string();
    }
    return LoadModelString(IDS_TYPE_CODE_CUSTOMER + static_cast<unsigned>(type));
}

void ReportModelError(const std::string& message, const char* dataLine) {
    if (dataLine != nullptr) {
        DisplayErrorMessage(message + " in document data line\r\n" + dataLine, false);
        return;
    }
    GetUserInterface().MessageBox(message, EMessageIcon::exclamation, EMessageButtons::ok);
}

namespace {
bool OnlyBlanksFrom(const char* p) {
    while (*p != '\0') {
        if (!std::isspace(static_cast<unsigned char>(*p))) {
            return false;
        }
        ++p;
    }
    return true;
}
} // namespace

bool ParseWholeNumber(const std::string& text, int& value) {
    const char* start = text.c_str();
    while (std::isspace(static_cast<unsigned char>(*start))) {
        ++start;
    }
    const char* digits = start;
    if (*digits == '+' || *digits == '-') {
        ++digits;
    }
    if (!std::isdigit(static_cast<unsigned char>(*digits))) {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    long long number = std::strtoll(start, &end, 10);
    if (errno == ERANGE || number < INT_MIN || number > INT_MAX || !OnlyBlanksFrom(end)) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool ParseRealNumber(const std::string& text, double& value) {
    const char* start = text.c_str();
    while (std::isspace(static_cast<unsigned char>(*start))) {
        ++start;
    }
    if (*start == '\0') {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    double number = std::strtod(start, &end);
    if (end == start || errno == ERANGE || !OnlyBlanksFrom(end)) {
        return false;
    }
    value = number;
    return true;
}
