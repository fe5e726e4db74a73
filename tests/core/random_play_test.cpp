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

enum class Event { NewGrid, Key, Erase, Focus, Answer, Finish };

// Open (empty or one digit, plain or red), or settled on its solution: given, green (confirmed
// or revealed), corrected, or a right digit settled by finishing.
bool inAKnownState(const Cell& c, std::string_view solution)
{
    if (c.enabled)
        return c.back == kWindowBackground && (c.fore == kWindowText || c.fore == kRed) &&
               (c.text.empty() || (c.text.size() == 1 && c.text[0] >= '1' && c.text[0] <= '9'));
    return c.text == solution &&
           (c.back == kCyan || c.back == kRed || c.back == kWindowBackground ||
            (c.back == kGreen && c.fore == kWindowText));
}

// Plays a new grid, then `events` seeded events, mostly keys on open cells that do not hold
// their solution yet; returns the first rule broken, or "". Counts wins, unassisted first.
std::string play(std::uint64_t seed, int events, int (&wins)[2])
{
    std::minstd_rand rng(static_cast<std::minstd_rand::result_type>(seed));
    const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    Random random([&rng] { return rng(); });
    random.reseed(); // the game has been running a while: any grid may come first
    GameState state;
    Board board(state);
    std::string_view digits;
    std::array<bool, kCellCount> given{};
    std::array<Cell, kCellCount> seen{};
    std::vector<int> todo;
    static std::discrete_distribution<int> weights{1, 150, 8, 15, 10, 1};
    for (int n = 0; n <= events; ++n) {
        const auto event = n == 0 ? Event::NewGrid : static_cast<Event>(weights(rng));
        const int cell = todo.empty() || !pick(20) ? pick(kCellCount)
                                                   : todo[pick(static_cast<int>(todo.size()))];
        const bool finirBefore = board.finirEnabled();
        const bool newGrid = event == Event::NewGrid;
        Announce announced = Announce::None;
        bool reached = false; // a key or the answer reached an open cell: the only ways to win
        switch (event) {
        case Event::NewGrid:
            state.SansAssistance = pick(2) ? kTrue : kFalse;
            MakePuzzle(board, random, static_cast<std::int16_t>(pick(kDifficultyCount)));
            digits = GridDigits(state.NumGrille);
            break;
        case Event::Key: {
            const int roll = pick(10); // mostly the right digit, else any digit, or another key
            const auto key = static_cast<std::int16_t>(roll < 7   ? digits[cell]
                                                       : roll < 9 ? '1' + pick(9)
                                                                  : "0a \r\x1b\bZ~"[pick(8)]);
            reached = board.cell(cell).enabled && key != kBackspace; // left to the field
            announced = board.txtCh_KeyPress(cell, key).announce;
            if (announced == Announce::BravoThenDisableFinir)
                board.setFinirEnabled(false); // as the window does once the message is closed
            break;
        }
        case Event::Erase:
            board.setFieldText(cell, "");
            break;
        case Event::Focus:
            board.txtCh_GotFocus(cell);
            break;
        case Event::Answer: // the menu opens only over the current open cell, with assistance on
            reached = state.SansAssistance == kFalse && board.cell(board.CaseCourante()).enabled;
            if (reached)
                announced = board.mnuReponse_Click();
            break;
        case Event::Finish:
            if (board.finirEnabled())
                board.mnuFinir_Click();
        }
        bool anyOpen = false;
        todo.clear();
        for (int i = 0; i < kCellCount; ++i) {
            const Cell& c = board.cell(i);
            anyOpen = anyOpen || c.enabled;
            if (c.enabled && c.text != digits.substr(i, 1))
                todo.push_back(i);
            if (newGrid)
                given[i] = !c.enabled;
            else if (c == seen[i])
                continue; // checked when it last changed
            const char* broken =
                !newGrid && given[i]                                     ? "a given cell changed"
                : !newGrid && event != Event::Finish && !seen[i].enabled ? "a settled cell changed"
                : !inAKnownState(c, digits.substr(i, 1)) ? "a cell in no known state"
                                                         : nullptr;
            if (broken)
                return std::string(broken).append(" ").append(::testing::PrintToString(c));
            seen[i] = c;
        }
        if (board.Termine() == anyOpen)
            return "Termine disagrees with the cells";
        // A new grid enables finishing; finishing, or the message of a win by a key, disables it.
        if (board.finirEnabled() != (newGrid || (finirBefore && event != Event::Finish &&
                                                 announced != Announce::BravoThenDisableFinir)))
            return "finish command in the wrong state";
        // With assistance a game is won when its last cell settles; without, when a key leaves
        // every cell holding its solution (settled cells always do).
        const bool assisted = state.SansAssistance == kFalse;
        const bool win = reached && (assisted ? !anyOpen : todo.empty());
        if (announced != (!win                     ? Announce::None
                          : event == Event::Answer ? Announce::Bravo
                                                   : Announce::BravoThenDisableFinir))
            return "win announced wrongly";
        wins[assisted] += win;
    }
    return "";
}

TEST(RandomPlayProperty, RulesHoldOverAHundredThousandSequences)
{
    int wins[2] = {0, 0};
    for (std::uint64_t seed = 1; seed <= 100000; ++seed) {
        // Mostly short games, and every fiftieth one long enough to be won now and then.
        ASSERT_EQ(play(seed, 1 + static_cast<int>(seed % 50 == 0 ? 200 : seed % 4), wins), "")
            << "seed " << seed;
    }
    EXPECT_GT(wins[1], 300) << "games won with assistance";
    EXPECT_GT(wins[0], 300) << "games won without assistance";
}

} // namespace
} // namespace taremo
