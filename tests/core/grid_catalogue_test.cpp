// The catalogue's 250 grids: each one solved, its lookup the digits it holds. That no two are
// alike, even with the digits renamed or the grid turned over, the generator sees to, and the
// tools' test shows the table is its output.
#include "puzzle/grid_catalogue.h"

#include <array>
#include <set>
#include <string>

#include <gtest/gtest.h>

using namespace taremo;

TEST(GridCatalogue, EveryGridIsSolvedAsItsLookUpGivesIt)
{
    for (std::int16_t grid = 1; grid <= kGridCount; ++grid) {
        const std::string_view digits = gridDigits(grid);
        ASSERT_EQ(digits.size(), 81u) << grid;
        std::array<std::set<char>, 27> groups; // nine rows, nine columns, nine blocks
        for (int c = 0; c < kCellCount; ++c) {
            ASSERT_EQ(Solution(grid, static_cast<std::int16_t>(c + 1)), digits[c] - '0') << grid;
            for (const int group : {c / 9, 9 + c % 9, 18 + c / 27 * 3 + c % 9 / 3})
                groups.at(static_cast<std::size_t>(group)).insert(digits[c]);
        }
        for (const auto& group : groups)
            EXPECT_EQ(std::string(group.begin(), group.end()), "123456789") << grid;
    }
}
