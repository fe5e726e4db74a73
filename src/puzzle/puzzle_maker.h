// Turns a solved grid of the catalogue into a puzzle: the grid drawn and the cells opened.
#pragma once

#include "puzzle/grid_catalogue.h"
#include "puzzle/random.h"

#include <array>
#include <cstdint>
#include <optional>

namespace taremo {

inline constexpr int kDifficultyCount = 6;

// Number of cells opened at difficulty `position` (0..5): 40 + 5 per step.
constexpr int openedCellCount(std::int16_t position) { return position * 5 + 40; }

// One puzzle: the number of the grid in play and which cells (index 0..80) are open.
struct Puzzle {
    std::int16_t NumGrille = 0;
    std::array<bool, kCellCount> open{};
};

// Draws a grid number, then openedCellCount(position) distinct random cells to open.
// Nothing when `position` is not a difficulty.
std::optional<Puzzle> makePuzzle(Random& random, std::int16_t position);

} // namespace taremo
