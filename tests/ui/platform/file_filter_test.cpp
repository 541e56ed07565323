// File-dialog filters in the system's two notations become Qt filters that show every file.

#include <gtest/gtest.h>

#include "ui/platform/qt_user_interface.h"

namespace {

TEST(FileDialogFilterTest, SystemFiltersBecomeQtFiltersThatShowFilesWithoutExtension) {
    EXPECT_EQ(ConvertFileFilter("Map Files (*.map)|*.map|All Files (*.*)|*.*||").toStdString(),
              "Map Files (*.map);;All Files (*)");
    EXPECT_EQ(ConvertFileFilter("glpsol Solution (*.sol);;All Files (*.*)").toStdString(),
              "glpsol Solution (*.sol);;All Files (*)");
    EXPECT_EQ(ConvertFileFilter("Import Files (*.dat)").toStdString(), "Import Files (*.dat);;All Files (*)");
}

} // namespace
