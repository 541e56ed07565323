#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "optimisation/mip_formulation.h"
#include "tests/optimisation/mip_test_support.h"

using Texts = std::vector<std::string>;

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

class MipFormulationTest : public MipFixture {};

// Depot, one customer (demand 4) at distance 5 and one supplier (supply 3) at distance 10 from
// the depot and 5 from the customer; two vehicles of capacity 10.
TEST_F(MipFormulationTest, WritesTheWholeModelOfTwoVehiclesOneCustomerOneSupplier) {
    AddDepot("d", 0, 0);
    AddCustomer("c", 3, 4, 4);
    AddSupplier("s", 6, 8, 3);
    ASSERT_TRUE(doc->SetNumberOfVehicles(2));
    ASSERT_TRUE(doc->SetVehicleCapacity(10));

    const std::string expected =
        "Min total_length\ns.t.\nsum_lengths: \n"
        "+ 5.000 x(0,1,1)\t+ 5.000 x(0,1,2)\t\n"
        "+ 10.000 x(0,2,1)\t+ 10.000 x(0,2,2)\t\n"
        "\n"
        "+ 5.000 x(1,2,1)\t+ 5.000 x(1,2,2)\t\n"
        "+ 5.000 x(1,3,1)\t+ 5.000 x(1,3,2)\t\n"
        "\n"
        "+ 10.000 x(2,3,1)\t+ 10.000 x(2,3,2)\t\n"
        "\n"
        "- total_length = 0\n\n"
        "facility_service(1):\n+ x(1,2,1)\t+ x(1,2,2)\t\n+ x(1,3,1)\t+ x(1,3,2)\t\n= 1\n\n"
        "facility_service(2):\n+ x(2,3,1)\t+ x(2,3,2)\t\n= 1\n\n"
        "route_count:\n+ x(0,1,1)\t+ x(0,1,2)\t\n+ x(0,2,1)\t+ x(0,2,2)\t\n+ x(0,3,1)\t+ x(0,3,2)\t\n<= 2\n\n"
        "vehicle_depart_depot(1):\n+ x(0,1,1)\t+ x(0,2,1)\t+ x(0,3,1)\t= 1\n"
        "vehicle_flow_conservation(1,1):\n+ x(0,1,1)\t\n- x(1,2,1)\t- x(1,3,1)\t= 0\n"
        "vehicle_flow_conservation(2,1):\n+ x(0,2,1)\t+ x(1,2,1)\t\n- x(2,3,1)\t= 0\n"
        "vehicle_return_depot(1):\n+ x(0,3,1)\t+ x(1,3,1)\t+ x(2,3,1)\t= 1\n\n"
        "vehicle_depart_depot(2):\n+ x(0,1,2)\t+ x(0,2,2)\t+ x(0,3,2)\t= 1\n"
        "vehicle_flow_conservation(1,2):\n+ x(0,1,2)\t\n- x(1,2,2)\t- x(1,3,2)\t= 0\n"
        "vehicle_flow_conservation(2,2):\n+ x(0,2,2)\t+ x(1,2,2)\t\n- x(2,3,2)\t= 0\n"
        "vehicle_return_depot(2):\n+ x(0,3,2)\t+ x(1,3,2)\t+ x(2,3,2)\t= 1\n\n"
        "lineload_lower_bound(1,1): ql(1,1) >= 4\n"
        "lineload_lower_bound(1,2): ql(1,2) >= 4\n"
        "backload_lower_bound(2,1): qb(2,1) >= 3\n"
        "backload_lower_bound(2,2): qb(2,2) >= 3\n"
        "lineload_upper_bound(1,1): ql(1,1) <= 10\n"
        "lineload_upper_bound(1,2): ql(1,2) <= 10\n"
        "backload_upper_bound(2,1): qb(2,1) <= 10\n"
        "backload_upper_bound(2,2): qb(2,2) <= 10\n"
        "\n"
        "required_route(1): x(0,3,1) = 0\n"
        "\nsymmetry_break_outarcs(1,1):\n+ x(1,2,1)\t+ x(1,3,1)\t= 1\n"
        "x(1,2,2) = 0\nx(1,3,2) = 0\n"
        "\nsymmetry_break_inarcs(1,1):\n+ x(0,1,1)\t= 1\n"
        "x(0,1,2) = 0\n"
        "\nbinary\n"
        "x(0,1,1)\nx(0,1,2)\nx(0,2,1)\nx(0,2,2)\nx(0,3,1)\nx(0,3,2)\n"
        "x(1,2,1)\nx(1,2,2)\nx(1,3,1)\nx(1,3,2)\nx(2,3,1)\nx(2,3,2)\n"
        "end\n";
    EXPECT_EQ(Model(), expected);
    // The writer changes nothing in the project.
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_FALSE(doc->IsAlgorithmRunning());
    EXPECT_TRUE(TakeMessages().empty());
}

