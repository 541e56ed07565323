#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "framework/application/sable_document.h"
#include "framework/exceptions/user_exception.h"
#include "framework/geography/map_projection.h"
#include "tests/support/app_fixture.h"

namespace {

using MapProjectionTest = AppFixture;

// Packed DDDMMSS of whole degrees.
int Deg(int degrees) {
    return degrees * 10000;
}

// The area of a polygon of view points (shoelace formula).
double Area(const std::vector<CRealPoint>& points) {
    double twice = 0.0;
    for (size_t i = 0; i < points.size(); ++i) {
        const CRealPoint& a = points[i];
        const CRealPoint& b = points[(i + 1) % points.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::fabs(twice) / 2.0;
}

TEST(MapProjectionNamesTest, NamesDecodeInAnyLetterCase) {
    EXPECT_STREQ(GetMapProjectionName(MP_ALBERS), "Albers");
    EXPECT_STREQ(GetMapProjectionName(3), "");
    EXPECT_EQ(DecodeMapProjection("orthogonal"), MP_ORTHOGONAL);
    EXPECT_EQ(DecodeMapProjection("MERCATOR"), MP_MERCATOR);
    EXPECT_EQ(DecodeMapProjection("aLbErS"), MP_ALBERS);
    for (const char* text : {"Albers ", "Conic", ""}) {
        EXPECT_EQ(DecodeMapProjection(text), -1) << text;
    }
}

TEST_F(MapProjectionTest, OrthogonalViewIsTheWorldWithNorthUpRoundTripsExactlyAndRefusesBadRanges) {
    COrthogonalProjection projection;
    CIntRect view;
    projection.Initialize(CLonLatRect(-500, 100, 1500, 1300), 6371.0, view);
    EXPECT_EQ(view, (CIntRect{0, 0, 2000, 1200}));
    // The north-western corner is the view origin; the south-eastern the far corner.
    EXPECT_EQ(projection.WorldToView(CLonLatPoint(-500, 1300)), (CIntPoint{0, 0}));
    EXPECT_EQ(projection.WorldToView(CLonLatPoint(1500, 100)), (CIntPoint{2000, 1200}));
    CLonLatPoint world[3] = {{0, 100}, {7, 1299}, {1499, 555}};
    CIntPoint views[3];
    projection.WorldToView(world, views, 3);
    EXPECT_LT(views[1].y, views[0].y) << "north is up";
    CLonLatPoint back[3];
    projection.ViewToWorld(views, back, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(back[i], world[i]);
    }

    // Coordinate ranges outside their bounds are refused and nothing changes.
    projection.Initialize(CLonLatRect(0, 0, 5000, 4000), 6371.0, view);
    CIntRect untouched{1, 2, 3, 4};
    EXPECT_THROW(projection.Initialize(CLonLatRect(0, 0, 999, 4000), 6371.0, untouched), CUserException);
    EXPECT_THROW(
        projection.Initialize(CLonLatRect(0, -MAX_COORDINATE, 5000, MAX_COORDINATE), 6371.0, untouched),
        CUserException);
    EXPECT_THROW(projection.Initialize(CLonLatRect(10, 0, 10, 4000), 6371.0, untouched), CUserException);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Invalid x coordinate range 999 out of range [1000, 1073741823]",
                              "Invalid y coordinate range 2147483646 out of range [1000, 1073741823]",
                              "Invalid x coordinate range 0 out of range [1000, 1073741823]",
                          }));
    EXPECT_EQ(untouched, (CIntRect{1, 2, 3, 4}));
    EXPECT_EQ(projection.GetWorldLimits(), CLonLatRect(0, 0, 5000, 4000));
    EXPECT_EQ(projection.GetViewLimits(), (CIntRect{0, 0, 5000, 4000}));
    // The largest accepted extent.
    projection.Initialize(CLonLatRect(-MAX_COORDINATE, 0, 0, 1000), 6371.0, view);
    EXPECT_EQ(view.Width(), MAX_COORDINATE);
}

