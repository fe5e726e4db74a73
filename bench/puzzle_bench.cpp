// Making a puzzle on the core alone: one grid draw, 81 lookups, the opened cells.
#include "mainwin/board.h"
#include "puzzle/puzzle_maker.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MakePuzzle(benchmark::State& state)
{
    taremo::GameState game;
    taremo::Board board(game);
    taremo::Random random;
    const auto level = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state) {
        board.newPuzzle(*taremo::MakePuzzle(random, level));
        benchmark::DoNotOptimize(board.cell(80));
    }
}
BENCHMARK(BM_MakePuzzle)->Arg(0)->Arg(5);

void BM_FullBoardCheck(benchmark::State& state)
{
    taremo::GameState game;
    taremo::Board board(game);
    taremo::Random random;
    board.newPuzzle(*taremo::MakePuzzle(random, 5));
    for (int i = 0; i < 81; ++i)
        board.setFieldText(i, board.solutionText(i));
    for (auto _ : state)
        benchmark::DoNotOptimize(board.Complet() && board.CasesJustes());
}
BENCHMARK(BM_FullBoardCheck);

} // namespace
