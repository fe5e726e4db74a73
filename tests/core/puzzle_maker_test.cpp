// Puzzles: the grid catalogue (every grid solved and distinct, the fixed grids, ranges), the
// generator, the cells given and opened, the first grid after a start.
#include "puzzle/grid_catalogue.h"
#include "puzzle/puzzle_maker.h"

#include "support/board_fixture.h"
#include <algorithm>
#include <array>
#include <set>
#include <string>

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

// Equal for two grids exactly when one is the other, or its transpose, with digits renamed.
std::string canonicalKey(std::string_view grid)
{
    std::string transposed(grid);
    for (int cell = 0; cell < kCellCount; ++cell)
        transposed[cell % 9 * 9 + cell / 9] = grid[cell];
    auto relabel = [](std::string digits) { // in order of first appearance
        std::array<char, 10> name{};
        char next = '1';
        for (char& digit : digits)
            digit = name[digit - '0'] ? name[digit - '0'] : (name[digit - '0'] = next++);
        return digits;
    };
    return std::min(relabel(std::string(grid)), relabel(transposed));
}

TEST(GridCatalogue, EveryGridIsSolvedAndNoTwoAreEqualEvenAfterRenamingOrTransposing)
{
    std::string disguised(81, ' '); // grid 1 with d renamed d + 1, then transposed
    for (int cell = 0; cell < kCellCount; ++cell)
        disguised[cell % 9 * 9 + cell / 9] = "0234567891"[GridDigits(1)[cell] - '0'];
    ASSERT_EQ(canonicalKey(disguised), canonicalKey(GridDigits(1)));
    std::set<std::string> keys;
    for (int grid = 1; grid <= kGridCount; ++grid) {
        const std::string_view digits = GridDigits(grid);
        ASSERT_EQ(digits.size(), 81u) << "grid " << grid;
        std::array<std::set<char>, 27> units; // the nine rows, the nine columns, the nine boxes
        for (int c = 0; c < kCellCount; ++c) {
            ASSERT_EQ(Solution(grid, c + 1), digits[c] - '0') << grid << ", " << c + 1;
            for (int unit : {c / 9, 9 + c % 9, 18 + c / 27 * 3 + c % 9 / 3})
                units[unit].insert(digits[c]);
        }
        for (const auto& unit : units)
            EXPECT_EQ(std::string(unit.begin(), unit.end()), "123456789") << "grid " << grid;
        EXPECT_TRUE(keys.insert(canonicalKey(digits)).second) << "grid " << grid;
    }
}

TEST(GridCatalogue, FixedGridsAndRanges)
{
    const std::string_view fixed[] = {
        "358764291297318465164925837782651349643279158519843672825496713976132584431587926",
        "291385476367149528845267391732456819584791632916823745423518967159674283678932154",
        "812596734357248169469713285293475618741689352586132947128357496635924871974861523"};
    for (int grid = 1; grid <= 3; ++grid)
        EXPECT_EQ(GridDigits(grid), fixed[grid - 1]) << "grid " << grid;
    for (const auto& [grid, cell] : {std::pair{0, 1}, {251, 81}, {-32768, 1}, {1, 0}, {250, 82}})
        EXPECT_EQ(Solution(grid, cell), 0) << grid << ", " << cell;
}

} // namespace
} // namespace taremo