TEST_F(MapProjectionTest, MercatorRefusesLatitudesBeyondEightyDegreesFitsTheLongerSideAndStretchesLatitudes) {
    CMercatorProjection projection;
    CIntRect view;
    projection.Initialize(CLonLatRect(Deg(-10), Deg(-80), Deg(30), Deg(80)), WORLDRADIUS_KM, view);
    EXPECT_DOUBLE_EQ(projection.GetMiddleMeridian(), 10.0);
    EXPECT_THROW(
        projection.Initialize(CLonLatRect(Deg(-10), Deg(-81), Deg(30), Deg(45)), WORLDRADIUS_KM, view),
        CUserException);
    EXPECT_THROW(projection.Initialize(CLonLatRect(Deg(-10), Deg(0), Deg(30), 803000), WORLDRADIUS_KM, view),
                 CUserException);
    EXPECT_THROW(projection.Initialize(CLonLatRect(Deg(-10), Deg(0), Deg(30), Deg(45)), 0.0, view),
                 CUserException);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Invalid latitude bounds [-81.000000, 45.000000] for Mercator projection with "
                              "absolute value larger than 80.000000",
                              "Invalid latitude bounds [0.000000, 80.500000] for Mercator projection with "
                              "absolute value larger than 80.000000",
                              "Invalid use of non-positive world radius 0.000000",
                          }));
    EXPECT_DOUBLE_EQ(projection.GetMiddleMeridian(), 10.0);
    EXPECT_EQ(projection.GetWorldLimits(), CLonLatRect(Deg(-10), Deg(-80), Deg(30), Deg(80)));

    projection.Initialize(CLonLatRect(Deg(0), Deg(0), Deg(80), Deg(70)), WORLDRADIUS_KM, view);
    EXPECT_EQ(view.left, 0);
    EXPECT_EQ(view.top, 0);
    EXPECT_EQ(std::max(view.Width(), view.Height()), GEOGRAPHIC_VIEW_EXTENT);
    auto at = [&](double lon, double lat) { return projection.FracWorldToView(lon, lat); };
    // North is up, east is right, and the corners are the view corners.
    EXPECT_NEAR(at(0, 70).x, 0.0, 1e-6);
    EXPECT_NEAR(at(0, 70).y, 0.0, 1e-6);
    EXPECT_NEAR(at(80, 0).x, view.right, 0.5);
    EXPECT_NEAR(at(80, 0).y, view.bottom, 0.5);
    // Equal longitude steps are equal view steps; latitude steps grow toward the pole.
    EXPECT_NEAR(at(20, 30).x - at(10, 30).x, at(70, 60).x - at(60, 60).x, 1e-9);
    EXPECT_GT(at(0, 60).y - at(0, 70).y, 1.5 * (at(0, 0).y - at(0, 10).y));
}

TEST_F(MapProjectionTest, AlbersRefusesBoundsWhoseSumIsBelowNineAndIsEqualAreaWithParallelsAtTheQuarters) {
    CAlbersProjection projection;
    CIntRect view;
    EXPECT_THROW(projection.Initialize(CLonLatRect(Deg(0), -40000, Deg(20), 43000), WORLDRADIUS_KM, view),
                 CUserException);
    EXPECT_THROW(projection.Initialize(CLonLatRect(Deg(0), Deg(-30), Deg(20), Deg(22)), WORLDRADIUS_KM, view),
                 CUserException);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Invalid latitude bounds [-4.000000, 4.500000] for Albers projection, whose "
                              "algebraic sum must larger than 9.000000",
                              "Invalid latitude bounds [-30.000000, 22.000000] for Albers projection, whose "
                              "algebraic sum must larger than 9.000000",
                          }));
    EXPECT_FALSE(projection.IsInitialized());
    // A sum of exactly 9, and a negative sum of at least 9, are accepted.
    projection.Initialize(CLonLatRect(Deg(0), Deg(-1), Deg(20), Deg(10)), WORLDRADIUS_KM, view);
    projection.Initialize(CLonLatRect(Deg(0), Deg(-50), Deg(20), Deg(-10)), WORLDRADIUS_KM, view);
    EXPECT_LT(projection.GetConeConstant(), 0.0);

    projection.Initialize(CLonLatRect(Deg(-120), Deg(20), Deg(-70), Deg(60)), WORLDRADIUS_KM, view);
    EXPECT_DOUBLE_EQ(projection.GetFirstStandardParallel(), 30.0);
    EXPECT_DOUBLE_EQ(projection.GetSecondStandardParallel(), 50.0);
    EXPECT_NEAR(projection.GetConeConstant(), (std::sin(M_PI / 6) + std::sin(50 * M_PI / 180)) / 2, 1e-12);
    EXPECT_DOUBLE_EQ(projection.GetMiddleMeridian(), -95.0);
    auto cell = [&](double lon, double south, double north) {
        std::vector<CRealPoint> points;
        for (int i = 0; i <= 20; ++i) {
            points.push_back(projection.FracWorldToView(lon + i * 0.5, south));
        }
        for (int i = 20; i >= 0; --i) {
            points.push_back(projection.FracWorldToView(lon + i * 0.5, north));
        }
        return Area(points);
    };
    // Two cells of equal area on the sphere: 10 degrees wide, and sin(north) - sin(south) equal.
    double southern = cell(-115, 20, 30);
    double northernTop =
        std::asin(std::sin(50 * M_PI / 180) + std::sin(30 * M_PI / 180) - std::sin(20 * M_PI / 180));
    double northern = cell(-90, 50, northernTop * 180 / M_PI);
    EXPECT_NEAR(northern / southern, 1.0, 1e-3);
    // The middle meridian is vertical, north up.
    CRealPoint low = projection.FracWorldToView(-95, 25);
    CRealPoint high = projection.FracWorldToView(-95, 55);
    EXPECT_NEAR(low.x, high.x, 1e-9);
    EXPECT_GT(low.y, high.y);
}

