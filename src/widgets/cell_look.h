// How a cell of the board looks: the game's colour values mapped onto the palette, the cell's
// outline and the ring round the current cell.
#pragma once

#include "mainwin/board.h"

#include <QColor>
#include <QPalette>
#include <QString>

class QPainter;
class QRect;

namespace taremo {

// Device-independent pixels: each cell's own outline, and the ring inside it on the current cell.
inline constexpr int kOutlineWidth = 2;
inline constexpr int kRingWidth = 2;
// The least contrast the board keeps between a cell's outline, ring or digit and what is
// next to it.
inline constexpr double kMinContrast = 3.0;

// The colour a game colour value stands for; the two system colours come from `base`.
QColor toQColor(std::uint32_t value, const QPalette& base);

// The palette a cell is drawn with. A settled digit on a coloured cell is drawn dark so that it
// stays legible on cyan, green and red, never red on red.
QPalette cellPalette(const Cell& cell, const QPalette& base);

// The contrast ratio of two colours, 1 (same luminance) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// The grey that stands out best from both the cell's background and the board's.
QColor outlineColour(const QColor& cell, const QColor& board);

// The current cell's ring: the palette's highlight colour, or where that fades into the cell
// (green, cyan), the first other colour of the palette that stands out from it.
QColor ringColour(const QColor& cell, const QPalette& palette);

// Draws the outline inside `rect`, and within it the ring when the cell is the current one.
void drawCellFrame(QPainter& painter, const QRect& rect, const QPalette& cellPalette,
                   const QColor& board, bool current);

// The state a screen reader adds to a cell's name, in the language of code `language`; empty
// for a plain open cell. Green cells the player typed are "right", those the game filled in
// "revealed".
QString cellStateWord(const Cell& cell, bool revealed, float language);

// What a screen reader says for cell `index` in the language of code `language`: its row and
// column, then its state if any.
QString cellAccessibleName(int index, const Cell& cell, bool revealed, float language);

} // namespace taremo
