#include "model/distances/distance_validation.h"

#include <cmath>

#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "model/distances/distance_norms.h"
#include "model/model_strings.h"

namespace {

void ReportFrameworkItemRefusal(const std::string& message, const char* dataLine) {
    if (dataLine != nullptr) {
        GetUserInterface().Beep(EMessageIcon::exclamation);
        GetUserInterface().MessageBox(message + " in document data line\r\n" + dataLine,
                                      EMessageIcon::exclamation, EMessageButtons::ok);
        return;
    }
    GetUserInterface().MessageBox(message, EMessageIcon::exclamation, EMessageButtons::ok);
}

} // namespace

bool DecodeDistance(const std::string& text, double& out, double maxDistance, const char* dataLine) {
    double value = 0.0;
    // Written so that a NaN is refused as well.
    if (!ParseRealNumber(text, value) || !(value >= 0.0 && value <= maxDistance)) {
        ReportModelError(FormatString("Invalid facility-to-facility distance %s outside range [%.2lf, %.2lf]",
                                      text.c_str(), 0.0, maxDistance),
                         dataLine);
        return false;
    }
    out = value;
    return true;
}

bool IsValidDistanceFactor(double factor) {
    return factor >= MIN_DISTANCE_FACTOR && factor <= MAX_DISTANCE_FACTOR;
}

bool IsValidWorldRadius(double radius) {
    // Infinity is no radius either.
    return radius >= MIN_WORLD_RADIUS && radius < HUGE_VAL;
}

void ReportDistanceFactorRefusal(const std::string& text, const char* dataLine) {
    ReportFrameworkItemRefusal(
        FormatString("Invalid distance adjustment factor %s out of valid range [%lf, %lf]", text.c_str(),
                     MIN_DISTANCE_FACTOR, MAX_DISTANCE_FACTOR),
        dataLine);
}

bool DecodeDistanceFactor(const std::string& text, double& out, const char* dataLine) {
    double value = 0.0;
    if (!ParseRealNumber(text, value) || !IsValidDistanceFactor(value)) {
        ReportDistanceFactorRefusal(text, dataLine);
        return false;
    }
    out = value;
    return true;
}

bool DecodeWorldRadius(const std::string& text, double& out, const char* dataLine) {
    double value = 0.0;
    if (!ParseRealNumber(text, value) || !IsValidWorldRadius(value)) {
        ReportFrameworkItemRefusal(
            FormatString("Invalid world radius %s less than %lf", text.c_str(), MIN_WORLD_RADIUS), dataLine);
        return false;
    }
    out = value;
    return true;
}

bool DecodeDistanceCell(const std::string& text, double& out) {
    double value = 0.0;
    if (!ParseRealNumber(text, value) || !(value >= 0.0)) {
        GetUserInterface().MessageBox("Please enter a nonnegative distance", EMessageIcon::exclamation,
                                      EMessageButtons::ok);
        return false;
    }
    out = value;
    return true;
}

std::string FormatDistanceCell(double distance) {
    return FormatString("%.2lf", distance);
}
