#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "framework/exceptions/user_exception.h"
#include "framework/geography/lon_lat.h"
#include "framework/geography/real_geometry.h"
#include "tests/support/app_fixture.h"

namespace {

using CoordinatesTest = AppFixture;

TEST_F(CoordinatesTest, PackedDegreesMinutesSecondsRoundTripInBothSignsAndRoundingCarriesWithTheSign) {
    const double expected = 123.0 + 45.0 / 60.0 + 30.0 / 3600.0;
    EXPECT_DOUBLE_EQ(DegMinSecToFracDeg(1234530), expected);
    EXPECT_DOUBLE_EQ(DegMinSecToFracDeg(-1234530), -expected);
    EXPECT_EQ(FracDegToDegMinSec(expected), 1234530);
    EXPECT_EQ(FracDegToDegMinSec(-expected), -1234530);
    // Parts below a degree keep the sign too.
    EXPECT_DOUBLE_EQ(DegMinSecToFracDeg(-30), -30.0 / 3600.0);
    EXPECT_EQ(FracDegToDegMinSec(-30.0 / 3600.0), -30);
    EXPECT_DOUBLE_EQ(DegMinSecToFracDeg(1800000), 180.0);
    EXPECT_EQ(CLonLatPoint(-1234530, 1800000).GetFracLatitude(), 180.0);
    EXPECT_TRUE(Messages().empty());

    // 10 degrees 59 minutes 59.9999 seconds becomes 11 degrees.
    double almostEleven = 10.0 + 59.0 / 60.0 + 59.9999 / 3600.0;
    EXPECT_EQ(FracDegToDegMinSec(almostEleven), 110000);
    EXPECT_EQ(FracDegToDegMinSec(-almostEleven), -110000);
    // 45 degrees 12 minutes 59.7 seconds carries into the minutes only.
    EXPECT_EQ(FracDegToDegMinSec(45.0 + 12.0 / 60.0 + 59.7 / 3600.0), 451300);
    // Halves of a second go away from zero.
    EXPECT_EQ(FracDegToDegMinSec(2.5 / 3600.0), 3);
    EXPECT_EQ(FracDegToDegMinSec(-2.5 / 3600.0), -3);
    EXPECT_EQ(FracDegToDegMinSec(179.99999999), 1800000);
    EXPECT_EQ(FracDegToDegMinSec(0.0), 0);
}

TEST_F(CoordinatesTest, PackedValuesWithSixtySecondsOrMinutesOrBeyondTheRangeAreRefused) {
    struct Case {
        int packed;
        const char* message;
    } cases[] = {
        {1234560, "Invalid seconds in packed longitude/latitude 1234560 out of valid range [0, 59]"},
        {-1234560, "Invalid seconds in packed longitude/latitude -1234560 out of valid range [0, 59]"},
        {1236030, "Invalid minutes in packed longitude/latitude 1236030 out of valid range [0, 59]"},
        {1800001, "Invalide packed longitude or latitude 1800001 out of valid range [-1800000, 1800000]"},
        {-1810000, "Invalide packed longitude or latitude -1810000 out of valid range [-1800000, 1800000]"},
    };
    for (const Case& c : cases) {
        ui.ClearRecords();
        EXPECT_THROW(DegMinSecToFracDeg(c.packed), CUserException) << c.packed;
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
    }
    // The refusal is not silent: it reaches the execution log.
    EXPECT_NE(ExecutionLog().find(cases[0].message), std::string::npos);

    // Fractional degrees beyond 180 are refused too.
    ui.ClearRecords();
    EXPECT_THROW(FracDegToDegMinSec(180.0001), CUserException);
    EXPECT_THROW(FracDegToDegMinSec(-200.5), CUserException);
    EXPECT_THROW(FracDegToDegMinSec(std::nan("")), CUserException);
    std::vector<std::string> messages = Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], "Invalide latitude or longitude 180.000100 out of valid range [-180, 180]");
    EXPECT_EQ(messages[1], "Invalide latitude or longitude -200.500000 out of valid range [-180, 180]");
}

TEST_F(CoordinatesTest, GreatCircleDistanceOfSamePointIsZeroOfAnEquatorDegreeAbout111KmAndRefusals) {
    // Points whose cosine term rounds just above 1 must still give 0, not NaN.
    for (double latitude : {0.0, 37.7749, -33.8688, 51.4778, 89.5}) {
        double distance = GreatCircleDistance(latitude, -122.4194, latitude, -122.4194, WORLDRADIUS_KM);
        EXPECT_EQ(distance, 0.0) << latitude;
    }
    EXPECT_NEAR(GreatCircleDistance(0.0, 10.0, 0.0, 11.0, WORLDRADIUS_KM), 111.19, 0.01);
    EXPECT_NEAR(GreatCircleDistance(0.0, 10.0, 0.0, 11.0, WORLDRADIUS_MILES), 69.09, 0.01);
    // Pole to pole is half the circumference.
    EXPECT_NEAR(GreatCircleDistance(90.0, 0.0, -90.0, 0.0, 1.0), M_PI, 1e-9);
    EXPECT_TRUE(Messages().empty());

    // Bad radius and coordinates are refused in an exclamation box.
    EXPECT_THROW(GreatCircleDistance(0.0, 0.0, 1.0, 1.0, 0.0), CUserException);
    EXPECT_THROW(GreatCircleDistance(91.0, 0.0, 1.0, 1.0, WORLDRADIUS_KM), CUserException);
    EXPECT_THROW(GreatCircleDistance(0.0, 0.0, 10.0, -180.5, WORLDRADIUS_KM), CUserException);
    std::vector<std::string> messages = Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], "Invalid use of non-positive world radius 0.000000");
    EXPECT_EQ(messages[1],
              "Invalid latitude and longitude coordinates [91.000000, 0.000000] outside valid range "
              "[-90.000000, 90.000000] to [-180.000000, 180.000000]");
    EXPECT_EQ(messages[2],
              "Invalid latitude and longitude coordinates [10.000000, -180.500000] outside valid range "
              "[-90.000000, 90.000000] to [-180.000000, 180.000000]");
    EXPECT_EQ(ui.messages[1].icon, EMessageIcon::exclamation);
}