// Two customers and two suppliers: the load increments go between facilities of one kind, the
// predecessors of a supplier are every customer and the other suppliers.
TEST_F(MipFormulationTest, LoadIncrementsAndPredecessorsFollowTheBackhaulOrder) {
    AddDepot("d", 0, 0);
    AddCustomer("c1", 0, 10, 7);
    AddCustomer("c2", 10, 0, 2);
    AddSupplier("s1", 0, -10, 6);
    AddSupplier("s2", -10, 0, 1);
    ASSERT_TRUE(doc->SetNumberOfVehicles(2));
    ASSERT_TRUE(doc->SetVehicleCapacity(20));
    std::string model = Model();

    EXPECT_TRUE(Contains(model, "lineload_increment(2,1,1): ql(2,1) - ql(1,1) + 20 x(2,1,1) <= 13\n"
                                "lineload_increment(2,1,2): ql(2,2) - ql(1,2) + 20 x(2,1,2) <= 13\n"
                                "lineload_increment(1,2,1): ql(1,1) - ql(2,1) + 20 x(1,2,1) <= 18\n"
                                "lineload_increment(1,2,2): ql(1,2) - ql(2,2) + 20 x(1,2,2) <= 18\n"
                                "backload_increment(4,3,1): qb(4,1) - qb(3,1) + 20 x(4,3,1) <= 14\n"))
        << model;
    EXPECT_FALSE(Contains(model, "lineload_increment(1,3,"))
        << "no load increment from a customer to a supplier";
    EXPECT_TRUE(Contains(model, "vehicle_flow_conservation(3,2):\n+ x(0,3,2)\t+ x(1,3,2)\t+ x(2,3,2)\t+ "
                                "x(4,3,2)\t\n- x(3,4,2)\t- x(3,5,2)\t= 0\n"));
    // No arc leads from a supplier back to a customer.
    EXPECT_FALSE(Contains(model, "x(3,1,"));
    EXPECT_FALSE(Contains(model, "x(4,2,"));
    EXPECT_TRUE(Contains(model, "+ 14.142 x(1,2,1)\t+ 14.142 x(1,2,2)\t\n"));
}

// Demand 25 and supply 10 with capacity 10 need three vehicles; the largest quantity decides
// which facility vehicle 1 serves, a customer before a supplier of the same quantity.
TEST_F(MipFormulationTest, RequiredRoutesAndSymmetryBreakingFollowTheQuantities) {
    AddDepot("d", 0, 0);
    AddCustomer("c1", 0, 10, 5);
    AddCustomer("c2", 10, 0, 10);
    AddCustomer("c3", 10, 10, 10);
    AddSupplier("s1", 0, -10, 10);
    ASSERT_TRUE(doc->SetNumberOfVehicles(4));
    ASSERT_TRUE(doc->SetVehicleCapacity(10));
    std::string model = Model();

    EXPECT_TRUE(Contains(model, "\nrequired_route(1): x(0,5,1) = 0\nrequired_route(2): x(0,5,2) = 0\n"
                                "required_route(3): x(0,5,3) = 0\n\nsymmetry_break_outarcs(2,1):\n"))
        << model;
    EXPECT_FALSE(Contains(model, "required_route(4)"));
    EXPECT_TRUE(Contains(model, "\nsymmetry_break_inarcs(2,1):\n+ x(0,2,1)\t+ x(1,2,1)\t+ x(3,2,1)\t= 1\n"
                                "x(0,2,2) = 0\nx(1,2,2) = 0\nx(3,2,2) = 0\nx(0,2,3) = 0\n"));
    EXPECT_TRUE(Contains(model, "x(2,5,4) = 0\n\nsymmetry_break_inarcs"));
}

TEST_F(MipFormulationTest, WithoutAnyQuantityNoFacilityIsChosenForVehicleOne) {
    AddDepot("d", 0, 0);
    AddCustomer("c1", 0, 10, 0);
    AddSupplier("s1", 0, -10, 0);
    ASSERT_TRUE(doc->SetNumberOfVehicles(2));
    std::string model = Model();
    EXPECT_FALSE(Contains(model, "required_route"));
    EXPECT_FALSE(Contains(model, "symmetry_break"));
    EXPECT_TRUE(Contains(model, "backload_upper_bound(2,2): qb(2,2) <= 100\n\n\nbinary\n")) << model;
}

