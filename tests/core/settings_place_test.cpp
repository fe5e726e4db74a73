// Where the settings go: the game's folder when it is the player's, the player's own folder
// for an installed copy or a folder the player may not write to.
#include "app/settings_place.h"

#include "support/temp_dir.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace taremo {
namespace {

#ifdef _WIN32
TEST(SettingsPlace, XdgFoldersAndPermissionBits)
{
    GTEST_SKIP() << "the player's folder follows the XDG rules and POSIX permission bits";
}
#else
namespace fs = std::filesystem;
using namespace testing;

// Sets an environment variable for one test; unset when `value` is null.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(SettingsPlace, GameFolderOnlyWhenItIsThePlayersAndNotAnInstall)
{
    TempDir root;
    const ScopedEnv config("XDG_CONFIG_HOME", (root / "config").c_str());
    const fs::path own = root / "config" / "taremo";
    const fs::path portable = root / "portable", readOnly = root / "read-only";
    const fs::path installed = root / "usr" / "games";
    fs::create_directories(portable);
    fs::create_directories(installed);
    writeBytes(root / "usr/share/metainfo" / (std::string(kAppId) + ".metainfo.xml"), "<component/>");
    fs::create_directories(readOnly);
    fs::permissions(readOnly, fs::perms(0555)); // root too keeps out of a folder marked so
    const std::pair<fs::path, fs::path> cases[] = {
        {portable, portable}, {readOnly, own}, {installed, own}, {root / "gone", own}};
    for (const auto& [game, expected] : cases)
        EXPECT_EQ(settingsFolder(game), expected) << game;
}

TEST(SettingsPlace, PlayersFolderFollowsXdgRules)
{
    TempDir home;
    const ScopedEnv homeEnv("HOME", home.path().c_str());
    const std::pair<const char*, fs::path> cases[] = {
        {nullptr, home / ".config/taremo"},
        {"", home / ".config/taremo"},
        {"relative/config", home / ".config/taremo"}, // not absolute: ignored
        {"/elsewhere/config", "/elsewhere/config/taremo"},
    };
    for (const auto& [xdg, expected] : cases) {
        const ScopedEnv config("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(userSettingsFolder(), expected) << (xdg ? xdg : "unset");
    }
}

#endif
} // namespace
} // namespace taremo
