#include "framework/platform/user_interface.h"

#include "framework/platform/console_user_interface.h"

namespace {
CUserInterface* g_userInterface = nullptr;
}

CUserInterface::~CUserInterface() {
    if (g_userInterface == this) {
        g_userInterface = nullptr;
    }
}

CUserInterface& GetUserInterface() {
    if (g_userInterface == nullptr) {
        static CConsoleUserInterface fallback;
        return fallback;
    }
    return *g_userInterface;
}

void SetUserInterface(CUserInterface* userInterface) {
    g_userInterface = userInterface;
}
