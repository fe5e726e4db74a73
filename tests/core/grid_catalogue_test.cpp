// Tests of the grid catalogue: every grid solved and distinct, the fixed grids, range checks.
#include "puzzle/grid_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <string_view>

namespace taremo {
namespace {

using Group = std::array<int, 9>; // 0-based cell indexes

// The 27 groups that must each hold 1..9: nine rows, nine columns, nine boxes.
const std::array<Group, 27>& groups()
{
    static const std::array<Group, 27> all = [] {
        std::array<Group, 27> g{};
        for (int i = 0; i < 9; ++i)
            for (int j = 0; j < 9; ++j) {
                g[i][j] = i * 9 + j;
                g[9 + i][j] = j * 9 + i;
                g[18 + i][j] = (i / 3 * 3 + j / 3) * 9 + i % 3 * 3 + j % 3;
            }
        return g;
    }();
    return all;
}

// Digits renamed in order of first appearance.
std::string relabel(const std::string& grid)
{
    std::array<char, 10> name{};
    char nextName = '1';
    std::string out = grid;
    for (char& ch : out) {
        char& n = name[ch - '0'];
        if (n == 0)
            n = nextName++;
        ch = n;
    }
    return out;
}

// Equal for two grids exactly when one is a renaming of the other or of its transpose.
std::string canonicalKey(const std::string& grid)
{
    std::string transposed = grid;
    for (int cell = 0; cell < kCellCount; ++cell)
        transposed[cell % 9 * 9 + cell / 9] = grid[cell];
    return std::min(relabel(grid), relabel(transposed));
}

TEST(GridCatalogue, EveryGridIsSolvedAndBothLookupsAgree)
{
    for (int grid = 1; grid <= kGridCount; ++grid) {
        SCOPED_TRACE(grid);
        const std::string_view digits = GridDigits(grid);
        ASSERT_EQ(digits.size(), 81u);
        std::array<std::int16_t, 81> cells{};
        for (int cell = 1; cell <= kCellCount; ++cell) {
            cells[cell - 1] = Solution(static_cast<std::int16_t>(grid),
                                       static_cast<std::int16_t>(cell));
            ASSERT_EQ(digits[cell - 1], '0' + cells[cell - 1]) << "cell " << cell;
        }
        for (const Group& group : groups()) {
            int seen = 0;
            for (int index : group)
                if (cells[index] >= 1 && cells[index] <= 9)
                    seen |= 1 << cells[index];
            EXPECT_EQ(seen, 0x3FE) << "group starting at cell " << group[0] + 1;
        }
    }
}

TEST(GridCatalogue, NoTwoGridsAreEquivalent)
{
    // The key must see through renaming and transposition, or the distinctness check below
    // would pass vacuously: rename grid 1 (d -> d + 1, 9 -> 1) and transpose it.
    const std::string first(GridDigits(1));
    std::string disguised = first;
    for (int cell = 0; cell < kCellCount; ++cell)
        disguised[cell % 9 * 9 + cell / 9] = static_cast<char>('1' + (first[cell] - '0') % 9);
    ASSERT_NE(disguised, first);
    ASSERT_EQ(canonicalKey(disguised), canonicalKey(first));

    std::set<std::string> keys;
    for (int grid = 1; grid <= kGridCount; ++grid)
        EXPECT_TRUE(keys.insert(canonicalKey(std::string(GridDigits(grid)))).second)
            << "grid " << grid << " repeats an earlier grid";
}

TEST(GridCatalogue, FixedGridsKeepTheirPlaces)
{
    const std::array<std::string_view, 3> fixed = {
        "358764291297318465164925837782651349643279158519843672825496713976132584431587926",
        "291385476367149528845267391732456819584791632916823745423518967159674283678932154",
        "812596734357248169469713285293475618741689352586132947128357496635924871974861523",
    };
    for (int grid = 1; grid <= 3; ++grid)
        EXPECT_EQ(GridDigits(grid), fixed[grid - 1]) << "grid " << grid;
    EXPECT_EQ(Solution(1, 1), 3);
    EXPECT_EQ(Solution(1, 10), 2); // first cell of the second row
    EXPECT_EQ(Solution(1, 81), 6);
}

TEST(GridCatalogue, ArgumentsOutOfRangeGiveNothing)
{
    constexpr std::int16_t kMin = std::numeric_limits<std::int16_t>::min();
    constexpr std::int16_t kMax = std::numeric_limits<std::int16_t>::max();
    const std::int16_t badGrids[] = {0, -1, 251, kMin, kMax};
    const std::int16_t badCells[] = {0, -1, 82, kMin, kMax};
    for (std::int16_t grid : badGrids)
        for (std::int16_t cell : {1, 81})
            EXPECT_EQ(Solution(grid, cell), 0) << grid << ", " << cell;
    for (std::int16_t grid : {1, 250})
        for (std::int16_t cell : badCells)
            EXPECT_EQ(Solution(grid, cell), 0) << grid << ", " << cell;
    EXPECT_NE(Solution(250, 81), 0); // the last grid and cell are still in range
    for (int grid : {0, -1, 251, -32768, 32767})
        EXPECT_TRUE(GridDigits(grid).empty()) << grid;
}

} // namespace
} // namespace taremo
