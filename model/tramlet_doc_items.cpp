// Validation of the program's own scalar items (text project files and dialogs).
#include <cerrno>
#include <cstdio>

#include "framework/application/sable_win_app.h"
#include "framework/archive/safe_file.h"
#include "framework/exceptions/file_exception.h"
#include "framework/strings/format.h"
#include "model/distances/distance_validation.h"
#include "model/model_strings.h"
#include "model/tramlet_doc.h"

namespace {

bool Refuse(const std::string& message, const char* dataLine) {
    ReportModelError(message, dataLine);
    return false;
}

bool RefuseUnknown(const std::string& text, const char* dataLine) {
    return Refuse(
        FormatString("Internal error: unknown scalar data item with value \"%s\" to validate", text.c_str()),
        dataLine);
}

} // namespace

bool CTramletDoc::DecodeAttribute(int code, const std::string& text, int& out, const char* dataLine) const {
    int value = 0;
    bool number = ParseWholeNumber(text, value);
    switch (code) {
    case 0:
    case 1:
    case 2:
        if (!number || value < 0 || value > TRAMLET_MAX_FACILITIES_PER_TYPE) {
            return Refuse(FormatString("Invalid number of %s facilities %s out of range [%d, %d]",
                                       GetTypeName(code).c_str(), text.c_str(), 0,
                                       TRAMLET_MAX_FACILITIES_PER_TYPE),
                          dataLine);
        }
        break;
    case 3:
        if (!number || value < 0 || value > TRAMLET_MAX_ROUTES) {
            return Refuse(FormatString("Invalid number of routes %s out of range [%d,%d]", text.c_str(), 0,
                                       TRAMLET_MAX_ROUTES),
                          dataLine);
        }
        break;
    case 8: {
        int lower = m_NumberOfVehicles.GetLowerBound();
        int upper = m_NumberOfVehicles.GetUpperBound();
        if (!number || value < lower || value > upper) {
            return Refuse(FormatString("Invalid number of vehicles %s out of valid range [%d, %d]",
                                       text.c_str(), lower, upper),
                          dataLine);
        }
        break;
    }
    case 9:
        if (!number || value < 1 || value > 32767) {
            return Refuse(
                FormatString("Invalid vehicle capacity %s out of range [%d, %d]", text.c_str(), 1, 32767),
                dataLine);
        }
        break;
    default:
        return RefuseUnknown(text, dataLine);
    }
    out = value;
    return true;
}

bool CTramletDoc::DecodeAttribute(int code, const std::string& text, double& out,
                                  const char* dataLine) const {
    double value = 0.0;
    bool number = ParseRealNumber(text, value);
    switch (code) {
    case 10:
        if (!number || value < 0.0 || value > 2147483647.0) {
            return Refuse(FormatString("Invalid negative infeasibility penalty %s", text.c_str()), dataLine);
        }
        out = value;
        return true;
    case 11:
        return DecodeDistance(text, out, GetMaxDistance(), dataLine);
    default:
        return RefuseUnknown(text, dataLine);
    }
}

bool CTramletDoc::DecodeAttribute(int code, const std::string& text, std::string& out,
                                  const char* dataLine) const {
    if (code < 4 || code > 7) {
        return RefuseUnknown(text, dataLine);
    }
    int type = code - 4;
    if (text.empty()) {
        return Refuse(FormatString("Invalid empty (null) %s data file name", GetTypeName(type).c_str()),
                      dataLine);
    }
    try {
        CheckReadableRegularFile(text);
    } catch (const CFileException& error) {
        DisplayErrorMessage(
            CSableWinApp::ConstructFileErrorMessage(false, "Import " + GetTypeName(type) + " Data", error),
            false);
        return false;
    }
    out = text;
    return true;
}
