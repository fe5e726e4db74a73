// The start routine: the first window, the choices it restores and the files the saves write.
#include "app/startup.h"

#include "support/temp_dir.h"

#include <optional>

#include <gtest/gtest.h>

namespace taremo {
namespace {

using namespace testing;

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

TEST(Startup, SavesWriteExactBytes)
{
    TempDir dir;
    writeBytes(dir / kNiveauIni, "[Niveau]\r\nNiveauChoisi=1\r\nOld=2\r\n");
    ASSERT_TRUE(SaveNiveau(dir.path(), GameState{.NiveauChoisi = 3}));
    ASSERT_TRUE(SaveLangue(dir.path(), 2.0f));
    EXPECT_EQ(readBytes(dir / kNiveauIni), "[Niveau]\r\nNiveauChoisi=3\r\n");
    EXPECT_EQ(readBytes(dir / kStartIni), "[LastOpen]\r\nLanguage=2\r\n");
}

} // namespace
} // namespace taremo
