// The main window on the offscreen platform: a typed digit, and a new grid on 81 widgets.
#include "mainwin/frm_main.h"
#include "puzzle/grid_catalogue.h"
#include "puzzle/puzzle_maker.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace taremo;

FrmMain& shownMain()
{
    FrmMain& main = frmMain();
    main.show();
    QApplication::processEvents();
    return main;
}

// One key into an open cell: judged by the board, the widgets repainted.
void BM_TypeDigitIntoCell(benchmark::State& state)
{
    FrmMain& main = shownMain();
    gameState().SansAssistance = kFalse;
    MakePuzzle(main.board(), gameRandom(), 5);
    main.showPlaying(QStringLiteral("bench"));
    int open = 0;
    while (!main.board().cell(open).enabled)
        ++open;
    const int solution = Solution(gameState().NumGrille, cellNumber(open));
    const Qt::Key wrong = static_cast<Qt::Key>(Qt::Key_0 + (solution == 9 ? 1 : solution + 1));
    CellEdit* cell = main.txtCh(open);
    for (auto _ : state) {
        QTest::keyClick(cell, wrong);
        cell->repaint();
    }
}
BENCHMARK(BM_TypeDigitIntoCell)->Unit(benchmark::kMicrosecond);

// A whole new puzzle written into the 81 cells and painted.
void BM_NewGridOnWidgets(benchmark::State& state)
{
    FrmMain& main = shownMain();
    for (auto _ : state) {
        MakePuzzle(main.board(), gameRandom(), 2);
        main.showPlaying(QStringLiteral("bench"));
        main.fraGrille()->repaint();
    }
}
BENCHMARK(BM_NewGridOnWidgets)->Unit(benchmark::kMillisecond);

} // namespace
