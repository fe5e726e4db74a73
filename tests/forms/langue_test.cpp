// The language dialog: what each flag stores, the first start alone on screen, the change of
// language from the menu in the middle of a game, and a start.ini that cannot be written.
#include "form_fixture.h"

#include "lang/frm_langue.h"
#include "puzzle/frm_new.h"
#include "puzzle/grid_catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>

#include <fstream>
#include <sstream>

namespace taremo {
namespace {

using testing::FormTest;
namespace fs = std::filesystem;

const char* const kFileMenu[] = {"&File", "&Fichier", "&Datei", "&Schedario", "&Fichero"};

class LanguageDialog : public FormTest {
protected:
    void TearDown() override
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        FormTest::TearDown();
    }

    std::string startIni() const
    {
        std::ifstream in(m_dir / "start.ini", std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    static std::vector<QWidget*> visibleWindows()
    {
        std::vector<QWidget*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible())
                windows.push_back(widget);
        }
        return windows;
    }

    // Shows the first-start dialog and returns it.
    static FrmLangue* firstStart()
    {
        showLanguageDialogFirstStart();
        const auto windows = visibleWindows();
        EXPECT_EQ(windows.size(), 1u);
        return windows.empty() ? nullptr : dynamic_cast<FrmLangue*>(windows.front());
    }

    // Runs the event loop with the game's quit-on-last-window rule after `action`; true when
    // the program ended by itself within half a second.
    static bool programEndsAfter(const std::function<void()>& action)
    {
        QApplication::setQuitOnLastWindowClosed(true);
        QTimer::singleShot(0, action);
        bool timedOut = false;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] {
            timedOut = true;
            QCoreApplication::exit(0);
        });
        guard.start(500);
        QApplication::exec();
        QApplication::setQuitOnLastWindowClosed(false);
        return !timedOut;
    }

    void newGrid(FrmMain& main)
    {
        whileModal<FrmNew>([&] { main.mnuNew_Click(); },
                           [](FrmNew& dialog) {
                               dialog.cmbChoix()->setCurrentIndex(2);
                               QTest::mouseClick(dialog.cmdOK(), Qt::LeftButton);
                           });
    }

    void pickFromMenu(FrmMain& main, int index)
    {
        whileModal<FrmLangue>([&] { main.Language()->trigger(); },
                              [&](FrmLangue& dialog) {
                                  EXPECT_TRUE(dialog.isModal());
                                  EXPECT_EQ(dialog.parentWidget(), &main);
                                  QTest::mouseClick(dialog.cmdLangue(index), Qt::LeftButton);
                              });
    }
};

TEST_F(LanguageDialog, LooksAsDrawn)
{
    FrmLangue dialog;
    EXPECT_EQ(dialog.objectName(), "frmLangue");
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
    EXPECT_EQ(dialog.size(), QSize(620, 124));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);

    QLabel* label = dialog.Label1();
    EXPECT_EQ(label->text(), "TAREMO settigns - Please choice your language :");
    EXPECT_EQ(label->geometry(), QRect(24, 8, 553, 25));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->font().pointSize(), 12);

    const char* names[] = {"English", "Français", "Deutsch", "Italiano", "Spanish"};
    const int lefts[] = {24, 136, 248, 360, 472};
    for (int i = 0; i < FrmLangue::kLanguageCount; ++i) {
        SCOPED_TRACE(i);
        QPushButton* button = dialog.cmdLangue(i);
        EXPECT_EQ(button->objectName(), QStringLiteral("cmdLangue_%1").arg(i));
        EXPECT_EQ(button->geometry(), QRect(lefts[i], 40, 105, 57));
        EXPECT_TRUE(button->text().isEmpty());
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(names[i]));
        EXPECT_EQ(button->accessibleName(), QString::fromUtf8(names[i]));
        // The flag is drawn: its middle is not left transparent.
        const QImage flag = button->icon().pixmap(button->iconSize()).toImage();
        ASSERT_FALSE(flag.isNull());
        EXPECT_EQ(flag.pixelColor(flag.width() / 2, flag.height() / 2).alpha(), 255);
        if (i > 0) {
            EXPECT_EQ(dialog.cmdLangue(i - 1)->nextInFocusChain(), button);
        }
    }
}

