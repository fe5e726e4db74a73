// The settings files on Windows: the attributes that hide a file or keep it from being
// rewritten, folders whose names the ANSI code page cannot hold, and where the files go: the
// game's folder when the player may write there, else %APPDATA%\Taremo.
#include "app/ini_file.h"
#include "app/settings_place.h"
#include "app/startup.h"

#include "support/temp_dir.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace taremo {
namespace {

namespace fs = std::filesystem;
using namespace testing;

void mark(const fs::path& file, DWORD attributes)
{
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), attributes));
}

TEST(WindowsSettings, HiddenAndSystemFilesCountAsAbsent)
{
    const std::pair<const char*, DWORD> cases[] = {
        {"hidden", FILE_ATTRIBUTE_HIDDEN},
        {"system", FILE_ATTRIBUTE_SYSTEM},
        {"hidden system", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}};
    for (const auto& [what, attributes] : cases) {
        TempDir dir;
        writeBytes(dir / kStartIni, "[LastOpen]\r\nLanguage=3\r\n");
        writeBytes(dir / kNiveauIni, "[Niveau]\r\nNiveauChoisi=4\r\n");
        mark(dir / kStartIni, attributes);
        mark(dir / kNiveauIni, attributes);
        GameState state;
        EXPECT_EQ(Main(dir.path(), state), FirstWindow::Langue) << what;
        EXPECT_EQ(state.NiveauChoisi, 0) << what;
        EXPECT_EQ(state.Langue, 0.0f) << what;
        // Choosing a language replaces the hidden file with a plain one.
        ASSERT_TRUE(SaveLangue(dir.path(), 2.0f)) << what;
        EXPECT_EQ(Main(dir.path(), state), FirstWindow::Main) << what;
        EXPECT_EQ(state.Langue, 2.0f) << what;
        mark(dir / kNiveauIni, FILE_ATTRIBUTE_NORMAL);
    }
}

TEST(WindowsSettings, ReadOnlyFileRefusesTheRewriteAndLosesNothing)
{
    TempDir dir;
    const auto file = writeBytes(dir / kNiveauIni, "[Niveau]\r\nNiveauChoisi=4\r\n");
    mark(file, FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(SaveNiveau(dir.path(), GameState{.NiveauChoisi = 2}));
    EXPECT_EQ(readBytes(file), "[Niveau]\r\nNiveauChoisi=4\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1) << "a copy was left";
    mark(file, FILE_ATTRIBUTE_NORMAL);

    // Windows ignores the mark on a folder (Explorer sets it on customised ones).
    mark(dir.path(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(SaveNiveau(dir.path(), GameState{.NiveauChoisi = 2}));
    EXPECT_EQ(readBytes(file), "[Niveau]\r\nNiveauChoisi=2\r\n");
    mark(dir.path(), FILE_ATTRIBUTE_NORMAL);
}

TEST(WindowsSettings, FolderOutsideTheAnsiCodePageIsReadAndWritten)
{
    TempDir root;
    const auto game = root.path() / fs::path(u8"Jeu éα日");
    fs::create_directory(game);
    ASSERT_TRUE(SaveLangue(game, 4.0f));
    ASSERT_TRUE(SaveNiveau(game, GameState{.NiveauChoisi = 5}));
    EXPECT_EQ(readBytes(game / kStartIni), "[LastOpen]\r\nLanguage=4\r\n");
    GameState state;
    EXPECT_EQ(Main(game, state), FirstWindow::Main);
    EXPECT_EQ(state.Langue, 4.0f);
    EXPECT_EQ(state.NiveauChoisi, 5);
}

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
