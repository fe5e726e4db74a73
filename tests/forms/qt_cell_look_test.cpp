// The board in light and dark palettes and what a screen reader is told of each cell, the
// current cell's ring, and the keyboard's ways to the answer and round the board.
#include "form_fixture.h"
#include "mainwin/qt_cell_look.h"
#include <QAccessible>
#include <QAccessibleInterface>
#include <QMenu>
#include <QStyle>

namespace taremo {
namespace {

using ComfortBoard = test::FormTest;
using test::action;
using test::named;
using test::txtCh;

QImage boardImage(const FrmMain& main) { return named(main, "fraGrille").grab().toImage(); }

// The palette of a dark desktop style.
QPalette darkPalette()
{
    QPalette dark(QColor(0xf0f0f0), QColor(0x323232), QColor(0x4b4b4b), QColor(0x212121),
                  QColor(0x262626), QColor(0xf0f0f0), Qt::white, QColor(0x242424),
                  QColor(0x323232));
    dark.setColor(QPalette::Highlight, QColor(0x308cc6));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x828282));
    return dark;
}

// What the board shows of one cell, read from the pixels painted.
struct Painted {
    QColor back, outline, ring, digit;
};

Painted paintedCell(const QImage& board, const CellEdit& cell)
{
    const QRect r = cell.geometry();
    // The outline's second line and the ring's: the first may be under a neighbour.
    Painted painted{board.pixelColor(r.left() + 7, r.top() + 6),
                    board.pixelColor(r.center().x(), r.top() + 1),
                    board.pixelColor(r.center().x(), r.top() + kOutlineWidth + 1), {}};
    double strongest = 0;
    const QRect inside = r.adjusted(6, 6, -6, -6);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = board.pixelColor(x, y);
            if (contrastRatio(pixel, painted.back) > strongest) {
                strongest = contrastRatio(pixel, painted.back);
                painted.digit = pixel;
            }
        }
    }
    return painted;
}

