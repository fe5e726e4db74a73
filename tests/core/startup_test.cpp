// The start routine: which window comes first and the stored choices it restores; and the saves
// that rewrite the two files for the next start.
#include "app/startup.h"

#include "support/temp_dir.h"

#include <tuple>

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#endif

using namespace taremo;

// The first window, NiveauChoisi and Langue after a start.
using Started = std::tuple<FirstWindow, std::int16_t, float>;

// Main over a new folder holding niveau.ini and start.ini as given (absent when null), from a
// state that holds 5 and 4.0, so that a value left alone shows as such.
static Started start(const char* levelIni, const char* startIni)
{
    test::TempDir dir;
    for (const auto& [name, bytes] : {std::pair{kLevelIni, levelIni}, {kStartIni, startIni}})
        if (bytes)
            test::writeBytes(dir / name, bytes);
    GameState state{.NiveauChoisi = 5, .Langue = 4.0f};
    const auto window = Main(dir.path(), state);
    EXPECT_EQ(test::readBytes(dir / kStartIni), startIni ? startIni : "") << "nothing written";
    return {window, state.NiveauChoisi, state.Langue};
}

TEST(Startup, AStartIsAsTheStoredFilesSay)
{
    // What reads as a number is left to the settings fuzzer.
    EXPECT_EQ(start(nullptr, nullptr), Started(FirstWindow::Language, 5, 4.0f)); // the first start
    EXPECT_EQ(start("[Niveau]\r\nNiveauChoisi=1", nullptr),
              Started(FirstWindow::Language, 1, 4.0f));
    EXPECT_EQ(start("[Niveau]\r\nNiveauChoisi=4", "[LastOpen]\r\nLanguage=1"),
              Started(FirstWindow::Main, 4, 1.0f));
    // No difficulty chosen.
    EXPECT_EQ(start("[Niveau]\r\nNiveauChoisi=-1", "[LastOpen]\r\nLanguage=5"),
              Started(FirstWindow::Main, -1, 5.0f));
    // A start.ini without a language the game knows, whether empty, hand-edited or damaged,
    // still opens the main window; the language is left as it was, at a real start 0, which
    // the texts read as English.
    for (const char* startIni :
         {"", "[LastOpen]\r\nX=1", "[LastOpen]\r\nLanguage=abc", "[LastOpen]\r\nLanguage=6",
          "[LastOpen]\r\nLanguage=2.5", "[LastOpen]\r\nLanguage=0", "[LastOpen]\r\nLanguage=-1"})
        EXPECT_EQ(start(nullptr, startIni), Started(FirstWindow::Main, 5, 4.0f)) << startIni;
}

TEST(Startup, TheNextStartReadsWhatTheSavesWroteWhole)
{
    test::TempDir root;
    // Not made yet, and named beyond what the ANSI code page of Windows holds.
    const auto folder = root.path() / std::filesystem::path(u8"Jeu \u00e9\u03b1\u65e5");
    ASSERT_TRUE(saveLanguage(folder, 2.0f));
    test::writeBytes(folder / kLevelIni, "[Niveau]\r\nNiveauChoisi=1\r\nOld=2\r\n");
#ifdef _WIN32 // hidden and system files count as absent, until a save puts plain ones there
    SetFileAttributesW((folder / kStartIni).c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW((folder / kLevelIni).c_str(), FILE_ATTRIBUTE_SYSTEM);
    GameState first;
    EXPECT_EQ(Main(folder, first), FirstWindow::Language);
    EXPECT_EQ(first.NiveauChoisi, 0);
#endif
    ASSERT_TRUE(saveLanguage(folder, 4.0f)) << "a new file stays replaceable";
    ASSERT_TRUE(saveLevel(folder, GameState{.NiveauChoisi = -1})); // no difficulty chosen
    EXPECT_EQ(test::readBytes(folder / kStartIni), "[LastOpen]\r\nLanguage=4\r\n");
    EXPECT_EQ(test::readBytes(folder / kLevelIni), "[Niveau]\r\nNiveauChoisi=-1\r\n");
    // A copy in a folder the player may not write to: what the player's own folder holds comes
    // first, then what was left beside the game, which alone is enough to skip the flags.
    for (const float language : {4.0f, 3.0f}) {
        GameState state;
        EXPECT_EQ(Main(root / "own", state, folder), FirstWindow::Main);
        EXPECT_TRUE(state.Langue == language && state.NiveauChoisi == -1) << language;
        test::writeBytes(root / "own" / kStartIni, "[LastOpen]\r\nLanguage=3");
    }
}
