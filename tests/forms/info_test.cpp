// The About box: what it shows in each language, and the rating link, which always closes it.
#include "form_fixture.h"

#include "about/frm_info.h"

#include <QMenu>

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
        whileModal<FrmInfo>(
            [&] { main.mnuInfo()->trigger(); },
            [](FrmInfo& box) {
                EXPECT_EQ(box.lblVersion()->text(), "2.57");
                EXPECT_FALSE(box.Image1()->pixmap().isNull() || box.Image2()->pixmap().isNull());
                for (QLabel* label : {box.Label2(), box.Label4()})
                    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                              label->contentsRect().width());
                QStringList keys; // the first word of each line on screen
                for (const QString& line : box.Label3()->displayLines())
                    keys << line.section(' ', 0, 0);
                EXPECT_EQ(keys.join(' '), "F2 F4 F3");
                EXPECT_LE(3 * box.Label3()->fontMetrics().lineSpacing(), box.Label3()->height());
                QTest::mouseClick(box.cmdOK(), Qt::LeftButton);
            });
    }
}

TEST_F(AboutBox, RatingLinkClosesTheBoxWhateverComesOfIt)
{
    // A stand-in desktop: xdg-mime names an entry whose program is bin/web, found through PATH.
    const auto installBrowser = [this] {
        fs::permissions(writeBytes(m_dir / "bin/xdg-mime", "#!/bin/sh\necho web.desktop\n"),
                        fs::perms(0755));
        fs::permissions(writeBytes(m_dir / "bin/web", "#!/bin/sh\n"), fs::perms(0755));
        writeBytes(m_dir / "share/applications/web.desktop", "[Desktop Entry]\nExec=web %u\n");
    };
    const auto removeBrowser = [this] { fs::permissions(m_dir / "bin/web", fs::perms::none); };
    const struct {
        const char* name;
        std::function<void()> before;
        QString messages; // their titles
    } cases[] = {{"no browser", [] {}, "Browser Not Found"},
                 {"browser started", installBrowser, ""},
                 {"browser no longer starts", removeBrowser, "URL Failed"}};
    FrmMain& main = showMain();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.before();
        m_messages.clear();
        whileModal<FrmInfo>([&] { main.mnuInfo()->trigger(); },
                            [](FrmInfo& box) {
                                QTest::keyClick(&box, Qt::Key_Escape);
                                ASSERT_TRUE(box.isVisible()) << "only OK and the link close it";
                                QTest::mouseClick(box.lblVote(), Qt::LeftButton);
                            });
        QStringList titles;
        for (const auto& message : m_messages)
            titles << message.title;
        EXPECT_EQ(titles.join(", "), c.messages);
    }
}

} // namespace
} // namespace taremo
