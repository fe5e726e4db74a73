// New files: created only where nothing holds the name yet, with exactly the bytes given.
#include "app/file_ops.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace taremo {
namespace {

namespace fs = std::filesystem;
using namespace testing;

TEST(CreateNewFile, WritesExactBytesOnlyWhereNothingHoldsTheName)
{
    TempDir dir;
    EXPECT_TRUE(fileops::CreateNewFile(dir / "page.htm", "\"<HTML> <\\HTML>\"\r\n"));
    EXPECT_EQ(readBytes(dir / "page.htm"), "\"<HTML> <\\HTML>\"\r\n");
    EXPECT_TRUE(fileops::CreateNewFile(dir / "empty.ini", ""));
    EXPECT_TRUE(fs::is_regular_file(dir / "empty.ini"));
    EXPECT_FALSE(fileops::IsMarkedReadOnly(dir / "empty.ini")) << "no later save could replace it";

    // Whatever holds the name stays as it was: a file keeps its bytes, a folder its place.
    writeBytes(dir / "start.ini", "[LastOpen]\r\nLanguage=3\r\n");
    EXPECT_FALSE(fileops::CreateNewFile(dir / "start.ini", "x"));
    EXPECT_EQ(readBytes(dir / "start.ini"), "[LastOpen]\r\nLanguage=3\r\n");
    fs::create_directory(dir / "folder.ini");
    EXPECT_FALSE(fileops::CreateNewFile(dir / "folder.ini", "x"));
    EXPECT_TRUE(fs::is_directory(dir / "folder.ini"));
    EXPECT_FALSE(fileops::CreateNewFile(dir / "missing" / "start.ini", "x"));
}

TEST(CreateNewFile, NeverFollowsALink)
{
#ifdef _WIN32
    GTEST_SKIP() << "needs symbolic links, which Windows keeps for administrators";
#endif
    TempDir dir;
    fs::create_symlink(dir / "target", dir / "dangling.ini");
    EXPECT_FALSE(fileops::CreateNewFile(dir / "dangling.ini", "x"));
    EXPECT_FALSE(fs::exists(dir / "target"));
    fs::create_symlink(writeBytes(dir / "kept", "keep"), dir / "link.ini");
    EXPECT_FALSE(fileops::CreateNewFile(dir / "link.ini", "x"));
    EXPECT_EQ(readBytes(dir / "kept"), "keep");
}

} // namespace
} // namespace taremo
