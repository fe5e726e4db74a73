// The board's rules: key entry, the checks, the answer, finishing and the mouse.
#include "mainwin/board.h"
#include "support/board_fixture.h"

#include <gtest/gtest.h>

namespace taremo {
namespace {

using testing::digitOf;
using testing::setUpGrid1;
using testing::wrongDigitOf;

// Cell 0 of grid 1 holds 3; cell 1 holds 5.
struct KeyRow {
    const char* name;
    bool assistance;
    std::string before;
    std::uint32_t foreBefore;
    char key;
    std::string text;
    std::uint32_t fore;
    std::uint32_t back;
    bool enabled;
};

class BoardKeyEntry : public ::testing::TestWithParam<KeyRow> {};

TEST_P(BoardKeyEntry, LeavesTheCellInItsExpectedState)
{
    const KeyRow& row = GetParam();
    GameState state;
    Board board(state);
    setUpGrid1(board, {0, 1});
    state.SansAssistance = row.assistance ? kFalse : kTrue;
    board.cell(0).text = row.before;
    board.cell(0).fore = row.foreBefore;

    board.txtCh_KeyPress(0, static_cast<std::int16_t>(row.key));

    const Cell& c = board.cell(0);
    EXPECT_EQ(c.text, row.text);
    EXPECT_EQ(c.fore, row.fore);
    EXPECT_EQ(c.back, row.back);
    EXPECT_EQ(c.enabled, row.enabled);
}

constexpr std::uint32_t kBg = kWindowBackground;
constexpr std::uint32_t kFg = kWindowText;

INSTANTIATE_TEST_SUITE_P(
    Rows, BoardKeyEntry,
    ::testing::Values(
        KeyRow{"RightDigitIsConfirmedGreen", true, "", kFg, '3', "3", kFg, kGreen, false},
        KeyRow{"WrongDigitStaysOpenInRed", true, "", kFg, '5', "5", kRed, kBg, true},
        KeyRow{"DigitReplacesTheOneInTheCell", true, "5", kRed, '7', "7", kRed, kBg, true},
        KeyRow{"RightDigitOverAWrongOneConfirms", true, "5", kRed, '3', "3", kFg, kGreen, false},
        KeyRow{"LetterEmptiesTheCellAndPaintsRed", true, "5", kFg, 'a', "", kRed, kBg, true},
        KeyRow{"ZeroIsDiscarded", true, "5", kFg, '0', "", kRed, kBg, true},
        KeyRow{"SpaceIsDiscarded", true, "", kFg, ' ', "", kRed, kBg, true},
        KeyRow{"EnterIsDiscarded", true, "4", kFg, '\r', "", kRed, kBg, true},
        KeyRow{"EscapeIsDiscarded", true, "4", kFg, '\x1b', "", kRed, kBg, true},
        KeyRow{"BackspaceChangesNothing", true, "5", kRed, '\b', "5", kRed, kBg, true},
        KeyRow{"UnassistedRightDigitStaysOpen", false, "", kFg, '3', "3", kFg, kBg, true},
        KeyRow{"UnassistedWrongDigitIsNotJudged", false, "", kFg, '5', "5", kFg, kBg, true},
        KeyRow{"UnassistedDigitResetsRedText", false, "5", kRed, '6', "6", kFg, kBg, true},
        KeyRow{"UnassistedLetterEmptiesTheCell", false, "5", kFg, 'x', "", kFg, kBg, true},
        KeyRow{"UnassistedBackspaceKeepsRed", false, "5", kRed, '\b', "5", kRed, kBg, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BoardKeyEntry, SettledCellsTakeNoKeys)
{
    GameState state;
    Board board(state);
    setUpGrid1(board, {1});
    const Cell before = board.cell(0);
    board.txtCh_KeyPress(0, '7');
    board.txtCh_KeyPress(-1, '7');
    board.txtCh_KeyPress(81, '7');
    EXPECT_EQ(board.cell(0), before);
}

TEST(BoardKeyEntry, LastRightDigitWithAssistanceAnnouncesAndDisablesFinishing)
{
    GameState state;
    Board board(state);
    setUpGrid1(board, {0, 1});
    EXPECT_EQ(board.txtCh_KeyPress(0, '3').announce, Announce::None);
    const KeyResult last = board.txtCh_KeyPress(1, digitOf(1)[0]);
    EXPECT_EQ(last.announce, Announce::BravoThenDisableFinir);
    EXPECT_EQ(last.key, 0);
    EXPECT_EQ(board.cell(1).text, digitOf(1));
    EXPECT_EQ(board.cell(1).back, kGreen);
    EXPECT_TRUE(board.Termine());
}

TEST(BoardKeyEntry, UnassistedFullBoardIsJudgedAfterEachDigit)
{
    GameState state;
    state.SansAssistance = kTrue;
    Board board(state);
    setUpGrid1(board, {0, 1, 2});
    board.txtCh_KeyPress(0, wrongDigitOf(0)[0]);
    board.txtCh_KeyPress(1, wrongDigitOf(1)[0]);
    EXPECT_EQ(board.cell(0).fore, kWindowText) << "not judged before the board is full";
    EXPECT_EQ(board.txtCh_KeyPress(2, digitOf(2)[0]).announce, Announce::None);
    EXPECT_EQ(board.cell(0).fore, kRed);
    EXPECT_EQ(board.cell(1).fore, kRed);
    EXPECT_EQ(board.cell(2).fore, kWindowText);

    EXPECT_EQ(board.txtCh_KeyPress(0, digitOf(0)[0]).announce, Announce::None);
    EXPECT_EQ(board.cell(1).fore, kRed) << "the other wrong cell stays red";
    EXPECT_EQ(board.txtCh_KeyPress(1, digitOf(1)[0]).announce, Announce::BravoThenDisableFinir);
    EXPECT_TRUE(board.cell(1).enabled) << "cells stay editable after the win";
}

TEST(BoardChecks, NewPuzzleIsNeitherSettledNorFull)
{
    GameState state;
    Board board(state);
    setUpGrid1(board, {4, 80});
    EXPECT_FALSE(board.Termine());
    EXPECT_FALSE(board.Complet());
}

TEST(BoardChecks, EveryWrongCellTurnsRedInOneCall)
{
    GameState state;
    Board board(state);
    setUpGrid1(board, {3, 40, 80, 10});
    for (int i : {3, 40, 80})
        board.cell(i).text = wrongDigitOf(i);
    board.cell(10).text = digitOf(10);
    ASSERT_TRUE(board.Complet());
    EXPECT_FALSE(board.CasesJustes());
    for (int i = 0; i < kCellCount; ++i)
        EXPECT_EQ(board.cell(i).fore, (i == 3 || i == 40 || i == 80) ? kRed : kWindowText) << i;
}

TEST(BoardChecks, TextThatIsNotOneDigitIsWrongWithoutStopping)
{
    GameState state;
    Board board(state);
    setUpGrid1(board, {0, 1, 2});
    board.cell(0).text = "abc";
    board.cell(1).text = digitOf(1) + digitOf(1);
    board.cell(2).text = " " + digitOf(2) + " ";
    EXPECT_FALSE(board.CasesJustes());
    EXPECT_EQ(board.cell(0).fore, kRed);
    EXPECT_EQ(board.cell(1).fore, kRed);
    EXPECT_EQ(board.cell(2).fore, kWindowText) << "blanks around a number still read as it";
}

TEST(BoardFinish, EmptyCellsAreRevealedAndWrongDigitsCorrected)
{
    GameState state;
    Board board(state);
    setUpGrid1(board, {0, 1, 2, 3});
    board.txtCh_KeyPress(0, '3');                 // confirmed
    board.txtCh_KeyPress(1, wrongDigitOf(1)[0]);  // wrong, red text
    state.SansAssistance = kTrue;
    board.txtCh_KeyPress(2, digitOf(2)[0]);       // right, unjudged
    board.mnuFinir_Click();

    EXPECT_EQ(board.cell(0), (Cell{"3", kGreen, kWindowText, false}));
    EXPECT_EQ(board.cell(1), (Cell{digitOf(1), kRed, kRed, false}));
    EXPECT_EQ(board.cell(2), (Cell{digitOf(2), kWindowBackground, kWindowText, false}));
    EXPECT_EQ(board.cell(3), (Cell{digitOf(3), kGreen, kWindowText, false}));
    EXPECT_EQ(board.cell(4), (Cell{digitOf(4), kCyan, kWindowText, false}));
    EXPECT_TRUE(board.Termine());
    EXPECT_FALSE(board.finirEnabled());
}

TEST(BoardAnswer, RevealsTheCurrentCellAndAnnouncesOnlyTheLast)
{
    GameState state;
    Board board(state);
    setUpGrid1(board, {5, 6});
    board.txtCh_GotFocus(5);
    board.cell(5).fore = kRed;
    EXPECT_EQ(board.mnuReponse_Click(), Announce::None);
    EXPECT_EQ(board.cell(5), (Cell{digitOf(5), kGreen, kWindowText, false}));
    board.txtCh_GotFocus(6);
    EXPECT_EQ(board.mnuReponse_Click(), Announce::Bravo);
    EXPECT_TRUE(board.finirEnabled()) << "the answer leaves finishing enabled";
    board.mnuFinir_Click();
    EXPECT_EQ(board.cell(6), (Cell{digitOf(6), kGreen, kWindowText, false}));
}

TEST(BoardMouse, SecondLeftPressOnTheCurrentCellOpensTheAnswerMenu)
{
    GameState state;
    Board board(state);
    setUpGrid1(board, {7, 8});
    EXPECT_FALSE(board.txtCh_MouseDown(7, 1));
    EXPECT_EQ(board.CaseCourante(), 7);
    EXPECT_TRUE(board.txtCh_MouseDown(7, 1));
    EXPECT_FALSE(board.txtCh_MouseDown(7, 2)) << "right presses never open it";
    EXPECT_FALSE(board.txtCh_MouseDown(8, 2));
    EXPECT_EQ(board.CaseCourante(), 7) << "a right press does not make a cell current";
    state.SansAssistance = kTrue;
    EXPECT_FALSE(board.txtCh_MouseDown(7, 1)) << "no answers without assistance";
}

} // namespace
} // namespace taremo

namespace taremo {
namespace {

TEST(BoardArrows, FindTheNearestOpenCellWithoutWrapping)
{
    GameState state;
    Board board(state);
    testing::setUpGrid1(board, {0, 4, 10, 36, 44, 80});
    EXPECT_EQ(board.nearestOpenCell(0, 0, 1), 4) << "the same row comes first";
    EXPECT_EQ(board.nearestOpenCell(10, 0, -1), 0) << "off the line, the nearest";
    EXPECT_EQ(board.nearestOpenCell(4, 1, 0), 10);
    EXPECT_EQ(board.nearestOpenCell(40, -1, 0), 4);
    EXPECT_EQ(board.nearestOpenCell(36, 0, 1), 44);
    EXPECT_EQ(board.nearestOpenCell(0, -1, 0), -1) << "no wrapping past the top";
    EXPECT_EQ(board.nearestOpenCell(80, 0, 1), -1);
    EXPECT_EQ(board.nearestOpenCell(44, 1, 0), 80);
    board.mnuFinir_Click();
    EXPECT_EQ(board.nearestOpenCell(0, 0, 1), -1) << "a settled board has nowhere to go";
}

} // namespace
} // namespace taremo
