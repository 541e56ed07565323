#include "framework/geography/map_projection.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"

namespace {

const char* const kProjectionNames[MP_COUNT] = {"Orthogonal", "Mercator", "Albers"};

[[noreturn]] void Refuse(const std::string& message) {
    DisplayErrorMessage(message);
    ThrowUserException();
}

bool EqualNoCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return i == a.size() && b[i] == '\0';
}

// A view extent rounded to whole units; what cannot be rounded counts as 0 (and is refused).
long long RoundExtent(double extent) {
    if (!std::isfinite(extent) || std::fabs(extent) > 4.0e18) {
        return 0;
    }
    return std::llround(extent);
}

} // namespace

const char* GetMapProjectionName(int type) {
    if (type < 0 || type >= MP_COUNT) {
        return "";
    }
    return kProjectionNames[type];
}

int DecodeMapProjection(const std::string& name) {
    for (int type = 0; type < MP_COUNT; ++type) {
        if (EqualNoCase(name, kProjectionNames[type])) {
            return type;
        }
    }
    return -1;
}

// ---- CMapProjection ----

CMapProjection::~CMapProjection() = default;

void CMapProjection::Initialize(const CLonLatRect& worldLimits, double radius, CIntRect& viewLimits) {
    Setup(worldLimits, radius);
    viewLimits = m_viewLimits;
}

void CMapProjection::ResetBase() {
    m_worldLimits = CLonLatRect();
    m_viewLimits = CIntRect();
    m_worldRadius = WORLDRADIUS_KM;
    m_scale = 1.0;
    m_planeLeft = 0.0;
    m_planeTop = 0.0;
    m_initialized = false;
}

void CMapProjection::FitView(const CLonLatRect& worldLimits, double radius, const CRealRect& planeBox,
                             double scale) {
    long long width = RoundExtent(planeBox.Width() * scale);
    long long height = RoundExtent(planeBox.Height() * scale);
    if (width < MIN_COORDINATE_RANGE || width > MAX_COORDINATE) {
        Refuse(FormatString("Invalid x coordinate range %s out of range [%ld, %ld]",
                            FormatString("%ld", static_cast<long>(width)).c_str(),
                            static_cast<long>(MIN_COORDINATE_RANGE), static_cast<long>(MAX_COORDINATE)));
    }
    if (height < MIN_COORDINATE_RANGE || height > MAX_COORDINATE) {
        Refuse(FormatString("Invalid y coordinate range %s out of range [%ld, %ld]",
                            FormatString("%ld", static_cast<long>(height)).c_str(),
                            static_cast<long>(MIN_COORDINATE_RANGE), static_cast<long>(MAX_COORDINATE)));
    }
    m_worldLimits = worldLimits;
    m_worldRadius = radius;
    m_scale = scale;
    m_planeLeft = planeBox.left;
    m_planeTop = planeBox.bottom;
    m_viewLimits = CIntRect{0, 0, static_cast<int>(width), static_cast<int>(height)};
    m_initialized = true;
}

CRealPoint CMapProjection::FracWorldToView(double lonOrX, double latOrY) const {
    CRealPoint plane = Project(lonOrX, latOrY);
    return CRealPoint((plane.x - m_planeLeft) * m_scale, (m_planeTop - plane.y) * m_scale);
}

CRealPoint CMapProjection::ViewToFracWorld(const CRealPoint& view) const {
    CRealPoint plane(view.x / m_scale + m_planeLeft, m_planeTop - view.y / m_scale);
    return Unproject(plane);
}

CIntPoint CMapProjection::WorldToView(const CLonLatPoint& world) const {
    if (IsGeographic()) {
        return FracWorldToView(DegMinSecToFracDeg(world.m_lon), DegMinSecToFracDeg(world.m_lat)).Round();
    }
    return FracWorldToView(world.m_lon, world.m_lat).Round();
}

CLonLatPoint CMapProjection::ViewToWorld(const CIntPoint& view) const {
    CRealPoint world = ViewToFracWorld(CRealPoint(view));
    if (IsGeographic()) {
        return CLonLatPoint(FracDegToDegMinSec(world.x), FracDegToDegMinSec(world.y));
    }
    CIntPoint plain = world.Round();
    return CLonLatPoint(plain.x, plain.y);
}

void CMapProjection::WorldToView(const CLonLatPoint* world, CIntPoint* view, int count) const {
    for (int i = 0; i < count; ++i) {
        view[i] = WorldToView(world[i]);
    }
}

void CMapProjection::ViewToWorld(const CIntPoint* view, CLonLatPoint* world, int count) const {
    for (int i = 0; i < count; ++i) {
        world[i] = ViewToWorld(view[i]);
    }
}