// Every point of the world limits lies in the view limits, and each side of the view is touched.
void ExpectWorldFillsView(const CMapProjection& projection, double west, double south, double east,
                          double north) {
    const CIntRect& view = projection.GetViewLimits();
    int least[2] = {INT_MAX, INT_MAX};
    int most[2] = {INT_MIN, INT_MIN};
    for (int i = 0; i <= 200; ++i) {
        for (int j = 0; j <= 200; j += (i == 0 || i == 200) ? 1 : 200) {
            for (int flip = 0; flip < 2; ++flip) {
                double fi = flip ? j : i;
                double fj = flip ? i : j;
                CIntPoint p =
                    projection
                        .FracWorldToView(west + (east - west) * fi / 200, south + (north - south) * fj / 200)
                        .Round();
                EXPECT_TRUE(projection.IsInViewLimits(p)) << p.x << "," << p.y;
                least[0] = std::min(least[0], p.x);
                least[1] = std::min(least[1], p.y);
                most[0] = std::max(most[0], p.x);
                most[1] = std::max(most[1], p.y);
            }
        }
    }
    EXPECT_LE(least[0], view.left + 1);
    EXPECT_LE(least[1], view.top + 1);
    EXPECT_GE(most[0], view.right - 1);
    EXPECT_GE(most[1], view.bottom - 1);
}

TEST_F(MapProjectionTest, GeographicViewLimitsHoldTheWholeWorld) {
    CAlbersProjection albers;
    CMercatorProjection mercator;
    CIntRect view;
    albers.Initialize(CLonLatRect(Deg(-120), Deg(20), Deg(-70), Deg(60)), WORLDRADIUS_KM, view);
    ExpectWorldFillsView(albers, -120, 20, -70, 60);
    // A whole hemisphere of longitudes bends the parallels beyond a quarter turn.
    albers.Initialize(CLonLatRect(Deg(-180), Deg(40), Deg(180), Deg(85)), WORLDRADIUS_KM, view);
    ExpectWorldFillsView(albers, -180, 40, 180, 85);
    // A thin strip keeps at least the least coordinate range on its short side.
    mercator.Initialize(CLonLatRect(Deg(0), Deg(10), Deg(60), 103000), WORLDRADIUS_KM, view);
    EXPECT_EQ(view.Height(), MIN_COORDINATE_RANGE);
    EXPECT_GT(view.Width(), GEOGRAPHIC_VIEW_EXTENT);
    ExpectWorldFillsView(mercator, 0, 10, 60, 10.5);
}

