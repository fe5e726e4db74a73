// Random play: long seeded sequences of player events, with the board's invariants checked
// after every event.
#include "mainwin/board.h"
#include "puzzle/grid_catalogue.h"
#include "puzzle/puzzle_maker.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace taremo {
namespace {

enum class Event { NewGrid, Key, Erase, Focus, Mouse, Answer, Finish };

struct Player {
    explicit Player(std::uint64_t seed) : rng(seed), random([this] { return rng(); }) {}

    std::mt19937_64 rng;
    GameState state;
    Board board{state};
    Random random;

    int pick(int n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); }
    std::string solution(int i) const { return board.solutionText(i); }

    int someOpenCell()
    {
        for (int tries = 0; tries < 200; ++tries) {
            const int i = pick(kCellCount);
            if (board.cell(i).enabled)
                return i;
        }
        return pick(kCellCount);
    }

    std::int16_t someKey(int cell)
    {
        static constexpr char kOthers[] = {'0', 'a', ' ', '\r', '\x1b', '\b', 'Z', '~'};
        const int roll = pick(10);
        if (roll < 7)
            return solution(cell)[0];
        if (roll < 9)
            return static_cast<std::int16_t>('1' + pick(9));
        return kOthers[pick(sizeof kOthers)];
    }
};

// The digits of the grid in play, looked up once per grid.
using Digits = std::array<char, 81>;

Digits digitsOf(const Board& board)
{
    Digits digits{};
    for (int i = 0; i < kCellCount; ++i)
        digits[static_cast<std::size_t>(i)] = board.solutionText(i)[0];
    return digits;
}

bool holds(const Cell& c, char digit) { return c.text.size() == 1 && c.text[0] == digit; }

bool allRight(const Board& board, const Digits& digits)
{
    for (int i = 0; i < kCellCount; ++i)
        if (!holds(board.cell(i), digits[static_cast<std::size_t>(i)]))
            return false;
    return true;
}

bool noneEnabled(const Board& board)
{
    for (int i = 0; i < kCellCount; ++i)
        if (board.cell(i).enabled)
            return false;
    return true;
}

// Given, open, green (confirmed or revealed), corrected, or a right digit settled by finishing.
::testing::AssertionResult inAKnownState(const Board& board, const Digits& digits, int i)
{
    const Cell& c = board.cell(i);
    const bool solved = holds(c, digits[static_cast<std::size_t>(i)]);
    const bool known =
        (c.back == kCyan && !c.enabled && solved) ||
        (c.back == kWindowBackground && c.enabled &&
         (c.text.empty() || (c.text.size() == 1 && c.text[0] >= '1' && c.text[0] <= '9')) &&
         (c.fore == kWindowText || c.fore == kRed)) ||
        (c.back == kGreen && !c.enabled && solved && c.fore == kWindowText) ||
        (c.back == kRed && !c.enabled && solved) ||
        (c.back == kWindowBackground && !c.enabled && solved);
    if (known)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "cell " << i << " text '" << c.text << "' back "
                                         << std::hex << c.back << " fore " << c.fore
                                         << " enabled " << c.enabled;
}

class RandomPlay {
public:
    explicit RandomPlay(std::uint64_t seed) : m_player(seed) {}

    // Plays one sequence; returns false at the first broken rule, with `why` filled in.
    bool play(int events, std::string& why)
    {
        apply(Event::NewGrid);
        for (int n = 0; n < events; ++n)
            if (!step(why))
                return false;
        return true;
    }

    int wins = 0;

private:
    Event nextEvent()
    {
        // Weights out of 200: mostly keys, now and then the rest, rarely a new grid or finish.
        static constexpr std::pair<int, Event> kWeights[] = {
            {1, Event::NewGrid}, {150, Event::Key},   {8, Event::Erase}, {15, Event::Focus},
            {15, Event::Mouse},  {10, Event::Answer}, {1, Event::Finish}};
        int roll = m_player.pick(200);
        for (const auto& [weight, event] : kWeights) {
            if (roll < weight)
                return event;
            roll -= weight;
        }
        return Event::Key;
    }

    bool step(std::string& why)
    {
        const std::array<Cell, 81> before = snapshot();
        const bool finirBefore = m_player.board.finirEnabled();
        const Event event = nextEvent();
        const Announce announced = apply(event);
        return check(event, before, finirBefore, announced, why);
    }

    std::array<Cell, 81> snapshot() const
    {
        std::array<Cell, 81> cells;
        for (int i = 0; i < kCellCount; ++i)
            cells[static_cast<std::size_t>(i)] = m_player.board.cell(i);
        return cells;
    }

