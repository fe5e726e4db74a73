// The About box: what it shows in each language, and the rating link, which closes the box
// whatever comes of it.
#include "form_fixture.h"

#include "about/frm_info.h"
#include "lang/texts.h"

#include <QMenu>

namespace taremo {
namespace {

namespace fs = std::filesystem;
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
                EXPECT_FALSE(box.Image1()->pixmap().isNull());
                EXPECT_FALSE(box.Image2()->pixmap().isNull());
                for (QWidget* child : box.findChildren<QWidget*>())
                    EXPECT_TRUE(child->parentWidget()->rect().contains(child->geometry()))
                        << child->objectName().toStdString();
                EXPECT_EQ(box.focusWidget(), box.cmdOK());
                EXPECT_EQ(box.Label4()->text(), QString::fromStdString(Traduction(30)));
                for (QLabel* label : {box.Label2(), box.Label4()})
                    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                              label->contentsRect().width())
                        << label->text().toStdString();

                RunsLabel* shortcuts = box.Label3();
                EXPECT_EQ(shortcuts->text(), QString::fromStdString(Traduction(31)));
                const QStringList lines = shortcuts->displayLines();
                ASSERT_EQ(lines.size(), 3) << lines.join('|').toStdString();
                EXPECT_TRUE(lines[0].startsWith("F2 "));
                EXPECT_TRUE(lines[1].startsWith("F4 "));
                EXPECT_TRUE(lines[2].startsWith("F3 "));
                EXPECT_LE(3 * shortcuts->fontMetrics().lineSpacing(), shortcuts->height());
                QTest::mouseClick(box.cmdOK(), Qt::LeftButton);
            });
    }
}

TEST_F(AboutBox, RatingLinkClosesTheBoxWhateverComesOfIt)
{
    // A stand-in desktop: xdg-mime names an entry whose program is bin/web.
    const auto installBrowser = [this] {
        testing::writeBytes(m_dir / "bin/xdg-mime", "#!/bin/sh\necho web.desktop\n");
        testing::writeBytes(m_dir / "bin/web", "#!/bin/sh\n");
        for (const char* tool : {"bin/xdg-mime", "bin/web"})
            fs::permissions(m_dir / tool, fs::perms(0755));
        testing::writeBytes(m_dir / "share/applications/web.desktop",
                            "[Desktop Entry]\nExec=" + (m_dir / "bin/web").string() + " %u\n");
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
        EXPECT_FALSE(fs::exists(m_dir / "temphtm.HTM"));
    }
}

} // namespace
} // namespace taremo
