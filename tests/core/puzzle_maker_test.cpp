// Making a puzzle: the first grid after a start, the clock behind each cell's draw, the cells
// opened at each difficulty, and draws that reach the first and the last grid and cell.
#include "puzzle/puzzle_maker.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

using namespace taremo;

// The first two clocks agree on their first reading only; the third never agrees.
struct PuzzleMaker : ::testing::Test {
    Random frozen{[] { return 1u; }}, later{[] { return 2000u; }};
    Random ticking{[n = std::uint64_t{0}]() mutable { return 1 + 7 * n++; }};
};

TEST_F(PuzzleMaker, TheFirstGridAfterAStartIsTheSameWhateverTheClock)
{
    EXPECT_FALSE(makePuzzle(frozen, kDifficultyCount));
    EXPECT_EQ(makePuzzle(frozen, 0)->NumGrille, makePuzzle(later, 0)->NumGrille)
        << "nothing drawn for a refused difficulty either";
}

TEST_F(PuzzleMaker, EachCellDrawFollowsTheClock)
{
    EXPECT_NE(makePuzzle(frozen, 0)->open, makePuzzle(ticking, 0)->open);
}

TEST_F(PuzzleMaker, EachDifficultyOpensItsNumberOfDistinctCells)
{
    for (int n = 0; n < 600; ++n) {
        const auto position = static_cast<std::int16_t>(n % kDifficultyCount);
        const auto puzzle = makePuzzle(later, position);
        ASSERT_TRUE(puzzle && puzzle->NumGrille >= 1 && puzzle->NumGrille <= kGridCount) << n;
        EXPECT_EQ(std::count(puzzle->open.begin(), puzzle->open.end(), true), 40 + 5 * position);
    }
}

// The largest value the generator can give draws the last grid and opens the last cell; the
// smallest, the first ones.
TEST_F(PuzzleMaker, DrawsReachBothEndsOfTheirRange)
{
    const double top = std::nextafter(1.0, 0.0);
    struct Ends : Random {
        double grid;
        int draws = 0; // the grid, then the cells: the top, then 0, 1/81, 2/81...
        explicit Ends(double first) : grid(first) {}
        double next() override
        {
            return ++draws == 1 ? grid
                   : draws == 2 ? std::nextafter(1.0, 0.0)
                                : (draws - 3) / double{kCellCount};
        }
    };
    for (const double grid : {top, 0.0}) {
        Ends ends(grid);
        const auto puzzle = makePuzzle(ends, 0);
        EXPECT_EQ(puzzle->NumGrille, grid == top ? kGridCount : 1);
        EXPECT_TRUE(puzzle->open[kCellCount - 1] && puzzle->open[0]);
    }
}
