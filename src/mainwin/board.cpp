// The rules of play on the 81 cells.
#include "mainwin/board.h"

#include "app/number.h"
#include "puzzle/grid_catalogue.h"

#include <cstdlib>

namespace taremo {

namespace {

bool isDigitKey(std::int16_t key) { return key >= '1' && key <= '9'; }

bool validIndex(int index) { return index >= 0 && index < kCellCount; }

} // namespace

std::string Board::solutionText(int index) const
{
    const std::int16_t digit = Solution(m_state.NumGrille, cellNumber(index));
    return std::string(1, static_cast<char>('0' + digit));
}

bool Board::holdsSolution(int index) const
{
    // Only pasted text could be other than one digit; whatever is not a number is wrong.
    const auto value = readNumber(cell(index).text);
    return value && *value == Solution(m_state.NumGrille, cellNumber(index));
}

void Board::newPuzzle(const Puzzle& puzzle)
{
    m_state.NumGrille = puzzle.NumGrille;
    for (int i = 0; i < kCellCount; ++i) {
        Cell& c = writable(i);
        c.text = solutionText(i);
        c.enabled = false;
        c.back = kCyan;
    }
    for (int i = 0; i < kCellCount; ++i) {
        if (puzzle.open.at(static_cast<std::size_t>(i)))
            writable(i) = Cell{"", kWindowBackground, cell(i).fore, true};
    }
    m_finishEnabled = true;
}

KeyResult Board::txtCh_KeyPress(int index, std::int16_t keyAscii)
{
    KeyResult result{keyAscii, Announce::None};
    if (!validIndex(index) || !cell(index).enabled || keyAscii == kBackspace)
        return result;
    Cell& c = writable(index);
    if (c.text.size() == 1)
        c.text.clear(); // a typed digit replaces the one in the cell
    if (!isDigitKey(result.key))
        result.key = 0;
    c.fore = kWindowText;
    const std::int16_t solution = Solution(m_state.NumGrille, cellNumber(index));

    if (m_state.SansAssistance != kFalse) {
        c.text = result.key ? std::string(1, static_cast<char>(result.key)) : std::string();
        result.key = 0; // already written; the field must not insert it again
        if (Complet() && CasesJustes())
            result.announce = Announce::BravoThenDisableFinish;
        return result;
    }

    if (result.key - '0' == solution) {
        c.fore = kWindowText;
        c.back = kGreen;
        c.enabled = false;
    } else {
        c.fore = kRed;
    }
    if (result.key)
        c.text += static_cast<char>(result.key); // what the field inserts after the handler
    if (Termine()) {
        result.key = 0;
        c.text = solutionText(index);
        result.announce = Announce::BravoThenDisableFinish;
    }
    return result;
}

void Board::setFieldText(int index, const std::string& text)
{
    if (!validIndex(index) || !cell(index).enabled || cell(index).text == text)
        return;
    writable(index).text = text;
}

void Board::txtCh_GotFocus(int index)
{
    if (validIndex(index))
        m_caseCourante = static_cast<std::int16_t>(index);
}

bool Board::txtCh_MouseDown(int index, int button)
{
    if (!validIndex(index) || m_state.SansAssistance != kFalse || button != 1)
        return false;
    if (index == m_caseCourante)
        return true;
    m_caseCourante = static_cast<std::int16_t>(index);
    return false;
}

bool Board::answerOffered(int index) const
{
    return validIndex(index) && m_state.SansAssistance == kFalse && m_state.NumGrille > 0 &&
           index == m_caseCourante && cell(index).enabled;
}

Announce Board::mnuReponse_Click()
{
    // The menu only opens over an open cell of a grid in play; anything else is a stale request.
    if (!validIndex(m_caseCourante) || m_state.NumGrille < 1)
        return Announce::None;
    Cell& c = writable(m_caseCourante);
    c.text = solutionText(m_caseCourante);
    c.fore = kWindowText;
    c.back = kGreen;
    c.enabled = false;
    return Termine() ? Announce::Bravo : Announce::None;
}

bool Board::Termine() const
{
    bool result = true;
    for (const Cell& c : m_cells)
        if (c.enabled)
            result = false;
    return result;
}

bool Board::Complet() const
{
    bool result = true;
    for (const Cell& c : m_cells)
        if (c.text.empty())
            result = false;
    return result;
}

bool Board::CasesJustes()
{
    bool result = true;
    for (int i = 0; i < kCellCount; ++i) {
        if (!holdsSolution(i)) {
            writable(i).fore = kRed; // every wrong cell, not only the first
            result = false;
        }
    }
    return result;
}

void Board::mnuFinir_Click()
{
    for (int i = 0; i < kCellCount; ++i) {
        Cell& c = writable(i);
        if (c.text.empty()) {
            c.text = solutionText(i);
            c.fore = kWindowText;
            c.back = kGreen;
        } else if (c.enabled && !holdsSolution(i)) {
            c.back = kRed;
            c.text = solutionText(i);
        }
        c.enabled = false;
    }
    m_finishEnabled = false;
}

int Board::nextOpenCell(int index, int step) const
{
    if (!validIndex(index) || (step != 1 && step != -1))
        return -1;
    for (int i = 1; i <= kCellCount; ++i) {
        const int candidate = (index + step * i + kCellCount) % kCellCount;
        if (cell(candidate).enabled)
            return candidate;
    }
    return -1;
}

int Board::nearestOpenCell(int index, int dRow, int dColumn) const
{
    if (!validIndex(index))
        return -1;
    int best = -1;
    int bestDistance = 0;
    int bestSideways = 0;
    for (int i = 0; i < kCellCount; ++i) {
        const int rows = cellRow(i) - cellRow(index);
        const int columns = cellColumn(i) - cellColumn(index);
        const int ahead = rows * dRow + columns * dColumn; // steps in the arrow's direction
        const int sideways = std::abs(rows * dColumn) + std::abs(columns * dRow);
        if (ahead <= 0 || !cell(i).enabled)
            continue;
        // A cell on the same row or column always comes first, so the arrows follow the lines.
        const int distance = ahead + sideways + (sideways > 0 ? 2 * kCellCount : 0);
        if (best < 0 || distance < bestDistance ||
            (distance == bestDistance && sideways < bestSideways)) {
            best = i;
            bestDistance = distance;
            bestSideways = sideways;
        }
    }
    return best;
}

} // namespace taremo
