// The main window played with real keys, clicks, shortcuts and menus.
#include "form_fixture.h"
#include "puzzle/grid_catalogue.h"
#include <QClipboard>
#include <QLabel>
#include <QMenu>

namespace taremo {
namespace {

using MainWindow = testing::FormTest;
std::vector<int> openCells(FrmMain& main)
{
    std::vector<int> cells;
    for (int i = 0; i < kCellCount; ++i)
        if (main.txtCh(i)->isEnabled())
            cells.push_back(i);
    return cells;
}

void typeDigit(FrmMain& main, int index, bool right)
{
    const int digit = Solution(gameState().NumGrille, cellNumber(index));
    main.txtCh(index)->setFocus();
    QTest::keyClick(main.txtCh(index), Qt::Key(Qt::Key_0 + (right ? digit : digit % 9 + 1)));
}

TEST_F(MainWindow, NewGridDialogWantsALevelStaysUpOnEscapeOrEnterAndMakesAPuzzleOnOK)
{
    gameState().NiveauChoisi = -1;
    FrmMain& main = showMain();
    whileModal<FrmNew>([&] { QTest::keyClick(&main, Qt::Key_F2); }, [](FrmNew& dialog) {
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
    CellEdit* cell = main.txtCh(open[0]); // the current cell
    QGuiApplication::clipboard()->setText(QStringLiteral("12345"));
    const std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {"letter", Qt::Key_A, {}}, {"Ctrl+V", Qt::Key_V, Qt::ControlModifier},
        {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier}};
    for (const auto& [name, key, modifiers] : keys) {
        QTest::keyClick(cell, key, modifiers);
        EXPECT_EQ(cell->text(), "") << name;
    }
    QTest::mouseClick(cell, Qt::RightButton);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "not on the right button";
    QTest::mouseClick(cell, Qt::LeftButton);
    ASSERT_EQ(QApplication::activePopupWidget(), main.mnuAide());
    main.mnuReponse()->trigger();
    EXPECT_EQ(cell->text().toInt(), Solution(gameState().NumGrille, cellNumber(open[0])));
    EXPECT_TRUE(cell->accessibleName().endsWith(", revealed")) << "for a screen reader";
    int current = open[open.size() / 2]; // each arrow goes on from where the last one left it
    typeDigit(main, current, true);
    EXPECT_EQ(QApplication::focusWidget(), nullptr) << "the settled cell passes the focus on";
    for (const auto& [key, dRow, dColumn] : {std::tuple{Qt::Key_Right, 0, 1}, {Qt::Key_Down, 1, 0},
                                            {Qt::Key_Left, 0, -1}, {Qt::Key_Up, -1, 0}}) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &main, key);
        const int next = main.board().nearestOpenCell(current, dRow, dColumn);
        current = next >= 0 ? next : current;
        EXPECT_TRUE(main.txtCh(current)->hasFocus()) << QKeySequence(key).toString().toStdString();
    }
}

TEST_F(MainWindow, AFullRightGridIsWonOnceWithOrWithoutAssistance)
{
    for (const bool assistance : {true, false}) {
        unloadFrmMain();
        m_messages.clear();
        FrmMain& main = showMain();
        newGrid(main, 1, assistance);
        const auto open = openCells(main);
        for (const int i : open)
            typeDigit(main, i, i != open[0]); // all right but the first, which turns red
        EXPECT_EQ(main.txtCh(open[0])->palette().color(QPalette::Active, QPalette::Text), Qt::red);
        typeDigit(main, open[0], true);
        ASSERT_EQ(m_messages.size(), 1u) << (assistance ? "assisted" : "unassisted");
        EXPECT_EQ(m_messages[0].text, QStringLiteral("Bravo !"));
        EXPECT_EQ(m_messages[0].icon, MessageIcon::Information);
        EXPECT_FALSE(main.mnuFinir()->isEnabled());
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

} // namespace
} // namespace taremo
