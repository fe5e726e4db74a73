// Tests of the grid catalogue: every grid solved and distinct, the fixed grids, range checks.
#include "puzzle/grid_catalogue.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include <gtest/gtest.h>

namespace taremo {
namespace {

// Equal for two grids exactly when one is a renaming of the other or of its transpose: both
// are written with the digits renamed in order of first appearance, and the smaller is kept.
std::string canonicalKey(std::string_view grid)
{
    std::string transposed(grid);
    for (int cell = 0; cell < kCellCount; ++cell)
        transposed[cell % 9 * 9 + cell / 9] = grid[cell];
    auto relabel = [](std::string digits) {
        std::array<char, 10> name{};
        char next = '1';
        for (char& digit : digits) {
            char& renamed = name[digit - '0'];
            if (!renamed)
                renamed = next++;
            digit = renamed;
        }
        return digits;
    };
    return std::min(relabel(std::string(grid)), relabel(transposed));
}

TEST(GridCatalogue, EveryGridIsSolvedAndBothLookupsAgree)
{
    std::array<int, 27> full;
    full.fill(0x3FE); // the digits 1 to 9, one bit each
    for (int grid = 1; grid <= kGridCount; ++grid) {
        const std::string_view digits = GridDigits(grid);
        ASSERT_EQ(digits.size(), 81u) << "grid " << grid;
        for (int cell = 1; cell <= kCellCount; ++cell) {
            const int digit =
                Solution(static_cast<std::int16_t>(grid), static_cast<std::int16_t>(cell));
            ASSERT_TRUE(digit >= 1 && digit <= 9 && digits[cell - 1] == '0' + digit)
                << "grid " << grid << " cell " << cell;
        }
        std::array<int, 27> seen{}; // the nine rows, then the nine columns, then the nine boxes
        for (int i = 0; i < 9; ++i)
            for (int j = 0; j < 9; ++j) {
                seen[i] |= 1 << (digits[i * 9 + j] - '0');
                seen[9 + i] |= 1 << (digits[j * 9 + i] - '0');
                seen[18 + i] |= 1 << (digits[(i / 3 * 3 + j / 3) * 9 + i % 3 * 3 + j % 3] - '0');
            }
        EXPECT_EQ(seen, full) << "grid " << grid;
    }
}

TEST(GridCatalogue, NoTwoGridsAreEqualEvenAfterRenamingOrTransposing)
{
    // The key must see through both, or the check below would pass for nothing: grid 1 with
    // d renamed d + 1 (9 becomes 1), then transposed.
    const std::string_view first = GridDigits(1);
    std::string disguised(first);
    for (int cell = 0; cell < kCellCount; ++cell)
        disguised[cell % 9 * 9 + cell / 9] = static_cast<char>('1' + (first[cell] - '0') % 9);
    ASSERT_EQ(canonicalKey(disguised), canonicalKey(first));

    std::set<std::string> keys;
    for (int grid = 1; grid <= kGridCount; ++grid)
        EXPECT_TRUE(keys.insert(canonicalKey(GridDigits(grid))).second) << "grid " << grid;
}

TEST(GridCatalogue, FixedGridsAndRanges)
{
    const std::string_view fixed[] = {
        "358764291297318465164925837782651349643279158519843672825496713976132584431587926",
        "291385476367149528845267391732456819584791632916823745423518967159674283678932154",
        "812596734357248169469713285293475618741689352586132947128357496635924871974861523"};
    for (int grid = 1; grid <= 3; ++grid)
        EXPECT_EQ(GridDigits(grid), fixed[grid - 1]) << "grid " << grid;
    // Grid and cell numbers outside 1..250 and 1..81 give 0, or no digits at all.
    const std::pair<std::int16_t, std::int16_t> outside[] = {
        {0, 1}, {-1, 1}, {251, 81}, {-32768, 1}, {32767, 81},
        {1, 0}, {1, -1}, {250, 82}, {1, -32768}, {250, 32767}};
    for (const auto& [grid, cell] : outside)
        EXPECT_EQ(Solution(grid, cell), 0) << grid << ", " << cell;
    for (const int grid : {0, -1, 251, -32768, 32767})
        EXPECT_TRUE(GridDigits(grid).empty()) << grid;
}

} // namespace
} // namespace taremo
