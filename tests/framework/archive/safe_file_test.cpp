#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "framework/archive/safe_file.h"
#include "framework/exceptions/file_exception.h"
#include "tests/support/app_fixture.h"

namespace {

TEST(SafeFileTest,
     AReplacedFileKeepsItsPermissionsALinkKeepsPointingAtItAndAnUncommittedWriterChangesNothing) {
    CTempFolder folder;
    const std::string path = folder.File("real.tramlet");
    WriteFileSafely(path, "first");
    ::chmod(path.c_str(), 0640);
    std::filesystem::create_symlink("real.tramlet", folder.Path() / "link.tramlet");
    WriteFileSafely(folder.File("link.tramlet"), std::string("second\0bytes", 12));
    EXPECT_EQ(ReadFileBytes(path), std::string("second\0bytes", 12));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.Path() / "link.tramlet"));
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    // No temporary file is left beside them.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);

    // A writer given up before its commit leaves the old file alone.
    {
        CSafeFileWriter writer(path);
        writer.Write("partial", 7);
    }
    EXPECT_EQ(ReadFileBytes(path), std::string("second\0bytes", 12));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
    // A missing file is reported with its name by the project file tests; a folder is no file.
    EXPECT_THROW(ReadFileBytes(folder.Path().string()), CFileException);
}

} // namespace
