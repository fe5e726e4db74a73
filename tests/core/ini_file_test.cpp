// The settings files: the reader's rules and limits, the writer, the safe rewrite, new files
// created only where nothing holds the name, the start routine that reads and saves them, and
// where they go: the game's folder when it is the player's, else the player's own folder.
#include "app/file_ops.h"
#include "app/ini_file.h"
#include "app/settings_place.h"
#include "app/startup.h"

#include "support/temp_dir.h"

#include <csignal>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <tuple>

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace taremo {
namespace {

namespace fs = std::filesystem;
using namespace testing;

std::string lire(const fs::path& file)
{
    std::int16_t matchLength = 0;
    return LireIni("LastOpen", "Language", file, matchLength);
}

// The section, `count` filler lines, then the key: its 200th line when `count` is 199.
std::string keyAfter(int count, const char* ending = "\r\n", std::string text = "[LastOpen]")
{
    for (int i = 0; i < count; ++i)
        text.append(ending).append("x").append(std::to_string(i));
    return text.append(ending).append("Language=7").append(ending);
}

TEST(IniReader, MatchesSectionWholeKeyByPrefixValueAfterFirstEquals)
{
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"section with a trailing blank", "[LastOpen] \r\nLanguage=2\r\n", ""},
        {"section in other case", "[lastopen]\r\nLanguage=2\r\n", ""},
        {"key found past the next section", "[LastOpen]\r\nX=1\r\n[Other]\r\nLanguage=4\r\n", "4"},
        {"a key line with no =", "[LastOpen]\r\nLanguage\r\n", "Language"},
        {"first prefix match wins", "[LastOpen]\r\nLanguages=5\r\nLanguage=2\r\n", "5"},
        {"value after the first =", "[LastOpen]\r\nLanguage=2=3\r\n", "2=3"},
        {"CR LF, 200th line", keyAfter(199), "7"},
        {"CR LF, 201st line", keyAfter(200), ""},
        {"LF, 200th line", keyAfter(199, "\n"), "7"},
        {"CR, 200th line", keyAfter(199, "\r"), "7"},
        {"CR LF split by a 64 KiB read",
         keyAfter(198, "\r\n", std::string("[LastOpen]\r\n").append(65523, 'y')), "7"},
        {"search stops at the 20,001st line", keyAfter(19999, "\r\n", "x"), "7"},
        {"20,000th line is not", keyAfter(19998, "\r\n", "x") + std::string(300, '\n'), ""}};
    TempDir dir;
    for (const auto& [what, bytes, expected] : cases)
        EXPECT_EQ(lire(writeBytes(dir / "t.ini", bytes)), expected) << what;
}

#ifndef _WIN32 // links, permission bits and the file size limit are POSIX; Windows has its own test
TEST(IniRewrite, NeverWritesThroughALinkNorLosesAFileItCannotReplace)
{
    TempDir dir;
    const auto entries = [&] { return std::distance(fs::directory_iterator(dir.path()), {}); };
    const auto target = writeBytes(dir / "outside" / "target", "keep\r\n");
    const auto file = dir / "niveau.ini";
    fs::create_symlink(target, file);
    fs::create_symlink(target, dir / "niveau.ini.tmp"); // planted where the new copy goes
    ASSERT_TRUE(RewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{4}));
    EXPECT_FALSE(fs::is_symlink(file));
    EXPECT_EQ(readBytes(target), "keep\r\n");

    // A read-only file is kept even where the system would allow replacing it; so is the folder.
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(RewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{3}));
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    fs::permissions(dir.path(), fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(RewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{3}));
    EXPECT_EQ(readBytes(file), "[Niveau]\r\nNiveauChoisi=4\r\n");
    EXPECT_EQ(entries(), 2); // the file and "outside", no copy left over
}

TEST(IniRewrite, AWriteThatFailsPartWayKeepsTheOldFileAndLeavesNoCopy)
{
    TempDir dir;
    const auto file = writeBytes(dir / "niveau.ini", "[Niveau]\r\nNiveauChoisi=2\r\n");
    // Files may grow to 12 bytes only: the new copy's second line no longer fits.
    const auto oldAction = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 12;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool rewritten = RewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{5});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldAction);
    EXPECT_FALSE(rewritten);
    EXPECT_EQ(readBytes(file), "[Niveau]\r\nNiveauChoisi=2\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
}
#endif