// ---- COrthogonalProjection ----

void COrthogonalProjection::Reset() {
    ResetBase();
}

void COrthogonalProjection::Setup(const CLonLatRect& worldLimits, double radius) {
    // FitView checks before it stores anything, so no copy is needed here.
    CRealRect box(worldLimits.m_west, worldLimits.m_south, worldLimits.m_east, worldLimits.m_north);
    FitView(worldLimits, radius, box, 1.0);
}

CRealPoint COrthogonalProjection::Project(double x, double y) const {
    return CRealPoint(x, y);
}

CRealPoint COrthogonalProjection::Unproject(const CRealPoint& plane) const {
    return plane;
}

// ---- CGeographicProjection ----

CGeographicProjection::SLimits CGeographicProjection::DecodeLimits(const CLonLatRect& worldLimits) {
    SLimits limits{DegMinSecToFracDeg(worldLimits.m_west), DegMinSecToFracDeg(worldLimits.m_south),
                   DegMinSecToFracDeg(worldLimits.m_east), DegMinSecToFracDeg(worldLimits.m_north)};
    return limits;
}

namespace {
void CheckRadius(double radius) {
    if (!(radius > 0.0)) {
        Refuse(FormatString("Invalid use of non-positive world radius %lf", radius));
    }
}

CRealPoint ClampToEarth(double longitude, double latitude) {
    if (std::isnan(longitude)) {
        longitude = 0.0;
    }
    if (std::isnan(latitude)) {
        latitude = 0.0;
    }
    return CRealPoint(
        std::clamp(longitude, -static_cast<double>(MAX_LONGITUDE), static_cast<double>(MAX_LONGITUDE)),
        std::clamp(latitude, -static_cast<double>(MAX_LATITUDE), static_cast<double>(MAX_LATITUDE)));
}
} // namespace

double CGeographicProjection::FitScale(const CRealRect& planeBox) {
    double width = planeBox.Width();
    double height = planeBox.Height();
    bool widthOk = std::isfinite(width) && width > 0.0;
    bool heightOk = std::isfinite(height) && height > 0.0;
    if (widthOk && heightOk) {
        double scale = GEOGRAPHIC_VIEW_EXTENT / std::max(width, height);
        if (std::min(width, height) * scale < MIN_COORDINATE_RANGE) {
            scale = MIN_COORDINATE_RANGE / std::min(width, height);
        }
        return scale;
    }
    if (widthOk) {
        return GEOGRAPHIC_VIEW_EXTENT / width;
    }
    if (heightOk) {
        return GEOGRAPHIC_VIEW_EXTENT / height;
    }
    return 1.0;
}

// ---- CMercatorProjection ----

void CMercatorProjection::Reset() {
    ResetBase();
    m_middleMeridian = 0.0;
    m_radius = WORLDRADIUS_KM;
}

void CMercatorProjection::Setup(const CLonLatRect& worldLimits, double radius) {
    SLimits limits = DecodeLimits(worldLimits);
    if (std::fabs(limits.south) > MAX_MERCATOR_LATITUDE || std::fabs(limits.north) > MAX_MERCATOR_LATITUDE) {
        Refuse(FormatString(
            "Invalid latitude bounds [%lf, %lf] for Mercator projection with absolute value larger "
            "than %lf",
            limits.south, limits.north, MAX_MERCATOR_LATITUDE));
    }
    CheckRadius(radius);
    CMercatorProjection next(*this);
    next.m_middleMeridian = (limits.west + limits.east) / 2.0;
    next.m_radius = radius;
    CRealPoint southWest = next.Project(limits.west, limits.south);
    CRealPoint northEast = next.Project(limits.east, limits.north);
    CRealRect box(southWest.x, southWest.y, northEast.x, northEast.y);
    next.FitView(worldLimits, radius, box, FitScale(box));
    *this = next;
}

CRealPoint CMercatorProjection::Project(double longitude, double latitude) const {
    // Beyond the poles the projection has no value; points there are only ever garbage input.
    latitude = std::clamp(latitude, -89.999, 89.999);
    double x = m_radius * DegreesToRadians(longitude - m_middleMeridian);
    double y = m_radius * std::log(std::tan(std::numbers::pi / 4.0 + DegreesToRadians(latitude) / 2.0));
    return CRealPoint(x, y);
}

CRealPoint CMercatorProjection::Unproject(const CRealPoint& plane) const {
    double longitude = m_middleMeridian + RadiansToDegrees(plane.x / m_radius);
    double latitude =
        RadiansToDegrees(2.0 * std::atan(std::exp(plane.y / m_radius)) - std::numbers::pi / 2.0);
    return ClampToEarth(longitude, latitude);
}

