// The ui suites run with a QApplication on the offscreen platform (no display needed).

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tramlet");
    QApplication::setOrganizationName("Sable Routing Tests");
    return RUN_ALL_TESTS();
}
