// Whole games on the core: a pinned generator, a puzzle, a script of keys, the outcome.
#include "puzzle/puzzle_maker.h"
#include "support/board_fixture.h"
#include <gtest/gtest.h>

namespace taremo {
namespace {

// A pinned game; type() keys the right or a wrong digit into its n-th open cell.
struct Game {
    GameState state;
    Board board{state};
    std::vector<int> open;
    Game(bool assisted, std::int16_t level)
    {
        state.SansAssistance = assisted ? kFalse : kTrue;
        Random random{[] { return 123456789u; }};
        MakePuzzle(board, random, level);
        open = testing::openCells(board);
    }
    const Cell& cell(std::size_t n) const { return board.cell(open[n]); }
    std::string right(std::size_t n) const { return testing::digitOf(open[n], state.NumGrille); }
    Announce type(std::size_t n, bool good)
    {
        const char key = good ? right(n)[0] : testing::wrongDigitOf(open[n], state.NumGrille);
        return board.txtCh_KeyPress(open[n], key).announce;
    }
};

TEST(Play, AssistedGameIsWonWhenTheLastCellSettles)
{
    Game game(true, 3);
    game.board.txtCh_MouseDown(game.open[0], 1);
    ASSERT_TRUE(game.board.txtCh_MouseDown(game.open[0], 1)) << "a second press opens the menu";
    EXPECT_EQ(game.board.mnuReponse_Click(), Announce::None) << "the answer settles one cell";
    EXPECT_EQ(game.type(1, false), Announce::None);
    for (std::size_t n = 2; n < game.open.size(); ++n)
        EXPECT_EQ(game.type(n, true), Announce::None) << "a wrong digit is still open";
    EXPECT_EQ(game.type(1, true), Announce::BravoThenDisableFinir);
}

TEST(Play, UnassistedGameIsWonOnlyWhenFullAndRight)
{
    Game game(false, 1);
    game.type(0, false);
    for (std::size_t n = 1; n < game.open.size(); ++n)
        EXPECT_EQ(game.type(n, true), Announce::None);
    EXPECT_EQ(game.cell(0).fore, kRed) << "the full board's check marks the wrong digit";
    EXPECT_EQ(game.type(0, true), Announce::BravoThenDisableFinir);
    EXPECT_FALSE(game.board.Termine()) << "the cells stay open after the win";
}

} // namespace
} // namespace taremo
