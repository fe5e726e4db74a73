// Helpers that set a board up in a known position and read it back.
#pragma once

#include "mainwin/board.h"
#include "puzzle/grid_catalogue.h"
#include <ostream>
#include <vector>

namespace taremo {
inline void PrintTo(const Cell& c, std::ostream* out)
{
    *out << "{'" << c.text << "' back " << std::hex << c.back << " fore " << c.fore << std::dec
         << (c.enabled ? " open}" : " settled}");
}

namespace testing {
inline std::string digitOf(int i, int grid = 1) { return std::string(1, GridDigits(grid)[i]); }
inline char wrongDigitOf(int i, int grid = 1) { return digitOf(i, grid) == "1" ? '2' : '1'; }

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
