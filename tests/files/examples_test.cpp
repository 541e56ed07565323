#include <gtest/gtest.h>

#include "files/text_project_import.h"
#include "tests/support/project_fixture.h"

namespace {

std::string Example(const std::string& name) {
    return std::string(EXAMPLES_DIR) + "/" + name + "/" + name + ".dat";
}

} // namespace

using ExamplesTest = ProjectFixture;

TEST_F(ExamplesTest, ShippedProjectsImportWithoutComplaint) {
    for (const char* name : {"harbour", "random50", "random200", "prairie"}) {
        std::unique_ptr<CTramletDoc> imported = OpenTextProject(Example(name));
        ASSERT_NE(imported, nullptr) << name;
        EXPECT_TRUE(Messages().empty()) << name << ": " << (Messages().empty() ? "" : Messages().front());
        EXPECT_GT(imported->GetTotalNumberOfFacilities(), 0) << name;
        EXPECT_EQ(imported->GetRoutedCount(), imported->GetNumberOfRoutes() > 0 ? 13 : 0) << name;
        // A shipped solution passes the consistency check.
        if (imported->GetNumberOfRoutes() > 0) {
            imported->CheckSolution(true);
            EXPECT_TRUE(Messages().empty()) << name;
        }
        doc->MakeActive();
    }
}

TEST_F(ExamplesTest, RandomExampleIsReproducibleFromItsSeed) {
    SRandomFacilitiesRequest request;
    request.number[FT_CUSTOMER] = 133;
    request.number[FT_SUPPLIER] = 66;
    request.number[FT_DEPOT] = 1;
    request.maxQuantity[0] = request.maxQuantity[1] = 30;
    request.seed = 2026;
    ASSERT_TRUE(doc->AddRandomFacilities(request));
    std::unique_ptr<CTramletDoc> shipped = OpenTextProject(Example("random200"));
    ASSERT_NE(shipped, nullptr);
    ASSERT_EQ(shipped->GetTotalNumberOfFacilities(), 200);
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(shipped->GetFacility(i)->GetLabel(), doc->GetFacility(i)->GetLabel());
        EXPECT_EQ(shipped->GetFacility(i)->GetWorldLocation(), doc->GetFacility(i)->GetWorldLocation()) << i;
        EXPECT_EQ(shipped->GetFacility(i)->GetQuantity(), doc->GetFacility(i)->GetQuantity()) << i;
    }
    EXPECT_EQ(shipped->GetSeed(), 2026);
    doc->MakeActive();
}
