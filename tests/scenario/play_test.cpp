// Whole games on the core: a pinned generator, a puzzle, a script of keys, the outcome.
#include "mainwin/board.h"
#include "puzzle/puzzle_maker.h"
#include "support/board_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace taremo {
namespace {

struct Game {
    GameState state;
    Board board{state};
    Random random{[] { return 123456789u; }};
    std::vector<int> open;
    std::vector<Announce> announced;

    explicit Game(bool assistance, std::int16_t level)
    {
        state.SansAssistance = assistance ? kFalse : kTrue;
        MakePuzzle(board, random, level);
        open = testing::openCells(board);
    }

    const Cell& cell(int n) const { return board.cell(open[n]); }
    std::string right(int n) const { return testing::digitOf(open[n], state.NumGrille); }

    // Types the right or a wrong digit into the n-th open cell as the window does: the board
    // first, then the message.
    void type(int n, bool rightDigit)
    {
        const char key = rightDigit ? right(n)[0] : testing::wrongDigitOf(open[n], state.NumGrille);
        const Announce a = board.txtCh_KeyPress(open[n], key).announce;
        if (a != Announce::None)
            announced.push_back(a);
        if (a == Announce::BravoThenDisableFinir)
            board.setFinirEnabled(false);
    }
    int last() const { return static_cast<int>(open.size()) - 1; }
};

TEST(PlayAssisted, TypingEverySolutionWinsOnTheLastDigit)
{
    Game game(true, 3);
    ASSERT_EQ(game.open.size(), 55u);
    for (int n = 0; n <= game.last(); ++n) {
        game.type(n, false);
        game.type(n, true);
        EXPECT_EQ(game.announced.size(), n == game.last() ? 1u : 0u);
    }
    EXPECT_TRUE(game.board.Termine());
    EXPECT_FALSE(game.board.finirEnabled());
    for (int n = 0; n <= game.last(); ++n)
        EXPECT_EQ(game.cell(n), (Cell{game.right(n), kGreen, kWindowText, false}));
}

TEST(PlayAssisted, AnsweringTheLastCellWinsAndLeavesFinishing)
{
    Game game(true, 0);
    for (int n = 0; n < game.last(); ++n)
        game.type(n, true);
    game.board.txtCh_GotFocus(game.open.back());
    ASSERT_TRUE(game.board.txtCh_MouseDown(game.open.back(), 1));
    EXPECT_EQ(game.board.mnuReponse_Click(), Announce::Bravo);
    EXPECT_TRUE(game.board.finirEnabled());
}

TEST(PlayUnassisted, WinsOnlyWhenFullAndRight)
{
    Game game(false, 1);
    game.type(0, false);
    game.type(1, false);
    for (int n = 2; n <= game.last(); ++n)
        game.type(n, true);
    EXPECT_TRUE(game.announced.empty());
    EXPECT_EQ(game.cell(0).fore, kRed);
    EXPECT_EQ(game.cell(1).fore, kRed);

    game.type(0, true);
    EXPECT_TRUE(game.announced.empty());
    EXPECT_EQ(game.cell(1).fore, kRed) << "the other wrong cell stays red";
    game.type(1, true);
    ASSERT_EQ(game.announced.size(), 1u);
    EXPECT_FALSE(game.board.finirEnabled());
    EXPECT_FALSE(game.board.Termine()) << "the cells stay open after the win";

    game.type(2, false);
    EXPECT_EQ(game.cell(2).fore, kRed);
    EXPECT_EQ(game.announced.size(), 1u);
}

} // namespace
} // namespace taremo
