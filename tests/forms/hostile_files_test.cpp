// The game's folder turned hostile: nothing outside it is written, and no settings file is lost.
#include "form_fixture.h"

#include "about/frm_info.h"
#include "app/startup.h"
#include "lang/frm_langue.h"

namespace taremo {
namespace {

namespace fs = std::filesystem;
using namespace testing;
using HostileFiles = FormTest;

void playAndClose()
{
    frmMain().show();
    gameState().NiveauChoisi = 4;
    frmMain().close();
}

TEST_F(HostileFiles, LinkPlantedWhereTheGameWritesIsReplacedNotFollowed)
{
    const std::tuple<const char*, std::function<void()>, std::string> cases[] = {
        {kNiveauIni, playAndClose, "[Niveau]\r\nNiveauChoisi=4\r\n"},
        {kStartIni, [] { FrmLangue().cmdLangue_Click(1); }, "[LastOpen]\r\nLanguage=2\r\n"},
        {"temphtm.HTM", [] { FrmInfo().lblVote_Click(); }, ""},
    };
    const fs::path precious = writeBytes(m_dir / "elsewhere/precious.txt", "precious\n");
    for (const auto& [name, write, left] : cases) {
        SCOPED_TRACE(name);
        fs::create_symlink(precious, m_dir / name);
        write();
        EXPECT_EQ(readBytes(precious), "precious\n");
        EXPECT_EQ(readBytes(m_dir / name), left);
        unloadFrmMain();
    }
}

TEST_F(HostileFiles, ReadOnlyFolderKeepsTheOldDifficultyFileAndThePlayersFolderTheNewOne)
{
    writeBytes(m_dir / kNiveauIni, "[Niveau]\r\nNiveauChoisi=2\r\n");
    fs::permissions(m_dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    playAndClose();
    EXPECT_EQ(readBytes(m_dir / kNiveauIni), "[Niveau]\r\nNiveauChoisi=2\r\n");
    EXPECT_EQ(readBytes(m_ownSettings / kNiveauIni), "[Niveau]\r\nNiveauChoisi=4\r\n");
    EXPECT_TRUE(m_messages.empty());
}

} // namespace
} // namespace taremo
