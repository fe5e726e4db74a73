// Where the settings go: the game's folder when it is the player's and no install, else the
// player's own folder, which follows the XDG rules on Linux and is %APPDATA%\Taremo on Windows.
#include "app/settings_place.h"

#include "support/temp_dir.h"

#include <cstdlib>

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace taremo;

namespace fs = std::filesystem;

TEST(SettingsPlace, SettingsStayInTheGameFolderOnlyWhenItIsThePlayersOwnCopy)
{
    test::TempDir root;
#ifdef _WIN32
    const fs::path own = fs::path(_wgetenv(L"APPDATA")) / "Taremo";
#else
    // Only this test asks for the player's folder: the variables need no putting back.
    ::setenv("HOME", root.path().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1); // not absolute: ignored
    EXPECT_EQ(userSettingsFolder(), root / ".config/taremo");
    ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    const fs::path own = root / "config/taremo";
#endif
    EXPECT_EQ(userSettingsFolder(), own);
    const fs::path portable = root.path() / fs::path(u8"Jeu \u00e9\u03b1\u65e5");
    const fs::path installed = root / "usr/games", readOnly = root / "read-only";
    for (const fs::path& folder : {portable, installed, readOnly})
        fs::create_directories(folder);
    test::writeBytes(root / "usr/share/metainfo" / (std::string(kAppId) + ".metainfo.xml"), "");
    fs::permissions(readOnly, fs::perms(0555)); // root too keeps out of a folder marked so
    EXPECT_EQ(settingsFolder(portable), portable);
    EXPECT_EQ(settingsFolder(installed), own);
#ifndef _WIN32 // Windows ignores the mark on folders
    EXPECT_EQ(settingsFolder(readOnly), own);
#else
    // The folder the installer recorded, with its closing backslash, is an installed copy
    // while the record lasts; other folders are not.
    const std::wstring recorded = (root / "Programs/Taremo").wstring() + L"\\";
    fs::create_directories(recorded);
    const auto record = [&](const wchar_t* value) {
        return RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Taremo", L"InstallFolder", REG_SZ,
                               value, DWORD((wcslen(value) + 1) * sizeof(wchar_t)));
    };
    ASSERT_EQ(record(recorded.c_str()), ERROR_SUCCESS);
    EXPECT_EQ(settingsFolder(recorded), own);
    EXPECT_EQ(settingsFolder(portable), portable);
    ASSERT_EQ(record(L""), ERROR_SUCCESS);
    EXPECT_EQ(settingsFolder(recorded), recorded);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Taremo", L"InstallFolder");
#endif
}
