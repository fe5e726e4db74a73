// The About box: what it shows in each language, and the rating link, which always closes it.
#include "form_fixture.h"

#include "about/frm_info.h"

namespace taremo {
namespace {

namespace fs = std::filesystem;
using testing::writeBytes;
using AboutBox = testing::FormTest;

TEST_F(AboutBox, ShowsTheVersionAndTheShortcutsOnePerLineInEachLanguage)
{
    FrmMain& main = showMain();
    for (int langue = 1; langue <= 5; ++langue) {
        SCOPED_TRACE(langue);
        gameState().Langue = static_cast<float>(langue);
        whileModal<FrmInfo>([&] { main.mnuInfo()->trigger(); }, [](FrmInfo& box) {
            EXPECT_EQ(box.lblVersion()->text(), "2.57");
            EXPECT_LE(box.Label4()->fontMetrics().horizontalAdvance(box.Label4()->text()),
                      box.Label4()->contentsRect().width());
            EXPECT_EQ(box.Label3()->displayLines().size(), 3) << "one line per shortcut";
            EXPECT_LE(3 * box.Label3()->fontMetrics().lineSpacing(), box.Label3()->height());
            QTest::mouseClick(box.cmdOK(), Qt::LeftButton);
        });
    }
}

TEST_F(AboutBox, RatingLinkClosesTheBoxWhateverComesOfIt)
{
    // The desktop's browser is bin/web, found through PATH (see main.cpp).
    const std::tuple<const char*, fs::perms, QString> cases[] = { // and the messages' titles
        {"no browser", fs::perms::none, "Browser Not Found"}, {"browser runs", fs::perms(0755), ""},
        {"browser gone", fs::perms::none, "URL Failed"}};
    FrmMain& main = showMain();
    for (const auto& [name, webMode, titles] : cases) {
        SCOPED_TRACE(name);
        fs::permissions(writeBytes(m_dir / "bin/web", "#!/bin/sh\n"), webMode);
        m_messages.clear();
        whileModal<FrmInfo>([&] { main.mnuInfo()->trigger(); }, [](FrmInfo& box) {
            QTest::keyClick(&box, Qt::Key_Escape);
            ASSERT_TRUE(box.isVisible()) << "only OK and the link close it";
            QTest::mouseClick(box.lblVote(), Qt::LeftButton);
        });
        EXPECT_EQ(m_messages.size(), titles.isEmpty() ? 0u : 1u);
        EXPECT_EQ(m_messages.empty() ? "" : m_messages[0].title, titles);
    }
}

} // namespace
} // namespace taremo
