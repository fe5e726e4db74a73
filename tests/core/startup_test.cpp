// Tests of the start routine: which window opens first, what it restores from niveau.ini and
// start.ini, and the exact files the two saves leave behind.
#include "app/startup.h"

#include "app/ini_file.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace taremo {
namespace {

namespace fs = std::filesystem;

// A fresh program folder per test, removed with everything in it afterwards.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static std::atomic<unsigned> serial{0};
        const auto base = fs::temp_directory_path();
        do {
            m_dir = base / ("taremo_start_" + std::to_string(std::random_device{}()) + "_" +
                            std::to_string(serial++));
        } while (!fs::create_directory(m_dir));
    }
    void TearDown() override
    {
        std::error_code error;
        fs::remove_all(m_dir, error);
    }

    void write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(m_dir / name, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    fs::path m_dir;
    GameState m_state;
};

TEST_F(StartupTest, FirstStartAsksForTheLanguage)
{
    EXPECT_EQ(Main(m_dir, m_state), FirstWindow::Langue);
    EXPECT_EQ(m_state.Langue, 0.0f);

    // A folder with the file's name is no settings file.
    fs::create_directory(m_dir / kStartIni);
    EXPECT_EQ(Main(m_dir, m_state), FirstWindow::Langue);
}

TEST_F(StartupTest, StoredLanguageOpensTheMainWindow)
{
    write(kStartIni, "[LastOpen]\r\nLanguage=3\r\n");
    EXPECT_EQ(Main(m_dir, m_state), FirstWindow::Main);
    EXPECT_EQ(m_state.Langue, 3.0f);
}

TEST_F(StartupTest, UnreadableLanguageStillOpensTheMainWindow)
{
    for (const std::string bytes : {"", "[LastOpen]\r\nOther=3\r\n", "[LastOpen]\r\nLanguage=abc\r\n",
                                    "[LastOpen]\r\nLanguage=1e39\r\n"}) {
        write(kStartIni, bytes);
        GameState state;
        EXPECT_EQ(Main(m_dir, state), FirstWindow::Main) << bytes;
        EXPECT_EQ(state.Langue, 0.0f) << bytes;
    }
}

TEST_F(StartupTest, RestoresTheDifficultyWhenItIsANumberThatFits)
{
    write(kNiveauIni, "[Niveau]\r\nNiveauChoisi=4\r\n");
    Main(m_dir, m_state);
    EXPECT_EQ(m_state.NiveauChoisi, 4);

    for (const char* value : {"70000", "abc", ""}) {
        write(kNiveauIni, std::string("[Niveau]\r\nNiveauChoisi=") + value + "\r\n");
        Main(m_dir, m_state);
        EXPECT_EQ(m_state.NiveauChoisi, 4) << value;
    }
}

#ifndef _WIN32
TEST_F(StartupTest, HiddenFilesAreNotSeen)
{
    write(".niveau.ini", "[Niveau]\r\nNiveauChoisi=4\r\n");
    EXPECT_FALSE(FileExists(m_dir / ".niveau.ini"));
    write(kNiveauIni, "");
    EXPECT_TRUE(FileExists(m_dir / kNiveauIni));
}
#endif

TEST_F(StartupTest, SavesWriteExactlyWhatTheNextStartReads)
{
    m_state.NiveauChoisi = 3;
    write(kNiveauIni, "[Niveau]\r\nNiveauChoisi=1\r\nOld=2\r\n");
    ASSERT_TRUE(SaveNiveau(m_dir, m_state));
    ASSERT_TRUE(SaveLangue(m_dir, 2.0f));
    EXPECT_EQ(read(kNiveauIni), "[Niveau]\r\nNiveauChoisi=3\r\n");
    EXPECT_EQ(read(kStartIni), "[LastOpen]\r\nLanguage=2\r\n");

    GameState next;
    EXPECT_EQ(Main(m_dir, next), FirstWindow::Main);
    EXPECT_EQ(next.NiveauChoisi, 3);
    EXPECT_EQ(next.Langue, 2.0f);
}

} // namespace
} // namespace taremo
