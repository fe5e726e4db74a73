// The About box: its layout, the version and shortcut texts in each language, and the rating
// link, which always closes the box.
#include "form_fixture.h"

#include "about/frm_info.h"
#include "lang/texts.h"

#include <QFrame>
#include <QPushButton>

#include <cstdlib>
#include <optional>

namespace taremo {
namespace {

using testing::FormTest;
namespace fs = std::filesystem;

class AboutBox : public FormTest {
protected:
    void openAbout(FrmMain& main, const std::function<void(FrmInfo&)>& answer)
    {
        whileModal<FrmInfo>([&] { main.mnuInfo()->trigger(); }, answer);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
};

TEST_F(AboutBox, LooksAsDrawn)
{
    FrmInfo box;
    EXPECT_EQ(box.objectName(), "frmInfo");
    EXPECT_EQ(box.size(), QSize(420, 322));
    EXPECT_TRUE(box.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(box.Frame1()->geometry(), QRect(8, 0, 409, 97));
    EXPECT_EQ(box.Frame1()->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(box.Image2()->parentWidget(), box.Frame1());
    EXPECT_EQ(box.Image2()->geometry(), QRect(136, 16, 146, 28));
    EXPECT_EQ(box.Image2()->pixmap().size(), QSize(146, 28));
    EXPECT_EQ(box.Image1()->geometry(), QRect(24, 24, 52, 53));
    EXPECT_EQ(box.Image1()->pixmap().size(), QSize(52, 53));
    EXPECT_EQ(box.lblVersion()->geometry(), QRect(264, 8, 88, 32));
    EXPECT_EQ(box.Label2()->geometry(), QRect(128, 48, 161, 25));
    EXPECT_LE(box.Label2()->fontMetrics().horizontalAdvance(box.Label2()->text()),
              box.Label2()->width());

    QLabel* vote = box.lblVote();
    EXPECT_EQ(vote->geometry(), QRect(16, 168, 385, 25));
    EXPECT_EQ(vote->text(), "Votre avis sur Taremo Pro");
    EXPECT_EQ(vote->accessibleName(), "Votre avis sur Taremo Pro");
    EXPECT_EQ(vote->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(vote->font().underline());
    EXPECT_EQ(vote->cursor().shape(), Qt::PointingHandCursor);

    EXPECT_EQ(box.Label4()->geometry(), QRect(8, 248, 145, 25));
    EXPECT_EQ(box.Label3()->geometry(), QRect(160, 248, 129, 57));
    EXPECT_EQ(box.Label3()->palette().color(QPalette::WindowText), QColor(0x40, 0x00, 0x40));
    EXPECT_TRUE(box.Label3()->wordWrap());
    EXPECT_EQ(box.cmdOK()->geometry(), QRect(320, 280, 89, 25));
    EXPECT_EQ(box.cmdOK()->text(), "OK");
    EXPECT_EQ(box.cmdOK()->nextInFocusChain(), vote);
}

TEST_F(AboutBox, ShowsTheVersionAndTheShortcutsOnePerLineInEachLanguage)
{
    FrmMain& main = showMain();
    for (int langue = 1; langue <= 5; ++langue) {
        SCOPED_TRACE(langue);
        gameState().Langue = static_cast<float>(langue);
        openAbout(main, [](FrmInfo& box) {
            EXPECT_EQ(box.focusWidget(), box.cmdOK());
            EXPECT_EQ(box.lblVersion()->text(), "2.57");
            EXPECT_EQ(box.Label4()->text(), QString::fromStdString(Traduction(30)));
            EXPECT_LE(box.Label4()->fontMetrics().horizontalAdvance(box.Label4()->text()),
                      box.Label4()->contentsRect().width());

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
    EXPECT_TRUE(main.isVisible());
}

TEST_F(AboutBox, RatingLinkClosesTheBoxEvenWithoutABrowser)
{
    // No xdg-mime on the way: the desktop cannot name a browser.
    const std::optional<std::string> oldPath =
        std::getenv("PATH") ? std::optional<std::string>(std::getenv("PATH")) : std::nullopt;
    const fs::path emptyBin = m_dir / "bin";
    fs::create_directories(emptyBin);
    ::setenv("PATH", emptyBin.c_str(), 1);

    FrmMain& main = showMain();
    openAbout(main, [](FrmInfo& box) { QTest::mouseClick(box.lblVote(), Qt::LeftButton); });
    openAbout(main, [](FrmInfo& box) {
        box.lblVote()->setFocus();
        QTest::keyClick(box.lblVote(), Qt::Key_Space);
    });

    if (oldPath)
        ::setenv("PATH", oldPath->c_str(), 1);
    else
        ::unsetenv("PATH");
    ASSERT_EQ(m_messages.messages.size(), 2u);
    for (const auto& message : m_messages.messages) {
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
        EXPECT_EQ(message.title, "Browser Not Found");
        EXPECT_EQ(message.text, "Could not find associated Browser");
    }
    EXPECT_FALSE(fs::exists(m_dir / "temphtm.HTM"));
}

} // namespace
} // namespace taremo
