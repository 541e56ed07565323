#include "framework/geography/lon_lat.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"

namespace {

const char* const kPackedRangeFormat =
    "Invalide packed longitude or latitude %s out of valid range [%ld, %ld]";
const char* const kDegreesRangeFormat = "Invalide latitude or longitude %s out of valid range [%d, %d]";

[[noreturn]] void Refuse(const std::string& message) {
    DisplayErrorMessage(message);
    ThrowUserException();
}

std::string PackedText(int packed) {
    return FormatString("%d", packed);
}

void CheckDegreesRange(double degrees) {
    if (!(degrees >= -MAX_LONGITUDE && degrees <= MAX_LONGITUDE)) {
        Refuse(FormatString(kDegreesRangeFormat, FormatString("%lf", degrees).c_str(), -MAX_LONGITUDE,
                            MAX_LONGITUDE));
    }
}

} // namespace

double DegMinSecToFracDeg(int packed) {
    if (packed < -MAX_LONGITUDE_PACKED || packed > MAX_LONGITUDE_PACKED) {
        Refuse(FormatString(kPackedRangeFormat, PackedText(packed).c_str(),
                            static_cast<long>(-MAX_LONGITUDE_PACKED),
                            static_cast<long>(MAX_LONGITUDE_PACKED)));
    }
    // Integer division and remainder truncate toward zero, so every part keeps the sign.
    int seconds = packed % 100;
    int minutes = (packed / 100) % 100;
    int degrees = packed / 10000;
    if (std::abs(seconds) >= MAX_SECONDS) {
        Refuse(FormatString("Invalid seconds in packed longitude/latitude %s out of valid range [%ld, %ld]",
                            PackedText(packed).c_str(), 0L, static_cast<long>(MAX_SECONDS - 1)));
    }
    if (std::abs(minutes) >= MAX_MINUTES) {
        Refuse(FormatString("Invalid minutes in packed longitude/latitude %s out of valid range [%ld, %ld]",
                            PackedText(packed).c_str(), 0L, static_cast<long>(MAX_MINUTES - 1)));
    }
    if (std::abs(degrees) > MAX_LONGITUDE) {
        Refuse(FormatString("Invalid degrees in packed longitude %s out of valid range [%ld, %ld]",
                            PackedText(packed).c_str(), static_cast<long>(-MAX_LONGITUDE),
                            static_cast<long>(MAX_LONGITUDE)));
    }
    double result = degrees + minutes / 60.0 + seconds / 3600.0;
    CheckDegreesRange(result);
    return result;
}

int FracDegToDegMinSec(double degrees) {
    CheckDegreesRange(degrees);
    double wholeDegrees = std::trunc(degrees);
    double minuteValue = (degrees - wholeDegrees) * 60.0;
    double wholeMinutes = std::trunc(minuteValue);
    double secondValue = (minuteValue - wholeMinutes) * 60.0;
    if (std::fabs(secondValue) < 0.000001) {
        secondValue = 0.0;
    }
    int d = static_cast<int>(wholeDegrees);
    int m = static_cast<int>(wholeMinutes);
    int s = static_cast<int>(std::round(secondValue)); // halves away from zero
    int sign = degrees < 0.0 ? -1 : 1;
    if (std::abs(s) >= MAX_SECONDS) {
        s = 0;
        m += sign;
    }
    if (std::abs(m) >= MAX_MINUTES) {
        m = 0;
        d += sign;
    }
    long long packed = static_cast<long long>(d) * 10000 + m * 100 + s;
    if (packed < -MAX_LONGITUDE_PACKED || packed > MAX_LONGITUDE_PACKED) {
        Refuse(FormatString(kPackedRangeFormat, FormatString("%lld", packed).c_str(),
                            static_cast<long>(-MAX_LONGITUDE_PACKED),
                            static_cast<long>(MAX_LONGITUDE_PACKED)));
    }
    return static_cast<int>(packed);
}

