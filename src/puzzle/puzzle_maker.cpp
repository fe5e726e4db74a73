// Making a puzzle: one grid drawn, all cells given, some opened at random.
#include "puzzle/puzzle_maker.h"

#include "lang/texts.h"
#include "puzzle/grid_catalogue.h"

namespace taremo {

namespace {

void giveAllCells(Board& board)
{
    for (int i = 0; i < kCellCount; ++i) {
        Cell& c = board.cell(i);
        c.text = board.solutionText(i);
        c.enabled = false;
        c.back = kCyan; // the text colour is left as it was
    }
}

void openRandomCells(Board& board, Random& random, int count)
{
    for (int k = 1; k <= count;) {
        random.reseed();
        const int c = static_cast<int>(random.next() * kCellCount);
        Cell& cell = board.cell(c);
        if (cell.text.empty())
            continue; // opened earlier: this draw does not count
        cell.text.clear();
        cell.enabled = true;
        cell.back = kWindowBackground;
        ++k;
    }
}

} // namespace

bool MakePuzzle(Board& board, Random& random, std::int16_t position)
{
    if (position < 0 || position >= kDifficultyCount)
        return false;
    const int count = openedCellCount(position);
    // No reseed before this draw: the first grid after a start is always the same one.
    board.state().NumGrille = static_cast<std::int16_t>(random.next() * kGridCount + 1);
    giveAllCells(board);
    openRandomCells(board, random, count);
    board.setFinirEnabled(true);
    return true;
}

std::string LevelLine(const std::string& difficultyName)
{
    return Traduction(13) + " " + difficultyName + std::string(7, ' ') + Traduction(11);
}

} // namespace taremo