// ---- CAlbersProjection ----

CAlbersProjection::CAlbersProjection() {
    SetParallels(30.0, 60.0, 45.0, WORLDRADIUS_KM);
}

void CAlbersProjection::Reset() {
    ResetBase();
    m_middleMeridian = 0.0;
    SetParallels(30.0, 60.0, 45.0, WORLDRADIUS_KM);
}

void CAlbersProjection::SetParallels(double parallel1, double parallel2, double originLatitude,
                                     double radius) {
    m_parallel1 = parallel1;
    m_parallel2 = parallel2;
    m_radius = radius;
    double sin1 = std::sin(DegreesToRadians(parallel1));
    double sin2 = std::sin(DegreesToRadians(parallel2));
    double cos1 = std::cos(DegreesToRadians(parallel1));
    m_n = (sin1 + sin2) / 2.0;
    m_c = cos1 * cos1 + 2.0 * m_n * sin1;
    m_rho0 = Rho(originLatitude);
}

double CAlbersProjection::Rho(double latitude) const {
    double q = m_c - 2.0 * m_n * std::sin(DegreesToRadians(latitude));
    return m_radius * std::sqrt(std::max(q, 0.0)) / m_n;
}

void CAlbersProjection::Setup(const CLonLatRect& worldLimits, double radius) {
    SLimits limits = DecodeLimits(worldLimits);
    if (std::fabs(limits.south + limits.north) < MIN_ALBERS_LATITUDE_SUM) {
        Refuse(
            FormatString("Invalid latitude bounds [%lf, %lf] for Albers projection, whose algebraic sum must "
                         "larger than %lf",
                         limits.south, limits.north, MIN_ALBERS_LATITUDE_SUM));
    }
    CheckRadius(radius);
    CAlbersProjection next(*this);
    double span = limits.north - limits.south;
    next.m_middleMeridian = (limits.west + limits.east) / 2.0;
    next.SetParallels(limits.south + span / 4.0, limits.south + 3.0 * span / 4.0,
                      (limits.south + limits.north) / 2.0, radius);

    CRealRect box;
    if (limits.east <= limits.west || limits.north <= limits.south) {
        // No area to project: extents along the sphere, which the view check refuses.
        box = CRealRect(0.0, 0.0, radius * DegreesToRadians(limits.east - limits.west),
                        radius * DegreesToRadians(limits.north - limits.south));
    } else {
        // The world limits project to the region between two arcs of parallels and two radial
        // segments of meridians. Its extremes lie at the corners, on the middle meridian, or
        // where an arc crosses a quarter turn of the cone.
        double longitudes[7] = {limits.west, limits.east, next.m_middleMeridian};
        int candidates = 3;
        for (int quarter = 1; quarter <= 2; ++quarter) {
            double offset = RadiansToDegrees(quarter * (std::numbers::pi / 2.0) / std::fabs(next.m_n));
            for (double longitude : {next.m_middleMeridian - offset, next.m_middleMeridian + offset}) {
                if (longitude > limits.west && longitude < limits.east) {
                    longitudes[candidates++] = longitude;
                }
            }
        }
        CRealPoint first = next.Project(limits.west, limits.south);
        box = CRealRect(first.x, first.y, first.x, first.y);
        for (int i = 0; i < candidates; ++i) {
            box.Include(next.Project(longitudes[i], limits.south));
            box.Include(next.Project(longitudes[i], limits.north));
        }
    }
    next.FitView(worldLimits, radius, box, FitScale(box));
    *this = next;
}

CRealPoint CAlbersProjection::Project(double longitude, double latitude) const {
    double theta = m_n * DegreesToRadians(longitude - m_middleMeridian);
    double rho = Rho(latitude);
    return CRealPoint(rho * std::sin(theta), m_rho0 - rho * std::cos(theta));
}

CRealPoint CAlbersProjection::Unproject(const CRealPoint& plane) const {
    double sign = m_n < 0.0 ? -1.0 : 1.0;
    double dy = m_rho0 - plane.y;
    double rho = sign * std::hypot(plane.x, dy);
    double theta = std::atan2(sign * plane.x, sign * dy);
    double longitude = m_middleMeridian + RadiansToDegrees(theta / m_n);
    double ratio = rho * m_n / m_radius;
    double q = (m_c - ratio * ratio) / (2.0 * m_n);
    double latitude = RadiansToDegrees(std::asin(std::clamp(q, -1.0, 1.0)));
    return ClampToEarth(longitude, latitude);
}
