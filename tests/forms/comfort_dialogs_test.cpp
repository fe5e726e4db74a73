// The dialogs for a screen reader and the keyboard, the desktop's language offered first, and
// message boxes wide enough for their title.
#include "form_fixture.h"

#include "about/frm_info.h"
#include "lang/frm_langue.h"
#include <QMessageBox>

namespace taremo {
namespace {

using ComfortDialogs = testing::FormTest;

TEST_F(ComfortDialogs, FirstStartOffersTheDesktopsLanguageButWritesNothingUntilAClick)
{
    const char* names[] = {"LANGUAGE", "LC_ALL"};
    const QByteArray saved[] = {qgetenv(names[0]), qgetenv(names[1])};
    qputenv("LANGUAGE", "pt_BR:de"); // German whatever the rest of the environment says
    qputenv("LC_ALL", "de_DE.UTF-8");
    showLanguageDialogFirstStart();
    FrmLangue* dialog = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && dynamic_cast<FrmLangue*>(window))
            dialog = dynamic_cast<FrmLangue*>(window);
    for (int i = 0; i < 2; ++i)
        saved[i].isNull() ? qunsetenv(names[i]) : qputenv(names[i], saved[i]);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(dialog->accessibleName(), "Language");
    EXPECT_TRUE(dialog->windowTitle().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), dialog->cmdLangue(2));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "start.ini"));
    QTest::keyClick(dialog->cmdLangue(2), Qt::Key_Space);
    EXPECT_EQ(testing::readBytes(m_dir / "start.ini"), "[LastOpen]\r\nLanguage=3\r\n");
}

TEST_F(ComfortDialogs, DialogsAndPicturesAreNamedAndTheRatingLinkIsFollowedFromTheKeyboard)
{
    FrmMain& main = showMain();
    whileModal<FrmNew>([&] { main.mnuNew()->trigger(); }, [](FrmNew& dialog) {
        EXPECT_EQ(dialog.accessibleName(), "New grid");
        dialog.close();
    });
    for (const auto key : {Qt::Key_Return, Qt::Key_Space}) {
        m_messages.clear();
        whileModal<FrmInfo>([&] { main.mnuInfo()->trigger(); }, [&](FrmInfo& box) {
            EXPECT_EQ(box.accessibleName(), "About");
            EXPECT_FALSE(box.Image1()->accessibleName().isEmpty());
            EXPECT_FALSE(box.Image2()->accessibleName().isEmpty());
            QTest::mousePress(box.lblVote(), Qt::LeftButton);
            EXPECT_TRUE(box.cmdOK()->hasFocus()) << "a click takes no focus";
            QTest::keyClick(box.cmdOK(), Qt::Key_Tab);
            ASSERT_TRUE(box.lblVote()->hasFocus());
            QTest::keyClick(box.lblVote(), key);
        });
        ASSERT_EQ(m_messages.size(), 1u) << "the link was followed: no browser here";
        EXPECT_EQ(m_messages[0].title, "Browser Not Found");
    }
}

TEST_F(ComfortDialogs, MessageBoxesAreWideEnoughForTheirTitle)
{
    setMessageSink(nullptr);
    for (const QString& title : {kGameTitle, QStringLiteral("Browser Not Found")}) {
        SCOPED_TRACE(title.toStdString());
        int width = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            width = box->width();
            box->button(QMessageBox::Ok)->click();
        });
        showMessage(nullptr, MessageIcon::Information, QStringLiteral("Bravo !"), title);
        EXPECT_GE(width, titleFitWidth(title));
        const int textWidth = QFontMetrics(QApplication::font()).horizontalAdvance(title);
        EXPECT_GT(titleFitWidth(title), textWidth);
    }
}

} // namespace
} // namespace taremo
