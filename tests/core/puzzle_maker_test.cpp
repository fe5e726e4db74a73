// Making puzzles: the generator, the cells given and opened, the first grid after a start.
#include "puzzle/puzzle_maker.h"

#include "support/board_fixture.h"

#include <gtest/gtest.h>

#include <set>

namespace taremo {
namespace {

using testing::openCells;

Random frozenClock(std::uint64_t now)
{
    return Random([now] { return now; });
}

TEST(GameRandom, StartsTheSameWhateverTheClockAndReseedsNeverRepeat)
{
    Random a = frozenClock(1);
    Random b = frozenClock(2);
    for (int i = 0; i < 10000; ++i) {
        const double v = a.next();
        ASSERT_TRUE(v >= 0.0 && v < 1.0) << v;
        ASSERT_EQ(v, b.next());
    }
    a.restart();
    b = frozenClock(2);
    EXPECT_EQ(a.next(), b.next()) << "a restart goes back to the start";
    a.reseed();
    b.reseed();
    EXPECT_NE(a.next(), b.next()) << "reseeds follow the clock";
    std::set<double> seen;
    for (int i = 0; i < 5000; ++i) {
        a.reseed(); // from a clock that stands still
        seen.insert(a.next());
    }
    EXPECT_EQ(seen.size(), 5000u);
}

class PuzzleMaking : public ::testing::TestWithParam<int> {};

// Made over a finished game with a red text, so that every kind of cell has to be undone.
TEST_P(PuzzleMaking, GivesEveryCellAndOpensFortyPlusFivePerLevel)
{
    const auto level = static_cast<std::int16_t>(GetParam());
    GameState state;
    Board board(state);
    Random random;
    testing::setUpGrid1(board, {0, 1, 2});
    board.cell(0).text = testing::wrongDigitOf(0);
    board.cell(3).fore = kRed;
    board.txtCh_GotFocus(17);
    board.mnuFinir_Click();
    ASSERT_TRUE(MakePuzzle(board, random, level));
    ASSERT_TRUE(state.NumGrille >= 1 && state.NumGrille <= kGridCount) << state.NumGrille;
    for (int i = 0; i < kCellCount; ++i) {
        const std::uint32_t fore = i == 3 ? kRed : kWindowText; // text colours are kept
        const Cell open{"", kWindowBackground, fore, true};
        const Cell given{testing::digitOf(i, state.NumGrille), kCyan, fore, false};
        EXPECT_EQ(board.cell(i), board.cell(i).enabled ? open : given) << i;
    }
    EXPECT_EQ(openCells(board).size(), 40u + 5u * static_cast<unsigned>(level));
    EXPECT_TRUE(board.finirEnabled());
    EXPECT_EQ(board.CaseCourante(), 17) << "the current cell is kept";
}

INSTANTIATE_TEST_SUITE_P(Levels, PuzzleMaking, ::testing::Range(0, kDifficultyCount));

TEST(PuzzleMakingRules, FirstGridAfterAStartIsFixedButOpenCellsAndLaterGridsVary)
{
    GameState s1, s2;
    Board b1(s1), b2(s2);
    Random r1 = frozenClock(1000);
    Random r2 = frozenClock(2000);
    for (std::int16_t bad : {std::int16_t{-1}, std::int16_t{6}, std::int16_t{32767}})
        EXPECT_FALSE(MakePuzzle(b1, r1, bad)) << "no difficulty: " << bad;
    EXPECT_EQ(s1.NumGrille, 0);
    EXPECT_FALSE(b1.finirEnabled());
    MakePuzzle(b1, r1, 2);
    MakePuzzle(b2, r2, 2);
    EXPECT_EQ(s1.NumGrille, s2.NumGrille) << "nothing was drawn for a refused level either";
    EXPECT_NE(openCells(b1), openCells(b2));

    std::set<int> opened, grids;
    for (int n = 0; n < 200; ++n) {
        MakePuzzle(b1, r1, 0);
        grids.insert(s1.NumGrille);
        for (int i : openCells(b1))
            opened.insert(i);
    }
    EXPECT_EQ(opened.size(), 81u) << "every cell can be opened";
    EXPECT_GT(grids.size(), 50u);
}

} // namespace
} // namespace taremo
