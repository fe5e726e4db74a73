// The catalogue's 250 grids: each one solved, its lookup the digits it holds, and no two the
// same, even with the digits renamed or the grid turned over its diagonal.
#include "puzzle/grid_catalogue.h"

#include <array>
#include <set>
#include <string>

#include <gtest/gtest.h>

using namespace taremo;

// Alike for two grids exactly when one is the other with its digits renamed or transposed.
static std::string canonical(std::string_view grid)
{
    std::string text(grid), transposed(grid);
    for (std::size_t c = 0; c < text.size(); ++c)
        transposed[c % 9 * 9 + c / 9] = grid[c];
    for (std::string* digits : {&text, &transposed}) { // named in order of first appearance
        std::array<char, 10> name{};
        char next = '1';
        for (char& digit : *digits)
            digit = name.at(digit - '0') ? name.at(digit - '0') : (name.at(digit - '0') = next++);
    }
    return std::min(text, transposed);
}

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

TEST(GridCatalogue, NoTwoGridsAreAlike)
{
    std::set<std::string> seen;
    for (std::int16_t grid = 1; grid <= kGridCount; ++grid)
        EXPECT_TRUE(seen.insert(canonical(gridDigits(grid))).second) << grid;
}
