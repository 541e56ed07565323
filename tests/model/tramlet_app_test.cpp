#include <gtest/gtest.h>

#include "app/tramlet_app.h"
#include "tests/support/project_fixture.h"

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

} // namespace