TEST_F(CoordinatesTest, PackedCoordinateTextIsValidatedAsLongitudeOrLatitude) {
    int packed = 0;
    std::string message;
    EXPECT_TRUE(DecodePackedCoordinate("-0894559", true, packed, message));
    EXPECT_EQ(packed, -894559);
    EXPECT_TRUE(DecodePackedCoordinate("1795959", false, packed, message));
    EXPECT_EQ(packed, 1795959);

    struct Case {
        const char* text;
        bool latitude;
        const char* message;
    } cases[] = {
        {"-1234567", false,
         "Invalid seconds in packed longitude/latitude -1234567 out of valid range [0, 59]"},
        {"456000", true, "Invalid minutes in packed longitude/latitude 456000 out of valid range [0, 59]"},
        {"910000", true, "Invalid degrees in packed latitude 910000 out of valid range [-90, 90]"},
        {"1810000", false, "Invalid degrees in packed longitude 1810000 out of valid range [-180, 180]"},
        // The bounds themselves lie outside: the range is open.
        {"900000", true, "Invalide packed longitude or latitude 900000 out of valid range [-900000, 900000]"},
        {"-1805959", false,
         "Invalide packed longitude or latitude -1805959 out of valid range [-1800000, 1800000]"},
        {"12x", false, "Invalide packed longitude or latitude 12x out of valid range [-1800000, 1800000]"},
        {"", true, "Invalide packed longitude or latitude  out of valid range [-900000, 900000]"},
    };
    for (const Case& c : cases) {
        packed = 7;
        EXPECT_FALSE(DecodePackedCoordinate(c.text, c.latitude, packed, message)) << c.text;
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(packed, 7) << "a refused value is not stored";
    }
    EXPECT_FALSE(DecodePackedCoordinate("900000", true, packed, message,
                                        "Invalid minimum latitude %s out of range [%ld, %ld]"));
    EXPECT_EQ(message, "Invalid minimum latitude 900000 out of range [-900000, 900000]");
    // Nothing was shown: the caller decides how to report.
    EXPECT_TRUE(ui.messages.empty());
}

TEST(RealGeometryTest, RoundingGoesAwayFromZeroAndSaturates) {
    EXPECT_EQ(CRealPoint(2.5, -2.5).Round(), (CIntPoint{3, -3}));
    EXPECT_EQ((CRealPoint(1e12, 0) - CRealPoint(0, 1e12)).Round(), (CIntPoint{INT_MAX, INT_MIN}));
    EXPECT_EQ(CRealPoint(std::nan(""), 1.0).Round(), (CIntPoint{0, 1}));
}

TEST(RealGeometryTest, LinesIntersectMeasureAndRectanglesGrow) {
    CVectorLine diagonal(CRealPoint(0, 0), CRealPoint(4, 4));
    CVectorLine crossing(CRealPoint(0, 4), CRealPoint(4, 0));
    ASSERT_TRUE(diagonal.Intersect(crossing).has_value());
    EXPECT_DOUBLE_EQ(*diagonal.Intersect(crossing), 0.5);
    EXPECT_FALSE(diagonal.Intersect(CVectorLine(CRealPoint(1, 0), CRealPoint(5, 4))).has_value());
    EXPECT_FALSE(diagonal.Intersect(CVectorLine(CRealPoint(1, 1), CRealPoint(1, 1))).has_value());
    EXPECT_NEAR(diagonal.DistanceToLine(CRealPoint(0, 4)), std::sqrt(8.0), 1e-12);
    // Beyond the end the segment distance is to the end point.
    EXPECT_DOUBLE_EQ(diagonal.DistanceToSegment(CRealPoint(7, 8)), 5.0);

    CRealRect rect(2, 3, 2, 3);
    rect.Include(CRealPoint(-1, 5));
    EXPECT_EQ(rect, CRealRect(-1, 3, 2, 5));
    CRealRect swapped(5, 6, 1, 2);
    swapped.NormalizeRect();
    EXPECT_EQ(swapped, CRealRect(1, 2, 5, 6));
    EXPECT_EQ(CRealRect::Union(CRealRect(), swapped), swapped);
    EXPECT_EQ(CRealRect::Union(rect, swapped), CRealRect(-1, 2, 5, 6));
}

} // namespace
