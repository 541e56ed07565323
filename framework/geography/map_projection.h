#pragma once

#include <string>

#include "framework/export.h"
#include "framework/geography/lon_lat.h"
#include "framework/geography/real_geometry.h"

// The map projections of a project.
enum MP_TYPE {
    MP_ORTHOGONAL = 0,
    MP_MERCATOR = 1,
    MP_ALBERS = 2,
    MP_COUNT = 3,
};

// "Orthogonal", "Mercator", "Albers"; an empty text outside the range.
SABLEKIT_API const char* GetMapProjectionName(int type);
// The projection of a name in any letter case, or -1.
SABLEKIT_API int DecodeMapProjection(const std::string& name);

// The view of a geographic project is GEOGRAPHIC_VIEW_EXTENT units on the longer side of the
// projected world limits, and at least MIN_COORDINATE_RANGE on the shorter side.
constexpr int GEOGRAPHIC_VIEW_EXTENT = 10000;

// Turns world coordinates (CLonLatPoint) into view coordinates (CIntPoint) and back. View
// coordinates run from (0, 0) at the north-western corner of the view limits; y grows downward,
// so north is up. The projection keeps the world limits it was initialised with, the view limits
// it computed for them, and the world radius.
class CArchive;

class SABLEKIT_API CMapProjection {
public:
    virtual ~CMapProjection();

    virtual MP_TYPE GetType() const = 0;
    const char* GetName() const { return GetMapProjectionName(GetType()); }
    // True for the projections of longitude and latitude (packed DDDMMSS world coordinates).
    virtual bool IsGeographic() const = 0;

    // Sets the projection up for the world limits and computes their view limits, which are
    // stored and returned in viewLimits. The width and the height of the view limits must each
    // lie in [MIN_COORDINATE_RANGE, MAX_COORDINATE], as the coordinate ranges of a project. A
    // refusal shows its message and raises a CUserException; the projection then keeps its
    // previous state and viewLimits is not touched.
    void Initialize(const CLonLatRect& worldLimits, double radius, CIntRect& viewLimits);
    bool IsInitialized() const { return m_initialized; }
    // Back to the state of a new projection (not initialised, zero limits).
    virtual void Reset() = 0;

    const CLonLatRect& GetWorldLimits() const { return m_worldLimits; }
    const CIntRect& GetViewLimits() const { return m_viewLimits; }
    double GetWorldRadius() const { return m_worldRadius; }
    // View units per unit of the projected plane (plain units, or world-radius units).
    double GetScale() const { return m_scale; }

    // Converts count points. Packed coordinates that cannot be decoded are refused as
    // DegMinSecToFracDeg refuses them.
    void WorldToView(const CLonLatPoint* world, CIntPoint* view, int count) const;
    void ViewToWorld(const CIntPoint* view, CLonLatPoint* world, int count) const;
    CIntPoint WorldToView(const CLonLatPoint& world) const;
    CLonLatPoint ViewToWorld(const CIntPoint& view) const;

    // The same with fractional world coordinates: fractional degrees of longitude and latitude
    // for the geographic projections, plain x and y for the orthogonal one. View points outside
    // the earth's range give the nearest valid longitude and latitude.
    CRealPoint FracWorldToView(double lonOrX, double latOrY) const;
    CRealPoint ViewToFracWorld(const CRealPoint& view) const;

    bool IsInViewLimits(const CIntPoint& view) const { return m_viewLimits.PtInRect(view); }

    // ---- binary archive: world limits (west, south, east, north), view limits, world radius,
    // initialised flag (int). Loading sets an initialised projection up again from the limits
    // and the radius (refusals as Initialize), and resets one that was not initialised.
    void Serialize(CArchive& archive);
    // ---- end of binary archive ----

protected:
    CMapProjection() = default;
    CMapProjection(const CMapProjection&) = default;
    CMapProjection& operator=(const CMapProjection&) = default;

    // Validates the world limits and sets the projection up for them (on a copy: a refusal
    // must leave this object unchanged).
    virtual void Setup(const CLonLatRect& worldLimits, double radius) = 0;
    // The projected plane: x grows eastward and y northward.
    virtual CRealPoint Project(double lonOrX, double latOrY) const = 0;
    virtual CRealPoint Unproject(const CRealPoint& plane) const = 0;

