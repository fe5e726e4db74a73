// The new-grid dialog: the level it wants, what it remembers between games, and Cancel.
#include "form_fixture.h"
#include <QLabel>

namespace taremo {
namespace {

using NewGridDialog = test::FormTest;
using test::named;

QComboBox& levels(FrmNew& dialog) { return named<QComboBox>(dialog, "cmbChoix"); }
QCheckBox& assistance(FrmNew& dialog) { return named<QCheckBox>(dialog, "chkAssist"); }
void click(FrmNew& dialog, const char* button) { named<QPushButton>(dialog, button).click(); }

TEST_F(NewGridDialog, WantsALevelRemembersItAndTheAssistanceAndCancelLeavesTheGameAlone)
{
    m_game.state.NiveauChoisi = -1; // none read at start
    FrmMain& main = showMain();
    answerNewGrid(main, [](FrmNew& dialog) {
        EXPECT_EQ(levels(dialog).itemText(levels(dialog).count() - 1), "Expert");
        click(dialog, "cmdOK");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&assistance(dialog), Qt::Key_Return);
        ASSERT_TRUE(dialog.isVisible());
        levels(dialog).setCurrentIndex(4);
        click(dialog, "cmdOK");
    });
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, QStringLiteral("Veuillez choisir la difficulté"));
    EXPECT_EQ(named<QLabel>(main, "lblNiveau").text(),
              QStringLiteral("Niveau Difficile       click dans une case pour avoir la réponse"));
    EXPECT_EQ(openCells(main).size(), 60u);
    answerNewGrid(main, [](FrmNew& dialog) {
        EXPECT_EQ(levels(dialog).currentIndex(), 4);
        EXPECT_TRUE(assistance(dialog).isChecked());
        levels(dialog).setCurrentIndex(1);
        assistance(dialog).setChecked(false);
        ASSERT_EQ(QApplication::focusWidget(), &named(dialog, "cmdOK")) << "Enter makes the grid";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    const auto open = openCells(main);
    ASSERT_EQ(open.size(), 45u);
    // Assistance off: neither a wrong nor a right digit is judged.
    for (const bool right : {false, true}) {
        const int index = open[right ? 1 : 0];
        typeDigit(main, index, right);
        const Cell& cell = main.board().cell(index);
        EXPECT_TRUE(cell.enabled && cell.fore == kWindowText && cell.back == kWindowBackground);
    }
    const Cell typed = main.board().cell(open[1]);
    const QString levelLine = named<QLabel>(main, "lblNiveau").text();
    answerNewGrid(main, [](FrmNew& dialog) {
        EXPECT_FALSE(assistance(dialog).isChecked()) << "as the last game chose";
        levels(dialog).setCurrentIndex(3);
        assistance(dialog).setChecked(true);
        click(dialog, "cmdUndo");
    });
    EXPECT_TRUE(openCells(main) == open && main.board().cell(open[1]) == typed);
    EXPECT_EQ(named<QLabel>(main, "lblNiveau").text(), levelLine);
    EXPECT_TRUE(test::action(main, "mnuFinir").isEnabled());
    EXPECT_EQ(m_game.state.SansAssistance, kTrue);
    answerNewGrid(main, [](FrmNew& dialog) {
        EXPECT_EQ(levels(dialog).currentIndex(), 3) << "the choice outlives Cancel";
        EXPECT_FALSE(assistance(dialog).isChecked()) << "the box does not";
        click(dialog, "cmdUndo");
    });
}

} // namespace
} // namespace taremo