TEST_F(MapProjectionTest, GeographicRoundTripsStayWithinOneUnitOfTheCoarserSideAndBeyondTheEarthClamp) {
    CMercatorProjection mercator;
    CAlbersProjection albers;
    CIntRect view;
    // A large world: a view unit is coarser than a second, so view points come back within a unit.
    mercator.Initialize(CLonLatRect(Deg(-10), Deg(35), Deg(30), Deg(60)), WORLDRADIUS_KM, view);
    albers.Initialize(CLonLatRect(Deg(110), Deg(-45), Deg(155), Deg(-10)), WORLDRADIUS_KM, view);
    for (const CMapProjection* projection :
         {static_cast<const CMapProjection*>(&mercator), static_cast<const CMapProjection*>(&albers)}) {
        const CIntRect& limits = projection->GetViewLimits();
        for (int x = 0; x <= limits.right; x += 997) {
            for (int y = 0; y <= limits.bottom; y += 991) {
                CIntPoint back = projection->WorldToView(projection->ViewToWorld(CIntPoint{x, y}));
                EXPECT_LE(std::abs(back.x - x), 1) << projection->GetName();
                EXPECT_LE(std::abs(back.y - y), 1) << projection->GetName();
            }
        }
    }
    // A small world: a view unit is finer than a second, so world points come back exactly.
    mercator.Initialize(CLonLatRect(83000, 472000, 90000, 475000), WORLDRADIUS_KM, view);
    albers.Initialize(CLonLatRect(83000, 472000, 90000, 475000), WORLDRADIUS_KM, view);
    for (const CMapProjection* projection :
         {static_cast<const CMapProjection*>(&mercator), static_cast<const CMapProjection*>(&albers)}) {
        for (CLonLatPoint world :
             {CLonLatPoint(83000, 472000), CLonLatPoint(85917, 473059), CLonLatPoint(90000, 475000)}) {
            EXPECT_EQ(projection->ViewToWorld(projection->WorldToView(world)), world)
                << projection->GetName();
        }
    }

    // View points beyond the earth give the nearest valid coordinates.
    CMercatorProjection projection;
    projection.Initialize(CLonLatRect(Deg(100), Deg(0), Deg(179), Deg(20)), WORLDRADIUS_KM, view);
    CLonLatPoint far = projection.ViewToWorld(CIntPoint{view.right * 3, -view.bottom * 50});
    EXPECT_EQ(far.m_lon, 1800000);
    EXPECT_LE(far.m_lat, 900000);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MapProjectionTest, DocumentForwardsToItsCurrentProjectionAndClearsBackToOrthogonal) {
    CSableDocument document;
    EXPECT_EQ(document.GetMapProjectionType(), MP_ORTHOGONAL);
    EXPECT_FALSE(document.IsGeographicProjection());
    EXPECT_EQ(&document.GetMapProjection(), &document.GetOrthogonalProjection());

    document.SetMapProjectionType(MP_MERCATOR);
    document.SetWorldLimits(CLonLatRect(Deg(-10), Deg(35), Deg(30), Deg(60)));
    document.InitializeMapProjection();
    EXPECT_EQ(&document.GetMapProjection(), &document.GetMercatorProjection());
    EXPECT_EQ(document.GetViewLimits(), document.GetMercatorProjection().GetViewLimits());
    CLonLatPoint world(Deg(10), Deg(45));
    CIntPoint view[1];
    document.WorldToView(&world, view, 1);
    EXPECT_EQ(view[0], document.GetMercatorProjection().WorldToView(world));
    EXPECT_EQ(document.ViewToWorld(view[0]), document.GetMercatorProjection().ViewToWorld(view[0]));

    // A refused set-up keeps the view limits.
    CIntRect before = document.GetViewLimits();
    document.SetWorldLimits(CLonLatRect(Deg(-10), Deg(35), Deg(30), Deg(85)));
    EXPECT_THROW(document.InitializeMapProjection(), CUserException);
    EXPECT_EQ(document.GetViewLimits(), before);

    document.SetMapProjectionType(static_cast<MP_TYPE>(7));
    EXPECT_EQ(document.GetMapProjectionType(), MP_MERCATOR);
    document.GetGeoMap().Add(CMapPolygon(1, 2, {{0, 0}, {1, 0}, {0, 1}}));
    document.SetMapFileName("coast.map");
    document.Clear();
    EXPECT_EQ(document.GetMapProjectionType(), MP_ORTHOGONAL);
    EXPECT_FALSE(document.GetMercatorProjection().IsInitialized());
    EXPECT_TRUE(document.GetGeoMap().IsEmpty());
    EXPECT_TRUE(document.GetMapFileName().empty());
}

} // namespace
