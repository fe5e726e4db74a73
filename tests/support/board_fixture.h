// Helpers that set a board up in a known position and read it back.
#pragma once

#include "mainwin/board.h"
#include "puzzle/grid_catalogue.h"

#include <ostream>
#include <string>
#include <vector>

namespace taremo {

// Failures show a cell as its four attributes.
inline void PrintTo(const Cell& c, std::ostream* out)
{
    *out << "{'" << c.text << "' back " << std::hex << c.back << " fore " << c.fore << std::dec
         << (c.enabled ? " open}" : " settled}");
}

namespace testing {

// The solution digit of cell `index` in grid `grid`, from the catalogue, as text.
inline std::string digitOf(int index, int grid = 1)
{
    return std::string(
        1, static_cast<char>('0' + Solution(static_cast<std::int16_t>(grid), cellNumber(index))));
}

// A digit that is not the solution of cell `index`.
inline char wrongDigitOf(int index, int grid = 1)
{
    return digitOf(index, grid) == "1" ? '2' : '1';
}

// Grid 1 with every cell given, then the listed cells open and empty; the finish command on.
inline void setUpGrid1(Board& board, std::initializer_list<int> open)
{
    board.state().NumGrille = 1;
    for (int i = 0; i < kCellCount; ++i)
        board.cell(i) = Cell{digitOf(i), kCyan, kWindowText, false};
    for (int i : open)
        board.cell(i) = Cell{"", kWindowBackground, kWindowText, true};
    board.setFinirEnabled(true);
}

// The open cells, in board order.
inline std::vector<int> openCells(const Board& board)
{
    std::vector<int> cells;
    for (int i = 0; i < kCellCount; ++i)
        if (board.cell(i).enabled)
            cells.push_back(i);
    return cells;
}

} // namespace testing
} // namespace taremo