TEST_F(ComfortBoard, EveryCellStateStandsOutInLightAndDarkPalettes)
{
    const std::pair<const char*, QPalette> palettes[] = {
        {"light", QApplication::style()->standardPalette()}, {"dark", darkPalette()}};
    const auto said = [](FrmMain& main, int index) {
        return QAccessible::queryAccessibleInterface(&txtCh(main, index))->text(QAccessible::Name);
    };
    const auto name = [](int index, const char* state) {
        return QStringLiteral("Row %1, column %2%3")
            .arg(cellRow(index) + 1)
            .arg(cellColumn(index) + 1)
            .arg(QString::fromLatin1(state));
    };
    int typed = -1; // settled in the last game, painted anew when the desktop's palette changes
    for (const auto& [paletteName, palette] : palettes) {
        SCOPED_TRACE(paletteName);
        QApplication::setPalette(palette);
        QCoreApplication::sendPostedEvents(); // as the event loop would, before the next paint
        FrmMain& main = showMain();
        if (typed >= 0) {
            EXPECT_EQ(paintedCell(boardImage(main), txtCh(main, typed)).back,
                      palette.color(QPalette::Base)) << "follows the desktop during a game";
        }
        newGrid(main, 3);
        const auto open = openCells(main);
        typeDigit(main, open[1], true);  // right: green
        typeDigit(main, open[0], false); // wrong: red digit, and current
        txtCh(main, open[2]).setFocus(); // revealed from the keyboard: green
        QTest::keyClick(&txtCh(main, open[2]), Qt::Key_F10, Qt::ShiftModifier);
        auto& menu = named<QMenu>(main, "mnuAide");
        ASSERT_EQ(QApplication::activePopupWidget(), &menu);
        EXPECT_LE((menu.pos() - txtCh(main, open[2]).mapToGlobal(QPoint(0, 33))).manhattanLength(),
                  2) << "placed at the cell";
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Return);
        typeDigit(main, open[3], false);
        txtCh(main, open[4]).setFocus(); // current, open and empty: its caret is no digit
        int given = 0;
        while (txtCh(main, given).isEnabled())
            ++given;
        const std::tuple<const char*, int, const char*> before[] = {
            {"open, wrong", open[0], ", wrong"}, {"right", open[1], ", right"},
            {"revealed", open[2], ", revealed"}, {"open, empty, current", open[4], ""},
            {"given", given, ", given"}};
        const QImage image = boardImage(main);
        const QColor board = image.pixelColor(131, 80); // between the first two block columns
        for (const auto& [state, index, spoken] : before) {
            SCOPED_TRACE(state);
            EXPECT_EQ(said(main, index), name(index, spoken));
            const Painted cell = paintedCell(image, txtCh(main, index));
            EXPECT_GE(contrastRatio(cell.outline, cell.back), kMinContrast);
            EXPECT_GE(contrastRatio(cell.outline, board), kMinContrast);
            if (index != open[4]) {
                EXPECT_GE(contrastRatio(cell.digit, cell.back), kMinContrast);
            }
        }
        EXPECT_EQ(paintedCell(image, txtCh(main, open[0])).digit, QColor(Qt::red));
        const Painted current = paintedCell(image, txtCh(main, open[4]));
        EXPECT_EQ(current.ring, palette.color(QPalette::Highlight));
        EXPECT_GE(contrastRatio(current.ring, current.back), kMinContrast);

        action(main, "mnuFinir").trigger(); // open[3] corrected: red, right digit
        const QImage finished = boardImage(main);
        const Painted corrected = paintedCell(finished, txtCh(main, open[3]));
        EXPECT_EQ(corrected.back, QColor(Qt::red));
        EXPECT_GE(contrastRatio(corrected.outline, corrected.back), kMinContrast);
        EXPECT_GE(contrastRatio(corrected.outline, board), kMinContrast);
        EXPECT_GE(contrastRatio(corrected.digit, corrected.back), kMinContrast);
        const Painted settled = paintedCell(finished, txtCh(main, open[4]));
        EXPECT_GE(contrastRatio(settled.ring, settled.back), kMinContrast)
            << "the ring stays on the current cell once settled";
        EXPECT_EQ(said(main, open[3]), name(open[3], ", corrected"));
        EXPECT_EQ(said(main, open[4]), name(open[4], ", revealed")) << "filled in by finishing";
        EXPECT_EQ(said(main, open[1]), name(open[1], ", right")) << "unchanged by finishing";

        // A right digit typed without assistance, settled by finishing.
        newGrid(main, 3, false);
        typed = openCells(main)[0];
        typeDigit(main, typed, true);
        txtCh(main, openCells(main)[1]).setFocus();
        action(main, "mnuFinir").trigger();
        const Painted kept = paintedCell(boardImage(main), txtCh(main, typed));
        EXPECT_EQ(kept.back, palette.color(QPalette::Base));
        EXPECT_GE(contrastRatio(kept.digit, kept.back), kMinContrast) << "typed right, settled";
    }
    QApplication::setPalette(QApplication::style()->standardPalette());
}

TEST_F(ComfortBoard, RingStaysOnASettledCellAndTabAndArrowsGoOnFromIt)
{
    FrmMain& main = showMain();
    newGrid(main, 2);
    const auto open = openCells(main);
    const auto ringOf = [&](int index) {
        const QImage image = boardImage(main);
        const Painted cell = paintedCell(image, txtCh(main, index));
        return cell.ring == cell.back ? QColor() : cell.ring;
    };
    for (const auto& [key, modifiers, step] :
         {std::tuple{Qt::Key_Tab, Qt::KeyboardModifiers{}, 1}, {Qt::Key_Backtab, Qt::ShiftModifier, -1}}) {
        const int settled = openCells(main)[open.size() / 3];
        typeDigit(main, settled, true);
        ASSERT_FALSE(txtCh(main, settled).isEnabled());
        EXPECT_TRUE(ringOf(settled).isValid()) << "the settled cell keeps the ring";
        QTest::keyClick(&main, key, modifiers);
        const int next = main.board().nextOpenCell(settled, step);
        EXPECT_NE(next, open[0]) << "not back to the top of the board";
        ASSERT_TRUE(txtCh(main, next).hasFocus());
        EXPECT_TRUE(ringOf(next).isValid());
        EXPECT_FALSE(ringOf(settled).isValid()) << "the ring moved on";
    }
}

} // namespace
} // namespace taremo
