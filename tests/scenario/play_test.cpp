// A whole game on the core: a pinned generator, its puzzle on the board, the player's keys and
// the outcome. Games with assistance are played by the random-play test and the board fuzzer.
#include "support/board_invariants.h"

#include <gtest/gtest.h>

using namespace taremo;

// Without assistance: two wrong digits, every other cell right, then the two put right. Only the
// last key wins.
TEST(Play, UnassistedGameIsWonByTheKeyThatLeavesEveryCellRight)
{
    GameState state{.SansAssistance = kTrue};
    Board board(state);
    Random random([] { return 123456789u; });
    const Puzzle puzzle = MakePuzzle(random, 1).value();
    board.newPuzzle(puzzle);
    std::vector<int> open;
    for (int i = 0; i < kCellCount; ++i)
        if (puzzle.open.at(static_cast<std::size_t>(i)))
            open.push_back(i);
    const auto type = [&](std::size_t n, bool right) {
        const int i = open[n];
        const char key =
            right ? test::digitOf(i, puzzle.NumGrille)[0] : test::wrongDigitOf(i, puzzle.NumGrille);
        return board.txtCh_KeyPress(i, key).announce;
    };
    for (std::size_t n = 0; n < open.size(); ++n)
        EXPECT_EQ(type(n, n >= 2), Announce::None) << "a wrong digit is still there";
    EXPECT_EQ(board.cell(open[1]).fore, kRed) << "the full board's check marks every wrong digit";
    EXPECT_EQ(type(0, true), Announce::None);
    EXPECT_EQ(type(1, true), Announce::BravoThenDisableFinir);
}
