// The board's rules: key entry, the checks, the answer, finishing, the mouse, arrows and Tab.
#include "support/board_fixture.h"

#include <gtest/gtest.h>

namespace taremo {
namespace {
using namespace testing;
constexpr std::uint32_t kBg = kWindowBackground, kFg = kWindowText;

struct BoardTest : ::testing::Test {
    GameState state;
    Board board{state};
};

// One key into open cell 0 of grid 1 (solution 3); cell 1 stays open so the game goes on.
TEST_F(BoardTest, KeyEntryLeavesTheCellInItsExpectedState)
{
    const struct {
        const char* name;
        bool assisted;
        char key;
        Cell before, after;
    } rows[] = {
        {"RightOverWrongSettles", true, '3', {"5", kBg, kRed, true}, {"3", kGreen, kFg, false}},
        {"WrongDigitStaysOpenInRed", true, '5', {"", kBg, kFg, true}, {"5", kBg, kRed, true}},
        {"LetterEmptiesTheCellInRed", true, 'a', {"5", kBg, kFg, true}, {"", kBg, kRed, true}},
        {"ZeroIsNoDigit", true, '0', {"5", kBg, kFg, true}, {"", kBg, kRed, true}},
        {"BackspaceKeepsTheColour", true, '\b', {"5", kBg, kRed, true}, {"5", kBg, kRed, true}},
        {"UnassistedRightStaysOpen", false, '3', {"", kBg, kFg, true}, {"3", kBg, kFg, true}},
        {"UnassistedWrongIsNotJudged", false, '5', {"", kBg, kFg, true}, {"5", kBg, kFg, true}},
    };
    for (const auto& row : rows) {
        setUpGrid1(board, {0, 1});
        state.SansAssistance = row.assisted ? kFalse : kTrue;
        board.cell(0) = row.before;
        board.txtCh_KeyPress(0, row.key);
        EXPECT_EQ(board.cell(0), row.after) << row.name;
    }
}

TEST_F(BoardTest, ChecksFullnessAndPaintEveryWrongCellRed)
{
    setUpGrid1(board, {3, 40, 80});
    board.cell(3).text = wrongDigitOf(3);
    board.cell(40).text = digitOf(40);
    EXPECT_FALSE(board.Complet()) << "the last cell is still empty";
    board.cell(80).text = wrongDigitOf(80);
    EXPECT_FALSE(board.CasesJustes());
    for (int i = 0; i < kCellCount; ++i)
        EXPECT_EQ(board.cell(i).fore, (i == 3 || i == 80) ? kRed : kFg) << i;
}

TEST_F(BoardTest, FinishRevealsEmptyCellsAndCorrectsWrongDigits)
{
    setUpGrid1(board, {1, 2, 3});
    board.txtCh_KeyPress(1, wrongDigitOf(1)); // wrong, red text
    board.cell(2).text = digitOf(2);          // right, not judged yet
    board.mnuFinir_Click();
    EXPECT_EQ(board.cell(1), (Cell{digitOf(1), kRed, kRed, false}));
    EXPECT_EQ(board.cell(2), (Cell{digitOf(2), kBg, kFg, false}));
    EXPECT_EQ(board.cell(3), (Cell{digitOf(3), kGreen, kFg, false}));
    EXPECT_EQ(board.cell(4), (Cell{digitOf(4), kCyan, kFg, false})) << "given cells stay";
    EXPECT_FALSE(board.finirEnabled());
}

TEST_F(BoardTest, AnswerMenuOpensOnTheCurrentCellAndRevealsIt)
{
    setUpGrid1(board, {5, 6});
    EXPECT_FALSE(board.txtCh_MouseDown(5, 1)) << "the first press makes the cell current";
    EXPECT_FALSE(board.txtCh_MouseDown(5, 2)) << "a right press never opens the menu";
    state.SansAssistance = kTrue;
    EXPECT_FALSE(board.txtCh_MouseDown(5, 1)) << "no answers without assistance";
    state.SansAssistance = kFalse;
    ASSERT_TRUE(board.txtCh_MouseDown(5, 1));
    EXPECT_EQ(board.mnuReponse_Click(), Announce::None);
    EXPECT_EQ(board.cell(5), (Cell{digitOf(5), kGreen, kFg, false}));
    board.txtCh_GotFocus(6);
    EXPECT_EQ(board.mnuReponse_Click(), Announce::Bravo) << "the last cell wins";
}

TEST_F(BoardTest, ArrowsFindTheNearestOpenCellWithoutWrapping)
{
    setUpGrid1(board, {0, 4, 10, 14, 36, 44, 80});
    EXPECT_EQ(board.nearestOpenCell(0, 0, 1), 4) << "the same row comes first";
    EXPECT_EQ(board.nearestOpenCell(10, 0, -1), 0) << "off the line, the nearest";
    EXPECT_EQ(board.nearestOpenCell(20, 0, 1), 14) << "on a tie, the one nearer the row";
    EXPECT_EQ(board.nearestOpenCell(0, -1, 0), -1) << "no wrapping past the top";
}

TEST_F(BoardTest, TabOrderWrapsRoundTheOpenCellsFromAnyCell)
{
    setUpGrid1(board, {4, 30, 79});
    const std::tuple<int, int, int> rows[] = {
        {30, 1, 79}, {79, 1, 4}, {4, -1, 79}, {30, -1, 4}, {40, 1, 79}, {0, -1, 79}, {-1, 1, -1}};
    for (const auto& [from, step, to] : rows)
        EXPECT_EQ(board.nextOpenCell(from, step), to) << from << " step " << step;
    setUpGrid1(board, {12});
    EXPECT_EQ(board.nextOpenCell(12, 1), 12) << "the only open cell";
    setUpGrid1(board, {});
    EXPECT_EQ(board.nextOpenCell(12, -1), -1);
}

TEST_F(BoardTest, AnswerKeyOffersTheAnswerOnTheCurrentOpenCellWithAssistanceOnly)
{
    setUpGrid1(board, {5, 6});
    board.txtCh_GotFocus(5);
    EXPECT_TRUE(board.answerOffered(5));
    EXPECT_FALSE(board.answerOffered(6)) << "not the current cell";
    state.SansAssistance = kTrue;
    EXPECT_FALSE(board.answerOffered(5)) << "no answers without assistance";
    state.SansAssistance = kFalse;
    board.cell(5).enabled = false;
    EXPECT_FALSE(board.answerOffered(5)) << "a settled cell";
}
} // namespace
} // namespace taremo
