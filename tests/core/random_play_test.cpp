// A hundred thousand seeded sequences of player events, with the board's rules checked after each.
#include "support/board_invariants.h"

#include <random>

#include <gtest/gtest.h>

using namespace taremo;

// A new grid, then `events` seeded events; returns the first rule broken, or "". Counts wins.
static std::string play(std::uint32_t seed, int events, int (&wins)[2])
{
    std::minstd_rand rng(seed);
    const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    Random random([&rng] { return rng(); });
    random.reseed(); // the game has been running a while: any grid may come first
    GameState state;
    Board board(state);
    test::BoardRules rules(board);
    // New grid, key, answer, finish; the field's own edits are left to the board fuzzer.
    static std::discrete_distribution<int> weights{1, 150, 10, 1};
    for (int n = 0; n <= events; ++n) {
        // Mostly the next cell still to fill, so that games are won.
        int cell = pick(kCellCount);
        while (pick(20) && !(board.cell(cell).enabled && !board.holdsSolution(cell)))
            cell = (cell + 1) % kCellCount;
        const int event = n == 0 ? 0 : weights(rng);
        test::Played played{test::Played::Other, cell};
        if (event == 0) {
            state.SansAssistance = pick(2) ? kTrue : kFalse;
            board.newPuzzle(*makePuzzle(random, static_cast<std::int16_t>(pick(kDifficultyCount))));
            played.kind = test::Played::NewGrid;
        } else if (event == 1) { // mostly the right digit, else any key
            const char key = pick(10) < 7 ? test::digitOf(cell, state.NumGrille)[0]
                                          : "1234567890a \r\b\x1bZ"[pick(16)];
            played = {test::Played::Key, cell, key, board.txtCh_KeyPress(cell, key).announce};
            if (played.announced == Announce::BravoThenDisableFinish)
                board.setFinishEnabled(false); // as the window does once the message is closed
        } else if (event == 2) {               // over the current cell, assisted only
            board.txtCh_GotFocus(cell);
            if (state.SansAssistance == kFalse && board.cell(cell).enabled)
                played = {test::Played::Answer, cell, 0, board.mnuReponse_Click()};
        } else if (board.finishEnabled()) {
            board.mnuFinir_Click();
            played.kind = test::Played::Finish;
        }
        if (std::string broken = rules.after(played); !broken.empty())
            return broken;
        wins[state.SansAssistance == kFalse] += played.announced != Announce::None;
    }
    return "";
}

TEST(RandomPlay, RulesHoldOverAHundredThousandSequences)
{
    int wins[2] = {0, 0};
    for (std::uint32_t seed = 1; seed <= 100000; ++seed) // every fiftieth long enough to win
        ASSERT_EQ(play(seed, seed % 50 ? 1 + seed % 4 : 200, wins), "") << "seed " << seed;
    EXPECT_GT(wins[1], 300) << "games won with assistance";
    EXPECT_GT(wins[0], 300) << "games won without assistance";
}
