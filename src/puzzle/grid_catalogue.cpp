// The solution lookup over the generated table of solved grids.
#include "puzzle/grid_catalogue.h"

#include "puzzle/grid_table.h"

namespace taremo {

std::int16_t Solution(std::int16_t grid, std::int16_t cell)
{
    // Both ranges are checked before indexing, so no argument can reach outside the table.
    if (grid < 1 || grid > kGridCount || cell < 1 || cell > kCellCount)
        return 0;
    return static_cast<std::int16_t>(kGridTable[grid - 1][cell - 1] - '0');
}

std::string_view gridDigits(int grid)
{
    if (grid < 1 || grid > kGridCount)
        return {};
    return {kGridTable[grid - 1], static_cast<std::size_t>(kCellCount)};
}

} // namespace taremo