    // Stores the limits and radius, places the view over the plane's bounding box (left and
    // right the least and largest x, top and bottom the least and largest y) at the given
    // scale, and checks the view extents.
    void FitView(const CLonLatRect& worldLimits, double radius, const CRealRect& planeBox, double scale);
    void ResetBase();

private:
    CLonLatRect m_worldLimits;
    CIntRect m_viewLimits;
    double m_worldRadius = WORLDRADIUS_KM;
    double m_scale = 1.0;
    double m_planeLeft = 0.0;
    double m_planeTop = 0.0; // the largest y of the plane box: view y 0
    bool m_initialized = false;
};

// Rectangular world coordinates, one view unit per world unit.
class SABLEKIT_API COrthogonalProjection : public CMapProjection {
public:
    COrthogonalProjection() = default;
    COrthogonalProjection(const COrthogonalProjection&) = default;
    COrthogonalProjection& operator=(const COrthogonalProjection&) = default;

    MP_TYPE GetType() const override { return MP_ORTHOGONAL; }
    bool IsGeographic() const override { return false; }
    void Reset() override;

protected:
    void Setup(const CLonLatRect& worldLimits, double radius) override;
    CRealPoint Project(double x, double y) const override;
    CRealPoint Unproject(const CRealPoint& plane) const override;
};

// The projections of longitude and latitude: world limits and points are packed DDDMMSS.
class SABLEKIT_API CGeographicProjection : public CMapProjection {
public:
    bool IsGeographic() const override { return true; }
    // The mean of the western and eastern world limit, in fractional degrees.
    double GetMiddleMeridian() const { return m_middleMeridian; }

protected:
    CGeographicProjection() = default;
    CGeographicProjection(const CGeographicProjection&) = default;
    CGeographicProjection& operator=(const CGeographicProjection&) = default;

    // The world limits in fractional degrees (refused as DegMinSecToFracDeg refuses).
    struct SLimits {
        double west, south, east, north;
    };
    static SLimits DecodeLimits(const CLonLatRect& worldLimits);
    // The scale that gives the longer side of the box GEOGRAPHIC_VIEW_EXTENT view units and
    // the shorter at least MIN_COORDINATE_RANGE.
    static double FitScale(const CRealRect& planeBox);

    double m_middleMeridian = 0.0;
    double m_radius = WORLDRADIUS_KM; // the radius the plane is scaled by
};

// Mercator: x proportional to the longitude difference from the middle meridian,
// y = radius * ln(tan(pi/4 + latitude/2)). Latitude bounds are limited to +-80 degrees.
class SABLEKIT_API CMercatorProjection : public CGeographicProjection {
public:
    static constexpr double MAX_MERCATOR_LATITUDE = 80.0;

    CMercatorProjection() = default;
    CMercatorProjection(const CMercatorProjection&) = default;
    CMercatorProjection& operator=(const CMercatorProjection&) = default;

    MP_TYPE GetType() const override { return MP_MERCATOR; }
    void Reset() override;

protected:
    void Setup(const CLonLatRect& worldLimits, double radius) override;
    CRealPoint Project(double longitude, double latitude) const override;
    CRealPoint Unproject(const CRealPoint& plane) const override;
};

// Albers conic equal-area projection on the sphere, standard parallels one quarter and three
// quarters of the way from the southern to the northern bound. The two bounds must sum, in
// absolute value, to at least 9 degrees (the cone constant is then safely away from zero).
class SABLEKIT_API CAlbersProjection : public CGeographicProjection {
public:
    static constexpr double MIN_ALBERS_LATITUDE_SUM = 9.0;

    CAlbersProjection();
    CAlbersProjection(const CAlbersProjection&) = default;
    CAlbersProjection& operator=(const CAlbersProjection&) = default;

    MP_TYPE GetType() const override { return MP_ALBERS; }
    void Reset() override;

    double GetFirstStandardParallel() const { return m_parallel1; }
    double GetSecondStandardParallel() const { return m_parallel2; }
    // n = (sin phi1 + sin phi2) / 2.
    double GetConeConstant() const { return m_n; }

protected:
    void Setup(const CLonLatRect& worldLimits, double radius) override;
    CRealPoint Project(double longitude, double latitude) const override;
    CRealPoint Unproject(const CRealPoint& plane) const override;

private:
    void SetParallels(double parallel1, double parallel2, double originLatitude, double radius);
    double Rho(double latitude) const;

    double m_parallel1 = 0.0;
    double m_parallel2 = 0.0;
    double m_n = 0.0;
    double m_c = 0.0;
    double m_rho0 = 0.0;
};
