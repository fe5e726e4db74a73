// The game's folder turned hostile: links planted at the settings files, a read-only folder,
// a folder where a file should be. Nothing crashes, nothing outside is written, nothing lost.
#include "form_fixture.h"

#include "app/startup.h"

#include <fstream>
#include <sstream>

namespace taremo {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

class HostileFiles : public testing::FormTest {
protected:
    void playAndClose()
    {
        FrmMain& main = showMain();
        gameState().NiveauChoisi = 4;
        main.close();
    }
};

TEST_F(HostileFiles, LinkPlantedAtTheDifficultyFileIsReplacedNotFollowed)
{
    const fs::path outside = makeTempFileOutside();
    writeBytes(outside, "precious\n");
    fs::create_symlink(outside, m_dir / kNiveauIni);
    playAndClose();
    EXPECT_EQ(bytesOf(outside), "precious\n");
    EXPECT_FALSE(fs::is_symlink(m_dir / kNiveauIni));
    EXPECT_EQ(bytesOf(m_dir / kNiveauIni), "[Niveau]\r\nNiveauChoisi=4\r\n");
    fs::remove(outside);
}

TEST_F(HostileFiles, ReadOnlyFolderKeepsTheOldFileAndTheGameStillPlays)
{
    writeBytes(m_dir / kNiveauIni, "[Niveau]\r\nNiveauChoisi=2\r\n");
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    playAndClose();
    EXPECT_EQ(bytesOf(m_dir / kNiveauIni), "[Niveau]\r\nNiveauChoisi=2\r\n");
    EXPECT_TRUE(m_messages.messages.empty()) << "closing stays silent";
}

TEST_F(HostileFiles, ReadOnlyDifficultyFileIsLeftAsItWas)
{
    writeBytes(m_dir / kNiveauIni, "[Niveau]\r\nNiveauChoisi=1\r\n");
    fs::permissions(m_dir / kNiveauIni, fs::perms::owner_read);
    playAndClose();
    EXPECT_EQ(bytesOf(m_dir / kNiveauIni), "[Niveau]\r\nNiveauChoisi=1\r\n");
}

TEST_F(HostileFiles, FolderInPlaceOfASettingsFileIsNeitherReadNorHarmed)
{
    fs::create_directory(m_dir / kNiveauIni);
    fs::create_directory(m_dir / kStartIni);
    GameState state;
    EXPECT_EQ(Main(m_dir, state), FirstWindow::Langue) << "a folder is no start.ini";
    playAndClose();
    EXPECT_TRUE(fs::is_directory(m_dir / kNiveauIni));
    EXPECT_TRUE(fs::is_directory(m_dir / kStartIni));
}

} // namespace
} // namespace taremo
