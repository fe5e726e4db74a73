// Turns a solved grid of the catalogue into a puzzle on the board.
#pragma once

#include "mainwin/board.h"
#include "puzzle/random.h"

#include <cstdint>
#include <string>

namespace taremo {

inline constexpr int kDifficultyCount = 6;

// Number of cells opened at difficulty `position` (0..5): 40 + 5 per step.
constexpr int openedCellCount(std::int16_t position) { return position * 5 + 40; }

// Draws a grid number, writes its whole solution as given cells, opens
// openedCellCount(position) distinct random cells and enables the finish command.
// Returns false, changing nothing, when `position` is not a difficulty.
bool MakePuzzle(Board& board, Random& random, std::int16_t position);

// The level line under the board: text 13, the difficulty's name, then the hint (text 11).
std::string LevelLine(const std::string& difficultyName);

} // namespace taremo
