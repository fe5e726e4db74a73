// The board's side of playing from the keyboard: Tab's order and the answer key.
#include "support/board_fixture.h"

#include <gtest/gtest.h>

namespace taremo {
namespace {
using namespace testing;

TEST(BoardKeyboard, TabOrderWrapsRoundTheOpenCellsFromAnyCell)
{
    GameState state;
    Board board{state};
    setUpGrid1(board, {4, 30, 79});
    const std::tuple<int, int, int> rows[] = {
        {30, 1, 79}, {79, 1, 4}, {4, -1, 79}, {30, -1, 4}, {40, 1, 79}, {0, -1, 79}, {-1, 1, -1}};
    for (const auto& [from, step, to] : rows)
        EXPECT_EQ(board.nextOpenCell(from, step), to) << from << " step " << step;
    setUpGrid1(board, {12});
    EXPECT_EQ(board.nextOpenCell(12, 1), 12) << "the only open cell";
    setUpGrid1(board, {});
    EXPECT_EQ(board.nextOpenCell(12, -1), -1);
}

TEST(BoardKeyboard, AnswerKeyOffersTheAnswerOnTheCurrentOpenCellWithAssistanceOnly)
{
    GameState state;
    Board board{state};
    setUpGrid1(board, {5, 6});
    board.txtCh_GotFocus(5);
    EXPECT_TRUE(board.answerOffered(5));
    EXPECT_FALSE(board.answerOffered(6)) << "not the current cell";
    state.SansAssistance = kTrue;
    EXPECT_FALSE(board.answerOffered(5)) << "no answers without assistance";
    state.SansAssistance = kFalse;
    board.cell(5).enabled = false;
    EXPECT_FALSE(board.answerOffered(5)) << "a settled cell";
}

} // namespace
} // namespace taremo
