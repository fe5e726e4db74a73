// Where the settings go on Windows: the game's folder when the player may write there, else
// %APPDATA%\Taremo; the probe that finds out leaves nothing behind.
#include "app/settings_place.h"

#include "support/temp_dir.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace taremo {
namespace {

namespace fs = std::filesystem;
using namespace testing;

fs::path appData()
{
    wchar_t value[MAX_PATH + 1] = {};
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? fs::path(value) : fs::path();
}

TEST(WindowsSettingsPlace, GameFolderWhenWritableElseAppData)
{
    ASSERT_FALSE(appData().empty());
    EXPECT_EQ(userSettingsFolder(), appData() / "Taremo");
    TempDir root;
    const auto portable = root.path() / fs::path(u8"Jeu éα日");
    fs::create_directories(portable);
    EXPECT_EQ(settingsFolder(portable), portable);
    EXPECT_EQ(std::distance(fs::directory_iterator(portable), {}), 0) << "the probe was left";
    EXPECT_EQ(settingsFolder(root / "gone"), appData() / "Taremo");
    fs::create_directories(root / "share" / "metainfo");
    writeBytes(root / "share" / "metainfo" / (std::string(kAppId) + ".metainfo.xml"), "");
    EXPECT_EQ(settingsFolder(root / "games"), appData() / "Taremo") << "an installed copy";
}

} // namespace
} // namespace taremo
