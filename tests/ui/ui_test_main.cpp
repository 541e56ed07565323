// The ui suites run with a QApplication on the offscreen platform (no display needed).

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

// Allocations that the platform's font and display libraries keep for the life of the process;
// they are not the program's and LeakSanitizer is told to ignore them.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libQt6Gui.so\nleak:libglib-2.0.so\n";
}

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tramlet");
    QApplication::setOrganizationName("Sable Routing Tests");
    return RUN_ALL_TESTS();
}
