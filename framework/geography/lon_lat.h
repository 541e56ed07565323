#pragma once

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
    bool operator==(const CIntRect&) const = default;
};

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
