// The main window played with real keys, clicks, shortcuts and menus.
#include "form_fixture.h"

#include "puzzle/grid_catalogue.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>

#include <tuple>

namespace taremo {
namespace {

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
                           QTest::mouseClick(dialog.cmdOK(), Qt::LeftButton);
                           QTest::keyClick(&dialog, Qt::Key_Escape);
                           QTest::keyClick(dialog.chkAssist(), Qt::Key_Return);
                           EXPECT_TRUE(dialog.isVisible());
                           dialog.cmbChoix()->setCurrentIndex(4);
                           dialog.chkAssist()->setChecked(false);
                           QTest::mouseClick(dialog.cmdUndo(), Qt::LeftButton);
                       });
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, QStringLiteral("Veuillez choisir la difficulté"));
    EXPECT_FALSE(main.mnuFinir()->isEnabled());

    whileModal<FrmNew>(
        [&] { main.mnuNew()->trigger(); },
        [](FrmNew& dialog) { QTest::keyClick(dialog.focusWidget(), Qt::Key_Return); });
    EXPECT_EQ(openCells(main).size(), 60u);
    EXPECT_EQ(main.lblNiveau()->text(),
              QStringLiteral("Niveau Difficile       click dans une case pour avoir la réponse"));
}

TEST_F(MainWindow, OnlyDigitsAndTheAnswerMenuFillACellAndArrowsFindTheNearestOpenOne)
{
    FrmMain& main = showMain();
    newGrid(main, 5);
    const auto open = openCells(main);
    const int index = open[0];
    CellEdit* cell = main.txtCh(index);
    const int solution = Solution(gameState().NumGrille, cellNumber(index));
    int given = 0;
    while (main.txtCh(given)->isEnabled())
        ++given;
    EXPECT_TRUE(main.txtCh(given)->accessibleName().endsWith(", given"));
    QGuiApplication::clipboard()->setText(QStringLiteral("12345"));
    const struct {
        const char* name;
        std::function<void()> input;
        QString text;
    } cases[] = {
        {"wrong digit", [&] { typeDigit(main, index, false); }, QString::number(solution % 9 + 1)},
        {"letter", [&] { QTest::keyClick(cell, Qt::Key_A); }, ""},
        {"Ctrl+V", [&] { QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier); }, ""},
        {"Shift+Insert", [&] { QTest::keyClick(cell, Qt::Key_Insert, Qt::ShiftModifier); }, ""},
        {"right button", [&] { QTest::mouseClick(cell, Qt::RightButton); }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cell->setFocus();
        c.input();
        EXPECT_EQ(cell->text(), c.text);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    QTest::mouseClick(cell, Qt::LeftButton); // on the current cell
    ASSERT_EQ(QApplication::activePopupWidget(), main.mnuAide());
    main.mnuAide()->close();
    main.mnuReponse()->trigger();
    EXPECT_FALSE(cell->isEnabled());
    EXPECT_EQ(cell->text().toInt(), solution);
    const QString place = QStringLiteral("Row %1, column %2").arg(index / 9 + 1).arg(index % 9 + 1);
    EXPECT_EQ(cell->accessibleName(), place + ", answered right");

    const int from = open[open.size() / 2];
    const std::tuple<Qt::Key, int, int> steps[] = {
        {Qt::Key_Right, 0, 1}, {Qt::Key_Left, 0, -1}, {Qt::Key_Down, 1, 0}, {Qt::Key_Up, -1, 0}};
    for (const auto& [key, dRow, dColumn] : steps) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        main.txtCh(from)->setFocus();
        QTest::keyClick(main.txtCh(from), key);
        const int target = main.board().nearestOpenCell(from, dRow, dColumn);
        EXPECT_TRUE(main.txtCh(target >= 0 ? target : from)->hasFocus());
    }
    typeDigit(main, from, true);
    EXPECT_EQ(QApplication::focusWidget(), nullptr) << "the settled cell passes the focus on";
    QTest::keyClick(&main, Qt::Key_Right);
    const int right = main.board().nearestOpenCell(from, 0, 1);
    EXPECT_TRUE(right < 0 || main.txtCh(right)->hasFocus());
}

TEST_F(MainWindow, AFullRightGridIsWonOnceWithOrWithoutAssistance)
{
    for (const bool assistance : {true, false}) {
        SCOPED_TRACE(assistance ? "assisted" : "unassisted");
        unloadFrmMain();
        m_messages.clear();
        FrmMain& main = showMain();
        newGrid(main, 1, assistance);
        const auto open = openCells(main);
        for (const int i : open)
            typeDigit(main, i, i != open[0]); // all right but the first
        EXPECT_TRUE(m_messages.empty());
        EXPECT_EQ(main.txtCh(open[0])->palette().color(QPalette::Active, QPalette::Text),
                  QColor(Qt::red));
        typeDigit(main, open[0], true);
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0].text, QStringLiteral("Bravo !"));
        EXPECT_EQ(m_messages[0].icon, MessageIcon::Information);
        EXPECT_EQ(main.txtCh(open[0])->isEnabled(), !assistance) << "unassisted cells stay open";
        EXPECT_FALSE(main.mnuFinir()->isEnabled());
    }
}

TEST_F(MainWindow, TakesNoInputUnderADialogThenF4FinishesLegiblyAndF3StoresTheLevel)
{
    testing::writeBytes(m_dir / "niveau.ini", "junk\r\n[Niveau]\r\nX=1\r\n");
    FrmMain& main = showMain();
    newGrid(main, 3);
    const auto open = openCells(main);
    for (QAction* command : {main.mnuNew(), main.Language(), main.mnuInfo()}) {
        SCOPED_TRACE(command->objectName().toStdString());
        whileModal<QDialog>([&] { command->trigger(); },
                            [&](QDialog& dialog) {
                                QTest::keyClick(main.windowHandle(), Qt::Key_5);
                                QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {},
                                                  main.txtCh(open[1])->mapTo(&main, QPoint(5, 5)));
                                QTest::keyClick(main.windowHandle(), Qt::Key_F4);
                                dialog.reject();
                            });
        EXPECT_EQ(main.board().CaseCourante(), open[0]) << "the click went nowhere";
        EXPECT_EQ(main.board().cell(open[0]).text, "") << "nor finished";
    }
    showMain();
    typeDigit(main, open[0], false); // red, then on red once finished
    QTest::keyClick(main.windowHandle(), Qt::Key_F4);
    EXPECT_TRUE(openCells(main).empty());
    EXPECT_FALSE(main.mnuFinir()->isEnabled());
    EXPECT_TRUE(m_messages.empty());
    const QPalette redCell = main.txtCh(open[0])->palette();
    EXPECT_EQ(redCell.color(QPalette::Disabled, QPalette::Base), QColor(Qt::red));
    EXPECT_LT(redCell.color(QPalette::Disabled, QPalette::Text).lightness(), 60) << "dark digit";

    QTest::keyClick(main.windowHandle(), Qt::Key_F3);
    EXPECT_EQ(testing::readBytes(m_dir / "niveau.ini"), "[Niveau]\r\nNiveauChoisi=3\r\n");
}

} // namespace
} // namespace taremo