TEST(CreateNewFile, WritesExactBytesOnlyWhereNothingHoldsTheNameNorFollowsALink)
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
#ifndef _WIN32 // Windows keeps symbolic links for administrators
    fs::create_symlink(dir / "target", dir / "dangling.ini");
    EXPECT_FALSE(fileops::CreateNewFile(dir / "dangling.ini", "x"));
    EXPECT_FALSE(fs::exists(dir / "target"));
    fs::create_symlink(writeBytes(dir / "kept", "keep"), dir / "link.ini");
    EXPECT_FALSE(fileops::CreateNewFile(dir / "link.ini", "x"));
    EXPECT_EQ(readBytes(dir / "kept"), "keep");
#endif
}

TEST(Startup, FirstWindowAndRestoredChoices)
{
    const std::string niveau = "[Niveau]\r\nNiveauChoisi=", langue = "[LastOpen]\r\nLanguage=";
    // Before the start the state holds 5 and 2.0, so a value left alone shows as such; "/" puts
    // a folder in place of the file.
    const struct {
        const char* what;
        std::optional<std::string> niveauIni, startIni; // nothing there when absent
        FirstWindow window;
        std::int16_t niveauChoisi;
        float langue;
    } cases[] = {
        {"first start", {}, {}, FirstWindow::Langue, 5, 2.0f},
        {"folders named like the files", "/", "/", FirstWindow::Langue, 5, 2.0f},
        {"difficulty only", niveau + "1", {}, FirstWindow::Langue, 1, 2.0f},
        {"both stored", niveau + "4", langue + "3", FirstWindow::Main, 4, 3.0f},
        {"empty files", "", "", FirstWindow::Main, 5, 2.0f},
        {"not numbers", niveau + "abc", langue + "abc", FirstWindow::Main, 5, 2.0f},
        {"a code between two languages", niveau + "-1", langue + "2.5", FirstWindow::Main, -1, 2.5f},
    };
    for (const auto& c : cases) {
        TempDir dir;
        for (const auto& [name, bytes] :
             {std::pair{kNiveauIni, c.niveauIni}, {kStartIni, c.startIni}})
            if (bytes == "/")
                std::filesystem::create_directory(dir / name);
            else if (bytes)
                writeBytes(dir / name, *bytes);
        GameState state{.NiveauChoisi = 5, .Langue = 2.0f};
        EXPECT_EQ(Main(dir.path(), state), c.window) << c.what;
        EXPECT_EQ(state.NiveauChoisi, c.niveauChoisi) << c.what;
        EXPECT_EQ(state.Langue, c.langue) << c.what;
    }
}

TEST(IniWriter, AppendsExactLinesAndSavesRewriteTheWholeFile)
{
    TempDir dir;
    const auto file = dir / "t.ini";
    ASSERT_TRUE(EcrireIni("[LastOpen]", file) && EcrireIni("Language", file, 2.0f) &&
                EcrireIni("Niveau", file, std::int16_t{-1}));
    EXPECT_EQ(readBytes(file), "[LastOpen]\r\nLanguage=2\r\nNiveau=-1\r\n");
    writeBytes(dir / kNiveauIni, "[Niveau]\r\nNiveauChoisi=1\r\nOld=2\r\n");
    ASSERT_TRUE(SaveNiveau(dir.path(), GameState{.NiveauChoisi = 3}));
    ASSERT_TRUE(SaveLangue(dir.path(), 2.0f));
    EXPECT_EQ(readBytes(dir / kNiveauIni), "[Niveau]\r\nNiveauChoisi=3\r\n");
    EXPECT_EQ(readBytes(dir / kStartIni), "[LastOpen]\r\nLanguage=2\r\n");
}

#ifndef _WIN32 // the player's folder follows the XDG rules and POSIX permission bits
// Sets an environment variable for one test; unset when `value` is null.
struct ScopedEnv {
    ScopedEnv(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }
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
