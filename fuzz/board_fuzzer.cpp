// Fuzzes the board's rules: every input is a game played as a stream of window events, and the
// board's invariants are checked after each event.
#include "mainwin/board.h"
#include "puzzle/grid_catalogue.h"
#include "puzzle/puzzle_maker.h"
#include "puzzle/random.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace taremo {
namespace {

[[noreturn]] void violated(const char* what, int index = -1)
{
    std::fprintf(stderr, "board fuzzer: %s (cell %d)\n", what, index);
    std::abort();
}

void check(bool ok, const char* what, int index = -1)
{
    if (!ok)
        violated(what, index);
}

// The input read a byte at a time; 0 once it runs out.
class Events {
public:
    Events(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool more() const { return m_pos < m_size; }
    std::uint8_t next() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    int cell() { return next() % kCellCount; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

enum class Event { NewGrid, Key, FieldText, Focus, Mouse, Answer, Finish, Arrow, Count };

// The states a cell may be in once a grid is on the board.
enum class Kind { Given, Open, Confirmed, Corrected, SettledPlain };

bool isOneDigit(const std::string& text)
{
    return text.size() == 1 && text[0] >= '1' && text[0] <= '9';
}

Kind kindOf(const Board& board, int i)
{
    const Cell& c = board.cell(i);
    check(c.fore == kWindowText || c.fore == kRed, "text neither in the normal colour nor red", i);
    if (c.enabled) {
        check(c.back == kWindowBackground, "an open cell has a colour", i);
        check(c.text.empty() || isOneDigit(c.text), "an open cell holds more than a digit", i);
        return Kind::Open;
    }
    check(c.text == board.solutionText(i), "a settled cell does not show its solution", i);
    switch (c.back) {
    case kCyan:
        return Kind::Given;
    case kGreen:
        check(c.fore == kWindowText, "a green cell has red text", i);
        return Kind::Confirmed;
    case kRed:
        return Kind::Corrected;
    case kWindowBackground:
        return Kind::SettledPlain;
    default:
        violated("a settled cell in an unknown colour", i);
    }
}

// The board as the main window drives it: the window's own guards (a disabled field takes no
// focus and no mouse, the answer lives in the menu a click opens, a disabled finish command
// does nothing) are kept here, so that only what a player can do reaches the board.
class Game {
public:
    void play(Events& events)
    {
        newGrid(events); // the board is hidden until the first grid
        while (events.more()) {
            m_before = snapshot();
            const auto event = static_cast<Event>(events.next() % static_cast<int>(Event::Count));
            const bool menuWasOpen = m_menuOpen;
            m_menuOpen = false; // whatever comes next closes the menu
            apply(event, events, menuWasOpen);
            checkInvariants(event);
        }
    }

private:
    using Cells = std::array<Cell, kCellCount>;

    Cells snapshot() const
    {
        Cells cells;
        for (int i = 0; i < kCellCount; ++i)
            cells[static_cast<std::size_t>(i)] = m_board.cell(i);
        return cells;
    }

    const Cell& before(int i) const { return m_before[static_cast<std::size_t>(i)]; }

    void apply(Event event, Events& events, bool menuWasOpen)
    {
        switch (event) {
        case Event::NewGrid: newGrid(events); break;
        case Event::Key: key(events.cell(), events.next()); break;
        case Event::FieldText: fieldText(events.cell(), events.next()); break;
        case Event::Focus: focus(events.cell()); break;
        case Event::Mouse: mouse(events.cell(), 1 + events.next() % 2); break;
        case Event::Answer: if (menuWasOpen) answer(); break;
        case Event::Finish: if (m_board.finirEnabled()) finish(); break;
        case Event::Arrow: arrow(events.cell(), events.next() % 4); break;
        case Event::Count: break;
        }
    }

    // The new-grid dialog: a level, the assistance switch, then the focus goes to an open cell.
    void newGrid(Events& events)
    {
        const auto level = static_cast<std::int16_t>(events.next() % kDifficultyCount);
        const bool assisted = events.next() % 2 == 0;
        for (int skip = events.next(); skip > 0; --skip)
            m_random.next(); // draws set aside, so that every input need not start on one grid
        const std::optional<Puzzle> puzzle = MakePuzzle(m_random, level);
        check(puzzle.has_value(), "no puzzle at a valid level");
        m_board.newPuzzle(*puzzle);
        m_state.SansAssistance = assisted ? kFalse : kTrue;
        m_assistance = m_state.SansAssistance;
        m_finirExpected = true;
        int open = 0;
        for (int i = 0; i < kCellCount; ++i) {
            m_given[static_cast<std::size_t>(i)] = kindOf(m_board, i) == Kind::Given;
            open += m_board.cell(i).enabled ? 1 : 0;
        }
        check(open == openedCellCount(level), "a new grid opened the wrong number of cells");
        m_givenCells = snapshot();
        if (!m_board.cell(m_board.CaseCourante()).enabled)
            focus(firstOpenCell());
    }

    int firstOpenCell() const
    {
        for (int i = 0; i < kCellCount; ++i)
            if (m_board.cell(i).enabled)
                return i;
        return -1;
    }

    void key(int index, std::uint8_t code)
    {
        const KeyResult result = m_board.txtCh_KeyPress(index, code);
        if (result.announce == Announce::BravoThenDisableFinir) {
            m_board.setFinirEnabled(false);
            m_finirExpected = false;
        }
    }

    // Backspace and Delete empty a field; a digit stands for any edit that leaves one
    // character, which the board must take as it comes.
    void fieldText(int index, std::uint8_t choice)
    {
        const int digit = choice % 10;
        m_board.setFieldText(index, digit == 0 ? std::string() : std::string(1, char('0' + digit)));
    }

    void focus(int index)
    {
        if (index >= 0 && m_board.cell(index).enabled)
            m_board.txtCh_GotFocus(index);
    }

    void mouse(int index, int button)
    {
        if (!m_board.cell(index).enabled)
            return;
        m_menuOpen = m_board.txtCh_MouseDown(index, button);
        check(!m_menuOpen || m_state.SansAssistance == kFalse, "the answer offered unassisted");
    }

    void answer()
    {
        const int index = m_board.CaseCourante();
        const Announce announce = m_board.mnuReponse_Click();
        check(m_board.cell(index).back == kGreen, "the answer did not reveal its cell", index);
        check((announce == Announce::Bravo) == m_board.Termine(), "the answer's announce is off");
    }

    void finish()
    {
        m_board.mnuFinir_Click();
        m_finirExpected = false;
        check(m_board.Termine(), "finishing left a cell open");
    }

    // An arrow key moves the focus to the nearest open cell that way, if any.
    void arrow(int index, int direction)
    {
        static constexpr int kRow[] = {0, 0, -1, 1};
        static constexpr int kColumn[] = {-1, 1, 0, 0};
        const int dRow = kRow[direction];
        const int dColumn = kColumn[direction];
        const int target = m_board.nearestOpenCell(index, dRow, dColumn);
        bool openOnTheLine = false;
        for (int i = 0; i < kCellCount; ++i) {
            const int rows = cellRow(i) - cellRow(index);
            const int columns = cellColumn(i) - cellColumn(index);
            const bool onLine = dRow == 0 ? rows == 0 : columns == 0;
            if (onLine && rows * dRow + columns * dColumn > 0 && m_board.cell(i).enabled)
                openOnTheLine = true;
        }
        if (target < 0) {
            check(!openOnTheLine, "an arrow missed an open cell on its line", index);
            return;
        }
        const int rows = cellRow(target) - cellRow(index);
        const int columns = cellColumn(target) - cellColumn(index);
        check(m_board.cell(target).enabled, "an arrow led to a settled cell", target);
        check(rows * dRow + columns * dColumn > 0, "an arrow led backwards", target);
        check(!openOnTheLine || (dRow == 0 ? rows == 0 : columns == 0),
              "an arrow left its line while an open cell lay on it", target);
        focus(target);
    }

    void checkInvariants(Event event)
    {
        const bool regrid = event == Event::NewGrid;
        const bool finished = event == Event::Finish;
        bool anyOpen = false;
        for (int i = 0; i < kCellCount; ++i) {
            const Cell& now = m_board.cell(i);
            kindOf(m_board, i);
            anyOpen = anyOpen || now.enabled;
            check(!m_given[static_cast<std::size_t>(i)] ||
                      now == m_givenCells[static_cast<std::size_t>(i)],
                  "a given cell changed", i);
            check(regrid || finished || before(i).enabled || now == before(i),
                  "a settled cell changed", i);
        }
        check(m_board.Termine() == !anyOpen, "Termine() disagrees with the open cells");
        check(m_board.finirEnabled() == m_finirExpected, "the finish command in the wrong state");
        check(m_state.SansAssistance == m_assistance, "the assistance switch moved during play");
        check(m_state.NumGrille >= 1 && m_state.NumGrille <= kGridCount, "no grid in play");
    }

    GameState m_state;
    Board m_board{m_state};
    Random m_random{[] { return std::uint64_t{0x7A2E40}; }}; // a pinned clock: runs replay
    Cells m_before{};
    Cells m_givenCells{};
    std::array<bool, kCellCount> m_given{};
    std::int16_t m_assistance = kFalse;
    bool m_finirExpected = false;
    bool m_menuOpen = false;
};

} // namespace
} // namespace taremo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    taremo::Events events(data, size);
    taremo::Game game;
    game.play(events);
    return 0;
}
