// Whole games on the core: a pinned generator, a puzzle, a script of keys, the outcome.
#include "mainwin/board.h"
#include "puzzle/grid_catalogue.h"
#include "puzzle/puzzle_maker.h"

#include <gtest/gtest.h>

#include <vector>

namespace taremo {
namespace {

struct Game {
    GameState state;
    Board board{state};
    Random random{[] { return 123456789u; }};
    std::vector<Announce> announced;

    explicit Game(bool assistance, std::int16_t level = 0)
    {
        state.SansAssistance = assistance ? kFalse : kTrue;
        MakePuzzle(board, random, level);
    }

    std::vector<int> openCells() const
    {
        std::vector<int> cells;
        for (int i = 0; i < kCellCount; ++i)
            if (board.cell(i).enabled)
                cells.push_back(i);
        return cells;
    }

    char right(int i) const { return char('0' + Solution(state.NumGrille, cellNumber(i))); }
    char wrong(int i) const { return right(i) == '9' ? '1' : char(right(i) + 1); }

    // Types a key as the window does: the board first, then the announcement.
    void type(int i, char key)
    {
        const KeyResult r = board.txtCh_KeyPress(i, key);
        if (r.announce != Announce::None)
            announced.push_back(r.announce);
        if (r.announce == Announce::BravoThenDisableFinir)
            board.setFinirEnabled(false);
    }
};

TEST(PlayAssisted, TypingEverySolutionWinsOnTheLastDigit)
{
    Game game(true, 3);
    const auto open = game.openCells();
    ASSERT_EQ(open.size(), 55u);
    for (std::size_t n = 0; n < open.size(); ++n) {
        game.type(open[n], game.wrong(open[n]));
        game.type(open[n], game.right(open[n]));
        EXPECT_EQ(game.announced.size(), n + 1 == open.size() ? 1u : 0u);
    }
    EXPECT_TRUE(game.board.Termine());
    EXPECT_FALSE(game.board.finirEnabled());
    for (int i : open)
        EXPECT_EQ(game.board.cell(i), (Cell{std::string(1, game.right(i)), kGreen, kWindowText, false}));
}

TEST(PlayAssisted, AnsweringTheLastCellWinsAndLeavesFinishing)
{
    Game game(true);
    const auto open = game.openCells();
    for (std::size_t n = 0; n + 1 < open.size(); ++n)
        game.type(open[n], game.right(open[n]));
    game.board.txtCh_GotFocus(open.back());
    ASSERT_TRUE(game.board.txtCh_MouseDown(open.back(), 1));
    EXPECT_EQ(game.board.mnuReponse_Click(), Announce::Bravo);
    EXPECT_TRUE(game.board.finirEnabled());
    game.board.mnuFinir_Click();
    EXPECT_FALSE(game.board.finirEnabled());
}

TEST(PlayUnassisted, WinsOnlyWhenFullAndRight)
{
    Game game(false, 1);
    const auto open = game.openCells();
    game.type(open[0], game.wrong(open[0]));
    game.type(open[1], game.wrong(open[1]));
    for (std::size_t n = 2; n < open.size(); ++n)
        game.type(open[n], game.right(open[n]));
    EXPECT_TRUE(game.announced.empty());
    EXPECT_EQ(game.board.cell(open[0]).fore, kRed);
    EXPECT_EQ(game.board.cell(open[1]).fore, kRed);

    game.type(open[0], game.right(open[0]));
    EXPECT_TRUE(game.announced.empty());
    game.type(open[1], game.right(open[1]));
    ASSERT_EQ(game.announced.size(), 1u);
    EXPECT_FALSE(game.board.finirEnabled());
    EXPECT_FALSE(game.board.Termine()) << "the cells stay open after the win";

    game.type(open[2], game.wrong(open[2]));
    EXPECT_EQ(game.board.cell(open[2]).fore, kRed);
    EXPECT_EQ(game.announced.size(), 1u);
}

TEST(PlayFinishing, FinishingIsNeverAWin)
{
    Game game(true, 5);
    const auto open = game.openCells();
    game.type(open[0], game.wrong(open[0]));
    game.type(open[1], game.right(open[1]));
    game.board.mnuFinir_Click();
    EXPECT_TRUE(game.announced.empty());
    EXPECT_EQ(game.board.cell(open[0]).back, kRed);
    EXPECT_EQ(game.board.cell(open[0]).text, std::string(1, game.right(open[0])));
    EXPECT_EQ(game.board.cell(open[1]).back, kGreen);
    EXPECT_EQ(game.board.cell(open[2]).back, kGreen);
    EXPECT_TRUE(game.board.Termine());
    EXPECT_FALSE(game.board.finirEnabled());
}

TEST(PlayNewGrid, ReplacesAHalfPlayedGame)
{
    Game game(true);
    const auto open = game.openCells();
    game.type(open[0], game.wrong(open[0]));
    game.board.mnuFinir_Click();
    MakePuzzle(game.board, game.random, 4);
    EXPECT_TRUE(game.board.finirEnabled());
    EXPECT_EQ(game.openCells().size(), 60u);
}

} // namespace
} // namespace taremo
