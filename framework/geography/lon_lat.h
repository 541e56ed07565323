#pragma once

#include <string>

#include "framework/export.h"

// Limits of packed degree-minute-second coordinates (DDDMMSS).
constexpr int MAX_LONGITUDE = 180;
constexpr int MAX_LATITUDE = 90;
constexpr int MAX_LONGITUDE_PACKED = 1800000;
constexpr int MAX_LATITUDE_PACKED = 900000;
constexpr int MAX_MINUTES = 60;
constexpr int MAX_SECONDS = 60;
constexpr double RADIANSPERDEGREE = 0.01745329251994;
constexpr double DEGREESPERRADIANS = 57.29577951308;
constexpr double ONESECONDDEGREEFRACTION = 0.0002777777777778;

// Radius of the earth in kilometres and in miles.
constexpr double WORLDRADIUS_KM = 6371.0;
constexpr double WORLDRADIUS_MILES = 3958.76;

// The largest magnitude of a rectangular world coordinate, and the least and largest extent of
// a coordinate range (east - west, north - south, and the width and height of the view limits).
constexpr int MAX_COORDINATE = 1073741823;
constexpr int MIN_COORDINATE_RANGE = 1000;
inline int GetMaxCoord() {
    return MAX_COORDINATE;
}

// A plain integer point (view coordinates).
struct SABLEKIT_API CIntPoint {
    int x = 0;
    int y = 0;
    bool operator==(const CIntPoint&) const = default;
};

// An integer rectangle (view limits): left, top, right, bottom.
struct SABLEKIT_API CIntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // Bounds included, as view ranges are tested.
    bool PtInRect(const CIntPoint& p) const {
        return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
    }
    bool operator==(const CIntRect&) const = default;
};

// Packed DDDMMSS to fractional degrees. Each refusal shows its message and raises a
// CUserException.
SABLEKIT_API double DegMinSecToFracDeg(int packed);
// Fractional degrees to packed DDDMMSS, rounded to the nearest second (halves away from zero).
// Refusals as above.
SABLEKIT_API int FracDegToDegMinSec(double degrees);

SABLEKIT_API double DegreesToRadians(double degrees);
SABLEKIT_API double RadiansToDegrees(double radians);

// The great-circle distance between two points given in fractional degrees on a sphere of the
// given radius. A non-positive radius or a coordinate outside [-90, 90] x [-180, 180] shows its
// message and raises a CUserException.
SABLEKIT_API double GreatCircleDistance(double latitude1, double longitude1, double latitude2,
                                        double longitude2, double radius);

// Validates the text of a packed longitude or latitude: the seconds and the minutes (sign
// ignored) at most 59, the degrees at most 180 (longitude) or 90 (latitude), and the value
// strictly inside +-1800000 (longitude) or +-900000 (latitude). On success stores the value and
// returns true. Otherwise returns false with the message in `message` (not shown); the last
// check formats `rangeFormat` ("... %s ... [%ld, %ld]") with the text and the range, by default
// "Invalide packed longitude or latitude %s out of valid range [%ld, %ld]". A text that is not a
// whole number fails the last check.
SABLEKIT_API bool DecodePackedCoordinate(const std::string& text, bool latitude, int& packed,
                                         std::string& message, const char* rangeFormat = nullptr);

// Longitude then latitude: packed DDDMMSS in geographic projects, plain x and y in rectangular ones.
class SABLEKIT_API CLonLatPoint {
public:
    CLonLatPoint() = default;
    CLonLatPoint(int longitude, int latitude) : m_lon(longitude), m_lat(latitude) {}

    int GetLongitude() const { return m_lon; }
    int GetLatitude() const { return m_lat; }
    void SetLongitude(int lon) { m_lon = lon; }
    void SetLatitude(int lat) { m_lat = lat; }
    // Plain x and y for rectangular projects.
    int x() const { return m_lon; }
    int y() const { return m_lat; }

    // The packed values in fractional degrees (refusals as DegMinSecToFracDeg).
    double GetFracLongitude() const { return DegMinSecToFracDeg(m_lon); }
    double GetFracLatitude() const { return DegMinSecToFracDeg(m_lat); }

    static double DegMinSecToFracDeg(int packed) { return ::DegMinSecToFracDeg(packed); }
    static int FracDegToDegMinSec(double degrees) { return ::FracDegToDegMinSec(degrees); }

    bool operator==(const CLonLatPoint& other) const = default;
    bool operator==(const CIntPoint& point) const { return m_lon == point.x && m_lat == point.y; }

    int m_lon = 0;
    int m_lat = 0;
};

// West, south, east, north in the same encoding as CLonLatPoint.
class SABLEKIT_API CLonLatRect {
public:
    CLonLatRect() = default;
    CLonLatRect(int west, int south, int east, int north)
        : m_west(west), m_south(south), m_east(east), m_north(north) {}

    bool PtInRect(const CLonLatPoint& p) const {
        return p.m_lon >= m_west && p.m_lon <= m_east && p.m_lat >= m_south && p.m_lat <= m_north;
    }
    bool IsRectNull() const { return m_west == 0 && m_south == 0 && m_east == 0 && m_north == 0; }
    bool operator==(const CLonLatRect& other) const = default;

    int m_west = 0;
    int m_south = 0;
    int m_east = 0;
    int m_north = 0;
};
