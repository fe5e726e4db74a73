// A hundred thousand seeded sequences of player events, with the board's rules checked after each.
#include "puzzle/puzzle_maker.h"
#include "support/board_fixture.h"
#include <gtest/gtest.h>
#include <random>

namespace taremo {
namespace {
enum class Event { NewGrid, Key, Erase, Answer, Finish };

// Open (empty or one digit, plain or red), or settled on its solution: given, green, red or plain.
bool inAKnownState(const Cell& c, std::string_view solution)
{
    if (c.enabled)
        return c.back == kWindowBackground && (c.fore == kWindowText || c.fore == kRed) &&
               (c.text.empty() || (c.text.size() == 1 && c.text[0] >= '1' && c.text[0] <= '9'));
    return c.text == solution &&
           (c.back == kCyan || c.back == kRed || c.back == kWindowBackground ||
            (c.back == kGreen && c.fore == kWindowText));
}

// A new grid, then `events` seeded events; returns the first rule broken, or "". Counts wins.
std::string play(std::uint64_t seed, std::uint64_t events, int (&wins)[2])
{
    std::minstd_rand rng(static_cast<std::minstd_rand::result_type>(seed));
    const auto pick = [&rng](auto n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    Random random([&rng] { return rng(); });
    random.reseed(); // the game has been running a while: any grid may come first
    GameState state;
    Board board(state);
    std::string_view digits;
    std::vector<Cell> seen(kCellCount);
    std::vector<int> todo;
    static std::discrete_distribution<int> weights{1, 150, 8, 10, 1};
    for (std::uint64_t n = 0; n <= events; ++n) {
        const auto event = n == 0 ? Event::NewGrid : static_cast<Event>(weights(rng));
        const int cell = todo.empty() || !pick(20) ? pick(kCellCount) : todo[pick(todo.size())];
        const bool finirBefore = board.finirEnabled(), newGrid = event == Event::NewGrid;
        Announce announced = Announce::None;
        bool reached = false; // a key or the answer reached an open cell: the only ways to win
        if (newGrid) {
            state.SansAssistance = pick(2) ? kTrue : kFalse;
            MakePuzzle(board, random, static_cast<std::int16_t>(pick(kDifficultyCount)));
            digits = GridDigits(state.NumGrille);
        } else if (event == Event::Key) { // mostly the right digit, else any digit or another key
            const auto key = pick(10) < 7 ? digits[cell] : "1234567890a \r\b\x1bZ"[pick(16)];
            reached = board.cell(cell).enabled && key != kBackspace; // Backspace is the field's
            announced = board.txtCh_KeyPress(cell, key).announce;
            if (announced == Announce::BravoThenDisableFinir)
                board.setFinirEnabled(false); // as the window does once the message is closed
        } else if (event == Event::Erase) {
            board.setFieldText(cell, "");
        } else if (event == Event::Answer) { // over the current cell, with assistance only
            board.txtCh_GotFocus(cell);
            reached = state.SansAssistance == kFalse && board.cell(board.CaseCourante()).enabled;
            if (reached)
                announced = board.mnuReponse_Click();
        } else if (board.finirEnabled()) {
            board.mnuFinir_Click();
        }
        todo.clear();
        for (int i = 0; i < kCellCount; ++i) {
            const Cell& c = board.cell(i);
            if (c.enabled && c.text != digits.substr(i, 1))
                todo.push_back(i);
            const bool given = seen[i].back == kCyan; // until a new grid; others until finishing
            if (!newGrid && c != seen[i] && (given || (event != Event::Finish && !seen[i].enabled)))
                return std::string("a settled cell changed ").append(::testing::PrintToString(c));
            if (!inAKnownState(c, digits.substr(i, 1)))
                return std::string("a cell in no known state ").append(::testing::PrintToString(c));
            seen[i] = c;
        }
        if (board.Termine() != testing::openCells(board).empty())
            return "Termine disagrees with the cells";
        // A new grid enables finishing; finishing, or the message of a win by a key, disables it.
        if (board.finirEnabled() != (newGrid || (finirBefore && event != Event::Finish &&
                                                 announced != Announce::BravoThenDisableFinir)))
            return "finish command in the wrong state";
        // Won assisted when the last cell settles; unassisted when a key leaves every cell right.
        const bool assisted = state.SansAssistance == kFalse;
        const bool win = reached && (assisted ? board.Termine() : todo.empty());
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
    for (std::uint64_t seed = 1; seed <= 100000; ++seed) // every fiftieth long enough to win
        ASSERT_EQ(play(seed, seed % 50 ? 1 + seed % 4 : 200, wins), "") << "seed " << seed;
    EXPECT_GT(wins[1], 300) << "games won with assistance";
    EXPECT_GT(wins[0], 300) << "games won without assistance";
}
} // namespace
} // namespace taremo
