#include <gtest/gtest.h>

#include "app/tramlet_app.h"
#include "tests/model/project_fixture.h"

namespace {

using TramletAppTest = AppFixture;

TEST_F(TramletAppTest, StartsWithTheProgramsRecordTablesAndNoProject) {
    CTramletApp tramlet;
    const char* argv[] = {"tramlet", "project.tramlet"};
    tramlet.ParseCommandLine(2, argv);
    ASSERT_TRUE(tramlet.InitInstance());
    EXPECT_TRUE(tramlet.IsIdle());
    EXPECT_EQ(tramlet.GetCommandLineProject(), "project.tramlet");
    EXPECT_EQ(tramlet.GetTramletDocument(), nullptr);
    EXPECT_NE(tramlet.GetErrorLogFileName().find("/Sable Routing/Tramlet/Tramlet Execution Log.log"),
              std::string::npos);

    CTramletDoc* doc = tramlet.OnFileNew();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(CTramletDoc::GetActiveDocument(), doc);
    EXPECT_EQ(tramlet.GetDocument(), doc);
    tramlet.ExitInstance();
    EXPECT_EQ(tramlet.GetTramletDocument(), nullptr);
    EXPECT_EQ(CTramletDoc::GetActiveDocument(), nullptr);
}

using FacilityEditTest = ProjectFixture;

TEST_F(FacilityEditTest, AChangedQuantityMovesTheTotalAndTheRouteLoad) {
    CFacility* d = AddDepot("d1", 0, 0);
    CFacility* c1 = AddCustomer("c1", 10, 0, 30);
    CRoute* route = AddRoute({d, c1, d});
    EXPECT_TRUE(doc->ChangeFacilityQuantity(c1, 45));
    EXPECT_EQ(c1->GetQuantity(), 45);
    EXPECT_EQ(doc->GetTotalQuantity(FT_CUSTOMER), 45);
    EXPECT_EQ(route->GetQuantity(FT_CUSTOMER), 45);
    RecordCurrentSolution();
    EXPECT_NO_THROW(doc->CheckSolution(true));
}

} // namespace