// The bounds of the objective: an upper bound only from a complete solution the fleet can drive,
// a lower bound only when the best lower bound is above 0.
TEST_F(MipFormulationTest, ObjectiveBoundsComeFromTheCurrentSolution) {
    CFacility* d = AddDepot("d", 0, 0);
    CFacility* c1 = AddCustomer("c1", 0, 30, 5);
    CFacility* c2 = AddCustomer("c2", 40, 0, 5);
    CFacility* s1 = AddSupplier("s1", 0, -30, 5);
    ASSERT_TRUE(doc->SetNumberOfVehicles(2));

    std::string model = Model();
    EXPECT_FALSE(Contains(model, "total_length_upper_bound"));
    EXPECT_FALSE(Contains(model, "total_length_lower_bound"));

    // Not every facility routed: still no upper bound.
    AddRoute({d, c1, s1, d});
    RecordCurrentSolution();
    EXPECT_FALSE(Contains(Model(), "total_length_upper_bound"));

    AddRoute({d, c2, d});
    RecordCurrentSolution();
    doc->GetCurrentSolution().m_dBestLowerBound = 100.0;
    model = Model();
    // 60 + 2 x 30 + 2 x 40 = 200.
    EXPECT_TRUE(Contains(model, "x(2,1,2) = 0\n\ntotal_length_upper_bound: total_length <= 200.000200\n"
                                "\ntotal_length_lower_bound: total_length >= 99.999900\n\nbinary\n"))
        << model;

    // Three routes for two vehicles: the solution bounds nothing the fleet can reach.
    doc->DeleteAllRoutes();
    AddRoute({d, c1, d});
    AddRoute({d, c2, d});
    AddRoute({d, s1, d});
    RecordCurrentSolution();
    EXPECT_FALSE(Contains(Model(), "total_length_upper_bound"));
}

// An existing longer file is emptied first, so no tail of the old model is left behind.
TEST_F(MipFormulationTest, OverwritingALongerModelLeavesNoTail) {
    AddDepot("d", 0, 0);
    AddCustomer("c1", 0, 10, 5);
    AddSupplier("s1", 0, -10, 5);
    ASSERT_TRUE(doc->SetNumberOfVehicles(5));
    std::string longer = Model();
    ASSERT_TRUE(doc->SetNumberOfVehicles(2));
    std::string shorter = Model("fresh.lp");
    ASSERT_LT(shorter.size(), longer.size());
    EXPECT_EQ(Model(), shorter);
}

TEST_F(MipFormulationTest, AFileThatCannotBeWrittenShowsTheFileError) {
    AddDepot("d", 0, 0);
    AddCustomer("c1", 0, 10, 5);
    ASSERT_TRUE(doc->SetNumberOfVehicles(2));
    std::string path = folder->File("missing/model.lp");
    EXPECT_FALSE(OnWriteLPFormulation(*doc, path));
    EXPECT_EQ(TakeMessages(),
              Texts{"Could not write to LP formulation file \"" + path +
                    "\"\nThe operating system returned error code 2: No such file or directory"});
    EXPECT_FALSE(doc->IsAlgorithmRunning());
    EXPECT_TRUE(app->IsIdle());
    // A write that fails after the open is no success either.
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_FALSE(OnWriteLPFormulation(*doc, "/dev/full"));
        EXPECT_EQ(TakeMessages(), Texts{"Could not write to LP formulation file \"/dev/full\"\nThe operating "
                                        "system returned error code 28: No space left on device"});
    }
}

// The command is there only with a depot, something to route and more than one vehicle; its save
// dialog proposes the project's base name, and Cancel writes nothing.
TEST_F(MipFormulationTest, CommandNeedsTwoVehiclesAndItsDialogCanBeCancelled) {
    AddDepot("d", 0, 0);
    AddCustomer("c1", 0, 10, 5);
    ASSERT_TRUE(doc->SetNumberOfVehicles(1));
    std::string path = folder->File("model.lp");
    EXPECT_FALSE(OnWriteLPFormulation(*doc, path));
    EXPECT_FALSE(std::filesystem::exists(path));

    ASSERT_TRUE(doc->SetNumberOfVehicles(2));
    EXPECT_FALSE(OnWriteLPFormulation(*doc));
    ui.fileDialogPaths.push_back(path);
    EXPECT_TRUE(OnWriteLPFormulation(*doc));
    EXPECT_EQ(ReadWholeFile(path).rfind("Min total_length\ns.t.\n", 0), 0u);
}