double DegreesToRadians(double degrees) {
    return degrees * RADIANSPERDEGREE;
}

double RadiansToDegrees(double radians) {
    return radians * DEGREESPERRADIANS;
}

double GreatCircleDistance(double latitude1, double longitude1, double latitude2, double longitude2,
                           double radius) {
    if (!(radius > 0.0)) {
        Refuse(FormatString("Invalid use of non-positive world radius %lf", radius));
    }
    auto checkPoint = [](double latitude, double longitude) {
        bool valid = latitude >= -MAX_LATITUDE && latitude <= MAX_LATITUDE && longitude >= -MAX_LONGITUDE &&
                     longitude <= MAX_LONGITUDE;
        if (!valid) {
            Refuse(FormatString(
                "Invalid latitude and longitude coordinates [%lf, %lf] outside valid range [%lf, "
                "%lf] to [%lf, %lf]",
                latitude, longitude, static_cast<double>(-MAX_LATITUDE), static_cast<double>(MAX_LATITUDE),
                static_cast<double>(-MAX_LONGITUDE), static_cast<double>(MAX_LONGITUDE)));
        }
    };
    checkPoint(latitude1, longitude1);
    checkPoint(latitude2, longitude2);
    double lat1 = DegreesToRadians(latitude1);
    double lon1 = DegreesToRadians(longitude1);
    double lat2 = DegreesToRadians(latitude2);
    double lon2 = DegreesToRadians(longitude2);
    double cosine = std::sin(lat1) * std::sin(lat2) + std::cos(lat1) * std::cos(lat2) * std::cos(lon1 - lon2);
    // Rounding can push the cosine of (nearly) equal points just beyond 1, where acos has no value.
    cosine = std::clamp(cosine, -1.0, 1.0);
    return radius * std::acos(cosine);
}

bool DecodePackedCoordinate(const std::string& text, bool latitude, int& packed, std::string& message,
                            const char* rangeFormat) {
    const char* format = rangeFormat != nullptr ? rangeFormat : kPackedRangeFormat;
    const int limit = latitude ? MAX_LATITUDE_PACKED : MAX_LONGITUDE_PACKED;
    auto refuseRange = [&]() {
        message = FormatString(format, text.c_str(), static_cast<long>(-limit), static_cast<long>(limit));
        return false;
    };
    errno = 0;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || end == text.c_str() || *end != '\0' || errno == ERANGE || value < INT_MIN ||
        value > INT_MAX) {
        return refuseRange();
    }
    long magnitude = value < 0 ? -value : value;
    if (magnitude % 100 >= MAX_SECONDS) {
        message =
            FormatString("Invalid seconds in packed longitude/latitude %s out of valid range [%ld, %ld]",
                         text.c_str(), 0L, static_cast<long>(MAX_SECONDS - 1));
        return false;
    }
    if ((magnitude / 100) % 100 >= MAX_MINUTES) {
        message =
            FormatString("Invalid minutes in packed longitude/latitude %s out of valid range [%ld, %ld]",
                         text.c_str(), 0L, static_cast<long>(MAX_MINUTES - 1));
        return false;
    }
    if (latitude && magnitude / 10000 > MAX_LATITUDE) {
        message =
            FormatString("Invalid degrees in packed latitude %s out of valid range [%ld, %ld]", text.c_str(),
                         static_cast<long>(-MAX_LATITUDE), static_cast<long>(MAX_LATITUDE));
        return false;
    }
    if (!latitude && magnitude / 10000 > MAX_LONGITUDE) {
        message =
            FormatString("Invalid degrees in packed longitude %s out of valid range [%ld, %ld]", text.c_str(),
                         static_cast<long>(-MAX_LONGITUDE), static_cast<long>(MAX_LONGITUDE));
        return false;
    }
    if (value <= -limit || value >= limit) {
        return refuseRange();
    }
    packed = static_cast<int>(value);
    return true;
}
