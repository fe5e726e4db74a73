// Making a puzzle: the first grid after a start, the clock behind each cell's draw, the cells
// opened at each difficulty, and every grid and every cell reached in time.
#include "puzzle/puzzle_maker.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

using namespace taremo;

TEST(MakePuzzle, FirstGridIsFixedEachCellDrawFollowsItsOwnClockAndEachDifficultyItsCells)
{
    // The first two clocks agree on their first reading only; the third never agrees.
    Random frozen([] { return 1u; }), later([] { return 2000u; });
    Random ticking([n = std::uint64_t{0}]() mutable { return 1 + 7 * n++; });
    EXPECT_FALSE(MakePuzzle(frozen, kDifficultyCount));
    const auto p1 = MakePuzzle(frozen, 0), p2 = MakePuzzle(ticking, 0), p3 = MakePuzzle(later, 0);
    EXPECT_EQ(p1->NumGrille, p3->NumGrille) << "nothing drawn for a refused difficulty either";
    EXPECT_NE(p1->open, p2->open);
    // Every difficulty opens its number of distinct cells, on a grid of the catalogue; and in
    // time every grid comes up and every cell opens, the first and the last ones included.
    std::set<std::size_t> grids, cells;
    for (int n = 0; n < 3000; ++n) {
        const auto position = static_cast<std::int16_t>(n % kDifficultyCount);
        const auto puzzle = MakePuzzle(later, position);
        ASSERT_TRUE(puzzle && puzzle->NumGrille >= 1 && puzzle->NumGrille <= kGridCount) << n;
        EXPECT_EQ(std::count(puzzle->open.begin(), puzzle->open.end(), true), 40 + 5 * position);
        grids.insert(static_cast<std::size_t>(puzzle->NumGrille));
        for (std::size_t c = 0; c < puzzle->open.size(); ++c)
            if (puzzle->open[c])
                cells.insert(c);
    }
    EXPECT_EQ(grids.size(), std::size_t{kGridCount});
    EXPECT_EQ(cells.size(), std::size_t{kCellCount});
}