    Announce apply(Event event)
    {
        Board& board = m_player.board;
        switch (event) {
        case Event::NewGrid:
            m_player.state.SansAssistance = m_player.pick(2) ? kTrue : kFalse;
            MakePuzzle(board, m_player.random, static_cast<std::int16_t>(m_player.pick(6)));
            m_digits = digitsOf(board);
            return Announce::None;
        case Event::Key: {
            const int cell = m_player.someOpenCell();
            const std::int16_t key = m_player.someKey(cell);
            // Settled cells take no keys, and Backspace is left to the field without a check.
            m_keyReached = board.cell(cell).enabled && key != kBackspace;
            const Announce a = board.txtCh_KeyPress(cell, key).announce;
            if (a == Announce::BravoThenDisableFinir)
                board.setFinirEnabled(false); // as the window does once the message is closed
            return a;
        }
        case Event::Erase:
            board.setFieldText(m_player.someOpenCell(), "");
            return Announce::None;
        case Event::Focus:
            board.txtCh_GotFocus(m_player.someOpenCell());
            return Announce::None;
        case Event::Mouse:
            board.txtCh_MouseDown(m_player.someOpenCell(), 1 + m_player.pick(2));
            return Announce::None;
        case Event::Answer:
            // The answer menu opens only over the current open cell, with assistance on.
            m_answerReached = m_player.state.SansAssistance == kFalse &&
                              board.cell(board.CaseCourante()).enabled;
            return m_answerReached ? board.mnuReponse_Click() : Announce::None;
        case Event::Finish:
            if (board.finirEnabled())
                board.mnuFinir_Click();
            return Announce::None;
        }
        return Announce::None;
    }

    bool check(Event event, const std::array<Cell, 81>& before, bool finirBefore,
               Announce announced, std::string& why)
    {
        const Board& board = m_player.board;
        for (int i = 0; i < kCellCount; ++i) {
            const auto ok = inAKnownState(board, m_digits, i);
            if (!ok)
                return fail(why, ok.message());
            const Cell& was = before[static_cast<std::size_t>(i)];
            const bool rewritable = event == Event::NewGrid || event == Event::Finish;
            if (!rewritable && !was.enabled && !(board.cell(i) == was))
                return fail(why, "settled cell " + std::to_string(i) + " changed");
        }
        if (board.Termine() != noneEnabled(board))
            return fail(why, "Termine disagrees with the cells");
        if (!finishCommandFollows(event, finirBefore, announced))
            return fail(why, "finish command in the wrong state");
        if (!announcedExactlyOnWin(event, announced))
            return fail(why, "win announced wrongly after event " +
                                 std::to_string(static_cast<int>(event)) + ", announce " +
                                 std::to_string(static_cast<int>(announced)));
        wins += announced != Announce::None;
        return true;
    }

    bool finishCommandFollows(Event event, bool before, Announce announced) const
    {
        const bool now = m_player.board.finirEnabled();
        switch (event) {
        case Event::NewGrid: return now;
        case Event::Finish: return !now;
        case Event::Key: return announced == Announce::BravoThenDisableFinir ? !now : now == before;
        default: return now == before;
        }
    }

    bool announcedExactlyOnWin(Event event, Announce announced) const
    {
        const Board& board = m_player.board;
        const bool assisted = m_player.state.SansAssistance == kFalse;
        if (event == Event::Answer)
            return (announced == Announce::Bravo) == (m_answerReached && noneEnabled(board));
        if (event != Event::Key)
            return announced == Announce::None;
        const bool won = assisted ? noneEnabled(board) : allRight(board, m_digits);
        return (announced == Announce::BravoThenDisableFinir) == (won && m_keyReached);
    }

    static bool fail(std::string& why, const std::string& what)
    {
        why = what;
        return false;
    }

    Player m_player;
    Digits m_digits{};
    bool m_keyReached = false;
    bool m_answerReached = false;
};

TEST(RandomPlayProperty, InvariantsHoldOverAHundredThousandSequences)
{
    constexpr int kSequences = 100000;
    int wins = 0;
    for (std::uint64_t seed = 1; seed <= kSequences; ++seed) {
        RandomPlay play(seed);
        std::string why;
        // Mostly short games, and every fiftieth one long enough to be played to its end.
        const int events = 5 + static_cast<int>(seed % 50 == 0 ? 400 : seed % 10);
        ASSERT_TRUE(play.play(events, why)) << "seed " << seed << ": " << why;
        wins += play.wins;
    }
    EXPECT_GT(wins, 500) << "the sequences should reach many wins";
}

} // namespace
} // namespace taremo