TEST_F(LanguageDialog, EachFlagStoresItsLanguageAndOpensTheGame)
{
    for (int i = 0; i < FrmLangue::kLanguageCount; ++i) {
        SCOPED_TRACE(i);
        unloadFrmMain();
        QPointer<FrmLangue> dialog = firstStart();
        ASSERT_TRUE(dialog);
        EXPECT_FALSE(dialog->isModal());
        QTest::mouseClick(dialog->cmdLangue(i), Qt::LeftButton);

        EXPECT_EQ(startIni(), "[LastOpen]\r\nLanguage=" + std::to_string(i + 1) + "\r\n");
        EXPECT_EQ(gameState().Langue, static_cast<float>(i + 1));
        ASSERT_TRUE(frmMainLoaded());
        EXPECT_TRUE(frmMain().isVisible());
        EXPECT_EQ(frmMain().mnuFichier()->title(), QString::fromUtf8(kFileMenu[i]));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(dialog); // unloaded, not just hidden
    }
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(LanguageDialog, FirstStartEndsTheProgramOnlyWhenClosedUnanswered)
{
    QPointer<FrmLangue> dialog = firstStart();
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(
        programEndsAfter([&] { QTest::mouseClick(dialog->cmdLangue(0), Qt::LeftButton); }));
    EXPECT_TRUE(frmMain().isVisible());

    unloadFrmMain();
    fs::remove(m_dir / "start.ini");
    dialog = firstStart();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(programEndsAfter([&] { dialog->close(); }));
    EXPECT_FALSE(fs::exists(m_dir / "start.ini"));
    EXPECT_FALSE(frmMainLoaded());
    EXPECT_TRUE(visibleWindows().empty());
}

TEST_F(LanguageDialog, MenuChangeRecaptionsOnlyTheMenus)
{
    gameState().Langue = 1;
    FrmMain& main = showMain();
    newGrid(main);
    const QString levelLine = main.lblNiveau()->text();
    const std::int16_t grid = gameState().NumGrille;
    QStringList cells;
    for (int i = 0; i < kCellCount; ++i)
        cells << main.txtCh(i)->text();
    ASSERT_TRUE(levelLine.startsWith("Level"));

    pickFromMenu(main, 1);

    EXPECT_EQ(startIni(), "[LastOpen]\r\nLanguage=2\r\n");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.mnuFichier()->title(), "&Fichier");
    EXPECT_EQ(main.mnuNew()->text(), "Nouveau");
    EXPECT_EQ(main.mnuFinir()->text(), "Finir la grille");
    EXPECT_EQ(main.mnuQuit()->text(), "Quitter");
    EXPECT_EQ(main.mnuAide()->title(), "&Aide");
    EXPECT_EQ(main.mnuApropos()->title(), "A &propos");
    EXPECT_EQ(main.mnuInfo()->text(), "de TAREMO");
    EXPECT_EQ(main.Language()->text(), "Change &Language");
    EXPECT_EQ(main.lblNiveau()->text(), levelLine);
    EXPECT_EQ(gameState().NumGrille, grid);
    for (int i = 0; i < kCellCount; ++i)
        EXPECT_EQ(main.txtCh(i)->text(), cells[i]) << "cell " << i;

    pickFromMenu(main, 4); // a fresh dialog each time
    EXPECT_EQ(main.mnuFichier()->title(), "&Fichero");
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(LanguageDialog, UnwritableStartIniIsToldOnceAndTheLanguageStillApplies)
{
    const std::string old = "[LastOpen]\r\nLanguage=1\r\n";
    struct Case {
        const char* what;
        std::function<void()> lock;
        std::string expected; // start.ini afterwards, "" for none
    };
    const Case cases[] = {
        {"read-only folder",
         [&] { fs::permissions(m_dir, fs::perms(0555)); }, ""},
        {"read-only start.ini",
         [&] {
             std::ofstream(m_dir / "start.ini", std::ios::binary) << old;
             fs::permissions(m_dir / "start.ini", fs::perms(0444));
         },
         old},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        unloadFrmMain();
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove(m_dir / "start.ini");
        m_messages.messages.clear();
        gameState().Langue = 1;
        c.lock();

        FrmLangue* dialog = firstStart();
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->cmdLangue(2), Qt::LeftButton);
        ASSERT_EQ(m_messages.messages.size(), 1u);
        EXPECT_EQ(m_messages.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(m_messages.messages[0].title, "Taremo");
        EXPECT_TRUE(m_messages.messages[0].text.contains("could not be saved"));
        EXPECT_EQ(gameState().Langue, 3.0f);
        EXPECT_TRUE(frmMain().isVisible());
        EXPECT_EQ(frmMain().mnuFichier()->title(), "&Datei");
        EXPECT_EQ(fs::exists(m_dir / "start.ini") ? startIni() : "", c.expected);

        pickFromMenu(frmMain(), 3); // and again from the menu: once per click
        EXPECT_EQ(m_messages.messages.size(), 2u);
        EXPECT_EQ(frmMain().mnuFichier()->title(), "&Schedario");
    }
}

} // namespace
} // namespace taremo
