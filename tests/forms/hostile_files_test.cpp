// The game's folder turned hostile: links planted where it writes, read-only files and folders,
// a folder where a file should be. Nothing outside is written, and no settings file is lost.
#include "form_fixture.h"

#include "about/frm_info.h"
#include "app/startup.h"
#include "lang/frm_langue.h"

namespace taremo {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::writeBytes;

class HostileFiles : public testing::FormTest {
protected:
    void playAndClose()
    {
        FrmMain& main = showMain();
        gameState().NiveauChoisi = 4;
        main.close();
    }
};

TEST_F(HostileFiles, LinkPlantedWhereTheGameWritesIsReplacedNotFollowed)
{
    const struct {
        const char* name;
        std::function<void()> write;
        std::string left; // at the name afterwards, "" for nothing
    } cases[] = {
        {kNiveauIni, [this] { playAndClose(); }, "[Niveau]\r\nNiveauChoisi=4\r\n"},
        {kStartIni, [] { FrmLangue().cmdLangue_Click(1); }, "[LastOpen]\r\nLanguage=2\r\n"},
        {"temphtm.HTM", [] { FrmInfo().lblVote_Click(); }, ""},
    };
    testing::TempDir outside;
    const fs::path precious = writeBytes(outside / "precious.txt", "precious\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::create_symlink(precious, m_dir / c.name);
        c.write();
        EXPECT_EQ(readBytes(precious), "precious\n");
        EXPECT_FALSE(fs::is_symlink(m_dir / c.name));
        EXPECT_EQ(readBytes(m_dir / c.name), c.left);
        unloadFrmMain();
    }
}

TEST_F(HostileFiles, ReadOnlyFolderKeepsTheOldDifficultyFileAndClosingStaysSilent)
{
    writeBytes(m_dir / kNiveauIni, "[Niveau]\r\nNiveauChoisi=2\r\n");
    fs::permissions(m_dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    playAndClose();
    EXPECT_EQ(readBytes(m_dir / kNiveauIni), "[Niveau]\r\nNiveauChoisi=2\r\n");
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(HostileFiles, FolderInPlaceOfASettingsFileIsNeitherReadNorHarmed)
{
    fs::create_directory(m_dir / kNiveauIni);
    fs::create_directory(m_dir / kStartIni);
    GameState state;
    EXPECT_EQ(Main(m_dir.path(), state), FirstWindow::Langue) << "a folder is no start.ini";
    playAndClose();
    EXPECT_TRUE(fs::is_directory(m_dir / kNiveauIni));
    EXPECT_TRUE(fs::is_directory(m_dir / kStartIni));
}

} // namespace
} // namespace taremo
