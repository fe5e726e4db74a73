// Random play: a hundred thousand seeded sequences of player events on the core, with the
// board's rules checked after every event.
#include "mainwin/board.h"
#include "puzzle/grid_catalogue.h"
#include "puzzle/puzzle_maker.h"
#include "support/board_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace taremo {
namespace {

enum class Event { NewGrid, Key, Erase, Focus, Mouse, Answer, Finish };

bool holds(const Cell& c, char digit) { return c.text.size() == 1 && c.text[0] == digit; }

// Open (empty or one digit, plain or red), or settled on its solution: given, green (confirmed
// or revealed), corrected, or a right digit settled by finishing.
bool inAKnownState(const Cell& c, char digit)
{
    if (c.enabled)
        return c.back == kWindowBackground && (c.fore == kWindowText || c.fore == kRed) &&
               (c.text.empty() || (c.text.size() == 1 && c.text[0] >= '1' && c.text[0] <= '9'));
    return holds(c, digit) && (c.back == kCyan || c.back == kRed || c.back == kWindowBackground ||
                               (c.back == kGreen && c.fore == kWindowText));
}

class RandomPlay {
public:
    explicit RandomPlay(std::uint64_t seed) : m_rng(seed) {}

    // Plays a first grid and then `events` events; returns the first broken rule, or "".
    std::string play(int events)
    {
        m_random.reseed(); // the game has been running a while: any grid may come first
        std::string broken = step(Event::NewGrid);
        for (int n = 0; n < events && broken.empty(); ++n)
            broken = step(nextEvent());
        return broken;
    }

    // Whether a game was won in this sequence with assistance on, and with it off.
    bool wonAssisted = false;
    bool wonUnassisted = false;

private:
    int pick(int n) { return static_cast<int>(m_rng() % static_cast<std::uint64_t>(n)); }

    // Mostly keys, now and then the rest, rarely a new grid or finishing.
    Event nextEvent()
    {
        static std::discrete_distribution<int> weights{1, 150, 8, 15, 15, 10, 1};
        return static_cast<Event>(weights(m_rng));
    }

    // Mostly an open cell that does not hold its solution yet, now and then any cell.
    int someCell()
    {
        return m_todo.empty() || !pick(20) ? pick(kCellCount)
                                           : m_todo[pick(static_cast<int>(m_todo.size()))];
    }

    Announce apply(Event event)
    {
        const int cell = someCell();
        switch (event) {
        case Event::NewGrid:
            m_state.SansAssistance = pick(2) ? kTrue : kFalse;
            MakePuzzle(m_board, m_random, static_cast<std::int16_t>(pick(kDifficultyCount)));
            m_digits = GridDigits(m_state.NumGrille);
            for (int i = 0; i < kCellCount; ++i)
                m_given[i] = !m_board.cell(i).enabled;
            break;
        case Event::Key: {
            // Mostly the right digit, else any digit, now and then some other key.
            static constexpr char kOthers[] = "0a \r\x1b\bZ~";
            const int roll = pick(10);
            const auto key = static_cast<std::int16_t>(roll < 7   ? m_digits[cell]
                                                       : roll < 9 ? '1' + pick(9)
                                                                  : kOthers[pick(8)]);
            // Settled cells take no keys, and Backspace is left to the field without a check.
            m_keyReached = m_board.cell(cell).enabled && key != kBackspace;
            const Announce a = m_board.txtCh_KeyPress(cell, key).announce;
            if (a == Announce::BravoThenDisableFinir)
                m_board.setFinirEnabled(false); // as the window does once the message is closed
            return a;
        }
        case Event::Erase:
            m_board.setFieldText(cell, "");
            break;
        case Event::Focus:
            m_board.txtCh_GotFocus(cell);
            break;
        case Event::Mouse:
            m_board.txtCh_MouseDown(cell, 1 + pick(2));
            break;
        case Event::Answer:
            // The answer menu opens only over the current open cell, with assistance on.
            m_answerReached =
                m_state.SansAssistance == kFalse && m_board.cell(m_board.CaseCourante()).enabled;
            return m_answerReached ? m_board.mnuReponse_Click() : Announce::None;
        case Event::Finish:
            if (m_board.finirEnabled())
                m_board.mnuFinir_Click();
            break;
        }
        return Announce::None;
    }

    std::string step(Event event)
    {
        const bool finirBefore = m_board.finirEnabled();
        const Announce announced = apply(event);
        const bool newGrid = event == Event::NewGrid;
        if (m_digits.size() != kCellCount)
            return "grid " + std::to_string(m_state.NumGrille) + " is not in the catalogue";
        bool anyOpen = false;
        m_todo.clear();
        for (int i = 0; i < kCellCount; ++i) {
            const Cell& c = m_board.cell(i);
            anyOpen = anyOpen || c.enabled;
            if (c.enabled && !holds(c, m_digits[i]))
                m_todo.push_back(i);
            if (c == m_seen[i] && !newGrid)
                continue; // checked when it last changed
            const char* broken = nullptr;
            if (!newGrid && m_given[i])
                broken = "a given cell changed";
            else if (!newGrid && event != Event::Finish && !m_seen[i].enabled)
                broken = "a settled cell changed";
            else if (!inAKnownState(c, m_digits[i]))
                broken = "a cell in no known state";
            if (broken)
                return broken + (": cell " + std::to_string(i)) + " " + ::testing::PrintToString(c);
            m_seen[i] = c;
        }
        if (m_board.Termine() == anyOpen)
            return "Termine disagrees with the cells";

        // A new grid enables finishing; finishing, or the message of a win by a key, disables it.
        if (m_board.finirEnabled() != (newGrid || (finirBefore && event != Event::Finish &&
                                                   announced != Announce::BravoThenDisableFinir)))
            return "finish command in the wrong state";

        // With assistance a game is won when its last cell settles through a key or the answer;
        // without, when a key leaves every cell holding its solution (settled cells always do).
        const bool assisted = m_state.SansAssistance == kFalse;
        const bool won = event == Event::Answer ? m_answerReached && !anyOpen
                                                : event == Event::Key && m_keyReached &&
                                                      (assisted ? !anyOpen : m_todo.empty());
        const Announce expected = !won                     ? Announce::None
                                  : event == Event::Answer ? Announce::Bravo
                                                           : Announce::BravoThenDisableFinir;
        if (announced != expected)
            return "win announced wrongly after event " + std::to_string(static_cast<int>(event));
        if (won)
            (assisted ? wonAssisted : wonUnassisted) = true;
        return "";
    }

    std::minstd_rand m_rng;
    GameState m_state;
    Board m_board{m_state};
    Random m_random{[this] { return m_rng(); }};
    std::string_view m_digits;
    std::array<bool, kCellCount> m_given{};
    std::array<Cell, kCellCount> m_seen{};
    std::vector<int> m_todo;
    bool m_keyReached = false;
    bool m_answerReached = false;
};

TEST(RandomPlayProperty, RulesHoldOverAHundredThousandSequences)
{
    int assisted = 0;
    int unassisted = 0;
    for (std::uint64_t seed = 1; seed <= 100000; ++seed) {
        RandomPlay play(seed);
        // Mostly short games, and every fiftieth one long enough to be won now and then.
        const int events = 1 + static_cast<int>(seed % 50 == 0 ? 200 : seed % 4);
        ASSERT_EQ(play.play(events), "") << "seed " << seed;
        assisted += play.wonAssisted;
        unassisted += play.wonUnassisted;
    }
    EXPECT_GT(assisted, 300) << "games won with assistance";
    EXPECT_GT(unassisted, 300) << "games won without assistance";
}

} // namespace
} // namespace taremo
