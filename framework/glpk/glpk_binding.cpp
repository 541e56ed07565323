#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"
#include "framework/strings/string_table.h"

namespace {

// GLPK's terminal output goes to stderr, never into a program's results on stdout.
int ForwardGlpkTerminalOutput(void*, const char* text) {
    std::fputs(text, stderr);
    return 1;
}

void ReportAndRaise(unsigned id) {
    DisplayErrorMessage(LoadResourceString(id), false);
    ThrowUserException();
}

} // namespace

std::string CSableWinApp::GetGLPKLibraryFileName() {
    const char* name = std::getenv("TRAMLET_GLPK_LIBRARY");
    return (name != nullptr && *name != '\0') ? std::string(name) : std::string("libglpk.so.40");
}

int CSableWinApp::LoadGPLKFunctionPointers() {
    m_strGLPKLibraryName = GetGLPKLibraryFileName();
    m_hGLPKLibrary = dlopen(m_strGLPKLibraryName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_hGLPKLibrary == nullptr) {
        DisplayErrorMessage(FormatString(LoadResourceString(37046).c_str(), m_strGLPKLibraryName.c_str()),
                            false);
        return 0;
    }
    WriteExecutionMessage(FormatString(LoadResourceString(37047).c_str(), m_strGLPKLibraryName.c_str()));
    const char* const* names = GlpkEntryPointNames();
    for (int i = 0; i < GLPK_ENTRY_POINT_COUNT; ++i) {
        void* address = dlsym(m_hGLPKLibrary, names[i]);
        if (address == nullptr) {
            DisplayErrorMessage(
                FormatString(LoadResourceString(37048).c_str(), names[i], m_strGLPKLibraryName.c_str()),
                false);
            dlclose(m_hGLPKLibrary);
            m_hGLPKLibrary = nullptr;
            return 0;
        }
        std::memcpy(GlpkEntryPointSlot(*this, i), &address, sizeof address);
    }
    // Not one of the bound entry points: used only to keep GLPK's chatter off stdout.
    if (void* hook = dlsym(m_hGLPKLibrary, "glp_term_hook")) {
        decltype(&::glp_term_hook) termHook = nullptr;
        std::memcpy(&termHook, &hook, sizeof hook);
        termHook(ForwardGlpkTerminalOutput, nullptr);
    }
    return 1;
}

const char* CSableWinApp::glp_version() {
    if (m_hGLPKLibrary == nullptr) {
        ReportAndRaise(37043);
    }
    const char* version = m_pfn_glp_version();
    if (version == nullptr || *version == '\0') {
        ReportAndRaise(37041);
    }
    return version;
}

glp_prob* CSableWinApp::glp_create_prob() {
    if (m_hGLPKLibrary == nullptr) {
        ReportAndRaise(37043);
    }
    glp_prob* problem = m_pfn_glp_create_prob();
    if (problem == nullptr) {
        ReportAndRaise(37042);
    }
    return problem;
}

void CSableWinApp::glp_delete_prob(glp_prob* problem) {
    // Only problems made by glp_create_prob while the library is loaded can be deleted.
    if (m_hGLPKLibrary == nullptr || problem == nullptr) {
        return;
    }
    m_pfn_glp_delete_prob(problem);
}

void CSableWinApp::UnloadGLPKLibrary() {
    if (m_hGLPKLibrary == nullptr) {
        return;
    }
    m_pfn_glp_free_env();
    bool released = dlclose(m_hGLPKLibrary) == 0;
    m_hGLPKLibrary = nullptr;
    std::string line =
        FormatString(LoadResourceString(released ? 37044 : 37045).c_str(), m_strGLPKLibraryName.c_str());
    // Every execution-log entry stands on its own line.
    if (line.empty() || line.back() != '\n') {
        line += '\n';
    }
    WriteExecutionMessage(line);
}
