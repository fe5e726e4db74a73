// Making puzzles: the generator, the number of opened cells, the first grid after a start.
#include "puzzle/puzzle_maker.h"

#include "lang/texts.h"
#include "puzzle/grid_catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace taremo {
namespace {

Random frozenClock(std::uint64_t now = 42) { return Random([now] { return now; }); }

TEST(GameRandom, StaysInUnitIntervalAndRestartsTheSame)
{
    Random a = frozenClock();
    Random b = frozenClock();
    for (int i = 0; i < 10000; ++i) {
        const double v = a.next();
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
        ASSERT_EQ(v, b.next());
    }
    a.restart();
    Random fresh = frozenClock(7);
    EXPECT_EQ(a.next(), fresh.next()) << "the starting state does not depend on the clock";
}

TEST(GameRandom, ReseedsFromAStillClockNeverRepeatTheDraws)
{
    Random random = frozenClock();
    std::set<double> seen;
    for (int i = 0; i < 5000; ++i) {
        random.reseed();
        seen.insert(random.next());
    }
    EXPECT_EQ(seen.size(), 5000u);
}

TEST(GameRandom, ReseedFollowsTheClock)
{
    Random a = frozenClock(1);
    Random b = frozenClock(2);
    a.reseed();
    b.reseed();
    EXPECT_NE(a.next(), b.next());
}

class PuzzleMaking : public ::testing::TestWithParam<int> {};

TEST_P(PuzzleMaking, OpensFortyPlusFivePerLevelDistinctCells)
{
    const auto level = static_cast<std::int16_t>(GetParam());
    GameState state;
    Board board(state);
    Random random;
    ASSERT_TRUE(MakePuzzle(board, random, level));
    ASSERT_GE(state.NumGrille, 1);
    ASSERT_LE(state.NumGrille, kGridCount);
    int open = 0;
    for (int i = 0; i < kCellCount; ++i) {
        const Cell& c = board.cell(i);
        if (c.enabled) {
            ++open;
            EXPECT_EQ(c, (Cell{"", kWindowBackground, kWindowText, true}));
        } else {
            EXPECT_EQ(c.back, kCyan);
            EXPECT_EQ(c.text, std::string(1, char('0' + Solution(state.NumGrille, cellNumber(i)))));
        }
    }
    EXPECT_EQ(open, 40 + 5 * level);
    EXPECT_TRUE(board.finirEnabled());
}

INSTANTIATE_TEST_SUITE_P(Levels, PuzzleMaking, ::testing::Range(0, 6));

TEST(PuzzleMakingRules, RejectsPositionsThatAreNoDifficulty)
{
    GameState state;
    Board board(state);
    Random random;
    for (std::int16_t bad : {std::int16_t{-1}, std::int16_t{6}, std::int16_t{32767}})
        EXPECT_FALSE(MakePuzzle(board, random, bad));
    EXPECT_EQ(state.NumGrille, 0);
    EXPECT_FALSE(board.finirEnabled());
}

TEST(PuzzleMakingRules, FirstGridAfterAStartIsAlwaysTheSameButItsOpenCellsDiffer)
{
    GameState s1, s2;
    Board b1(s1), b2(s2);
    Random r1([] { return 1000u; });
    Random r2([] { return 2000u; });
    MakePuzzle(b1, r1, 2);
    MakePuzzle(b2, r2, 2);
    EXPECT_EQ(s1.NumGrille, s2.NumGrille);
    bool differ = false;
    for (int i = 0; i < kCellCount; ++i)
        differ = differ || b1.cell(i).enabled != b2.cell(i).enabled;
    EXPECT_TRUE(differ);
}

TEST(PuzzleMakingRules, EveryCellCanBeOpenedAndGridsVary)
{
    GameState state;
    Board board(state);
    Random random;
    std::set<int> opened, grids;
    for (int n = 0; n < 200; ++n) {
        MakePuzzle(board, random, 0);
        grids.insert(state.NumGrille);
        for (int i = 0; i < kCellCount; ++i)
            if (board.cell(i).enabled)
                opened.insert(i);
    }
    EXPECT_EQ(opened.size(), 81u);
    EXPECT_GT(grids.size(), 50u);
}

TEST(PuzzleMakingRules, NewGridKeepsTextColoursAndTheCurrentCell)
{
    GameState state;
    Board board(state);
    Random random;
    MakePuzzle(board, random, 0);
    board.cell(3).fore = kRed;
    board.txtCh_GotFocus(17);
    MakePuzzle(board, random, 5);
    EXPECT_EQ(board.cell(3).fore, kRed);
    EXPECT_EQ(board.CaseCourante(), 17);
}

TEST(LevelLineText, JoinsLevelNameAndHint)
{
    const float saved = gameState().Langue;
    gameState().Langue = 2;
    EXPECT_EQ(LevelLine("Facile"),
              "Niveau Facile       click dans une case pour avoir la r\xC3\xA9ponse");
    gameState().Langue = saved;
}

} // namespace
} // namespace taremo
