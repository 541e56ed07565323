#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/exceptions/user_exception.h"
#include "tests/support/app_fixture.h"

namespace {

class GlpkBindingTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        unsetenv("TRAMLET_GLPK_LIBRARY");
    }
    void TearDown() override {
        unsetenv("TRAMLET_GLPK_LIBRARY");
        AppFixture::TearDown();
    }
    static size_t Count(const std::string& text, const std::string& part) {
        size_t count = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
            ++count;
        }
        return count;
    }
};

TEST_F(GlpkBindingTest, RealLibraryLoadsOnceAndIsUnloadedAtExit) {
    ASSERT_EQ(app->GetGLPKLibraryHandle(), nullptr);
    ASSERT_EQ(app->LoadGPLKFunctionPointers(), 1);
    EXPECT_EQ(app->GetGLPKLibraryName(), "libglpk.so.40");
    EXPECT_NE(app->GetGLPKLibraryHandle(), nullptr);
    EXPECT_EQ(Count(ExecutionLog(), ": Loaded GLPK MIP solver DLL libglpk.so.40\n"), 1u);
    EXPECT_STREQ(app->glp_version(), "5.0");
    EXPECT_NE(app->m_pfn_glp_write_sol, nullptr);
    EXPECT_NE(app->m_pfn_glp_get_col_name, nullptr);

    // The entry points are exercised against GLPK by the crossover tests; here a problem is made and freed.
    glp_prob* lp = app->glp_create_prob();
    ASSERT_NE(lp, nullptr);
    app->glp_delete_prob(lp);

    app->ExitInstance();
    EXPECT_EQ(app->GetGLPKLibraryHandle(), nullptr);
    EXPECT_EQ(Count(ExecutionLog(), ": Unloaded GLPK MIP solver DLL libglpk.so.40\n"), 1u);
}

TEST_F(GlpkBindingTest, WrappersRefuseAndAMissingLibraryShowsTheMessageAndLeavesTheBindingUnloaded) {
    EXPECT_THROW(app->glp_version(), CUserException);
    EXPECT_THROW(app->glp_create_prob(), CUserException);
    EXPECT_NO_THROW(app->glp_delete_prob(nullptr));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"GLPK library has not been loaded",
                                                    "GLPK library has not been loaded"}));
    ui.ClearRecords();
    setenv("TRAMLET_GLPK_LIBRARY", "libno-such-glpk.so", 1);
    EXPECT_EQ(app->LoadGPLKFunctionPointers(), 0);
    EXPECT_EQ(app->GetGLPKLibraryHandle(), nullptr);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "Unable to load GLPK MIP solver DLL libno-such-glpk.so\nAll GLPK MIP solver "
                             "functions are unavailable");
    EXPECT_EQ(app->m_pfn_glp_add_cols, nullptr);
    // Another command tries again and fails the same way.
    EXPECT_EQ(app->LoadGPLKFunctionPointers(), 0);
    EXPECT_EQ(Messages().size(), 2u);
    EXPECT_EQ(ExecutionLog().find("Loaded GLPK"), std::string::npos);
    app->ExitInstance();
    EXPECT_EQ(ExecutionLog().find("Unloaded GLPK"), std::string::npos);
    EXPECT_EQ(ExecutionLog().find("could not be unloaded"), std::string::npos);
}

TEST_F(GlpkBindingTest, LibraryWithoutAnEntryPointIsReleasedAndNamesTheFunction) {
    setenv("TRAMLET_GLPK_LIBRARY", INCOMPLETE_GLPK_LIBRARY, 1);
    EXPECT_EQ(app->LoadGPLKFunctionPointers(), 0);
    EXPECT_EQ(app->GetGLPKLibraryHandle(), nullptr);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], std::string("Unable to find function glp_create_prob in GLPK MIP solver DLL ") +
                                 INCOMPLETE_GLPK_LIBRARY + "\nAll GLPK MIP solver functions are unavailable");
    // The entry points found before the missing one keep their addresses.
    EXPECT_NE(app->m_pfn_glp_create_index, nullptr);
    EXPECT_EQ(app->m_pfn_glp_create_prob, nullptr);
    EXPECT_EQ(Count(ExecutionLog(), "Loaded GLPK MIP solver DLL"), 1u);
    // A second attempt repeats the search, then the real library loads.
    EXPECT_EQ(app->LoadGPLKFunctionPointers(), 0);
    EXPECT_EQ(Messages().size(), 2u);
    unsetenv("TRAMLET_GLPK_LIBRARY");
    EXPECT_EQ(app->LoadGPLKFunctionPointers(), 1);
}

} // namespace
