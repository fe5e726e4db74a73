// The main window played with real keys, clicks, shortcuts and menus; the new-grid dialog
// between games.
#include "form_fixture.h"
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace taremo {
namespace {

using MainWindow = testing::FormTest;

TEST_F(MainWindow, OpensOnTheTitlePictureAndLaysTheBoardOutInTwips)
{
    FrmMain& main = showMain();
    EXPECT_EQ(main.windowTitle(), "  ta | re | mo");
    QStringList bar;
    for (const QAction* menu : main.menuBar()->actions())
        bar << menu->text();
    EXPECT_EQ(bar, QStringList({"&Fichier", "A &propos"})) << "the help menu is a pop-up only";
    EXPECT_FALSE(main.mnuFinir()->isEnabled());
    EXPECT_TRUE(main.Image1()->isVisible());
    EXPECT_FALSE(main.fraGrille()->isVisible() || main.lblNiveau()->isVisible());
    // 15 twips to a pixel: 6210 wide, centred on the screen; the picture 4950 x 4275, centred
    // with 800 twips of the outer height left to the bars.
    main.resize(700, main.height()); // no width but its own, asked for from inside or outside
    main.windowHandle()->resize(700, main.height());
    QApplication::processEvents();
    EXPECT_EQ(main.width(), 414);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(main.frameGeometry().center().x(), screen.center().x(), 3);
    EXPECT_EQ(main.Image1()->geometry(),
              QRect(42, (main.frameGeometry().height() * 15 - 4275 - 800) / 30, 330, 285));

    whileModal<FrmNew>([&] { QTest::mouseClick(main.Image1(), Qt::LeftButton); },
                       [](FrmNew& dialog) { QTest::mouseClick(dialog.cmdOK(), Qt::LeftButton); });
    showMain();
    EXPECT_FALSE(main.Image1()->isVisible());
    EXPECT_TRUE(main.fraGrille()->isVisible() && main.lblNiveau()->isVisible());
    EXPECT_EQ(main.fraGrille()->geometry(), QRect(8, 8, 393, 329));
    EXPECT_EQ(main.lblNiveau()->geometry(), QRect(8, 344, 393, 17));
    // Cells 615 x 495 twips; blocks 105 twips apart, neighbours within a block share a border.
    const int lefts[] = {8, 48, 88, 136, 176, 216, 264, 304, 344};
    const int tops[] = {16, 48, 80, 120, 152, 184, 224, 256, 288};
    for (int i = 0; i < kCellCount; ++i)
        ASSERT_EQ(main.txtCh(i)->geometry(), QRect(lefts[i % 9], tops[i / 9], 41, 33)) << i;
}

TEST_F(MainWindow, NewGridDialogWantsALevelStaysUpOnEscapeOrEnterAndMakesAPuzzleOnOK)
{
    gameState().NiveauChoisi = -1;
    FrmMain& main = showMain();
    answerNewGrid(main, [](FrmNew& dialog) {
        QTest::mouseClick(dialog.cmdOK(), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(dialog.chkAssist(), Qt::Key_Return);
        ASSERT_TRUE(dialog.isVisible());
        dialog.cmbChoix()->setCurrentIndex(4);
        QTest::mouseClick(dialog.cmdOK(), Qt::LeftButton);
    });
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, QStringLiteral("Veuillez choisir la difficulté"));
    EXPECT_EQ(main.lblNiveau()->text(),
              QStringLiteral("Niveau Difficile       click dans une case pour avoir la réponse"));
}

TEST_F(MainWindow, OnlyDigitsAndTheAnswerMenuFillACellAndArrowsFindTheNearestOpenOne)
{
    FrmMain& main = showMain();
    newGrid(main, 5);
    const auto open = openCells(main);
    CellEdit* cell = main.txtCh(open[0]); // the current cell, which one click answers
    QGuiApplication::clipboard()->setText(QStringLiteral("12345"));
    const std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {"letter", Qt::Key_A, {}}, {"Ctrl+V", Qt::Key_V, Qt::ControlModifier},
        {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier}};
    for (const auto& [name, key, modifiers] : keys) {
        QTest::keyClick(cell, key, modifiers);
        EXPECT_EQ(cell->text(), "") << name;
    }
    QTest::mouseClick(cell, Qt::LeftButton);
    QMenu* menu = main.mnuAide();
    ASSERT_EQ(QApplication::activePopupWidget(), menu);
    // Chosen as a player does, which closes the menu; the keys go to the window once it is back.
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(main.mnuReponse()).center());
    ASSERT_TRUE(QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }));
    showMain();
    EXPECT_EQ(cell->text().toInt(), Solution(gameState().NumGrille, cellNumber(open[0])));
    int current = open[open.size() / 2]; // each arrow goes on from where the last one left it
    typeDigit(main, current, true);
    EXPECT_EQ(QApplication::focusWidget(), nullptr) << "the settled cell passes the focus on";
    for (const auto& [key, dRow, dColumn] : {std::tuple{Qt::Key_Right, 0, 1}, {Qt::Key_Down, 1, 0},
                                            {Qt::Key_Left, 0, -1}, {Qt::Key_Up, -1, 0}}) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : &main, key);
        const int next = main.board().nearestOpenCell(current, dRow, dColumn);
        current = next >= 0 ? next : current;
        EXPECT_EQ(QApplication::focusWidget(), next >= 0 ? main.txtCh(next) : focused)
            << QKeySequence(key).toString().toStdString() << ": stays put with nowhere to go";
    }
}

