#include <gtest/gtest.h>

#include "framework/application/sable_document.h"
#include "framework/exceptions/user_exception.h"
#include "model/distances/distance_data.h"
#include "model/distances/distance_norms.h"
#include "tests/model/distances/distance_fixture.h"

namespace {

using NormsTest = DistanceFixture;

double TwoFacilityDistance(const std::vector<CLonLatPoint>& locations, const SDistanceSettings& settings) {
    CDistanceData data;
    data.ComputeAllDistances(locations, settings);
    EXPECT_EQ(data.GetDistance(0, 1), data.GetDistance(1, 0));
    EXPECT_EQ(data.GetDistance(0, 0), 0.0);
    return data.GetDistance(0, 1);
}

TEST_F(NormsTest, PlanarNormsOnThreeFourFiveTriangleScaleWithTheFactor) {
    const std::vector<CLonLatPoint> points = {{0, 0}, {3, 4}};
    EXPECT_DOUBLE_EQ(TwoFacilityDistance(points, Planar(DN_RECTILINEAR, 2.0)), 14.0);
    EXPECT_DOUBLE_EQ(TwoFacilityDistance(points, Planar(DN_EUCLIDEAN)), 5.0);
    EXPECT_DOUBLE_EQ(TwoFacilityDistance(points, Planar(DN_CHEBYSHEV, 2.0)), 8.0);
    // Negative coordinates, and the single-pair function, as the matrix.
    EXPECT_DOUBLE_EQ(ComputeNormDistance({-3, 4}, {3, -4}, Planar(DN_EUCLIDEAN, 1.5)), 15.0);
    EXPECT_DOUBLE_EQ(TwoFacilityDistance({{6, 0}, {-1, 7}}, Planar(DN_RECTILINEAR)), 14.0);
}

TEST_F(NormsTest, GreatCircleConvertsPackedCoordinates) {
    // One degree along the equator, with the factor.
    EXPECT_NEAR(TwoFacilityDistance({{0, 0}, {10000, 0}}, Geographic(DN_GREAT_CIRCLE, 2.0)), 222.39, 0.01);
    // 30 minutes of latitude are half a degree, not 30 degrees.
    EXPECT_NEAR(TwoFacilityDistance({{0, 0}, {0, 3000}}, Geographic(DN_GREAT_CIRCLE)), 55.60, 0.01);
    // Minutes and seconds of a western, southern point.
    SDistanceSettings settings = Geographic(DN_GREAT_CIRCLE);
    settings.worldRadius = 3958.76;
    double expected = GreatCircleDistance(-(33 + 52 / 60.0 + 4 / 3600.0), -(70 + 39 / 60.0 + 30 / 3600.0),
                                          40 + 26 / 60.0, -(3 + 42 / 60.0), 3958.76);
    EXPECT_NEAR(ComputeNormDistance({-703930, -335204}, {-34200, 402600}, settings), expected, 1e-9);
}

TEST_F(NormsTest, RefusedCoordinatesAndExternalDistancesLeaveTheMatrixUnchanged) {
    CDistanceData data;
    data.SetSize(3);
    data.SetDistance(0, 1, 42.0);
    // The third facility has 60 seconds of latitude.
    EXPECT_THROW(data.ComputeAllDistances({{0, 0}, {10000, 0}, {0, 160}}, Geographic(DN_GREAT_CIRCLE)),
                 CUserException);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Invalid seconds in packed longitude/latitude 160 out of valid range [0, 59]"});
    // Externally specified distances are never computed, and quietly so.
    EXPECT_THROW(data.ComputeAllDistances({{0, 0}, {3, 4}, {5, 5}}, Planar(DN_EXTERNALLY_SPECIFIED)),
                 CUserException);
    EXPECT_THROW(data.ComputeFacilityDistances(1, {{0, 0}, {3, 4}, {5, 5}}, Planar(DN_EXTERNALLY_SPECIFIED)),
                 CUserException);
    EXPECT_EQ(data.GetDistance(0, 1), 42.0);
    EXPECT_EQ(Messages().size(), 1u);

    CDistanceData single;
    single.SetSize(1);
    single.SetDistance(0, 0, 3.0);
    single.ComputeAllDistances({{5, 5}}, Planar(DN_EXTERNALLY_SPECIFIED));
    single.ComputeAllDistances({{5, 5}}, Planar(DN_EUCLIDEAN));
    EXPECT_EQ(single.GetDistance(0, 0), 3.0);
}

TEST_F(NormsTest, MaxDistanceForBothProjectionKinds) {
    EXPECT_DOUBLE_EQ(GetMaxDistance(Planar(DN_EUCLIDEAN)), 5000.0);
    EXPECT_DOUBLE_EQ(GetMaxDistance(Planar(DN_CHEBYSHEV, 2.0)), 10000.0);
    SDistanceSettings extreme = Planar(DN_EUCLIDEAN);
    extreme.worldLimits = CLonLatRect(-GetMaxCoord(), -GetMaxCoord(), GetMaxCoord(), GetMaxCoord());
    EXPECT_NEAR(GetMaxDistance(extreme), std::hypot(2.0 * GetMaxCoord(), 2.0 * GetMaxCoord()), 1.0);

    // One degree of the equator: south-east corner (0, 1 E) to north-west corner (0, 0).
    SDistanceSettings equator = Geographic(DN_GREAT_CIRCLE, 2.0);
    equator.worldLimits = CLonLatRect(0, 0, 10000, 0);
    EXPECT_NEAR(GetMaxDistance(equator), 222.39, 0.01);
    SDistanceSettings box = Geographic(DN_GREAT_CIRCLE);
    EXPECT_DOUBLE_EQ(GetMaxDistance(box), GreatCircleDistance(-5.0, 10.0, 5.0, -10.0, 6371.0));
}

TEST_F(NormsTest, OfferedNormsDependOnProjectionAndRoadNetwork) {
    using Norms = std::vector<EDISTANCENORM>;
    EXPECT_EQ(GetOfferedDistanceNorms(false), (Norms{DN_RECTILINEAR, DN_EUCLIDEAN, DN_CHEBYSHEV}));
    EXPECT_EQ(GetOfferedDistanceNorms(true), (Norms{DN_GREAT_CIRCLE}));
    network.refuseStart = true;
    EXPECT_FALSE(SetRoadNetworkProvider(&network));
    EXPECT_EQ(GetOfferedDistanceNorms(true), (Norms{DN_GREAT_CIRCLE}));
    network.refuseStart = false;
    EXPECT_TRUE(SetRoadNetworkProvider(&network));
    EXPECT_EQ(GetOfferedDistanceNorms(true), (Norms{DN_GREAT_CIRCLE, DN_TRANSPORTATION_NETWORK}));
    // Each probe started the network; the good one also quit it.
    EXPECT_EQ(network.starts, 2);
    EXPECT_EQ(network.running, 0);
}

TEST_F(NormsTest, DistanceDialogsAndTheFactorCommandSetOnlyWhatChanged) {
    CSableDocument document;
    document.InitializeCommonParameters();
    document.SetModifiedFlag(false);
    // The norm dialog closed without a change keeps the norm and the modified flag.
    EXPECT_FALSE(ApplyDistanceNorm(document, DN_EUCLIDEAN));
    EXPECT_FALSE(document.IsModified());
    // 1.0005 differs from 1.0 by less than 0.001 x 1.0.
    EXPECT_FALSE(ApplyDistanceParameters(document, DN_EUCLIDEAN, 1.0005));
    EXPECT_EQ(document.GetDistanceFactor(), 1.0);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(ApplyDistanceParameters(document, DN_EUCLIDEAN, 2.5));
    EXPECT_TRUE(document.IsModified());

    // A factor out of range is refused, the norm still taken.
    EXPECT_TRUE(ApplyDistanceParameters(document, DN_RECTILINEAR, 9.5));
    EXPECT_EQ(document.GetDistanceNorm().GetNorm(), DN_RECTILINEAR);
    EXPECT_EQ(document.GetDistanceFactor(), 2.5);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid distance adjustment factor 9.500000 out of "
                                                   "valid range [1.000000, 9.000000]"});

    ui.doubleEdits.push_back(3.0);
    EXPECT_TRUE(EditDistanceFactor(document));
    EXPECT_EQ(document.GetDistanceFactor(), 3.0);
    EXPECT_EQ(ui.editTitles, std::vector<std::string>{"Edit Distance Factor"});
    EXPECT_EQ(ui.editPrompts[0], "Enter a value in the range [1.000, 9.000]:");
    // Cancel, and a value within the tolerance, change nothing.
    ui.doubleEdits.push_back(3.001);
    EXPECT_FALSE(EditDistanceFactor(document));
    EXPECT_FALSE(EditDistanceFactor(document));
    EXPECT_EQ(document.GetDistanceFactor(), 3.0);
}

} // namespace
