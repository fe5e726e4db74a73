// The rules a board keeps after every event of play, which the board fuzzer checks after each
// event it plays: every cell in a known state, settled cells left alone, and a win announced
// exactly when one happens, the way the game's mode gives it.
#pragma once

#include "mainwin/board.h"
#include "puzzle/grid_catalogue.h"

#include <array>
#include <string>

namespace taremo::fuzz {

// One event of play as the rules see it; whatever is none of the four named is Other.
struct Played {
    enum Kind { NewGrid, Key, Answer, Finish, Other } kind = Other;
    int cell = -1; // where a key went
    std::int16_t key = 0;
    Announce announced = Announce::None;
};

// Follows one board from its first new grid on.
class BoardRules {
public:
    explicit BoardRules(const Board& board) : m_board(board) {}

    // The first rule the board breaks after `event`, or "" when it keeps them all.
    std::string after(const Played& event)
    {
        std::string broken = firstBroken(event);
        for (int i = 0; i < kCellCount; ++i)
            m_before[i] = m_board.cell(i);
        return broken;
    }

private:
    std::string firstBroken(const Played& e) const
    {
        bool wasOpen = false, open = false, allRight = true;
        for (int i = 0; i < kCellCount; ++i) {
            const Cell& c = m_board.cell(i);
            const std::string solution(1, gridDigits(m_board.state().NumGrille)[i]);
            // Open: empty or one digit on the window's background. Settled on its solution:
            // given (cyan), answered (green, plain text), corrected (red) or as typed.
            const bool digit = c.text.size() == 1 && c.text[0] >= '1' && c.text[0] <= '9';
            const bool settledColour = c.back == kCyan || c.back == kRed ||
                                       c.back == kWindowBackground ||
                                       (c.back == kGreen && c.fore == kWindowText);
            const bool known = c.enabled ? c.back == kWindowBackground && (c.text.empty() || digit)
                                         : c.text == solution && settledColour;
            if (!known || (c.fore != kWindowText && c.fore != kRed))
                return "a cell in no known state: " + std::to_string(i);
            if (e.kind != Played::NewGrid && !m_before[i].enabled && c != m_before[i])
                return "a settled cell changed: " + std::to_string(i);
            wasOpen = wasOpen || m_before[i].enabled;
            open = open || c.enabled;
            allRight = allRight && c.text == solution;
        }
        // Won with assistance when the last open cell settles; without, when a key reaches an
        // open cell and leaves every cell right. Only a key or the answer wins.
        bool won = false;
        if (e.kind == Played::Answer ||
            (e.kind == Played::Key && m_board.state().SansAssistance == kFalse))
            won = wasOpen && !open;
        else if (e.kind == Played::Key)
            won = m_before.at(e.cell).enabled && e.key != kBackspace && allRight;
        if (e.announced != (!won                       ? Announce::None
                            : e.kind == Played::Answer ? Announce::Bravo
                                                       : Announce::BravoThenDisableFinish))
            return "a win announced wrongly";
        return "";
    }

    const Board& m_board;
    std::array<Cell, kCellCount> m_before{};
};

} // namespace taremo::fuzz
