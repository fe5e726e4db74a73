// The board's rules: key entry, the checks, the answer, finishing, the mouse and the arrows.
#include "mainwin/board.h"
#include "support/board_fixture.h"

#include <gtest/gtest.h>

namespace taremo {
namespace {

using testing::digitOf;
using testing::setUpGrid1;
using testing::wrongDigitOf;

constexpr std::uint32_t kBg = kWindowBackground;
constexpr std::uint32_t kFg = kWindowText;

// A fresh board, on which each test puts grid 1.
class BoardTest : public ::testing::Test {
protected:
    GameState state;
    Board board{state};
};

// One key into open cell 0 of grid 1, whose solution is 3.
struct KeyRow {
    const char* name;
    bool assistance;
    std::string text;
    std::uint32_t fore;
    char key;
    Cell after;
};

class BoardKeyEntry : public BoardTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(BoardKeyEntry, LeavesTheCellInItsExpectedState)
{
    const KeyRow& row = GetParam();
    setUpGrid1(board, {0, 1});
    state.SansAssistance = row.assistance ? kFalse : kTrue;
    board.cell(0) = Cell{row.text, kBg, row.fore, true};
    board.txtCh_KeyPress(0, row.key);
    EXPECT_EQ(board.cell(0), row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BoardKeyEntry,
    ::testing::Values(
        KeyRow{"RightDigitIsConfirmedGreen", true, "", kFg, '3', {"3", kGreen, kFg, false}},
        KeyRow{"WrongDigitStaysOpenInRed", true, "", kFg, '5', {"5", kBg, kRed, true}},
        KeyRow{"RightDigitOverAWrongOneConfirms", true, "5", kRed, '3', {"3", kGreen, kFg, false}},
        KeyRow{"LetterEmptiesTheCellAndPaintsRed", true, "5", kFg, 'a', {"", kBg, kRed, true}},
        KeyRow{"ZeroIsDiscarded", true, "5", kFg, '0', {"", kBg, kRed, true}},
        KeyRow{"BackspaceChangesNothing", true, "5", kRed, '\b', {"5", kBg, kRed, true}},
        KeyRow{"UnassistedRightDigitStaysOpen", false, "", kFg, '3', {"3", kBg, kFg, true}},
        KeyRow{"UnassistedWrongDigitIsNotJudged", false, "", kFg, '5', {"5", kBg, kFg, true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BoardTest, ChecksFullnessAndEveryWrongCellInOneCall)
{
    setUpGrid1(board, {3, 20, 40, 80});
    EXPECT_FALSE(board.Termine());
    board.cell(3).text = wrongDigitOf(3);
    board.cell(20).text = "abc";
    board.cell(40).text = digitOf(40) + digitOf(40);
    EXPECT_FALSE(board.Complet()) << "the last cell is still empty";
    board.cell(80).text = wrongDigitOf(80);
    EXPECT_TRUE(board.Complet());
    EXPECT_FALSE(board.CasesJustes());
    for (int i = 0; i < kCellCount; ++i)
        EXPECT_EQ(board.cell(i).fore, (i == 3 || i == 20 || i == 40 || i == 80) ? kRed : kFg) << i;
}

TEST_F(BoardTest, FinishRevealsEmptyCellsAndCorrectsWrongDigits)
{
    setUpGrid1(board, {0, 1, 2, 3});
    board.txtCh_KeyPress(0, '3');             // confirmed
    board.txtCh_KeyPress(1, wrongDigitOf(1)); // wrong, red text
    state.SansAssistance = kTrue;
    board.txtCh_KeyPress(2, digitOf(2)[0]); // right, unjudged
    board.mnuFinir_Click();

    EXPECT_EQ(board.cell(0), (Cell{"3", kGreen, kFg, false}));
    EXPECT_EQ(board.cell(1), (Cell{digitOf(1), kRed, kRed, false}));
    EXPECT_EQ(board.cell(2), (Cell{digitOf(2), kBg, kFg, false}));
    EXPECT_EQ(board.cell(3), (Cell{digitOf(3), kGreen, kFg, false}));
    EXPECT_EQ(board.cell(4), (Cell{digitOf(4), kCyan, kFg, false}));
    EXPECT_TRUE(board.Termine());
    EXPECT_FALSE(board.finirEnabled());
}

TEST_F(BoardTest, AnswerRevealsTheCurrentCellAndAnnouncesOnlyTheLast)
{
    setUpGrid1(board, {5, 6});
    board.txtCh_GotFocus(5);
    board.cell(5).fore = kRed;
    EXPECT_EQ(board.mnuReponse_Click(), Announce::None);
    EXPECT_EQ(board.cell(5), (Cell{digitOf(5), kGreen, kFg, false}));
    board.txtCh_GotFocus(6);
    EXPECT_EQ(board.mnuReponse_Click(), Announce::Bravo);
    EXPECT_TRUE(board.finirEnabled()) << "the answer leaves finishing enabled";
}

TEST_F(BoardTest, MouseSecondLeftPressOnTheCurrentCellOpensTheAnswerMenu)
{
    setUpGrid1(board, {7, 8});
    EXPECT_FALSE(board.txtCh_MouseDown(7, 1));
    EXPECT_EQ(board.CaseCourante(), 7);
    EXPECT_TRUE(board.txtCh_MouseDown(7, 1));
    EXPECT_FALSE(board.txtCh_MouseDown(8, 2));
    EXPECT_EQ(board.CaseCourante(), 7) << "a right press does not make a cell current";
    EXPECT_FALSE(board.txtCh_MouseDown(7, 2)) << "nor opens the menu";
    state.SansAssistance = kTrue;
    EXPECT_FALSE(board.txtCh_MouseDown(7, 1)) << "no answers without assistance";
}

TEST_F(BoardTest, ArrowsFindTheNearestOpenCellWithoutWrapping)
{
    setUpGrid1(board, {0, 4, 10, 14, 36, 44, 80});
    EXPECT_EQ(board.nearestOpenCell(0, 0, 1), 4) << "the same row comes first";
    EXPECT_EQ(board.nearestOpenCell(10, 0, -1), 0) << "off the line, the nearest";
    EXPECT_EQ(board.nearestOpenCell(20, 0, 1), 14) << "on a tie, the one nearer the row";
    EXPECT_EQ(board.nearestOpenCell(0, -1, 0), -1) << "no wrapping past the top";
    EXPECT_EQ(board.nearestOpenCell(80, 0, 1), -1);
    board.mnuFinir_Click();
    EXPECT_EQ(board.nearestOpenCell(0, 0, 1), -1) << "a settled board has nowhere to go";
}

} // namespace
} // namespace taremo
