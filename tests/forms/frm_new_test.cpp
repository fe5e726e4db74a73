// The new-grid dialog: the level it wants, what it remembers between games, and Cancel.
#include "form_fixture.h"
#include <QLabel>

namespace taremo {
namespace {

using NewGridDialog = test::FormTest;
using test::click;
using test::named;

QComboBox& levels(FrmNew& dialog) { return named<QComboBox>(dialog, "cmbChoix"); }
QCheckBox& assistance(FrmNew& dialog) { return named<QCheckBox>(dialog, "chkAssist"); }

TEST_F(NewGridDialog, StaysOpenUntilALevelIsPickedOrItIsCancelled)
{
    m_game.state.NiveauChoisi = -1; // none read at start
    answerNewGrid(showMain(), [](FrmNew& dialog) {
        EXPECT_EQ(levels(dialog).itemText(levels(dialog).count() - 1), "Expert");
        click(dialog, "cmdOK");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&assistance(dialog), Qt::Key_Return);
        ASSERT_TRUE(dialog.isVisible());
        click(dialog, "cmdUndo");
    });
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, QStringLiteral("Veuillez choisir la difficulté"));
}

// Enter too, as OK has the focus.
TEST_F(NewGridDialog, OKMakesAGridOfThePickedLevelAndAssistance)
{
    FrmMain& main = showMain();
    newGrid(main, 4);
    EXPECT_EQ(named<QLabel>(main, "lblNiveau").text(),
              QStringLiteral("Niveau Difficile       click dans une case pour avoir la réponse"));
    EXPECT_EQ(openCells(main).size(), 60u);
    answerNewGrid(main, [](FrmNew& dialog) {
        levels(dialog).setCurrentIndex(1);
        assistance(dialog).setChecked(false);
        ASSERT_EQ(QApplication::focusWidget(), &named(dialog, "cmdOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(openCells(main).size(), 45u);
    EXPECT_EQ(m_game.state.SansAssistance, kTrue);
}

// The level last picked, even if then cancelled; the assistance of the last grid made.
TEST_F(NewGridDialog, OffersTheLevelLastPickedAndTheAssistanceOfTheLastGrid)
{
    FrmMain& main = showMain();
    newGrid(main, 1, false);
    newGrid(main, 3, true, "cmdUndo");
    answerNewGrid(main, [](FrmNew& dialog) {
        EXPECT_EQ(levels(dialog).currentIndex(), 3);
        EXPECT_FALSE(assistance(dialog).isChecked());
        click(dialog, "cmdUndo");
    });
}

TEST_F(NewGridDialog, CancelLeavesTheGameAlone)
{
    FrmMain& main = showMain();
    newGrid(main, 1, false);
    const auto open = openCells(main);
    typeDigit(main, open[0], false);
    const Cell typed = main.board().cell(open[0]);
    const QString levelLine = named<QLabel>(main, "lblNiveau").text();
    newGrid(main, 3, true, "cmdUndo");
    EXPECT_TRUE(openCells(main) == open && main.board().cell(open[0]) == typed);
    EXPECT_EQ(named<QLabel>(main, "lblNiveau").text(), levelLine);
    EXPECT_TRUE(test::action(main, "mnuFinir").isEnabled());
    EXPECT_EQ(m_game.state.SansAssistance, kTrue);
}

} // namespace
} // namespace taremo
