// The language dialog: at first start, from the menu during a game, and with start.ini unwritable.
#include "form_fixture.h"

#include "lang/frm_langue.h"
#include <QLabel>
#include <QMenu>

namespace taremo {
namespace {

using LanguageDialog = testing::FormTest;
FrmLangue& firstStart()
{
    showLanguageDialogFirstStart();
    QWidgetList shown = QApplication::topLevelWidgets();
    shown.removeIf([](QWidget* widget) { return !widget->isVisible(); });
    if (shown.size() != 1)
        throw std::runtime_error("the language dialog is not the only window on screen");
    return dynamic_cast<FrmLangue&>(*shown.front());
}

bool programEndsAfter(const std::function<void()>& action)
{
    QApplication::setQuitOnLastWindowClosed(true);
    QTimer::singleShot(0, action);
    QObject context; // the time limit ends here, even when the program ended first
    QTimer::singleShot(200, &context, [] { QCoreApplication::exit(1); });
    const bool ended = QApplication::exec() == 0;
    QApplication::setQuitOnLastWindowClosed(false);
    return ended;
}

TEST_F(LanguageDialog, AtFirstStartEachFlagIsNamedAndOpensTheGameInItsLanguageSavedOrNot)
{
    const char* names[] = {"English", "Français", "Deutsch", "Italiano", "Spanish"};
    const char* fileMenus[] = {"&File", "&Fichier", "&Datei", "&Schedario", "&Fichero"};
    for (int i = 0; i < FrmLangue::kLanguageCount; ++i) {
        SCOPED_TRACE(names[i]);
        unloadFrmMain();
        QPushButton* button = firstStart().cmdLangue(i);
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(names[i]));
        EXPECT_EQ(button->accessibleName(), button->toolTip());
        EXPECT_FALSE(programEndsAfter([&] { QTest::mouseClick(button, Qt::LeftButton); }));
        EXPECT_EQ(QString::fromStdString(testing::readBytes(m_dir / "start.ini")),
                  QString("[LastOpen]\r\nLanguage=%1\r\n").arg(i + 1));
        ASSERT_TRUE(frmMainLoaded() && frmMain().isVisible());
        EXPECT_EQ(frmMain().mnuFichier()->title(), QString::fromUtf8(fileMenus[i]));
    }
#ifdef _WIN32
    GTEST_SKIP() << "a read-only folder needs POSIX permissions";
#endif
    // A game folder the player may not write to: the player's own folder keeps the choice.
    std::filesystem::permissions(m_dir.path(), std::filesystem::perms(0500));
    unloadFrmMain();
    QTest::mouseClick(firstStart().cmdLangue(3), Qt::LeftButton);
    EXPECT_EQ(testing::readBytes(m_ownSettings / "start.ini"), "[LastOpen]\r\nLanguage=4\r\n");
    EXPECT_TRUE(m_messages.empty());
    std::filesystem::permissions(m_ownSettings, std::filesystem::perms(0500)); // nowhere now
    unloadFrmMain();
    QTest::mouseClick(firstStart().cmdLangue(2), Qt::LeftButton);
    std::filesystem::permissions(m_ownSettings, std::filesystem::perms(0700));
    ASSERT_EQ(m_messages.size(), 1u) << "told once, and only when unsaved";
    EXPECT_TRUE(m_messages[0].text.startsWith("The language could not be saved"));
    EXPECT_EQ(frmMain().mnuFichier()->title(), "&Datei");
}

TEST_F(LanguageDialog, FirstStartClosedUnansweredEndsTheProgramWithoutWriting)
{
    FrmLangue& dialog = firstStart();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    ASSERT_TRUE(dialog.isVisible()) << "Escape is no way out";
    EXPECT_TRUE(programEndsAfter([&] { dialog.close(); }));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "start.ini"));
}

TEST_F(LanguageDialog, MenuChangeRecaptionsOnlyTheMenus)
{
    FrmMain& main = showMain();
    newGrid(main, 2);
    const QString levelLine = main.lblNiveau()->text();
    whileModal<FrmLangue>([&] { main.Language()->trigger(); }, [](FrmLangue& dialog) {
        QTest::mouseClick(dialog.cmdLangue(2), Qt::LeftButton);
    });
    EXPECT_EQ(main.mnuFichier()->title(), "&Datei");
    EXPECT_EQ(main.Language()->text(), "Change &Language") << "in every language";
    EXPECT_EQ(main.lblNiveau()->text(), levelLine);
}

} // namespace
} // namespace taremo
