// The catalogue of 250 solved grids and the solution lookup.
#pragma once

#include <cstdint>
#include <string_view>

namespace taremo {

inline constexpr int kGridCount = 250;
inline constexpr int kCellCount = 81;

// The digit 1..9 of cell number `cell` (1..81, row by row) in grid `grid` (1..250);
// 0 for a grid or cell number outside those ranges.
std::int16_t Solution(std::int16_t grid, std::int16_t cell);

// The 81 digits of grid `grid` (1..250), or an empty view outside that range.
std::string_view gridDigits(int grid);

} // namespace taremo
