// Making puzzles: the generator, the cells given and opened, the first grid after a start.
#include "puzzle/puzzle_maker.h"

#include "support/board_fixture.h"
#include <set>

#include <gtest/gtest.h>

namespace taremo {
namespace {

Random frozenClock(std::uint64_t now)
{
    return Random([now] { return now; });
}

TEST(GameRandom, ReseedsNeverRepeatEvenWithAClockStandingStill)
{
    Random random = frozenClock(1);
    std::set<double> seen;
    for (int i = 0; i < 5000; ++i) {
        random.reseed();
        seen.insert(random.next());
    }
    EXPECT_EQ(seen.size(), 5000u);
}

TEST(PuzzleMaking, FirstGridIsFixedThenEachGivesAGridAndOpensFortyPlusFivePerLevel)
{
    GameState s1, s2;
    Board b1(s1), b2(s2);
    Random r1 = frozenClock(1000), r2 = frozenClock(2000);
    EXPECT_FALSE(MakePuzzle(b1, r1, kDifficultyCount));
    MakePuzzle(b1, r1, 2);
    MakePuzzle(b2, r2, 2);
    EXPECT_EQ(s1.NumGrille, s2.NumGrille) << "nothing was drawn for a refused level either";
    EXPECT_NE(testing::openCells(b1), testing::openCells(b2)) << "the open cells follow the clock";
    const Cell open{"", kWindowBackground, kWindowText, true};
    std::set<int> grids;
    for (int n = 0; n < 200; ++n) {
        const auto level = static_cast<std::int16_t>(n % kDifficultyCount);
        b1.cell(n % kCellCount).text = "x"; // whatever the last game left must go
        ASSERT_TRUE(MakePuzzle(b1, r1, level));
        ASSERT_TRUE(s1.NumGrille >= 1 && s1.NumGrille <= kGridCount) << s1.NumGrille;
        grids.insert(s1.NumGrille);
        EXPECT_EQ(testing::openCells(b1).size(), 40u + 5u * static_cast<unsigned>(level));
        for (int i = 0; i < kCellCount; ++i) {
            const Cell given{testing::digitOf(i, s1.NumGrille), kCyan, kWindowText, false};
            ASSERT_EQ(b1.cell(i), b1.cell(i).enabled ? open : given) << n << ", " << i;
        }
    }
    EXPECT_GT(grids.size(), 50u);
}

TEST(PuzzleMaking, EachCellDrawFollowsTheClockOfItsOwnMoment)
{
    // Two clocks that agree on their first reading only.
    auto ticking = [](std::uint64_t step) {
        return Random([step, n = std::uint64_t{0}]() mutable { return 1 + step * n++; });
    };
    GameState s1, s2;
    Board b1(s1), b2(s2);
    Random r1 = ticking(1), r2 = ticking(7);
    MakePuzzle(b1, r1, 0);
    MakePuzzle(b2, r2, 0);
    EXPECT_NE(testing::openCells(b1), testing::openCells(b2));
}

} // namespace
} // namespace taremo
