// Making a puzzle on the core alone: one grid draw and the opened cells, then the board it is
// put on: 81 lookups.
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
        board.newPuzzle(*taremo::makePuzzle(random, level));
        benchmark::DoNotOptimize(board.cell(80));
    }
}
BENCHMARK(BM_MakePuzzle)->Arg(0)->Arg(5);

void BM_FullBoardCheck(benchmark::State& state)
{
    taremo::GameState game;
    taremo::Board board(game);
    taremo::Random random;
    // A puzzle with no open cell: the whole board given, full and right.
    board.newPuzzle({taremo::makePuzzle(random, 5)->NumGrille, {}});
    for (auto _ : state)
        benchmark::DoNotOptimize(board.Complet() && board.CasesJustes());
}
BENCHMARK(BM_FullBoardCheck);

} // namespace
