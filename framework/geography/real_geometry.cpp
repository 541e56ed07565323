#include "framework/geography/real_geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

double CRealPoint::Length() const {
    return std::hypot(x, y);
}

namespace {
int RoundSaturated(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    double rounded = std::round(value);
    if (rounded <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    if (rounded >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>(rounded);
}
} // namespace

CIntPoint CRealPoint::Round() const {
    return CIntPoint{RoundSaturated(x), RoundSaturated(y)};
}

void CRealRect::NormalizeRect() {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
}

void CRealRect::Include(const CRealPoint& p) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
}

CRealRect CRealRect::Union(const CRealRect& a, const CRealRect& b) {
    if (a.IsRectEmpty()) {
        return b;
    }
    if (b.IsRectEmpty()) {
        return a;
    }
    return CRealRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                     std::max(a.bottom, b.bottom));
}

double CVectorLine::Project(const CRealPoint& p) const {
    CRealPoint direction = GetDirection();
    double lengthSquared = direction.Dot(direction);
    if (lengthSquared == 0.0) {
        return 0.0;
    }
    return (p - m_from).Dot(direction) / lengthSquared;
}

double CVectorLine::DistanceToLine(const CRealPoint& p) const {
    double length = Length();
    if (length == 0.0) {
        return p.DistanceTo(m_from);
    }
    return std::fabs(GetDirection().Cross(p - m_from)) / length;
}

double CVectorLine::DistanceToSegment(const CRealPoint& p) const {
    double t = std::clamp(Project(p), 0.0, 1.0);
    return p.DistanceTo(PointAt(t));
}

std::optional<double> CVectorLine::Intersect(const CVectorLine& other) const {
    CRealPoint d1 = GetDirection();
    CRealPoint d2 = other.GetDirection();
    double denominator = d1.Cross(d2);
    if (IsDegenerate() || other.IsDegenerate() || denominator == 0.0) {
        return std::nullopt;
    }
    return (other.m_from - m_from).Cross(d2) / denominator;
}
