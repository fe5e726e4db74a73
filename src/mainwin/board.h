// The board of 81 cells and the rules of play: key entry, the answer, the checks, finishing.
#pragma once

#include "app/game_state.h"
#include "puzzle/puzzle_maker.h"

#include <array>
#include <cstdint>
#include <string>

namespace taremo {

// Colours by value, 0x00BBGGRR; the top bit names one of the two system colours.
inline constexpr std::uint32_t kCyan = 0x00FFFF00;
inline constexpr std::uint32_t kGreen = 0x0000FF00;
inline constexpr std::uint32_t kRed = 0x000000FF;
inline constexpr std::uint32_t kWindowBackground = 0x80000005;
inline constexpr std::uint32_t kWindowText = 0x80000008;

inline constexpr std::int16_t kBackspace = 8;

// Cell index 0..80 (row by row) and cell number 1..81, as the solution lookup counts.
constexpr std::int16_t cellNumber(int index) { return static_cast<std::int16_t>(index + 1); }
constexpr int cellRow(int index) { return index / 9; }
constexpr int cellColumn(int index) { return index % 9; }

// One cell: its whole state is these four attributes.
struct Cell {
    std::string text;
    std::uint32_t back = kWindowBackground;
    std::uint32_t fore = kWindowText;
    bool enabled = false;

    bool operator==(const Cell&) const = default;
};

// What the window must announce after a digit or an answer.
enum class Announce {
    None,
    Bravo,                 // show the message; the finish command stays as it is
    BravoThenDisableFinish // show the message, then disable the finish command
};

// A key handled by the board: the character the cell keeps (0 when discarded) and the outcome.
struct KeyResult {
    std::int16_t key = 0;
    Announce announce = Announce::None;
};

class Board {
public:
    explicit Board(GameState& state) : m_state(state) {}

    const Cell& cell(int index) const { return m_cells.at(static_cast<std::size_t>(index)); }
    const GameState& state() const { return m_state; }

    std::int16_t CaseCourante() const { return m_caseCourante; }
    bool finishEnabled() const { return m_finishEnabled; }
    void setFinishEnabled(bool enabled) { m_finishEnabled = enabled; }

    // Puts `puzzle` on the board: its grid becomes the grid in play, every cell given (its
    // solution digit, settled, cyan; the text colour left as it was), then the puzzle's open
    // cells emptied and opened, and the finish command enabled.
    void newPuzzle(const Puzzle& puzzle);

    // A character typed into open cell `index`; the cell's new text already holds the kept
    // character. Backspace is left to the text field (see setFieldText).
    KeyResult txtCh_KeyPress(int index, std::int16_t keyAscii);

    // The text field changed its own text (Backspace, Delete); no colour changes, no check.
    void setFieldText(int index, const std::string& text);

    // Open cell `index` got the input focus: it becomes the current cell.
    void txtCh_GotFocus(int index);

    // A mouse press on open cell `index` (button 1 = left). Returns true when the answer
    // menu must open at the mouse position.
    bool txtCh_MouseDown(int index, int button);

    // Whether the answer key (Menu, Shift+F10) in cell `index` offers its answer: the same
    // pop-up as a left press on the current cell, with assistance on, on an open cell only.
    bool answerOffered(int index) const;

    // Reveals the current cell; Announce::Bravo when that settled the whole board.
    Announce mnuReponse_Click();

    // The three checks. CasesJustes paints the text of every wrong cell red.
    bool Termine() const;
    bool Complet() const;
    bool CasesJustes();

    // Writes the solution into every cell, marks wrong digits, settles all, disables finishing.
    void mnuFinir_Click();

    // The open cell nearest to `index` in direction (dRow, dColumn), one of the four unit
    // steps, or -1 when there is none that way. Nearest counts rows plus columns, and on a
    // tie the cell closest to the same row or column wins.
    int nearestOpenCell(int index, int dRow, int dColumn) const;

    // The next open cell after `index` in the order of the indexes (step 1) or before it
    // (step -1), wrapping round the board; `index` itself when it is the only open cell, -1
    // when none is open. This is the order that Tab and Shift+Tab follow.
    int nextOpenCell(int index, int step) const;

    // The solution digit of cell `index` for the grid in play, as text.
    std::string solutionText(int index) const;
    // Whether the cell's text, read as a number, is its solution digit.
    bool holdsSolution(int index) const;

private:
    Cell& writable(int index) { return m_cells.at(static_cast<std::size_t>(index)); }

    GameState& m_state;
    std::array<Cell, 81> m_cells{};
    std::int16_t m_caseCourante = 0;
    bool m_finishEnabled = false;
};

} // namespace taremo
