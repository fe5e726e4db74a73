// How a cell of the board looks: the game's colour values mapped onto the palette.
#pragma once

#include "mainwin/board.h"

#include <QColor>
#include <QPalette>
#include <QString>

namespace taremo {

// The colour a game colour value stands for; the two system colours come from `base`.
QColor toQColor(std::uint32_t value, const QPalette& base);

// The palette a cell is drawn with. A settled cell's digit is drawn dark so that it stays
// legible on cyan, green and red, never red on red.
QPalette cellPalette(const Cell& cell, const QPalette& base);

// What a screen reader says for cell `index`: its row and column, and the state of a
// settled cell.
QString cellAccessibleName(int index, const Cell& cell);

} // namespace taremo
