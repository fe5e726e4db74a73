// Links planted in the game's folder: nothing outside it is written through them.
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
#ifdef _WIN32
    GTEST_SKIP() << "needs symbolic links";
#endif
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

} // namespace
} // namespace taremo
