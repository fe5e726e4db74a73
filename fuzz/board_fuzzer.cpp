// Fuzzes the board's rules: every input is a game played as a stream of window events, and the
// board's rules (board_rules.h) are checked after each event, with where the arrows and Tab lead
// and what the solution lookup gives for any numbers.
#include "board_rules.h"
#include "mainwin/board.h"
#include "puzzle/grid_catalogue.h"
#include "puzzle/puzzle_maker.h"
#include "puzzle/random.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace taremo {
namespace {

void check(bool ok, const std::string& what, int index = -1)
{
    if (ok)
        return;
    std::fprintf(stderr, "board fuzzer: %s (cell %d)\n", what.c_str(), index);
    std::abort();
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

enum class Event {
    NewGrid,
    Key,
    FieldText,
    Focus,
    Mouse,
    Answer,
    Finish,
    Arrow,
    Tab,
    Lookup,
    Count
};

// The board as the main window drives it: the window's own guards (a disabled field takes no
// focus and no mouse, the answer lives in the menu a click opens, a disabled finish command
// does nothing) are kept here, so that only what a player can do reaches the board.
class Game {
public:
    void play(Events& events)
    {
        newGrid(events); // the board is hidden until the first grid
        checkRules();
        while (events.more()) {
            const auto event = static_cast<Event>(events.next() % static_cast<int>(Event::Count));
            const bool menuWasOpen = m_menuOpen;
            m_menuOpen = false; // whatever comes next closes the menu
            m_played = {};
            apply(event, events, menuWasOpen);
            checkRules();
        }
    }

private:
    void checkRules()
    {
        const std::string broken = m_rules.after(m_played);
        check(broken.empty(), broken);
        check(m_state.SansAssistance == m_assistance, "the assistance switch moved during play");
        check(m_board.Termine() == (m_board.nextOpenCell(0, 1) < 0),
              "Termine() disagrees with the open cells");
        // A new grid enables finishing; finishing, or the message of a win by a key, disables it.
        check(m_board.finishEnabled() == m_finishExpected, "the finish command in the wrong state");
    }

    void apply(Event event, Events& events, bool menuWasOpen)
    {
        switch (event) {
        case Event::NewGrid:
            newGrid(events);
            break;
        case Event::Key:
            key(events.cell(), events.next());
            break;
        case Event::FieldText:
            fieldText(events.cell(), events.next());
            break;
        case Event::Focus:
            focus(events.cell());
            break;
        case Event::Mouse:
            mouse(events.cell(), 1 + events.next() % 2);
            break;
        case Event::Answer:
            if (menuWasOpen)
                answer();
            break;
        case Event::Finish:
            if (m_board.finishEnabled())
                finish();
            break;
        case Event::Arrow:
            arrow(events.cell(), events.next() % 4);
            break;
        case Event::Tab:
            tab(events.cell(), events.next() % 2 == 0 ? 1 : -1);
            break;
        case Event::Lookup:
            lookup(number(events), number(events));
            break;
        case Event::Count:
            break;
        }
    }

    // The new-grid dialog: a level, the assistance switch, then the focus goes to an open cell.
    void newGrid(Events& events)
    {
        const auto level = static_cast<std::int16_t>(events.next() % kDifficultyCount);
        const bool assisted = events.next() % 2 == 0;
        for (int skip = events.next(); skip > 0; --skip)
            m_random.next(); // draws set aside, so that every input need not start on one grid
        const auto puzzle = makePuzzle(m_random, level);
        check(puzzle.has_value(), "no puzzle at a valid level");
        m_state.SansAssistance = assisted ? kFalse : kTrue;
        m_assistance = m_state.SansAssistance;
        m_board.newPuzzle(*puzzle);
        m_played.kind = fuzz::Played::NewGrid;
        m_finishExpected = true;
        int open = 0;
        for (int i = 0; i < kCellCount; ++i)
            open += m_board.cell(i).enabled ? 1 : 0;
        check(open == openedCellCount(level), "a new grid opened the wrong number of cells");
        if (!m_board.cell(m_board.CaseCourante()).enabled)
            focus(m_board.nextOpenCell(kCellCount - 1, 1));
    }

    void key(int index, std::uint8_t code)
    {
        const KeyResult result = m_board.txtCh_KeyPress(index, code);
        m_played = {fuzz::Played::Key, index, code, result.announce};
        if (result.announce == Announce::BravoThenDisableFinish) {
            m_board.setFinishEnabled(false); // as the window does once the message is closed
            m_finishExpected = false;
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
        m_played = {fuzz::Played::Answer, index, 0, m_board.mnuReponse_Click()};
        check(m_board.cell(index).back == kGreen, "the answer did not reveal its cell", index);
    }

    void finish()
    {
        m_board.mnuFinir_Click();
        m_played.kind = fuzz::Played::Finish;
        m_finishExpected = false;
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

    // Tab and Shift+Tab move to the next open cell in the order of the indexes, round the
    // board, from whatever cell they start: none only when no cell is open.
    void tab(int index, int step)
    {
        const int target = m_board.nextOpenCell(index, step);
        int expected = -1;
        for (int k = 1; k <= kCellCount && expected < 0; ++k) {
            const int candidate = (index + step * k + kCellCount) % kCellCount;
            if (m_board.cell(candidate).enabled)
                expected = candidate;
        }
        check(target == expected, "Tab led elsewhere than to the next open cell", index);
        focus(target);
    }

    // A number near the catalogue's ranges, or any 16-bit one.
    static std::int16_t number(Events& events)
    {
        const int low = events.next();
        return static_cast<std::int16_t>(events.next() % 2 == 0 ? low - 2
                                                                : low << 8 | events.next());
    }

    // The solution lookup, asked anything: the catalogue's digit within its ranges, 0 outside.
    void lookup(std::int16_t grid, std::int16_t cell)
    {
        const bool inRange = grid >= 1 && grid <= kGridCount && cell >= 1 && cell <= kCellCount;
        const int expected =
            inRange ? gridDigits(grid)[static_cast<std::size_t>(cell - 1)] - '0' : 0;
        check(Solution(grid, cell) == expected, "the lookup of grid " + std::to_string(grid), cell);
    }

    GameState m_state;
    Board m_board{m_state};
    fuzz::BoardRules m_rules{m_board};
    fuzz::Played m_played;
    Random m_random{[] { return std::uint64_t{0x7A2E40}; }}; // a pinned clock: runs replay
    std::int16_t m_assistance = kFalse;
    bool m_finishExpected = false;
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
