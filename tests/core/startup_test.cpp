// Tests of the start routine: which window opens first, what it restores from niveau.ini and
// start.ini, and the exact files the two saves leave behind.
#include "app/startup.h"

#include "app/ini_file.h"
#include "support/temp_dir.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace taremo {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

TEST(Startup, FirstWindowAndRestoredChoices)
{
    const std::string niveau = "[Niveau]\r\nNiveauChoisi=", langue = "[LastOpen]\r\nLanguage=";
    const std::string folder = "<a folder in place of the file>";
    // Before the start the state holds 5 and 2.0, so a value left alone shows as such.
    const struct {
        const char* what;
        std::optional<std::string> niveauIni, startIni; // nothing there when absent
        FirstWindow window;
        std::int16_t niveauChoisi;
        float langue;
    } cases[] = {
        {"first start", {}, {}, FirstWindow::Langue, 5, 2.0f},
        {"folders named like the files", folder, folder, FirstWindow::Langue, 5, 2.0f},
        {"difficulty only", niveau + "1", {}, FirstWindow::Langue, 1, 2.0f},
        {"both stored", niveau + "4", langue + "3", FirstWindow::Main, 4, 3.0f},
        {"empty files", "", "", FirstWindow::Main, 5, 2.0f},
        {"other keys", "[Niveau]\r\nX=4", "[LastOpen]\r\nX=3", FirstWindow::Main, 5, 2.0f},
        {"not numbers", niveau + "abc", langue + "abc", FirstWindow::Main, 5, 2.0f},
        {"too large", niveau + "70000", langue + "1e39", FirstWindow::Main, 5, 2.0f},
        {"empty values", niveau, langue, FirstWindow::Main, 5, 2.0f},
    };
    for (const auto& c : cases) {
        TempDir dir;
        for (const auto& [name, bytes] :
             {std::pair{kNiveauIni, c.niveauIni}, {kStartIni, c.startIni}}) {
            if (bytes == folder)
                fs::create_directory(dir / name);
            else if (bytes)
                writeBytes(dir / name, *bytes);
        }
        GameState state{.NiveauChoisi = 5, .Langue = 2.0f};
        EXPECT_EQ(Main(dir.path(), state), c.window) << c.what;
        EXPECT_EQ(state.NiveauChoisi, c.niveauChoisi) << c.what;
        EXPECT_EQ(state.Langue, c.langue) << c.what;
    }
}

TEST(Startup, HiddenFilesAreNotSeen)
{
    TempDir dir;
    EXPECT_TRUE(FileExists(writeBytes(dir / kNiveauIni, "")));
#ifndef _WIN32
    EXPECT_FALSE(FileExists(writeBytes(dir / ".niveau.ini", "[Niveau]\r\nNiveauChoisi=4\r\n")));
#endif
}

TEST(Startup, SavesWriteExactlyWhatTheNextStartReads)
{
    TempDir dir;
    const GameState state{.NiveauChoisi = 3};
    writeBytes(dir / kNiveauIni, "[Niveau]\r\nNiveauChoisi=1\r\nOld=2\r\n");
    ASSERT_TRUE(SaveNiveau(dir.path(), state));
    ASSERT_TRUE(SaveLangue(dir.path(), 2.0f));
    EXPECT_EQ(readBytes(dir / kNiveauIni), "[Niveau]\r\nNiveauChoisi=3\r\n");
    EXPECT_EQ(readBytes(dir / kStartIni), "[LastOpen]\r\nLanguage=2\r\n");

    GameState next;
    EXPECT_EQ(Main(dir.path(), next), FirstWindow::Main);
    EXPECT_EQ(next.NiveauChoisi, 3);
    EXPECT_EQ(next.Langue, 2.0f);
}

} // namespace
} // namespace taremo
