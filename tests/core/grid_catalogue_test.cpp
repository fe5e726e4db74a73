// The catalogue's 250 grids as the game looks them up. That each one is solved, and no two are
// alike even with the digits renamed or the grid turned over its diagonal, the generator checks
// as it writes the table, and the tools' test shows that the table is its output.
#include "puzzle/grid_catalogue.h"
#include "puzzle/grid_table.h"

#include <gtest/gtest.h>

using namespace taremo;

TEST(GridCatalogue, EachGridIsLookedUpAsTheTableHoldsIt)
{
    for (std::int16_t grid = 1; grid <= kGridCount; ++grid) {
        ASSERT_EQ(gridDigits(grid), kGridTable[grid - 1]) << grid;
        for (std::int16_t cell = 1; cell <= kCellCount; ++cell)
            ASSERT_EQ(Solution(grid, cell), kGridTable[grid - 1][cell - 1] - '0') << grid;
    }
}
