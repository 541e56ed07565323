#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "construction/polar_angles.h"
#include "framework/parameters/long_parameter.h"
#include "tests/support/project_fixture.h"

namespace {

constexpr double kPi = POLAR_TWO_PI / 2;

// Depot at (5000, 5000); customers east, north-east, at the depot and below it; suppliers
// north and west.
class PolarAnglesTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        AddDepot("d1", 5000, 5000);
        AddCustomer("east", 6000, 5000, 10);
        AddCustomer("ne", 6000, 6000, 20);
        AddCustomer("here", 5000, 5000, 30);
        AddCustomer("below", 5000, 3000, 40);
        AddSupplier("north", 5000, 5500, 15);
        AddSupplier("west", 4000, 5000, 25);
    }
    void ExpectAngles(const std::vector<double>& expected) {
        ComputePolarAngles(*doc, PS_CUSTOMERS_AND_SUPPLIERS, angles, radii, order);
        ASSERT_EQ(angles.GetSize(), static_cast<int>(expected.size()));
        for (int k = 0; k < angles.GetSize(); ++k) {
            EXPECT_NEAR(angles[k], expected[k], 1e-12) << k;
        }
    }
    CDoubleVector angles, radii;
    CLongVector order;
};

TEST_F(PolarAnglesTest, AnglesRadiiOrderAndSelections) {
    ExpectAngles({0.0, kPi / 4, 0.0, 3 * kPi / 2, kPi / 2, kPi});
    EXPECT_EQ((std::vector<double>{radii[1], radii[2], radii[4]}),
              (std::vector<double>{std::hypot(1000.0, 1000.0), 0.0, 500.0}));
    // east and here share angle 0 in either order.
    EXPECT_EQ(order[0] + order[1], 0 + 2);
    EXPECT_EQ((std::vector<int>{order[2], order[3], order[4], order[5]}), (std::vector<int>{1, 4, 5, 3}));

    ComputePolarAngles(*doc, PS_SUPPLIERS, angles, radii, order);
    EXPECT_EQ(angles.GetSize(), 2);
    EXPECT_THROW(ComputePolarAngles(*doc, 3, angles, radii, order), std::invalid_argument);
}

TEST_F(PolarAnglesTest, StartingAngleNinetyPutsStraightUpAtZeroAndDownAtPi) {
    doc->SetStartingAngle(90);
    // At the depot: atan2(0, 0) = 0 before the shift, like east.
    ExpectAngles({3 * kPi / 2, 7 * kPi / 4, 3 * kPi / 2, kPi, 0.0, kPi / 2});
    EXPECT_EQ(order[0], 4);
    EXPECT_EQ(order[5], 1);
}

TEST_F(ProjectFixture, PolarDebugTablesBeforeAndAfterSortingGoToTheOutputLog) {
    AddDepot("d1", 5000, 5000);
    AddCustomer("c1", 5000, 4000, 10);
    AddSupplier("s1", 5000, 6000, 20);
    std::string log = home->File("polar.log");
    app->SetOutputLogFileName(log);
    const std::string opening = ReadWholeFile(log);
    CDoubleVector angles, radii;
    CLongVector order;
    ComputePolarAngles(*doc, PS_CUSTOMERS_AND_SUPPLIERS, angles, radii, order);
    EXPECT_EQ(ReadWholeFile(log), opening) << "nothing below Debug";

    doc->SetReportLevel(REPORT_DEBUG);
    ComputePolarAngles(*doc, PS_CUSTOMERS_AND_SUPPLIERS, angles, radii, order);
    const std::string header = "Fac. Type\tLabel\tX-Coord\tY-Coord\tPolar Angle\tRadius\tQuantity\n\n";
    const std::string c1 = "Customer\tc1\t5000\t4000\t4.712\t 1000.0\t   10\n";
    const std::string s1 = "Supplier\ts1\t5000\t6000\t1.571\t 1000.0\t   20\n";
    EXPECT_EQ(ReadWholeFile(log), opening + "\nStarting Angle (radians, degrees) = 0.000000     0\n\n" +
                                      header + "Depot   \td1\t5000\t5000\n\n" + c1 + s1 + "\n" + header + s1 +
                                      c1 + "\n");
}

} // namespace
