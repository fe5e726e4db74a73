// The language dialog: at first start with the desktop's language offered, from the menu during a
// game, and with start.ini unwritable.
#include "form_fixture.h"

#include "about/frm_info.h"
#include "lang/frm_langue.h"
#include "lang/spoken.h"
#include "lang/texts.h"
#include "widgets/cell_look.h"
#include <QAccessible>
#include <QLabel>

namespace taremo {
namespace {

using LanguageDialog = test::FormTest;
using test::action;
using test::named;
using test::readBytes;

QWidgetList windowsOnScreen()
{
    QWidgetList shown = QApplication::topLevelWidgets();
    shown.removeIf([](QWidget* widget) { return !widget->isVisible(); });
    return shown;
}

FrmLangue& firstStart(FrmMain& main)
{
    startGame(main, FirstWindow::Language);
    const QWidgetList shown = windowsOnScreen();
    if (shown.size() != 1)
        throw std::runtime_error("the language dialog is not the only window on screen");
    return dynamic_cast<FrmLangue&>(*shown.front());
}
// Chooses the menu item `item` of the main window `m`.
auto choose(FrmMain& m, const char* item) { return std::bind(&QAction::trigger, &action(m, item)); }
QPushButton& flag(const FrmLangue& dialog, int index)
{
    return named<QPushButton>(dialog, QStringLiteral("cmdLangue_%1").arg(index));
}

// At the first start, before any other window.
TEST_F(LanguageDialog, TheFirstStartEndsOnlyWhenTheDialogIsClosed)
{
    FrmLangue& dialog = firstStart(*m_main);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    ASSERT_TRUE(dialog.isVisible());
    dialog.close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(windowsOnScreen().isEmpty());
    EXPECT_TRUE(std::filesystem::is_empty(m_dir.path()));
}

// German, the desktop's, whatever the locale says. (Windows reads its language once, at the
// start: there the run starts the tests on a German desktop, tests/CMakeLists.txt.)
TEST_F(LanguageDialog, TheDesktopsLanguageHasTheFocus)
{
    qputenv("LANGUAGE", "pt_BR:de");
    qputenv("LC_ALL", "fr_FR.UTF-8");
    FrmLangue& dialog = firstStart(*m_main);
    qunsetenv("LANGUAGE");
    qunsetenv("LC_ALL");
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), &flag(dialog, 2));
}

// Each flag's name, place (1680 twips apart), and its picture's colour near its left edge, a
// third of the way down.
TEST_F(LanguageDialog, EachFlagIsNamedPlacedAndDrawn)
{
    const char* names[] = {"English", "Français", "Deutsch", "Italiano", "Spanish"};
    const QRgb colours[] = {0xffc8102e, 0xff0055a4, 0xffdd0000, 0xff009246, 0xfff1bf00};
    FrmLangue& dialog = firstStart(*m_main);
    EXPECT_EQ(named<QLabel>(dialog, "Label1").text(),
              "TAREMO settigns - Please choice your language :");
    for (int i = 0; i < FrmLangue::kLanguageCount; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(flag(dialog, i).toolTip(), QString::fromUtf8(names[i]));
        EXPECT_EQ(flag(dialog, i).geometry(), QRect(24 + 112 * i, 40, 105, 57));
        EXPECT_EQ(flag(dialog, i).icon().pixmap(66, 44).toImage().pixel(6, 16), colours[i]);
    }
}

TEST_F(LanguageDialog, AFlagStartsTheGameInItsLanguageSavedForTheNextStart)
{
    QTest::keyClick(&flag(firstStart(*m_main), 2), Qt::Key_Space);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windowsOnScreen(), QWidgetList{m_main.get()});
    EXPECT_EQ(readBytes(m_dir / "start.ini"), "[LastOpen]\r\nLanguage=3\r\n");
    EXPECT_EQ(named<QMenu>(*m_main, "mnuFichier").title(), "&Datei");
}

TEST_F(LanguageDialog, ALanguageThatCannotBeSavedStillApplies)
{
    std::filesystem::create_directory(m_dir / "start.ini");
    QTest::mouseClick(&flag(firstStart(*m_main), 3), Qt::LeftButton);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].text.startsWith("The language could not be saved"));
    EXPECT_EQ(m_game.state.Langue, 4.0f);
}

