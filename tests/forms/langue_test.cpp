// The language dialog: what each flag stores, the first start alone on screen, the change of
// language from the menu in the middle of a game, and a start.ini that cannot be written.
#include "form_fixture.h"

#include "lang/frm_langue.h"

#include <QLabel>
#include <QMenu>
#include <QPointer>

namespace taremo {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;

std::string startIniFor(int language)
{
    return "[LastOpen]\r\nLanguage=" + std::to_string(language) + "\r\n";
}

class LanguageDialog : public testing::FormTest {
protected:
    static QWidgetList visibleWindows()
    {
        QWidgetList windows = QApplication::topLevelWidgets();
        windows.removeIf([](QWidget* widget) { return !widget->isVisible(); });
        return windows;
    }

    // Shows the first-start dialog, which must be the only window on screen.
    static FrmLangue* firstStart()
    {
        showLanguageDialogFirstStart();
        const QWidgetList windows = visibleWindows();
        EXPECT_EQ(windows.size(), 1);
        return windows.empty() ? nullptr : dynamic_cast<FrmLangue*>(windows.front());
    }

    // Runs the event loop with the game's quit-on-last-window rule after `action`; true when
    // the program ended by itself meanwhile.
    static bool programEndsAfter(const std::function<void()>& action)
    {
        QApplication::setQuitOnLastWindowClosed(true);
        QTimer::singleShot(0, action);
        bool timedOut = false;
        QTimer::singleShot(200, [&] {
            timedOut = true;
            QCoreApplication::exit(0);
        });
        QApplication::exec();
        QApplication::setQuitOnLastWindowClosed(false);
        return !timedOut;
    }

    static void pickFromMenu(FrmMain& main, int index)
    {
        whileModal<FrmLangue>([&] { main.Language()->trigger(); },
                              [&](FrmLangue& dialog) {
                                  EXPECT_EQ(dialog.parentWidget(), &main);
                                  QTest::mouseClick(dialog.cmdLangue(index), Qt::LeftButton);
                              });
    }
};

TEST_F(LanguageDialog, AtFirstStartEachFlagIsNamedStoresItsLanguageAndOpensTheGame)
{
    const char* names[] = {"English", "Français", "Deutsch", "Italiano", "Spanish"};
    const char* fileMenus[] = {"&File", "&Fichier", "&Datei", "&Schedario", "&Fichero"};
    for (int i = 0; i < FrmLangue::kLanguageCount; ++i) {
        SCOPED_TRACE(names[i]);
        unloadFrmMain();
        QPointer<FrmLangue> dialog = firstStart();
        ASSERT_TRUE(dialog);
        QPushButton* button = dialog->cmdLangue(i);
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(names[i]));
        EXPECT_EQ(button->accessibleName(), button->toolTip());
        const QImage flag = button->icon().pixmap(button->iconSize()).toImage();
        ASSERT_FALSE(flag.isNull());
        EXPECT_EQ(flag.pixelColor(flag.width() / 2, flag.height() / 2).alpha(), 255);
        if (i > 0) {
            EXPECT_EQ(dialog->cmdLangue(i - 1)->nextInFocusChain(), button);
        }

        EXPECT_FALSE(programEndsAfter([&] { QTest::mouseClick(button, Qt::LeftButton); }));
        EXPECT_EQ(readBytes(m_dir / "start.ini"), startIniFor(i + 1));
        EXPECT_EQ(gameState().Langue, static_cast<float>(i + 1));
        ASSERT_TRUE(frmMainLoaded() && frmMain().isVisible());
        EXPECT_EQ(frmMain().mnuFichier()->title(), QString::fromUtf8(fileMenus[i]));
        EXPECT_FALSE(dialog) << "unloaded, not just hidden";
    }
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(LanguageDialog, FirstStartClosedUnansweredEndsTheProgramWithoutWriting)
{
    QPointer<FrmLangue> dialog = firstStart();
    ASSERT_TRUE(dialog);
    QTest::keyClick(dialog, Qt::Key_Escape);
    ASSERT_TRUE(dialog && dialog->isVisible()) << "Escape is no way out";
    EXPECT_TRUE(programEndsAfter([&] { dialog->close(); }));
    EXPECT_FALSE(fs::exists(m_dir / "start.ini"));
    EXPECT_FALSE(frmMainLoaded());
    EXPECT_TRUE(visibleWindows().empty());
}

TEST_F(LanguageDialog, MenuChangeRecaptionsOnlyTheMenus)
{
    gameState().Langue = 1;
    FrmMain& main = showMain();
    newGrid(main, 2);
    const QString levelLine = main.lblNiveau()->text();
    const std::int16_t grid = gameState().NumGrille;
    ASSERT_TRUE(levelLine.startsWith("Level"));

    pickFromMenu(main, 1);
    EXPECT_EQ(readBytes(m_dir / "start.ini"), startIniFor(2));
    EXPECT_EQ(main.mnuFichier()->title(), "&Fichier");
    EXPECT_EQ(main.mnuQuit()->text(), "Quitter");
    EXPECT_EQ(main.mnuReponse()->text(), "Réponse") << "the answer menu too";
    EXPECT_EQ(main.mnuApropos()->title(), "A &propos");
    EXPECT_EQ(main.Language()->text(), "Change &Language") << "in every language";
    EXPECT_EQ(main.lblNiveau()->text(), levelLine);
    EXPECT_EQ(gameState().NumGrille, grid);

    pickFromMenu(main, 4); // a fresh dialog each time
    EXPECT_EQ(main.mnuFichier()->title(), "&Fichero");
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(LanguageDialog, UnwritableStartIniIsToldOnEachChoiceAndTheLanguageStillApplies)
{
    fs::permissions(m_dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    FrmLangue* dialog = firstStart();
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->cmdLangue(2), Qt::LeftButton);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(m_messages[0].text.startsWith("The language could not be saved"));
    EXPECT_EQ(gameState().Langue, 3.0f);
    EXPECT_TRUE(frmMain().isVisible());
    EXPECT_EQ(frmMain().mnuFichier()->title(), "&Datei");
    EXPECT_FALSE(fs::exists(m_dir / "start.ini"));

    pickFromMenu(frmMain(), 3);
    EXPECT_EQ(m_messages.size(), 2u);
    EXPECT_EQ(frmMain().mnuFichier()->title(), "&Schedario");
}

} // namespace
} // namespace taremo
