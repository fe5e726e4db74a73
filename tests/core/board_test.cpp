// The board's rules: key entry, the current cell and the answer, finishing and a new puzzle. The
// board fuzzer checks where the arrows and Tab lead on every board it plays; the main window's
// tests press them from open and settled cells.
#include "mainwin/board.h"
#include "puzzle/grid_catalogue.h"

#include <ostream>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

using namespace taremo;

namespace taremo {
// How a cell prints when a check fails.
static void PrintTo(const Cell& c, std::ostream* out)
{
    *out << "{'" << c.text << "' back " << std::hex << c.back << " fore " << c.fore << std::dec
         << (c.enabled ? " open}" : " settled}");
}
} // namespace taremo

// The digit of cell `i` (0..80) of `grid` as the catalogue holds it, and a digit that is not it.
static std::string digitOf(int i, int grid = 1) { return std::string(1, gridDigits(grid)[i]); }
static char wrongDigitOf(int i, int grid = 1) { return digitOf(i, grid) == "1" ? '2' : '1'; }

// A puzzle of `grid` whose open cells are those listed.
static Puzzle puzzleOf(std::initializer_list<int> open, std::int16_t grid = 1)
{
    Puzzle puzzle{grid, {}};
    for (int i : open)
        puzzle.open.at(static_cast<std::size_t>(i)) = true;
    return puzzle;
}

constexpr std::uint32_t kBg = kWindowBackground, kFg = kWindowText;

struct BoardTest : ::testing::Test {
    GameState state;
    Board board{state};
};

// Keys into open cell 0 of grid 1 (solution 3); cell 1 stays open so the game goes on.
TEST_F(BoardTest, AKeyLeavesTheCellInTheStateItsRuleGives)
{
    const std::tuple<const char*, bool, const char*, Cell> rows[] = {
        {"the right digit over a wrong one settles", true, "53", {"3", kGreen, kFg, false}},
        {"a settled cell takes no more keys", true, "35", {"3", kGreen, kFg, false}},
        {"a wrong digit stays open, in red", true, "5", {"5", kBg, kRed, true}},
        {"zero is no digit: it empties the cell", true, "50", {"", kBg, kRed, true}},
        {"Backspace is left to the field", true, "5\b", {"5", kBg, kRed, true}},
        {"without assistance nothing is judged", false, "3", {"3", kBg, kFg, true}},
    };
    for (const auto& [rule, assisted, keys, after] : rows) {
        state.SansAssistance = assisted ? kFalse : kTrue;
        board.newPuzzle(puzzleOf({0, 1}));
        for (const char* key = keys; *key != '\0'; ++key)
            board.txtCh_KeyPress(0, *key);
        EXPECT_EQ(board.cell(0), after) << rule;
    }
}

// Without assistance: the board full with two wrong digits, both marked; only the key that puts
// the last of them right wins.
TEST_F(BoardTest, UnassistedGameIsWonByTheKeyThatLeavesEveryCellRight)
{
    state.SansAssistance = kTrue;
    board.newPuzzle(puzzleOf({0, 1, 2}));
    const auto type = [&](int i, bool ok) {
        return board.txtCh_KeyPress(i, ok ? digitOf(i)[0] : wrongDigitOf(i)).announce;
    };
    for (const auto& [i, right] : {std::pair{0, false}, {1, false}, {2, true}})
        EXPECT_EQ(type(i, right), Announce::None) << "a wrong digit is still there";
    EXPECT_TRUE(board.cell(0).fore == kRed && board.cell(1).fore == kRed) << "every wrong digit";
    EXPECT_EQ(type(0, true), Announce::None);
    EXPECT_EQ(type(1, true), Announce::BravoThenDisableFinish);
}

// An arrow leads along its line past given cells to the nearest open cell (none downward here),
// Tab and Shift+Tab to the next one either side.
TEST_F(BoardTest, MovesLeadToTheNearestOpenCellTheirWay)
{
    board.newPuzzle(puzzleOf({5, 6}));
    const std::tuple<const char*, int, int, int, int> arrows[] = {
        {"right", 0, 0, 1, 5}, {"left", 8, 0, -1, 6}, {"up", 77, -1, 0, 5}, {"down", 0, 1, 0, -1}};
    for (const auto& [way, from, dRow, dColumn, to] : arrows)
        EXPECT_EQ(board.nearestOpenCell(from, dRow, dColumn), to) << way;
    EXPECT_EQ(std::pair(board.nextOpenCell(0, 1), board.nextOpenCell(0, -1)), std::pair(5, 6));
}

TEST_F(BoardTest, TheAnswerIsOfferedOnTheCurrentCellOnlyOpenAndAssisted)
{
    board.newPuzzle(puzzleOf({5, 6}));
    EXPECT_FALSE(board.answerOffered(0)) << "a given cell";
    EXPECT_FALSE(board.txtCh_MouseDown(5, 1)) << "the first press makes the cell current";
    state.SansAssistance = kTrue;
    EXPECT_FALSE(board.txtCh_MouseDown(5, 1));
    EXPECT_FALSE(board.answerOffered(5));
    state.SansAssistance = kFalse;
    ASSERT_TRUE(board.txtCh_MouseDown(5, 1));
    EXPECT_EQ(board.mnuReponse_Click(), Announce::None);
    EXPECT_EQ(board.cell(5), (Cell{digitOf(5), kGreen, kFg, false}));
    EXPECT_FALSE(board.answerOffered(5)) << "a settled cell";
    board.txtCh_GotFocus(6);
    EXPECT_EQ(board.mnuReponse_Click(), Announce::Bravo) << "the last cell wins";
}

TEST_F(BoardTest, FinishSettlesEveryCellOnItsSolutionMarkingTheWrongOnes)
{
    board.newPuzzle(puzzleOf({0, 1, 2}));
    board.txtCh_KeyPress(0, wrongDigitOf(0)); // wrong, in red
    board.setFieldText(1, digitOf(1));        // right, not judged yet
    board.mnuFinir_Click();
    EXPECT_EQ(board.cell(0), (Cell{digitOf(0), kRed, kRed, false}));
    EXPECT_EQ(board.cell(1), (Cell{digitOf(1), kBg, kFg, false}));
    EXPECT_EQ(board.cell(2), (Cell{digitOf(2), kGreen, kFg, false}));
    EXPECT_FALSE(board.finishEnabled());
}

TEST_F(BoardTest, ANewPuzzleSetsEveryCellFromItsGridKeepingTheTextColour)
{
    board.newPuzzle(puzzleOf({0}));
    board.txtCh_KeyPress(0, wrongDigitOf(0));
    board.mnuFinir_Click();
    board.newPuzzle(puzzleOf({40, 80}, 2));
    EXPECT_TRUE(board.finishEnabled());
    for (int i = 0; i < kCellCount; ++i) {
        const std::uint32_t fore = i == 0 ? kRed : kFg;
        const Cell given{digitOf(i, 2), kCyan, fore, false}, open{"", kBg, fore, true};
        EXPECT_EQ(board.cell(i), i == 40 || i == 80 ? open : given) << i;
    }
}
