// The language dialog: at first start, from the menu during a game, and with start.ini unwritable.
#include "form_fixture.h"

#include "lang/frm_langue.h"

#include <QLabel>
#include <QMenu>

namespace taremo {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;

class LanguageDialog : public testing::FormTest {
protected:
    // Shows the first-start dialog, which must be the only window on screen.
    static FrmLangue* firstStart()
    {
        showLanguageDialogFirstStart();
        QWidgetList windows = QApplication::topLevelWidgets();
        windows.removeIf([](QWidget* widget) { return !widget->isVisible(); });
        EXPECT_EQ(windows.size(), 1);
        return windows.empty() ? nullptr : dynamic_cast<FrmLangue*>(windows.front());
    }

    // Runs `action` in the event loop under the game's quit-on-last-window rule; true when the
    // program ended by itself.
    static bool programEndsAfter(const std::function<void()>& action)
    {
        QApplication::setQuitOnLastWindowClosed(true);
        QTimer::singleShot(0, action);
        QObject context; // the time limit ends here, even when the program ended first
        QTimer::singleShot(200, &context, [] { QCoreApplication::exit(1); });
        const bool ended = QApplication::exec() == 0;
        QApplication::setQuitOnLastWindowClosed(false);
        return ended;
    }
};

TEST_F(LanguageDialog, AtFirstStartEachFlagIsNamedStoresItsLanguageAndOpensTheGame)
{
    const char* names[] = {"English", "Français", "Deutsch", "Italiano", "Spanish"};
    const char* fileMenus[] = {"&File", "&Fichier", "&Datei", "&Schedario", "&Fichero"};
    for (int i = 0; i < FrmLangue::kLanguageCount; ++i) {
        SCOPED_TRACE(names[i]);
        unloadFrmMain();
        FrmLangue* dialog = firstStart();
        ASSERT_NE(dialog, nullptr);
        QPushButton* button = dialog->cmdLangue(i);
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(names[i]));
        EXPECT_EQ(button->accessibleName(), button->toolTip());
        EXPECT_FALSE(button->icon().pixmap(button->iconSize()).isNull());

        EXPECT_FALSE(programEndsAfter([&] { QTest::mouseClick(button, Qt::LeftButton); }));
        EXPECT_EQ(
            readBytes(m_dir / "start.ini"),
            std::string("[LastOpen]\r\nLanguage=").append(std::to_string(i + 1)).append("\r\n"));
        ASSERT_TRUE(frmMainLoaded() && frmMain().isVisible());
        EXPECT_EQ(frmMain().mnuFichier()->title(), QString::fromUtf8(fileMenus[i]));
    }
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(LanguageDialog, FirstStartClosedUnansweredEndsTheProgramWithoutWriting)
{
    FrmLangue* dialog = firstStart();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog, Qt::Key_Escape);
    ASSERT_TRUE(dialog->isVisible()) << "Escape is no way out";
    EXPECT_TRUE(programEndsAfter([&] { dialog->close(); }));
    EXPECT_FALSE(fs::exists(m_dir / "start.ini"));
    EXPECT_FALSE(frmMainLoaded());
}

TEST_F(LanguageDialog, MenuChangeRecaptionsOnlyTheMenus)
{
    gameState().Langue = 1;
    FrmMain& main = showMain();
    newGrid(main, 2);
    const QString levelLine = main.lblNiveau()->text();
    ASSERT_TRUE(levelLine.startsWith("Level"));

    whileModal<FrmLangue>(
        [&] { main.Language()->trigger(); },
        [](FrmLangue& dialog) { QTest::mouseClick(dialog.cmdLangue(2), Qt::LeftButton); });
    EXPECT_EQ(readBytes(m_dir / "start.ini"), "[LastOpen]\r\nLanguage=3\r\n");
    EXPECT_EQ(main.mnuFichier()->title(), "&Datei");
    EXPECT_EQ(main.mnuReponse()->text(), "Antwort") << "the answer menu too";
    EXPECT_EQ(main.Language()->text(), "Change &Language") << "in every language";
    EXPECT_EQ(main.lblNiveau()->text(), levelLine);
}

TEST_F(LanguageDialog, UnwritableStartIniIsToldOnEachChoiceAndTheLanguageStillApplies)
{
    fs::permissions(m_dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    FrmLangue* dialog = firstStart();
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->cmdLangue(2), Qt::LeftButton);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].text.startsWith("The language could not be saved"));
    EXPECT_TRUE(frmMain().isVisible());
    EXPECT_EQ(frmMain().mnuFichier()->title(), "&Datei");

    whileModal<FrmLangue>(
        [] { frmMain().Language()->trigger(); },
        [](FrmLangue& dialog) { QTest::mouseClick(dialog.cmdLangue(3), Qt::LeftButton); });
    EXPECT_EQ(m_messages.size(), 2u);
    EXPECT_EQ(frmMain().mnuFichier()->title(), "&Schedario");
}

} // namespace
} // namespace taremo
