// The main window played with real keys, clicks, shortcuts and menus.
#include "form_fixture.h"

#include "mainwin/qt_cell_look.h"
#include "puzzle/grid_catalogue.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>

#include <tuple>

namespace taremo {
namespace {

using testing::readBytes;

class MainWindow : public testing::FormTest {
protected:
    static std::vector<int> openCells(FrmMain& main)
    {
        std::vector<int> cells;
        for (int i = 0; i < kCellCount; ++i)
            if (main.txtCh(i)->isEnabled())
                cells.push_back(i);
        return cells;
    }

    // Types the solution digit of cell `index`, or the next digit when `right` is false.
    static void typeDigit(FrmMain& main, int index, bool right)
    {
        const int digit = Solution(gameState().NumGrille, cellNumber(index));
        main.txtCh(index)->setFocus();
        QTest::keyClick(main.txtCh(index),
                        static_cast<Qt::Key>(Qt::Key_0 + (right ? digit : digit % 9 + 1)));
    }
};

TEST_F(MainWindow, NewGridDialogWantsALevelKeepsTheGameOnCancelAndMakesAPuzzleOnEnter)
{
    gameState().NiveauChoisi = -1;
    FrmMain& main = showMain();
    whileModal<FrmNew>([&] { QTest::keyClick(&main, Qt::Key_F2); },
                       [](FrmNew& dialog) {
                           EXPECT_EQ(dialog.cmbChoix()->currentIndex(), -1);
                           QTest::mouseClick(dialog.cmdOK(), Qt::LeftButton);
                           QTest::keyClick(&dialog, Qt::Key_Escape);
                           QTest::keyClick(dialog.chkAssist(), Qt::Key_Return);
                           EXPECT_TRUE(dialog.isVisible()) << "neither OK without a level, "
                                                              "Escape nor Enter off a button";
                           dialog.cmbChoix()->setCurrentIndex(4);
                           dialog.chkAssist()->setChecked(false);
                           QTest::mouseClick(dialog.cmdUndo(), Qt::LeftButton);
                       });
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, QStringLiteral("Veuillez choisir la difficulté"));
    EXPECT_EQ(m_messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(main.Image1()->isVisible());
    EXPECT_FALSE(main.fraGrille()->isVisible());
    EXPECT_FALSE(main.mnuFinir()->isEnabled());

    whileModal<FrmNew>([&] { main.mnuNew()->trigger(); },
                       [](FrmNew& dialog) {
                           EXPECT_EQ(dialog.cmbChoix()->itemText(0), QStringLiteral("Débutant"));
                           EXPECT_EQ(dialog.cmbChoix()->currentIndex(), 4)
                               << "the level chosen before Cancel";
                           EXPECT_TRUE(dialog.chkAssist()->isChecked())
                               << "but not the assistance switch";
                           QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
                       });
    EXPECT_EQ(openCells(main).size(), 60u);
    EXPECT_TRUE(main.fraGrille()->isVisible());
    EXPECT_FALSE(main.Image1()->isVisible());
    EXPECT_TRUE(main.mnuFinir()->isEnabled());
    EXPECT_EQ(main.lblNiveau()->text(),
              QStringLiteral("Niveau Difficile       click dans une case pour avoir la réponse"));
    // Seven clear pixels between the blocks of three cells.
    EXPECT_EQ(main.txtCh(3)->x() - main.txtCh(2)->geometry().right() - 1, 7);
    EXPECT_EQ(main.txtCh(27)->y() - main.txtCh(18)->geometry().bottom() - 1, 7);
}

TEST_F(MainWindow, NothingButADigitOrTheAnswerMenuFillsACell)
{
    FrmMain& main = showMain();
    newGrid(main, 0);
    const int index = openCells(main)[0];
    CellEdit* cell = main.txtCh(index);
    QGuiApplication::clipboard()->setText(QStringLiteral("12345"));
    const struct {
        const char* name;
        std::function<void()> input;
    } cases[] = {
        {"letter", [&] { QTest::keyClick(cell, Qt::Key_A); }},
        {"wrong digit, Backspace",
         [&] {
             typeDigit(main, index, false);
             QTest::keyClick(cell, Qt::Key_Backspace);
         }},
        {"Ctrl+V", [&] { QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier); }},
        {"Shift+Insert", [&] { QTest::keyClick(cell, Qt::Key_Insert, Qt::ShiftModifier); }},
        {"middle button", [&] { QTest::mouseClick(cell, Qt::MiddleButton); }},
        {"right button", [&] { QTest::mouseClick(cell, Qt::RightButton); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cell->setFocus();
        c.input();
        EXPECT_EQ(cell->text(), QString());
        EXPECT_EQ(main.board().cell(index).text, "");
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    QTest::mouseClick(cell, Qt::LeftButton); // on the current cell
    ASSERT_EQ(QApplication::activePopupWidget(), main.mnuAide());
    main.mnuAide()->close();
    main.mnuReponse()->trigger();
    EXPECT_FALSE(cell->isEnabled());
    EXPECT_EQ(cell->text().toInt(), Solution(gameState().NumGrille, cellNumber(index)));
}

TEST_F(MainWindow, AFullRightGridIsWonOnceWithOrWithoutAssistance)
{
    const struct {
        const char* name;
        bool assistance;
        bool cellsStayOpen;
    } cases[] = {{"assisted", true, false}, {"unassisted", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        unloadFrmMain();
        m_messages.clear();
        FrmMain& main = showMain();
        newGrid(main, 1, c.assistance);
        const auto open = openCells(main);
        typeDigit(main, open[0], false);
        for (std::size_t i = 1; i < open.size(); ++i)
            typeDigit(main, open[i], true);
        EXPECT_TRUE(m_messages.empty());
        EXPECT_EQ(main.txtCh(open[0])->palette().color(QPalette::Active, QPalette::Text),
                  QColor(Qt::red));
        typeDigit(main, open[0], true);
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0].text, QStringLiteral("Bravo !"));
        EXPECT_EQ(m_messages[0].icon, MessageIcon::Information);
        EXPECT_EQ(main.txtCh(open[0])->isEnabled(), c.cellsStayOpen);
        EXPECT_FALSE(main.mnuFinir()->isEnabled());
    }
}

TEST_F(MainWindow, ArrowsMoveToTheNearestOpenCellAndCellsHaveNames)
{
    FrmMain& main = showMain();
    newGrid(main, 5);
    const auto open = openCells(main);
    const int start = open[open.size() / 2];
    const std::tuple<Qt::Key, int, int> steps[] = {
        {Qt::Key_Right, 0, 1}, {Qt::Key_Left, 0, -1}, {Qt::Key_Down, 1, 0}, {Qt::Key_Up, -1, 0}};
    for (const auto& [key, dRow, dColumn] : steps) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        main.txtCh(start)->setFocus();
        QTest::keyClick(main.txtCh(start), key);
        const int target = main.board().nearestOpenCell(start, dRow, dColumn);
        EXPECT_TRUE(main.txtCh(target >= 0 ? target : start)->hasFocus());
        EXPECT_EQ(main.txtCh(start)->text(), QString()) << "an arrow types nothing";
    }
    typeDigit(main, start, true);
    EXPECT_EQ(QApplication::focusWidget(), nullptr) << "the settled cell passes the focus on";
    QTest::keyClick(&main, Qt::Key_Right);
    const int right = main.board().nearestOpenCell(start, 0, 1);
    EXPECT_TRUE(right < 0 || main.txtCh(right)->hasFocus());
    EXPECT_EQ(main.txtCh(start)->accessibleName(),
              QStringLiteral("Row %1, column %2, answered right").arg(start / 9 + 1).arg(start % 9 + 1));
    int given = 0;
    while (main.txtCh(given)->isEnabled())
        ++given;
    EXPECT_TRUE(main.txtCh(given)->accessibleName().endsWith(QStringLiteral(", given")));
}

TEST_F(MainWindow, TakesNoInputWhileADialogIsOpenAndF4FinishesOnceItIsClosed)
{
    FrmMain& main = showMain();
    newGrid(main, 0);
    const auto open = openCells(main);
    CellEdit* other = main.txtCh(open[1]); // a click there makes it the current cell
    const QPoint otherCentre = other->mapTo(&main, other->rect().center());
    for (QAction* command : {main.mnuNew(), main.Language(), main.mnuInfo()}) {
        SCOPED_TRACE(command->objectName().toStdString());
        // Through the window, as the player's keys and clicks come.
        whileModal<QDialog>([&] { command->trigger(); },
                            [&](QDialog& dialog) {
                                QTest::keyClick(main.windowHandle(), Qt::Key_5);
                                QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {},
                                                  otherCentre);
                                QTest::keyClick(main.windowHandle(), Qt::Key_F4);
                                dialog.reject();
                            });
        EXPECT_EQ(main.board().CaseCourante(), open[0]);
        EXPECT_EQ(main.board().cell(open[0]).text, "");
        EXPECT_TRUE(main.mnuFinir()->isEnabled());
    }
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(main.windowHandle(), Qt::Key_F4);
    EXPECT_TRUE(openCells(main).empty());
    EXPECT_FALSE(main.mnuFinir()->isEnabled());
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(MainWindow, SettledDigitsStayLegibleAndNeverRedOnRed)
{
    for (std::uint32_t back : {kCyan, kGreen, kRed}) {
        const QPalette p = cellPalette(Cell{"5", back, kRed, false}, QApplication::palette());
        const QColor text = p.color(QPalette::Disabled, QPalette::Text);
        EXPECT_NE(text, p.color(QPalette::Disabled, QPalette::Base));
        EXPECT_LT(text.lightness(), 60) << "dark text on the bright cell colours";
    }
}

TEST_F(MainWindow, F3StoresTheLevelOverWhateverWasThere)
{
    testing::writeBytes(m_dir / "niveau.ini", "junk\r\n[Niveau]\r\nX=1\r\n");
    gameState().NiveauChoisi = 3;
    FrmMain& main = showMain();
    QTest::keyClick(&main, Qt::Key_F3);
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(readBytes(m_dir / "niveau.ini"), "[Niveau]\r\nNiveauChoisi=3\r\n");
}

} // namespace
} // namespace taremo
