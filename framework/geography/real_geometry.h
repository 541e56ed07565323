#pragma once

#include <optional>

#include "framework/export.h"
#include "framework/geography/lon_lat.h"

// A point (or vector) of doubles, for drawing and for the projections.
class SABLEKIT_API CRealPoint {
public:
    constexpr CRealPoint() = default;
    constexpr CRealPoint(double px, double py) : x(px), y(py) {}
    explicit CRealPoint(const CIntPoint& p) : x(p.x), y(p.y) {}

    CRealPoint& operator+=(const CRealPoint& other) {
        x += other.x;
        y += other.y;
        return *this;
    }
    CRealPoint& operator-=(const CRealPoint& other) {
        x -= other.x;
        y -= other.y;
        return *this;
    }
    CRealPoint& operator*=(double factor) {
        x *= factor;
        y *= factor;
        return *this;
    }
    CRealPoint& operator/=(double divisor) {
        x /= divisor;
        y /= divisor;
        return *this;
    }
    friend CRealPoint operator+(CRealPoint a, const CRealPoint& b) { return a += b; }
    friend CRealPoint operator-(CRealPoint a, const CRealPoint& b) { return a -= b; }
    friend CRealPoint operator*(CRealPoint a, double factor) { return a *= factor; }
    friend CRealPoint operator*(double factor, CRealPoint a) { return a *= factor; }
    friend CRealPoint operator/(CRealPoint a, double divisor) { return a /= divisor; }
    CRealPoint operator-() const { return CRealPoint(-x, -y); }
    bool operator==(const CRealPoint&) const = default;

    // Scalar product and the z component of the cross product, taking both as vectors.
    double Dot(const CRealPoint& other) const { return x * other.x + y * other.y; }
    double Cross(const CRealPoint& other) const { return x * other.y - y * other.x; }
    double Length() const;
    double DistanceTo(const CRealPoint& other) const { return (*this - other).Length(); }
    // The nearest integer point (halves away from zero, saturated to the int range).
    CIntPoint Round() const;

    double x = 0.0;
    double y = 0.0;
};

// A rectangle of doubles: left, top, right, bottom (normalised when left <= right, top <= bottom).
class SABLEKIT_API CRealRect {
public:
    constexpr CRealRect() = default;
    constexpr CRealRect(double l, double t, double r, double b) : left(l), top(t), right(r), bottom(b) {}
    explicit CRealRect(const CIntRect& rect)
        : left(rect.left), top(rect.top), right(rect.right), bottom(rect.bottom) {}

    double Width() const { return right - left; }
    double Height() const { return bottom - top; }
    CRealPoint TopLeft() const { return CRealPoint(left, top); }
    CRealPoint BottomRight() const { return CRealPoint(right, bottom); }
    CRealPoint CenterPoint() const { return CRealPoint((left + right) / 2.0, (top + bottom) / 2.0); }
    bool IsRectEmpty() const { return !(right > left) || !(bottom > top); }
    // Bounds included.
    bool PtInRect(const CRealPoint& p) const {
        return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
    }
    // Swaps the sides that are the wrong way round.
    void NormalizeRect();
    // Grows the (normalised) rectangle to include the point.
    void Include(const CRealPoint& p);
    // The smallest rectangle holding both; an empty rectangle does not count.
    static CRealRect Union(const CRealRect& a, const CRealRect& b);
    bool operator==(const CRealRect&) const = default;

    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// The line through two points, parametrised as From + t * (To - From).
class SABLEKIT_API CVectorLine {
public:
    CVectorLine() = default;
    CVectorLine(const CRealPoint& from, const CRealPoint& to) : m_from(from), m_to(to) {}

    const CRealPoint& GetFrom() const { return m_from; }
    const CRealPoint& GetTo() const { return m_to; }
    CRealPoint GetDirection() const { return m_to - m_from; }
    double Length() const { return GetDirection().Length(); }
    bool IsDegenerate() const { return m_from == m_to; }

    CRealPoint PointAt(double t) const { return m_from + GetDirection() * t; }
    // The parameter of the foot of the perpendicular from p (0 for a degenerate line).
    double Project(const CRealPoint& p) const;
    // The distance from p to the infinite line (to From for a degenerate line).
    double DistanceToLine(const CRealPoint& p) const;
    // The distance from p to the segment From-To.
    double DistanceToSegment(const CRealPoint& p) const;
    // The parameter t on this line where it meets the other line; none when they are parallel
    // or either is degenerate.
    std::optional<double> Intersect(const CVectorLine& other) const;

private:
    CRealPoint m_from;
    CRealPoint m_to;
};
