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

TEST(Startup, FirstWindowAndRestoredChoices)
{
    // Before the start the state holds 5 and 2.0, so a value left alone shows as such; a file is
    // absent when null. What reads as a number is left to the settings fuzzer.
    const std::tuple<const char*, const char*, FirstWindow, std::int16_t, float> rows[] = {
        {nullptr, nullptr, FirstWindow::Langue, 5, 2.0f}, // the first start
        {"[Niveau]\r\nNiveauChoisi=1", nullptr, FirstWindow::Langue, 1, 2.0f},
        {"[Niveau]\r\nNiveauChoisi=4", "[LastOpen]\r\nLanguage=3", FirstWindow::Main, 4, 3.0f},
        // No difficulty chosen, and a code between two languages, which no text answers to.
        {"[Niveau]\r\nNiveauChoisi=-1", "[LastOpen]\r\nLanguage=2.5", FirstWindow::Main, -1, 2.5f},
    };
    for (const auto& [niveauIni, startIni, window, niveauChoisi, langue] : rows) {
        test::TempDir dir;
        for (const auto& [name, bytes] : {std::pair{kNiveauIni, niveauIni}, {kStartIni, startIni}})
            if (bytes)
                test::writeBytes(dir / name, bytes);
        GameState state{.NiveauChoisi = 5, .Langue = 2.0f};
        EXPECT_EQ(Main(dir.path(), state), window);
        EXPECT_EQ(state.NiveauChoisi, niveauChoisi);
        EXPECT_EQ(state.Langue, langue);
    }
}

TEST(Startup, SavesMakeTheNewFolderAndRewriteTheWholeFileForTheNextStart)
{
    test::TempDir root;
    // Not made yet, and named beyond what the ANSI code page of Windows holds.
    const auto folder = root.path() / std::filesystem::path(u8"Jeu \u00e9\u03b1\u65e5");
    ASSERT_TRUE(SaveLangue(folder, 2.0f));
    test::writeBytes(folder / kNiveauIni, "[Niveau]\r\nNiveauChoisi=1\r\nOld=2\r\n");
#ifdef _WIN32 // hidden and system files count as absent, until a save puts plain ones there
    SetFileAttributesW((folder / kStartIni).c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW((folder / kNiveauIni).c_str(), FILE_ATTRIBUTE_SYSTEM);
    GameState first;
    EXPECT_EQ(Main(folder, first), FirstWindow::Langue);
    EXPECT_EQ(first.NiveauChoisi, 0);
#endif
    ASSERT_TRUE(SaveLangue(folder, 4.0f)) << "a new file stays replaceable";
    ASSERT_TRUE(SaveNiveau(folder, GameState{.NiveauChoisi = -1})); // no difficulty chosen
    EXPECT_EQ(test::readBytes(folder / kStartIni), "[LastOpen]\r\nLanguage=4\r\n");
    EXPECT_EQ(test::readBytes(folder / kNiveauIni), "[Niveau]\r\nNiveauChoisi=-1\r\n");
    // A copy in a folder the player may not write to: what the player's own folder holds comes
    // first, then what was left beside the game, which alone is enough to skip the flags.
    for (const float langue : {4.0f, 3.0f}) {
        GameState state;
        EXPECT_EQ(Main(root / "own", state, folder), FirstWindow::Main);
        EXPECT_TRUE(state.Langue == langue && state.NiveauChoisi == -1) << langue;
        test::writeBytes(root / "own" / kStartIni, "[LastOpen]\r\nLanguage=3");
    }
}
