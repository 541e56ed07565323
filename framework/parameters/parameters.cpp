#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "framework/application/sable_document.h"
#include "framework/application/sable_win_app.h"
#include "framework/parameters/double_parameter.h"
#include "framework/parameters/long_parameter.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"

namespace {

// Reads a leading whole number as "%d" does, but refuses one that does not fit an int
// instead of letting it wrap into some other value.
bool ReadWholeNumber(const std::string& text, int& value) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    long long number = std::strtoll(start, &end, 10);
    if (end == start || errno == ERANGE || number < INT_MIN || number > INT_MAX) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

void MarkDocumentModified() {
    CSableWinApp* app = CSableWinApp::GetApp();
    if (app != nullptr && app->GetDocument() != nullptr) {
        app->GetDocument()->SetModifiedFlag(true);
    }
}

} // namespace

// ---- CLongParameter ----

bool CLongParameter::Initialize(int value, int lower, int upper, int defaultValue, const std::string& caption,
                                unsigned helpContextID) {
    if (lower > upper || defaultValue < lower || defaultValue > upper || caption.empty()) {
        return false;
    }
    m_lower = lower;
    m_upper = upper;
    m_default = defaultValue;
    m_caption = caption;
    m_helpContextID = helpContextID;
    return SetValue(value);
}

void CLongParameter::ReportOutOfRange(const std::string& valueText) const {
    DisplayErrorMessage(FormatString("Invalid %s integer parameter value %s outside range [%ld, %ld]",
                                     m_caption.c_str(), valueText.c_str(), static_cast<long>(m_lower),
                                     static_cast<long>(m_upper)));
}

bool CLongParameter::SetValue(int value) {
    if (value < m_lower || value > m_upper) {
        ReportOutOfRange(FormatString("%ld", static_cast<long>(value)));
        return false;
    }
    if (value != m_value) {
        MarkDocumentModified();
        m_value = value;
    }
    return true;
}

bool CLongParameter::SetRange(int lower, int upper, int defaultValue) {
    if (lower > defaultValue || defaultValue > upper) {
        DisplayErrorMessage(FormatString("Invalid %s range [%ld, %ld] or default %ld", m_caption.c_str(),
                                         static_cast<long>(lower), static_cast<long>(upper),
                                         static_cast<long>(defaultValue)));
        return false;
    }
    m_lower = lower;
    m_upper = upper;
    m_default = defaultValue;
    if (!SetValue(m_value)) {
        m_value = m_default;
    }
    return true;
}

bool CLongParameter::Decode(const std::string& text) {
    int value = 0;
    if (!ReadWholeNumber(text, value) || value < m_lower || value > m_upper) {
        ReportOutOfRange(text);
        return false;
    }
    m_value = value;
    return true;
}

void CLongParameter::Write(std::FILE* file) const {
    std::fprintf(file, "%s = %ld\n", m_caption.c_str(), static_cast<long>(m_value));
}

bool CLongParameter::Edit() {
    int value = m_value;
    std::string title = FormatString("Edit %s", m_caption.c_str());
    std::string prompt = FormatString("Enter a value in the range [%d, %d]:", m_lower, m_upper);
    if (!GetUserInterface().EditLongValue(title, prompt, m_lower, m_upper, value) || value == m_value) {
        return false;
    }
    return SetValue(value);
}

void CLongParameter::Clear() {
    m_value = m_lower = m_upper = m_default = 0;
    m_caption.clear();
    m_helpContextID = 0;
}

// ---- CSeed and CReportLevel ----

bool CSeed::Initialize(int value) {
    return CLongParameter::Initialize(value, 0, 32767, 1, "Seed");
}

bool CSeed::Edit() {
    int value = m_value;
    std::string prompt = FormatString("Enter a seed in the range [%d, %d]", m_lower, m_upper);
    if (!GetUserInterface().EditLongValue("Edit Random Number Seed", prompt, m_lower, m_upper, value) ||
        value == m_value) {
        return false;
    }
    return SetValue(value);
}

bool CReportLevel::Initialize(int value) {
    return CLongParameter::Initialize(value, 0, 5, 3, "Report Level");
}

bool CReportLevel::Edit() {
    int value = m_value;
    if (!GetUserInterface().EditReportLevelValue(value) || value == m_value) {
        return false;
    }
    return SetValue(value);
}

// ---- CDoubleParameter ----

bool CDoubleParameter::Initialize(double value, double lower, double upper, double defaultValue,
                                  const std::string& caption, unsigned helpContextID) {
    // Written negated so that a NaN bound or default is refused too.
    if (!(lower <= defaultValue && defaultValue <= upper) || caption.empty()) {
        return false;
    }
    m_lower = lower;
    m_upper = upper;
    m_default = defaultValue;
    m_caption = caption;
    m_helpContextID = helpContextID;
    return SetValue(value);
}

void CDoubleParameter::ReportOutOfRange(const std::string& valueText) const {
    DisplayErrorMessage(FormatString("Invalid %s real parameter value %s outside range [%lf, %lf]",
                                     m_caption.c_str(), valueText.c_str(), m_lower, m_upper));
}

bool CDoubleParameter::SetValue(double value) {
    if (!(value >= m_lower && value <= m_upper)) {
        ReportOutOfRange(FormatString("%lf", value));
        return false;
    }
    if (value != m_value) {
        MarkDocumentModified();
        m_value = value;
    }
    return true;
}

bool CDoubleParameter::SetRange(double lower, double upper, double defaultValue) {
    if (!(lower <= defaultValue && defaultValue <= upper)) {
        DisplayErrorMessage(FormatString("Invalid %s range [%lf, %lf] or default %lf", m_caption.c_str(),
                                         lower, upper, defaultValue));
        return false;
    }
    m_lower = lower;
    m_upper = upper;
    m_default = defaultValue;
    if (!SetValue(m_value)) {
        m_value = m_default;
    }
    return true;
}

bool CDoubleParameter::Decode(const std::string& text) {
    double value = 0.0;
    if (std::sscanf(text.c_str(), "%lf", &value) != 1 || !(value >= m_lower && value <= m_upper)) {
        ReportOutOfRange(text);
        return false;
    }
    m_value = value;
    return true;
}

void CDoubleParameter::Write(std::FILE* file) const {
    std::fprintf(file, "%s = %lf\n", m_caption.c_str(), m_value);
}

bool CDoubleParameter::Edit() {
    double value = m_value;
    std::string title = FormatString("Edit %s", m_caption.c_str());
    std::string prompt = FormatString("Enter a value in the range [%.3lf, %.3lf]:", m_lower, m_upper);
    if (!GetUserInterface().EditDoubleValue(title, prompt, m_lower, m_upper, value) || value == m_value) {
        return false;
    }
    return SetValue(value);
}

void CDoubleParameter::Clear() {
    m_value = m_lower = m_upper = m_default = 0.0;
    m_caption.clear();
    m_helpContextID = 0;
}
