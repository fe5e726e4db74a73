// The new-grid dialog between games: what it remembers, what Cancel leaves, assistance off.
#include "form_fixture.h"
#include "puzzle/grid_catalogue.h"
#include <QLabel>

namespace taremo {
namespace {

struct NewGridDialog : testing::FormTest {
    static void openNewGrid(FrmMain& main, const std::function<void(FrmNew&)>& answer)
    {
        whileModal<FrmNew>([&] { QTest::keyClick(&main, Qt::Key_F2); }, answer);
        showMain();
    }
};

TEST_F(NewGridDialog, RemembersTheLevelAndTheAssistanceAndCancelLeavesTheGameAlone)
{
    gameState().NiveauChoisi = 4; // as read at start
    FrmMain& main = showMain();
    openNewGrid(main, [](FrmNew& dialog) {
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
    openNewGrid(main, [](FrmNew& dialog) {
        EXPECT_FALSE(dialog.chkAssist()->isChecked()) << "as the last game chose";
        dialog.cmbChoix()->setCurrentIndex(1);
        dialog.chkAssist()->setChecked(true);
        QTest::mouseClick(dialog.cmdUndo(), Qt::LeftButton);
    });
    EXPECT_EQ(cellsOf(main), before);
    EXPECT_EQ(main.lblNiveau()->text(), levelLine);
    EXPECT_TRUE(main.mnuFinir()->isEnabled());
    EXPECT_EQ(gameState().SansAssistance, kTrue);
    openNewGrid(main, [](FrmNew& dialog) {
        EXPECT_EQ(dialog.cmbChoix()->currentIndex(), 1) << "the choice outlives Cancel";
        EXPECT_FALSE(dialog.chkAssist()->isChecked()) << "the box does not";
        QTest::mouseClick(dialog.cmdUndo(), Qt::LeftButton);
    });
}

} // namespace
} // namespace taremo
