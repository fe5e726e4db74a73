// The main window on the offscreen platform: a typed digit, and a new grid on 81 widgets.
#include "app/game.h"
#include "mainwin/frm_main.h"
#include "puzzle/frm_new.h"
#include "puzzle/grid_catalogue.h"
#include "widgets/message_box.h"
#include "widgets/paths.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

using namespace taremo;

// A game of its own and its main window, shown.
struct ShownGame {
    Game game{.programDir = programDir()};
    MessageBoxes messages;
    FrmMain main{game, messages};

    ShownGame()
    {
        main.show();
        QApplication::processEvents();
    }
};

// A new grid at `level` as the player makes it: F2's command, the level chosen, OK.
void newGrid(FrmMain& main, int level)
{
    QTimer::singleShot(0, [level] {
        auto* dialog = dynamic_cast<FrmNew*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        dialog->findChild<QComboBox*>(QStringLiteral("cmbChoix"))->setCurrentIndex(level);
        dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    main.findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();
}

// One key into an open cell: judged by the board, the widgets repainted.
void BM_TypeDigitIntoCell(benchmark::State& state)
{
    ShownGame shown;
    FrmMain& main = shown.main;
    newGrid(main, 5);
    int open = 0;
    while (!main.board().cell(open).enabled)
        ++open;
    const int solution = Solution(shown.game.state.NumGrille, cellNumber(open));
    const Qt::Key wrong = static_cast<Qt::Key>(Qt::Key_0 + (solution == 9 ? 1 : solution + 1));
    auto* cell = main.findChild<CellEdit*>(QStringLiteral("txtCh_%1").arg(open));
    for (auto _ : state) {
        QTest::keyClick(cell, wrong);
        cell->repaint();
    }
}
BENCHMARK(BM_TypeDigitIntoCell)->Unit(benchmark::kMicrosecond);

// A whole new grid through the dialog: the puzzle written into the 81 cells and painted.
void BM_NewGridThroughTheDialog(benchmark::State& state)
{
    ShownGame shown;
    FrmMain& main = shown.main;
    for (auto _ : state) {
        newGrid(main, 2);
        main.findChild<QWidget*>(QStringLiteral("fraGrille"))->repaint();
    }
}
BENCHMARK(BM_NewGridThroughTheDialog)->Unit(benchmark::kMillisecond);

} // namespace
