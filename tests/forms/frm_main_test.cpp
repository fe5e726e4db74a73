// The main window played with real keys, clicks, shortcuts and menus.
#include "form_fixture.h"
#include "mainwin/qt_cell_look.h"
#include <QClipboard>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

namespace taremo {
namespace {

using MainWindow = test::FormTest;
using test::darkPalette;
using test::action;
using test::named;
using test::txtCh;

TEST_F(MainWindow, OpensOnTheTitlePictureAndLaysTheBoardOutInTwips)
{
    FrmMain& main = showMain();
    EXPECT_EQ(main.windowTitle(), "  ta | re | mo");
    EXPECT_EQ(main.menuBar()->actions().size(), 2) << "the help menu is a pop-up only";
    EXPECT_FALSE(action(main, "mnuFinir").isEnabled());
    auto& picture = named(main, "Image1");
    auto& board = named(main, "fraGrille");
    auto& level = named(main, "lblNiveau");
    EXPECT_TRUE(picture.isVisible() && !board.isVisible() && !level.isVisible());
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

    whileModal<FrmNew>([&] { QTest::mouseClick(&picture, Qt::LeftButton); }, [](FrmNew& dialog) {
        QTest::mouseClick(&named<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    });
    showMain();
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

TEST_F(MainWindow, OnlyDigitsAndTheAnswerMenuFillACellAndArrowsFindTheNearestOpenOne)
{
    FrmMain& main = showMain();
    newGrid(main, 5);
    const auto open = openCells(main);
    CellEdit& cell = txtCh(main, open[0]); // the current cell, which one click answers
    QGuiApplication::clipboard()->setText(QStringLiteral("12345"));
    const std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {"letter", Qt::Key_A, {}}, {"Ctrl+V", Qt::Key_V, Qt::ControlModifier},
        {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier}};
    for (const auto& [name, key, modifiers] : keys) {
        QTest::keyClick(&cell, key, modifiers);
        EXPECT_EQ(cell.text(), "") << name;
    }
    QTest::keyClick(&cell, Qt::Key_F10, Qt::ShiftModifier); // the answer from the keyboard
    auto& menu = named<QMenu>(main, "mnuAide");
    ASSERT_EQ(QApplication::activePopupWidget(), &menu);
    EXPECT_LE((menu.pos() - cell.mapToGlobal(QPoint(0, cell.height()))).manhattanLength(), 2);
    QTest::keyClick(&menu, Qt::Key_Down);
    QTest::keyClick(&menu, Qt::Key_Return);
    EXPECT_EQ(cell.text().toInt(), Solution(gameState().NumGrille, cellNumber(open[0])));
    // The ring's colour where the cell has one, else nothing.
    const auto ringOf = [&](int index) {
        const QImage image = named(main, "fraGrille").grab().toImage();
        const QRect r = txtCh(main, index).geometry();
        const QColor ring = image.pixelColor(r.center().x(), r.top() + kOutlineWidth + 1);
        return ring == image.pixelColor(r.left() + 7, r.top() + 6) ? QColor() : ring;
    };
    // A settled cell passes the focus on but keeps the ring; Tab and the arrows go on from it.
    int settled = open[open.size() / 2];
    typeDigit(main, settled, true);
    EXPECT_TRUE(QApplication::focusWidget() == nullptr && ringOf(settled).isValid());
    QTest::keyClick(&main, Qt::Key_Tab);
    const int next = main.board().nextOpenCell(settled, 1);
    ASSERT_TRUE(txtCh(main, next).hasFocus()) << "not back to the top of the board";
    EXPECT_TRUE(ringOf(next).isValid() && !ringOf(settled).isValid()) << "the ring moved on";
    typeDigit(main, settled = next, true);
    QTest::keyClick(&main, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), &txtCh(main, main.board().nearestOpenCell(settled, 1, 0)));
    // The desktop switches to a dark theme during the game: the cells take its colours.
    QApplication::setPalette(darkPalette());
    QCoreApplication::sendPostedEvents(); // as the event loop would, before the next paint
    EXPECT_EQ(txtCh(main, open.back()).grab().toImage().pixelColor(7, 6), darkPalette().color(QPalette::Base));
    QApplication::setPalette(QApplication::style()->standardPalette());
}

TEST_F(MainWindow, AFullRightGridIsWonOnceByAKeyWithOrWithoutAssistanceOrByTheAnswer)
{
    for (const std::string_view way : {"assisted", "unassisted", "answer"}) {
        SCOPED_TRACE(way);
        unloadFrmMain();
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
        EXPECT_TRUE(m_finirAtMessage) << "Bravo first, then Finish goes";
        showMain();
        QAction& finir = action(main, "mnuFinir");
        ASSERT_EQ(finir.isEnabled(), way == "answer") << "only a win by the answer can finish";
        QTest::keyClick(main.windowHandle(), Qt::Key_F4);
        EXPECT_FALSE(finir.isEnabled());
    }
}

TEST_F(MainWindow, F4FinishesTheGridAndF3StoresTheLevel)
{
    FrmMain& main = showMain();
    newGrid(main, 3);
    typeDigit(main, openCells(main)[0], false); // corrected once finished
    QTest::keyClick(main.windowHandle(), Qt::Key_F4);
    EXPECT_TRUE(openCells(main).empty());
    QTest::keyClick(main.windowHandle(), Qt::Key_F3);
    EXPECT_EQ(test::readBytes(m_dir / "niveau.ini"), "[Niveau]\r\nNiveauChoisi=3\r\n");
}

} // namespace
} // namespace taremo