// The dialogs have no caption (only a screen reader names them), and a title bar with a close
// box, and a system menu where the platform adds one; the About box has neither bar nor box.
constexpr auto kDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Each language in turn, from English's last, chosen from the menu during a game.
struct LanguageFromTheMenu : test::FormTest {
    void forEachLanguage(const std::function<void(FrmMain&)>& check)
    {
        FrmMain& main = showMain();
        newGrid(main, 2);
        m_levelLine = named<QLabel>(main, "lblNiveau").text();
        for (language = 5; language >= 1; --language) {
            SCOPED_TRACE(language);
            whileModal<FrmLangue>(choose(main, "Language"), [&](FrmLangue& dialog) {
                EXPECT_TRUE(dialog.windowTitle().isEmpty());
                EXPECT_EQ(dialog.windowFlags() & ~Qt::WindowSystemMenuHint, kDialogFrame);
                QTest::mouseClick(&flag(dialog, static_cast<int>(language) - 1), Qt::LeftButton);
            });
            showMain();
            ASSERT_EQ(m_game.state.Langue, language);
            check(main);
        }
    }
    QString text(std::int16_t n) { return QString::fromStdString(Traduction(language, n)); }
    QString spoken(Spoken word) const { return QString::fromStdString(spokenText(language, word)); }
    float language = 0;
    QString m_levelLine;
};

TEST_F(LanguageFromTheMenu, RecaptionsTheMainWindowButNotTheGridInPlay)
{
    forEachLanguage([&](FrmMain& main) {
        QStringList menus;
        for (const char* menu : {"mnuFichier", "mnuAide", "mnuApropos"})
            menus << named<QMenu>(main, menu).title();
        for (const char* item : {"mnuNew", "mnuFinir", "mnuQuit", "mnuReponse", "mnuInfo"})
            menus << action(main, item).text();
        EXPECT_EQ(menus, QStringList({text(1), text(6), text(8), text(2), text(3), text(4), text(7),
                                      text(9)}));
        EXPECT_EQ(action(main, "Language").text(), "Change &Language") << "in every language";
        EXPECT_EQ(named(main, "Image1").accessibleName(), spoken(Spoken::TitlePicture));
        for (const int i : {0, 40, 80})
            EXPECT_EQ(test::txtCh(main, i).accessibleName(),
                      cellAccessibleName(i, main.board().cell(i), false, language));
        EXPECT_EQ(named<QLabel>(main, "lblNiveau").text(), m_levelLine);
    });
}

TEST_F(LanguageFromTheMenu, RecaptionsTheNewGridDialog)
{
    forEachLanguage([&](FrmMain& main) {
        whileModal<FrmNew>(choose(main, "mnuNew"), [&](FrmNew& dialog) {
            EXPECT_EQ(dialog.windowTitle() + dialog.accessibleName(),
                      spoken(Spoken::NewGridDialog));
            EXPECT_EQ(dialog.windowFlags() & ~Qt::WindowSystemMenuHint, kDialogFrame);
            EXPECT_EQ(named<QPushButton>(dialog, "cmdUndo").text(), text(14));
            named<QPushButton>(dialog, "cmdUndo").click();
        });
    });
}

// Its shortcut lines must each fit.
TEST_F(LanguageFromTheMenu, RecaptionsTheAboutBox)
{
    forEachLanguage([&](FrmMain& main) {
        whileModal<FrmInfo>(choose(main, "mnuInfo"), [&](FrmInfo& box) {
            auto& label4 = named<QLabel>(box, "Label4");
            auto& label3 = named<RunsLabel>(box, "Label3");
            EXPECT_EQ(QStringList({label4.text(), label3.text()}),
                      QStringList({text(30), text(31)}));
            EXPECT_EQ(named<QLabel>(box, "lblVersion").text(), TAREMO_VERSION);
            EXPECT_EQ(box.windowTitle() + box.accessibleName(), spoken(Spoken::AboutBox));
            EXPECT_EQ(box.windowFlags(), Qt::Dialog | Qt::FramelessWindowHint);
            for (const auto& [picture, word] :
                 {std::pair{"Image1", Spoken::AboutEmblem}, {"Image2", Spoken::AboutTitle}}) {
                auto* seen = QAccessible::queryAccessibleInterface(&named(box, picture));
                EXPECT_EQ(seen->role(), QAccessible::Graphic);
                EXPECT_EQ(seen->text(QAccessible::Name), spoken(word));
            }
            EXPECT_LE(label4.fontMetrics().horizontalAdvance(label4.text()),
                      label4.contentsRect().width());
            EXPECT_EQ(label3.displayLines().size(), 3) << "one line per shortcut";
            EXPECT_LE(3 * label3.fontMetrics().lineSpacing(), label3.height());
            named<QPushButton>(box, "cmdOK").click();
        });
    });
}

} // namespace
} // namespace taremo
