// The main window played with real keys, clicks, shortcuts and menus.
#include "form_fixture.h"

#include "lang/texts.h"
#include "mainwin/qt_cell_look.h"
#include "puzzle/frm_new.h"
#include "puzzle/grid_catalogue.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <fstream>
#include <sstream>

namespace taremo {
namespace {

using testing::FormTest;

class MainWindow : public FormTest {
protected:
    // F2, pick `level` and the assistance switch, OK.
    void newGrid(FrmMain& main, int level, bool assistance)
    {
        whileModal<FrmNew>([&] { QTest::keyClick(&main, Qt::Key_F2); },
                           [&](FrmNew& dialog) {
                               dialog.cmbChoix()->setCurrentIndex(level);
                               dialog.chkAssist()->setChecked(assistance);
                               QTest::mouseClick(dialog.cmdOK(), Qt::LeftButton);
                           });
        main.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
    }

    std::vector<int> openCells(FrmMain& main)
    {
        std::vector<int> cells;
        for (int i = 0; i < kCellCount; ++i)
            if (main.txtCh(i)->isEnabled())
                cells.push_back(i);
        return cells;
    }

    Qt::Key digitKey(int index, bool right)
    {
        int digit = Solution(gameState().NumGrille, cellNumber(index));
        if (!right)
            digit = digit == 9 ? 1 : digit + 1;
        return static_cast<Qt::Key>(Qt::Key_0 + digit);
    }

