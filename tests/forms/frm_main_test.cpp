// The main window played with real keys, clicks, shortcuts and menus.
#include "form_fixture.h"
#include "widgets/cell_look.h"
#include <QClipboard>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

namespace taremo {
namespace {

using test::action;
using test::darkPalette;
using test::named;
using test::txtCh;

// The game's keys are pressed on a puzzle the fixture's clock pins: grid 210 with these cells
// open (o), row by row:
//   --o--o---  -oooo---o  o--o---oo  oooo-ooo-  -oo-o----  ---oooooo  o----ooo-  oooo-oo-o
//   ------oo-
struct MainWindow : test::FormTest {
    FrmMain& onGrid210()
    {
        FrmMain& main = showMain();
        newGrid(main, 0);
        if (m_game.state.NumGrille != 210)
            throw std::runtime_error("the fixture's clock gives another puzzle");
        return main;
    }
    // The ring's colour where cell `index` has one, else nothing.
    static QColor ringOf(const FrmMain& main, int index)
    {
        const QImage image = named(main, "fraGrille").grab().toImage();
        const QRect r = txtCh(main, index).geometry();
        const QColor ring = image.pixelColor(r.center().x(), r.top() + kOutlineWidth + 1);
        return ring == image.pixelColor(r.left() + 7, r.top() + 6) ? QColor() : ring;
    }
};

TEST_F(MainWindow, OpensOnTheTitlePictureInAWindowOfItsOwnWidth)
{
    FrmMain& main = showMain();
    EXPECT_EQ(main.windowTitle(), "  ta | re | mo");
    // A title bar and a close box, the way out besides Exit and F3.
    const auto frame = Qt::FramelessWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    EXPECT_EQ(main.windowFlags() & frame, frame & ~Qt::FramelessWindowHint);
    EXPECT_EQ(main.menuBar()->actions().size(), 2) << "the help menu is a pop-up only";
    EXPECT_FALSE(action(main, "mnuFinir").isEnabled());
    auto& picture = named(main, "Image1");
    EXPECT_TRUE(picture.isVisible() && !named(main, "fraGrille").isVisible() &&
                !named(main, "lblNiveau").isVisible());
    // 15 twips to a pixel: 6210 wide, centred on the screen; the picture 4950 x 4275, centred
    // with 800 twips of the outer height left to the bars.
    main.resize(700, main.height()); // no width but its own, asked for from inside or outside
    main.windowHandle()->resize(700, main.height());
    QApplication::processEvents();
    EXPECT_EQ(main.width(), 414);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(main.frameGeometry().center().x(), screen.center().x(), 3);
    EXPECT_EQ(picture.geometry(),
              QRect(42, (main.frameGeometry().height() * 15 - 4275 - 800) / 30, 330, 285));
}

// A click on the title picture asks for the first grid.
TEST_F(MainWindow, TheBoardTakesThePicturesPlaceLaidOutInTwips)
{
    FrmMain& main = showMain();
    auto& picture = named(main, "Image1");
    whileModal<FrmNew>([&] { QTest::mouseClick(&picture, Qt::LeftButton); },
                       [](FrmNew& dialog) { test::click(dialog, "cmdOK"); });
    showMain();
    auto& board = named(main, "fraGrille");
    auto& level = named(main, "lblNiveau");
    EXPECT_TRUE(!picture.isVisible() && board.isVisible() && level.isVisible());
    EXPECT_TRUE(action(main, "mnuFinir").isEnabled());
    EXPECT_EQ(board.geometry(), QRect(8, 8, 393, 329));
    EXPECT_EQ(level.geometry(), QRect(8, 344, 393, 17));
    // Cells 615 x 495 twips; blocks 105 twips apart, neighbours within a block share a border.
    const int lefts[] = {8, 48, 88, 136, 176, 216, 264, 304, 344};
    const int tops[] = {16, 48, 80, 120, 152, 184, 224, 256, 288};
    for (int i = 0; i < kCellCount; ++i)
        ASSERT_EQ(txtCh(main, i).geometry(), QRect(lefts[i % 9], tops[i / 9], 41, 33)) << i;
}

// Keys into an open cell holding a wrong digit: the first four empty it, the others keep the
// digit and open no pop-up (F10 is the menu bar's own key).
TEST_F(MainWindow, EditingKeysLeaveTheBoardAsTheFieldShows)
{
    FrmMain& main = onGrid210();
    CellEdit& cell = txtCh(main, 78);
    QGuiApplication::clipboard()->setText(QStringLiteral("12345"));
    const QStringList keys = {"A", "Ctrl+V", "Backspace", "Home, Del", "Shift+Ins", "Del", "F10"};
    for (int i = 0; i < keys.size(); ++i) {
        SCOPED_TRACE(keys[i].toStdString());
        typeDigit(main, 78, false);
        QTest::keySequence(&cell, QKeySequence::fromString(keys[i]));
        EXPECT_EQ(cell.text().size(), i < 4 ? 0 : 1);
        EXPECT_EQ(main.board().cell(78).text, cell.text().toStdString());
        ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    }
}

TEST_F(MainWindow, TheAnswerKeysOfferTheAnswerBelowTheCell)
{
    FrmMain& main = onGrid210();
    CellEdit& cell = txtCh(main, 78);
    auto& menu = named<QMenu>(main, "mnuAide");
    for (const char* key : {"Shift+F10", "Menu"}) {
        SCOPED_TRACE(key);
        typeDigit(main, 78, false);
        QTest::keySequence(&cell, QKeySequence::fromString(key));
        ASSERT_EQ(QApplication::activePopupWidget(), &menu);
        EXPECT_LE((menu.pos() - cell.mapToGlobal(QPoint(0, cell.height()))).manhattanLength(), 2);
    }
    QTest::keySequence(&menu, QKeySequence(Qt::Key_Down, Qt::Key_Return));
    EXPECT_EQ(cell.text().toInt(), Solution(m_game.state.NumGrille, cellNumber(78)));
}

// "from key to", from an open cell or one just settled, which keeps the ring with no cell
// focused. An arrow leads to the nearest open cell that way along its own row or column, past
// given and settled cells, even with a nearer cell off the line (13 Right, 40 Up); off the line
// only when none lies on it, to the nearest and then the closest to the line (5 Right); nowhere
// when none lies that way (17 Right). Tab and Shift+Tab lead to the next open cell either side,
// round the board.
TEST_F(MainWindow, TheRingFollowsEachMoveToTheCellItLeadsTo)
{
    FrmMain& main = onGrid210();
    const QStringList fromOpen = {"13 Right 17",     "17 Left 13", "2 Down 11",     "11 Up 2",
                                  "40 Up 13",        "5 Right 17", "17 Right 17",   "13 Tab 17",
                                  "18 Shift+Tab 17", "79 Tab 2",   "2 Shift+Tab 79"};
    const QStringList fromSettled = {"11 Down 29",  "29 Up 2",   "2 Left 10",
                                     "10 Right 12", "12 Tab 13", "13 Shift+Tab 5"};
    for (const QString& row : fromOpen + fromSettled) {
        SCOPED_TRACE(row.toStdString());
        const QStringList word = row.split(' ');
        const int from = word[0].toInt(), to = word[2].toInt();
        fromSettled.contains(row) ? typeDigit(main, from, true) : txtCh(main, from).setFocus();
        ASSERT_TRUE(ringOf(main, from).isValid());
        QTest::keySequence(main.windowHandle(), QKeySequence::fromString(word[1]));
        EXPECT_EQ(QApplication::focusWidget(), &txtCh(main, to));
        EXPECT_TRUE(ringOf(main, to).isValid() && (to == from || !ringOf(main, from).isValid()));
    }
}

TEST_F(MainWindow, CellsTakeTheColoursOfADarkThemeChosenDuringTheGame)
{
    FrmMain& main = onGrid210();
    QApplication::setPalette(darkPalette());
    QCoreApplication::sendPostedEvents(); // as the event loop would, before the next paint
    EXPECT_EQ(txtCh(main, 79).grab().toImage().pixelColor(7, 6), darkPalette().base().color());
    QApplication::setPalette(QApplication::style()->standardPalette());
}

// F3 quits by the closing path, as the close box does; either stores the level, with a grid on
// the board or none yet.
TEST_F(MainWindow, ClosingStoresTheDifficultyWithOrWithoutAGrid)
{
    m_game.state.NiveauChoisi = 4;
    showMain().close();
    EXPECT_EQ(test::readBytes(m_dir / "niveau.ini"), "[Niveau]\r\nNiveauChoisi=4\r\n");
    QTest::keyClick(onGrid210().windowHandle(), Qt::Key_F3);
    EXPECT_EQ(test::readBytes(m_dir / "niveau.ini"), "[Niveau]\r\nNiveauChoisi=0\r\n");
}

TEST_F(MainWindow, AFullRightGridIsWonOnceWhicheverWayItIsFilled)
{
    for (const std::string_view way : {"assisted", "unassisted", "answer"}) {
        SCOPED_TRACE(way);
        m_main = std::make_unique<FrmMain>(m_game, *this);
        m_messages.clear();
        FrmMain& main = showMain();
        newGrid(main, 1, way != "unassisted");
        const auto open = openCells(main);
        for (const int i : open)
            typeDigit(main, i, i != open[0]); // all right but the first, which turns red
        way == "answer" ? answerByMouse(main, open[0]) : typeDigit(main, open[0], true);
        EXPECT_EQ(txtCh(main, open[0]).accessibleName().endsWith("révélée"), way == "answer");
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0].text, QStringLiteral("Bravo !"));
        EXPECT_EQ(m_messages[0].icon, MessageIcon::Information);
        EXPECT_TRUE(m_finishAtMessage) << "Bravo first, then Finish goes";
        showMain();
        QAction& finish = action(main, "mnuFinir");
        ASSERT_EQ(finish.isEnabled(), way == "answer") << "only a win by the answer can finish";
        QTest::keyClick(main.windowHandle(), Qt::Key_F4);
        EXPECT_FALSE(finish.isEnabled());
    }
}

} // namespace
} // namespace taremo
