// Making a puzzle: one grid drawn, some of its cells opened at random.
#include "puzzle/puzzle_maker.h"

namespace taremo {

std::optional<Puzzle> makePuzzle(Random& random, std::int16_t position)
{
    if (position < 0 || position >= kDifficultyCount)
        return std::nullopt;
    Puzzle puzzle;
    // No reseed before this draw: the first grid after a start is always the same one.
    puzzle.NumGrille = static_cast<std::int16_t>(random.next() * kGridCount + 1);
    for (int k = 1; k <= openedCellCount(position);) {
        random.reseed();
        bool& cell = puzzle.open.at(static_cast<std::size_t>(random.next() * kCellCount));
        if (cell)
            continue; // opened earlier: this draw does not count
        cell = true;
        ++k;
    }
    return puzzle;
}

} // namespace taremo