    std::string fileBytes(const char* name)
    {
        std::ifstream in(m_dir / name, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
};

TEST_F(MainWindow, OpensWithCaptionSizeMenusAndTitlePicture)
{
    FrmMain& main = showMain();
    EXPECT_EQ(main.windowTitle(), QStringLiteral("  ta | re | mo"));
    EXPECT_EQ(main.width(), 414);
    EXPECT_EQ(main.centralWidget()->height(), 365);
    EXPECT_TRUE(main.Image1()->isVisible());
    EXPECT_EQ(main.Image1()->pixmap().size(), QSize(330, 285));
    EXPECT_EQ(main.Image1()->x(), 42);
    EXPECT_FALSE(main.fraGrille()->isVisible());
    EXPECT_FALSE(main.lblNiveau()->isVisible());
    EXPECT_EQ(main.fraGrille()->geometry(), QRect(8, 8, 393, 329));
    EXPECT_EQ(main.txtCh(0)->geometry(), QRect(8, 16, 41, 33));
    EXPECT_EQ(main.txtCh(1)->geometry().left(), 48) << "neighbours share one pixel";
    EXPECT_EQ(main.txtCh(3)->geometry().left(), 136) << "seven pixels between blocks";
    EXPECT_EQ(main.txtCh(80)->geometry(), QRect(344, 288, 41, 33));

    const auto bar = main.menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("&Fichier"));
    EXPECT_EQ(bar[1]->text(), QStringLiteral("A &propos"));
    const auto items = main.mnuFichier()->actions();
    ASSERT_EQ(items.size(), 6);
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_TRUE(items[4]->isSeparator());
    EXPECT_EQ(items[3]->text(), QStringLiteral("Change &Language"));
    EXPECT_EQ(main.mnuNew()->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(main.mnuFinir()->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(main.mnuQuit()->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_FALSE(main.mnuFinir()->isEnabled());
    EXPECT_EQ(main.mnuReponse()->text(), QStringLiteral("Réponse"));
}

TEST_F(MainWindow, ResizeKeepsTheWidthAndRecentresThePicture)
{
    FrmMain& main = showMain();
    main.resize(700, 600);
    QApplication::processEvents();
    EXPECT_EQ(main.width(), 414);
    EXPECT_EQ(main.fraGrille()->pos(), QPoint(8, 8));
    EXPECT_EQ(main.Image1()->y(), (main.frameGeometry().height() * 15 - 4275 - 800) / 2 / 15);
}

TEST_F(MainWindow, NewGridDialogOpensOnOkWithTheStoredLevelAndMakesAPuzzle)
{
    gameState().NiveauChoisi = 4;
    FrmMain& main = showMain();
    whileModal<FrmNew>([&] { QTest::keyClick(&main, Qt::Key_F2); },
                       [&](FrmNew& dialog) {
                           EXPECT_EQ(dialog.size(), QSize(256, 109));
                           EXPECT_EQ(dialog.focusWidget(), dialog.cmdOK());
                           EXPECT_EQ(dialog.cmbChoix()->count(), 6);
                           EXPECT_EQ(dialog.cmbChoix()->itemText(0), QStringLiteral("Débutant"));
                           EXPECT_EQ(dialog.cmbChoix()->currentIndex(), 4);
                           EXPECT_TRUE(dialog.chkAssist()->isChecked());
                           EXPECT_EQ(dialog.cmdUndo()->text(), QStringLiteral("Annuler"));
                           QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
                       });
    EXPECT_EQ(openCells(main).size(), 60u);
    EXPECT_TRUE(main.fraGrille()->isVisible());
    EXPECT_FALSE(main.Image1()->isVisible());
    EXPECT_TRUE(main.mnuFinir()->isEnabled());
    EXPECT_EQ(main.lblNiveau()->text(),
              QStringLiteral("Niveau Difficile       click dans une case pour avoir la réponse"));
}

TEST_F(MainWindow, NewGridDialogAsksForALevelAndCancelKeepsTheGame)
{
    gameState().NiveauChoisi = -1;
    FrmMain& main = showMain();
    whileModal<FrmNew>([&] { main.mnuNew()->trigger(); },
                       [&](FrmNew& dialog) {
                           EXPECT_EQ(dialog.cmbChoix()->currentIndex(), -1);
                           QTest::mouseClick(dialog.cmdOK(), Qt::LeftButton);
                           EXPECT_TRUE(dialog.isVisible());
                           QTest::keyClick(&dialog, Qt::Key_Escape);
                           EXPECT_TRUE(dialog.isVisible()) << "Escape does not cancel";
                           dialog.cmbChoix()->setCurrentIndex(1);
                           dialog.chkAssist()->setChecked(false);
                           QTest::mouseClick(dialog.cmdUndo(), Qt::LeftButton);
                       });
    ASSERT_EQ(m_messages.messages.size(), 1u);
    EXPECT_EQ(m_messages.messages[0].text, QStringLiteral("Veuillez choisir la difficulté"));
    EXPECT_EQ(m_messages.messages[0].title, QStringLiteral("Taremo"));
    EXPECT_EQ(m_messages.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(gameState().NiveauChoisi, 1) << "the list's choice is kept even on Cancel";
    EXPECT_EQ(gameState().SansAssistance, kFalse);
    EXPECT_TRUE(main.Image1()->isVisible());
    EXPECT_FALSE(main.mnuFinir()->isEnabled());
}

TEST_F(MainWindow, TypedKeysFollowTheRulesInRealCells)
{
    FrmMain& main = showMain();
    newGrid(main, 0, true);
    const auto open = openCells(main);
    CellEdit* cell = main.txtCh(open[0]);
    cell->setFocus();
    QTest::keyClick(cell, digitKey(open[0], false));
    EXPECT_EQ(cell->text().size(), 1);
    EXPECT_EQ(cell->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
    QTest::keyClick(cell, Qt::Key_Backspace);
    EXPECT_EQ(cell->text(), QString());
    EXPECT_EQ(main.board().cell(open[0]).text, "");
    QTest::keyClick(cell, Qt::Key_A);
    EXPECT_EQ(cell->text(), QString());
    QTest::keyClick(cell, digitKey(open[0], true));
    EXPECT_FALSE(cell->isEnabled());
    EXPECT_EQ(cell->palette().color(QPalette::Disabled, QPalette::Base), QColor(0, 255, 0));
    EXPECT_TRUE(cell->accessibleName().startsWith(QStringLiteral("Row ")));
}

TEST_F(MainWindow, PasteAndTheContextMenuNeverChangeACell)
{
    FrmMain& main = showMain();
    newGrid(main, 0, true);
    CellEdit* cell = main.txtCh(openCells(main)[0]);
    cell->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("12345"));
    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(cell, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::mouseClick(cell, Qt::MiddleButton);
    EXPECT_EQ(cell->text(), QString());
    EXPECT_EQ(cell->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(MainWindow, ALeftClickOnTheCurrentCellOffersTheAnswer)
{
    FrmMain& main = showMain();
    newGrid(main, 0, true);
    const int index = openCells(main)[0];
    CellEdit* cell = main.txtCh(index);
    QTest::mouseClick(cell, Qt::RightButton);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    QTest::mouseClick(cell, Qt::LeftButton);
    QTest::mouseClick(cell, Qt::LeftButton);
    ASSERT_EQ(QApplication::activePopupWidget(), main.mnuAide());
    EXPECT_EQ(main.board().CaseCourante(), index);
    main.mnuAide()->close();
    EXPECT_EQ(main.board().CaseCourante(), index);
    main.mnuReponse()->trigger();
    EXPECT_FALSE(cell->isEnabled());
    EXPECT_EQ(cell->text().toInt(), Solution(gameState().NumGrille, cellNumber(index)));
}

TEST_F(MainWindow, AssistedGameIsWonByTypingAndThenF4DoesNothing)
{
    FrmMain& main = showMain();
    newGrid(main, 0, true);
    for (int index : openCells(main)) {
        main.txtCh(index)->setFocus();
        QTest::keyClick(main.txtCh(index), digitKey(index, true));
    }
    ASSERT_EQ(m_messages.messages.size(), 1u);
    EXPECT_EQ(m_messages.messages[0].text, QStringLiteral("Bravo !"));
    EXPECT_EQ(m_messages.messages[0].icon, MessageIcon::Information);
    EXPECT_FALSE(main.mnuFinir()->isEnabled());
    const Cell before = main.board().cell(0);
    QTest::keyClick(&main, Qt::Key_F4);
    EXPECT_EQ(main.board().cell(0), before);
}

TEST_F(MainWindow, UnassistedGameIsWonWhenFullAndRight)
{
    FrmMain& main = showMain();
    newGrid(main, 1, false);
    const auto open = openCells(main);
    for (int index : open) {
        main.txtCh(index)->setFocus();
        QTest::keyClick(main.txtCh(index), digitKey(index, index != open[0]));
    }
    EXPECT_TRUE(m_messages.messages.empty());
    EXPECT_EQ(main.txtCh(open[0])->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
    main.txtCh(open[0])->setFocus();
    QTest::keyClick(main.txtCh(open[0]), digitKey(open[0], true));
    ASSERT_EQ(m_messages.messages.size(), 1u);
    EXPECT_TRUE(main.txtCh(open[0])->isEnabled());
    EXPECT_FALSE(main.mnuFinir()->isEnabled());
}

TEST_F(MainWindow, ArrowsMoveBetweenOpenCellsAndCellsHaveNames)
{
    FrmMain& main = showMain();
    newGrid(main, 5, true);
    const auto open = openCells(main);
    CellEdit* first = main.txtCh(open[0]);
    first->setFocus();
    const int target = main.board().nearestOpenCell(open[0], 0, 1);
    ASSERT_GE(target, 0);
    QTest::keyClick(first, Qt::Key_Right);
    EXPECT_TRUE(main.txtCh(target)->hasFocus());
    EXPECT_EQ(main.board().CaseCourante(), target);
    EXPECT_EQ(main.txtCh(target)->text(), QString()) << "an arrow types nothing";

    EXPECT_EQ(main.txtCh(open[0])->accessibleName(),
              QStringLiteral("Row %1, column %2").arg(open[0] / 9 + 1).arg(open[0] % 9 + 1));
    int given = 0;
    while (main.txtCh(given)->isEnabled())
        ++given;
    EXPECT_TRUE(main.txtCh(given)->accessibleName().endsWith(QStringLiteral(", given")));
}

TEST_F(MainWindow, F4FinishesTheGrid)
{
    FrmMain& main = showMain();
    newGrid(main, 0, true);
    QTest::keyClick(&main, Qt::Key_F4);
    EXPECT_TRUE(openCells(main).empty());
    EXPECT_FALSE(main.mnuFinir()->isEnabled());
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(MainWindow, SettledDigitsStayLegibleAndNeverRedOnRed)
{
    const QPalette base = QApplication::palette();
    for (std::uint32_t back : {kCyan, kGreen, kRed}) {
        const QPalette p = cellPalette(Cell{"5", back, kRed, false}, base);
        const QColor text = p.color(QPalette::Disabled, QPalette::Text);
        const QColor bg = p.color(QPalette::Disabled, QPalette::Base);
        EXPECT_NE(text, bg);
        EXPECT_LT(text.lightness(), 60) << "dark text on the bright cell colours";
    }
}

TEST_F(MainWindow, F3AndTheCloseBoxStoreTheLevel)
{
    gameState().NiveauChoisi = 3;
    FrmMain& main = showMain();
    QTest::keyClick(&main, Qt::Key_F3);
    EXPECT_EQ(fileBytes("niveau.ini"), "[Niveau]\r\nNiveauChoisi=3\r\n");
    EXPECT_FALSE(main.isVisible());

    unloadFrmMain();
    gameState().NiveauChoisi = 0;
    std::ofstream(m_dir / "niveau.ini", std::ios::binary) << "junk\r\n[Niveau]\r\nX=1\r\n";
    FrmMain& again = showMain();
    again.close();
    EXPECT_EQ(fileBytes("niveau.ini"), "[Niveau]\r\nNiveauChoisi=0\r\n");
}

} // namespace
} // namespace taremo
