// The language dialog: at first start with the desktop's language offered, from the menu during a
// game, and with start.ini unwritable; links planted where the game writes its files.
#include "form_fixture.h"

#include "about/frm_info.h"
#include "app/startup.h"
#include "lang/frm_langue.h"
#include "puzzle/puzzle_maker.h"
#include <QLabel>
#include <QMenu>

namespace taremo {
namespace {

using LanguageDialog = testing::FormTest;
using HostileFiles = testing::FormTest;

QWidgetList windowsOnScreen()
{
    QWidgetList shown = QApplication::topLevelWidgets();
    shown.removeIf([](QWidget* widget) { return !widget->isVisible(); });
    return shown;
}

FrmLangue& firstStart()
{
    showLanguageDialogFirstStart();
    const QWidgetList shown = windowsOnScreen();
    if (shown.size() != 1)
        throw std::runtime_error("the language dialog is not the only window on screen");
    return dynamic_cast<FrmLangue&>(*shown.front());
}

// The game ends with its last window: whether none is left once `action` and all it set off
// have run.
bool programEndsAfter(const std::function<void()>& action)
{
    action();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return windowsOnScreen().isEmpty();
}

TEST_F(LanguageDialog, AtFirstStartEachFlagIsNamedAndOpensTheGameInItsLanguageSavedOrNot)
{
    const char* names[] = {"English", "Français", "Deutsch", "Italiano", "Spanish"};
    const char* fileMenus[] = {"&File", "&Fichier", "&Datei", "&Schedario", "&Fichero"};
    const char* locale[] = {"LANGUAGE", "LC_ALL"};
    const QByteArray saved[] = {qgetenv(locale[0]), qgetenv(locale[1])};
    const std::shared_ptr<void> restore(nullptr, [&](void*) {
        for (int i = 0; i < 2; ++i)
            saved[i].isNull() ? qunsetenv(locale[i]) : qputenv(locale[i], saved[i]);
    });
    qputenv("LANGUAGE", "pt_BR:de"); // German, the desktop's, whatever LANG says
    qputenv("LC_ALL", "de_DE.UTF-8");
    for (int i = 0; i < FrmLangue::kLanguageCount; ++i) {
        SCOPED_TRACE(names[i]);
        unloadFrmMain();
        FrmLangue& dialog = firstStart();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_EQ(QApplication::focusWidget(), dialog.cmdLangue(2)) << "the desktop's language";
        EXPECT_EQ(dialog.accessibleName(), "Language");
        EXPECT_TRUE(dialog.windowTitle().isEmpty());
        EXPECT_FALSE(std::filesystem::exists(m_dir / "start.ini")) << "nothing before a click";
        EXPECT_EQ(dialog.Label1()->text(), "TAREMO settigns - Please choice your language :");
        QPushButton* button = dialog.cmdLangue(i);
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(names[i]));
        EXPECT_EQ(button->geometry(), QRect(24 + 112 * i, 40, 105, 57)) << "1680 twips apart";
        EXPECT_EQ(button->accessibleName(), button->toolTip());
        EXPECT_FALSE(programEndsAfter([&] {
            i == 2 ? QTest::keyClick(button, Qt::Key_Space)
                   : QTest::mouseClick(button, Qt::LeftButton);
        }));
        EXPECT_EQ(QString::fromStdString(testing::readBytes(m_dir / "start.ini")),
                  QString("[LastOpen]\r\nLanguage=%1\r\n").arg(i + 1));
        ASSERT_TRUE(frmMainLoaded() && frmMain().isVisible());
        EXPECT_EQ(frmMain().mnuFichier()->title(), QString::fromUtf8(fileMenus[i]));
        std::filesystem::remove(m_dir / "start.ini");
    }
#ifdef _WIN32
    GTEST_SKIP() << "a read-only folder needs POSIX permissions";
#endif
    // A game folder the player may not write to keeps its old difficulty file; the player's own
    // folder, made on the first save, keeps the choices.
    testing::writeBytes(m_dir / "niveau.ini", "[Niveau]\r\nNiveauChoisi=2\r\n");
    std::filesystem::permissions(m_dir.path(), std::filesystem::perms(0500));
    unloadFrmMain();
    QTest::mouseClick(firstStart().cmdLangue(3), Qt::LeftButton);
    gameState().NiveauChoisi = 4;
    frmMain().close();
    EXPECT_EQ(testing::readBytes(m_ownSettings / "start.ini"), "[LastOpen]\r\nLanguage=4\r\n");
    EXPECT_EQ(testing::readBytes(m_ownSettings / "niveau.ini"), "[Niveau]\r\nNiveauChoisi=4\r\n");
    EXPECT_EQ(testing::readBytes(m_dir / "niveau.ini"), "[Niveau]\r\nNiveauChoisi=2\r\n");
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

// What a player reads in each language: the menus, the new-grid dialog, the About box, whose
// shortcut lines must each fit.
struct Captions {
    const char* menus[8]; // File, New, Finish, Exit, Help, Answer, About, its item
    const char* newGrid[3 + kDifficultyCount]; // label, Cancel, assistance, the six levels
    const char* shortcuts;
};
const Captions kCaptions[] = {
    {{"&File", "New", "Finish the railing", "Exit", "&Help", "Réponse", "&About", "TAREMO"},
     {"Difficulty", "Cancel", "Activate the assistance", "Beginner", "Easy", "Means", "Advanced",
      "Difficult", "Expert"},
     "Keyboard shortcuts :"},
    {{"&Fichier", "Nouveau", "Finir la grille", "Quitter", "&Aide", "Réponse", "A &propos",
      "de TAREMO"},
     {"Difficulté", "Annuler", "Activer l'assistance", "Débutant", "Facile", "Moyen", "Avancé",
      "Difficile", "Expert"},
     "Raccourcis clavier :"},
    {{"&Datei", "Neu", "Gitter beenden", "Verlassen", "&Helf", "Antwort", "&Bezüglich", "TAREMO"},
     {"Schwierigkeit", "Aufheben", "Beistand aktivieren", "Anfänger", "Leicht", "Mittel",
      "Fortgeschritten", "Schwer", "Experte"},
     "Kürze Tastatur :"},
    {{"&Schedario", "Nuovo", "Finire la griglia", "Lasciare", "&Aiuto", "risposta",
      "A &proposito", "di TAREMO"},
     {"Difficoltà", "Annullare", "Attivare l'assistenza", "Esordendo", "Facile", "Mezzo",
      "Avanzato", "Difficile", "Perito"},
     "Accorcia tasteria :"},
    {{"&Fichero", "Nuevo", "Acabar la verja", "Irse", "&Ayuda", "Respuesta", "A &propósito",
      "de TAREMO"},
     {"Dificultad", "Anular", "Acelerar la asistencia", "Principiante", "Fácil", "Medio",
      "Avanzado", "Difícil", "Experto"},
     "Teclas aceleradoras :"},
};

TEST_F(LanguageDialog, EachLanguageFromTheMenuRecaptionsTheGameButNotTheGridInPlay)
{
    FrmMain& main = showMain();
    newGrid(main, 2);
    const auto cells = [&] {
        std::vector<std::pair<QString, QPalette>> shown;
        for (int i = 0; i < kCellCount; ++i)
            shown.emplace_back(main.txtCh(i)->text(), main.txtCh(i)->palette());
        return shown;
    };
    const auto board = cells();
    const QString levelLine = main.lblNiveau()->text();
    for (int langue = 1; langue <= 5; ++langue) {
        SCOPED_TRACE(langue);
        const Captions& expected = kCaptions[langue - 1];
        whileModal<FrmLangue>([&] { main.Language()->trigger(); }, [&](FrmLangue& dialog) {
            QTest::mouseClick(dialog.cmdLangue(langue - 1), Qt::LeftButton);
        });
        showMain();
        const QAction* menus[] = {main.mnuFichier()->menuAction(), main.mnuNew(), main.mnuFinir(),
                                  main.mnuQuit(), main.mnuAide()->menuAction(), main.mnuReponse(),
                                  main.mnuApropos()->menuAction(), main.mnuInfo()};
        for (int m = 0; m < 8; ++m)
            EXPECT_EQ(menus[m]->text(), QString::fromUtf8(expected.menus[m]));
        EXPECT_EQ(main.Language()->text(), "Change &Language") << "in every language";
        whileModal<FrmNew>([&] { main.mnuNew()->trigger(); }, [&](FrmNew& dialog) {
            QStringList shown = {dialog.Label1()->text(), dialog.cmdUndo()->text(),
                                 dialog.chkAssist()->text()};
            for (int i = 0; i < dialog.cmbChoix()->count(); ++i)
                shown << dialog.cmbChoix()->itemText(i);
            QStringList wanted;
            for (const char* text : expected.newGrid)
                wanted << QString::fromUtf8(text);
            EXPECT_EQ(shown, wanted);
            QTest::mouseClick(dialog.cmdUndo(), Qt::LeftButton);
        });
        whileModal<FrmInfo>([&] { main.mnuInfo()->trigger(); }, [&](FrmInfo& box) {
            EXPECT_EQ(box.Label4()->text(), QString::fromUtf8(expected.shortcuts));
            EXPECT_EQ(box.lblVersion()->text(), "2.57");
            EXPECT_LE(box.Label4()->fontMetrics().horizontalAdvance(box.Label4()->text()),
                      box.Label4()->contentsRect().width());
            EXPECT_EQ(box.Label3()->displayLines().size(), 3) << "one line per shortcut";
            EXPECT_LE(3 * box.Label3()->fontMetrics().lineSpacing(), box.Label3()->height());
            QTest::mouseClick(box.cmdOK(), Qt::LeftButton);
        });
    }
    EXPECT_EQ(main.lblNiveau()->text(), levelLine);
    EXPECT_TRUE(cells() == board) << "the digits and colours of the grid in play stay";
}

TEST_F(HostileFiles, LinkPlantedWhereTheGameWritesIsReplacedNotFollowed)
{
#ifdef _WIN32
    GTEST_SKIP() << "needs symbolic links";
#endif
    const std::tuple<const char*, std::function<void()>, std::string> cases[] = {
        {kNiveauIni, [] { frmMain().show(); gameState().NiveauChoisi = 4; frmMain().close(); },
         "[Niveau]\r\nNiveauChoisi=4\r\n"},
        {kStartIni, [] { FrmLangue().cmdLangue_Click(1); }, "[LastOpen]\r\nLanguage=2\r\n"},
        {"temphtm.HTM", [] { FrmInfo().lblVote_Click(); }, ""},
    };
    const auto precious = testing::writeBytes(m_dir / "elsewhere/precious.txt", "precious\n");
    for (const auto& [name, write, left] : cases) {
        SCOPED_TRACE(name);
        std::filesystem::create_symlink(precious, m_dir / name);
        write();
        EXPECT_EQ(testing::readBytes(precious), "precious\n");
        EXPECT_EQ(testing::readBytes(m_dir / name), left);
        unloadFrmMain();
    }
}

} // namespace
} // namespace taremo