TEST_F(MainWindow, AFullRightGridIsWonOnceByAKeyWithOrWithoutAssistanceOrByTheAnswer)
{
    for (const char* way : {"assisted", "unassisted", "answer"}) {
        SCOPED_TRACE(way);
        const bool byAnswer = way == std::string_view("answer");
        unloadFrmMain();
        m_messages.clear();
        FrmMain& main = showMain();
        newGrid(main, 1, way != std::string_view("unassisted"));
        const auto open = openCells(main);
        for (const int i : open)
            typeDigit(main, i, i != open[0]); // all right but the first, which turns red
        EXPECT_EQ(main.txtCh(open[0])->palette().color(QPalette::Active, QPalette::Text), Qt::red);
        if (byAnswer) {
            main.txtCh(open[0])->setFocus();
            QTest::mouseClick(main.txtCh(open[0]), Qt::LeftButton);
            QMenu* menu = main.mnuAide();
            ASSERT_EQ(QApplication::activePopupWidget(), menu);
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(main.mnuReponse()).center());
        } else {
            typeDigit(main, open[0], true);
        }
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0].text, QStringLiteral("Bravo !"));
        EXPECT_EQ(m_messages[0].icon, MessageIcon::Information);
        EXPECT_TRUE(m_finirAtMessage) << "Bravo first, then Finish goes";
        if (!byAnswer) {
            EXPECT_FALSE(main.mnuFinir()->isEnabled());
            continue;
        }
        showMain();
        ASSERT_TRUE(main.mnuFinir()->isEnabled()) << "a grid won by the answer can be finished";
        const auto won = cellsOf(main);
        QTest::keyClick(main.windowHandle(), Qt::Key_F4);
        EXPECT_FALSE(main.mnuFinir()->isEnabled());
        EXPECT_EQ(cellsOf(main), won) << "every cell was settled already";
    }
}

TEST_F(MainWindow, TakesNoInputUnderADialogThenF4FinishesLegiblyAndF3StoresTheLevel)
{
    FrmMain& main = showMain();
    newGrid(main, 3);
    const auto open = openCells(main);
    for (QAction* command : {main.mnuNew(), main.Language(), main.mnuInfo()}) {
        SCOPED_TRACE(command->objectName().toStdString());
        whileModal<QDialog>([&] { command->trigger(); }, [&](QDialog& dialog) {
            QTest::keyClick(main.windowHandle(), Qt::Key_5);
            QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {},
                              main.txtCh(open[1])->mapTo(&main, QPoint(5, 5)));
            QTest::keyClick(main.windowHandle(), Qt::Key_F4);
            dialog.reject();
        });
        EXPECT_EQ(main.board().CaseCourante(), open[0]) << "the click went nowhere";
        EXPECT_EQ(main.board().cell(open[0]).text, "") << "nor the keys";
    }
    showMain();
    typeDigit(main, open[0], false); // red, then on red once finished
    QTest::keyClick(main.windowHandle(), Qt::Key_F4);
    EXPECT_TRUE(openCells(main).empty());
    EXPECT_LT(main.txtCh(open[0])->palette().color(QPalette::Disabled, QPalette::Text).value(), 60);
    QTest::keyClick(main.windowHandle(), Qt::Key_F3);
    EXPECT_EQ(testing::readBytes(m_dir / "niveau.ini"), "[Niveau]\r\nNiveauChoisi=3\r\n");
}

TEST_F(MainWindow, NewGridDialogRemembersTheLevelAndTheAssistanceAndCancelLeavesTheGameAlone)
{
    gameState().NiveauChoisi = 4; // as read at start
    FrmMain& main = showMain();
    answerNewGrid(main, [](FrmNew& dialog) {
        EXPECT_EQ(dialog.accessibleName(), "New grid");
        EXPECT_EQ(dialog.cmbChoix()->currentIndex(), 4);
        EXPECT_TRUE(dialog.chkAssist()->isChecked());
        dialog.chkAssist()->setChecked(false);
        ASSERT_EQ(QApplication::focusWidget(), dialog.cmdOK()) << "Enter makes the grid";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    const auto open = openCells(main);
    ASSERT_EQ(open.size(), 60u);
    // Assistance off: neither a wrong nor a right digit is judged.
    for (const int shift : {1, 0}) {
        const int index = open[static_cast<std::size_t>(shift)];
        const int digit = (Solution(gameState().NumGrille, cellNumber(index)) + shift - 1) % 9 + 1;
        QTest::keyClick(main.txtCh(index), Qt::Key(Qt::Key_0 + digit));
        EXPECT_EQ(main.board().cell(index), (Cell{std::to_string(digit), kWindowBackground,
                                                  kWindowText, true}));
    }

    const auto before = cellsOf(main);
    const QString levelLine = main.lblNiveau()->text();
    answerNewGrid(main, [](FrmNew& dialog) {
        EXPECT_FALSE(dialog.chkAssist()->isChecked()) << "as the last game chose";
        dialog.cmbChoix()->setCurrentIndex(1);
        dialog.chkAssist()->setChecked(true);
        QTest::mouseClick(dialog.cmdUndo(), Qt::LeftButton);
    });
    EXPECT_EQ(cellsOf(main), before);
    EXPECT_EQ(main.lblNiveau()->text(), levelLine);
    EXPECT_TRUE(main.mnuFinir()->isEnabled());
    EXPECT_EQ(gameState().SansAssistance, kTrue);
    answerNewGrid(main, [](FrmNew& dialog) {
        EXPECT_EQ(dialog.cmbChoix()->currentIndex(), 1) << "the choice outlives Cancel";
        EXPECT_FALSE(dialog.chkAssist()->isChecked()) << "the box does not";
        QTest::mouseClick(dialog.cmdUndo(), Qt::LeftButton);
    });
}

} // namespace
} // namespace taremo
