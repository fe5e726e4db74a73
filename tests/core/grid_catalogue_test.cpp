// The grid catalogue: every grid solved and distinct, the fixed grids, range checks.
#include "puzzle/grid_catalogue.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>

#include <gtest/gtest.h>

namespace taremo {
namespace {

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
