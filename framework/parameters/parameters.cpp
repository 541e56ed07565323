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
bool ReadNumber(const std::string& text, int& value) {
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

// Reads a leading real number as "%lf" does.
bool ReadNumber(const std::string& text, double& value) {
    return std::sscanf(text.c_str(), "%lf", &value) == 1;
}

// A value as the messages and the parameter lines write it.
std::string FormatNumber(int value) {
    return FormatString("%ld", static_cast<long>(value));
}

std::string FormatNumber(double value) {
    return FormatString("%lf", value);
}

// The kind of number a parameter holds, as the range refusal names it.
const char* NumberKind(int) {
    return "integer";
}

const char* NumberKind(double) {
    return "real";
}

void MarkDocumentModified() {
    CSableWinApp* app = CSableWinApp::GetApp();
    if (app != nullptr && app->GetDocument() != nullptr) {
        app->GetDocument()->SetModifiedFlag(true);
    }
}

} // namespace

// ---- TBoundedParameter ----

template <typename T>
bool TBoundedParameter<T>::Initialize(T value, T lower, T upper, T defaultValue, const std::string& caption,
                                      unsigned helpContextID) {
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

template <typename T> void TBoundedParameter<T>::ReportOutOfRange(const std::string& valueText) const {
    DisplayErrorMessage(FormatString("Invalid %s %s parameter value %s outside range [%s, %s]",
                                     m_caption.c_str(), NumberKind(T()), valueText.c_str(),
                                     FormatNumber(m_lower).c_str(), FormatNumber(m_upper).c_str()));
}

template <typename T> bool TBoundedParameter<T>::SetValue(T value) {
    if (!Contains(value)) {
        ReportOutOfRange(FormatNumber(value));
        return false;
    }
    if (value != m_value) {
        MarkDocumentModified();
        m_value = value;
    }
    return true;
}

template <typename T> bool TBoundedParameter<T>::SetRange(T lower, T upper, T defaultValue) {
    if (!(lower <= defaultValue && defaultValue <= upper)) {
        DisplayErrorMessage(FormatString("Invalid %s range [%s, %s] or default %s", m_caption.c_str(),
                                         FormatNumber(lower).c_str(), FormatNumber(upper).c_str(),
                                         FormatNumber(defaultValue).c_str()));
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

template <typename T> bool TBoundedParameter<T>::Decode(const std::string& text) {
    T value = T();
    if (!ReadNumber(text, value) || !Contains(value)) {
        ReportOutOfRange(text);
        return false;
    }
    m_value = value;
    return true;
}

template <typename T> void TBoundedParameter<T>::Write(std::FILE* file) const {
    std::fprintf(file, "%s = %s\n", m_caption.c_str(), FormatNumber(m_value).c_str());
}

template <typename T> void TBoundedParameter<T>::Clear() {
    m_value = m_lower = m_upper = m_default = T();
    m_caption.clear();
    m_helpContextID = 0;
}

template class TBoundedParameter<int>;
template class TBoundedParameter<double>;

// ---- CLongParameter ----

bool CLongParameter::Edit() {
    int value = m_value;
    std::string title = FormatString("Edit %s", m_caption.c_str());
    std::string prompt = FormatString("Enter a value in the range [%d, %d]:", m_lower, m_upper);
    if (!GetUserInterface().EditLongValue(title, prompt, m_lower, m_upper, value) || value == m_value) {
        return false;
    }
    return SetValue(value);
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

bool CDoubleParameter::Edit() {
    double value = m_value;
    std::string title = FormatString("Edit %s", m_caption.c_str());
    std::string prompt = FormatString("Enter a value in the range [%.3lf, %.3lf]:", m_lower, m_upper);
    if (!GetUserInterface().EditDoubleValue(title, prompt, m_lower, m_upper, value) || value == m_value) {
        return false;
    }
    return SetValue(value);
}
