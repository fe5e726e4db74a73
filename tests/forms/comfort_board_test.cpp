// The board in light and dark palettes and what a screen reader is told of each cell, the
// current cell's ring and the keyboard's way to the answer.
#include "form_fixture.h"
#include "mainwin/qt_cell_look.h"
#include <QAccessible>
#include <QAccessibleInterface>
#include <QMenu>
#include <QStyle>

namespace taremo {
namespace {

using ComfortBoard = testing::FormTest;

// The palette of a dark desktop style: each role's active and disabled colours.
QPalette darkPalette()
{
    const std::tuple<QPalette::ColorRole, QRgb, QRgb> roles[] = {
        {QPalette::Window, 0x323232, 0x323232},  {QPalette::Base, 0x242424, 0x323232},
        {QPalette::Button, 0x323232, 0x323232},  {QPalette::WindowText, 0xf0f0f0, 0x828282},
        {QPalette::Text, 0xf0f0f0, 0x828282},    {QPalette::ButtonText, 0xf0f0f0, 0x828282},
        {QPalette::Highlight, 0x308cc6, 0x919191}, {QPalette::HighlightedText, 0xf0f0f0, 0xf0f0f0},
        {QPalette::Light, 0x4b4b4b, 0x4b4b4b},   {QPalette::Mid, 0x262626, 0x262626},
        {QPalette::Dark, 0x212121, 0xbebebe},    {QPalette::Shadow, 0x191919, 0x252525}};
    QPalette palette;
    for (const auto& [role, colour, disabled] : roles) {
        palette.setColor(QPalette::Active, role, colour);
        palette.setColor(QPalette::Inactive, role, colour);
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    return palette;
}

// What the board shows of one cell, read from the pixels painted.
struct Painted {
    QColor back, outline, ring, digit;
};

Painted paintedCell(const QImage& board, const CellEdit* cell)
{
    const QRect r = cell->geometry();
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
        return QAccessible::queryAccessibleInterface(main.txtCh(index))->text(QAccessible::Name);
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
            EXPECT_EQ(paintedCell(main.fraGrille()->grab().toImage(), main.txtCh(typed)).back,
                      palette.color(QPalette::Base)) << "follows the desktop during a game";
        }
        newGrid(main, 3);
        const auto open = openCells(main);
        typeDigit(main, open[1], true);  // right: green
        typeDigit(main, open[0], false); // wrong: red digit, and current
        main.txtCh(open[2])->setFocus(); // revealed from the keyboard: green
        QTest::keyClick(main.txtCh(open[2]), Qt::Key_Menu);
        QTest::keyClick(main.mnuAide(), Qt::Key_Down);
        QTest::keyClick(main.mnuAide(), Qt::Key_Return);
        typeDigit(main, open[3], false);
        main.txtCh(open[4])->setFocus(); // current, open and empty: its caret is no digit
        int given = 0;
        while (main.txtCh(given)->isEnabled())
            ++given;
        const std::tuple<const char*, int, const char*> before[] = {
            {"open, wrong", open[0], ", wrong"}, {"right", open[1], ", right"},
            {"revealed", open[2], ", revealed"}, {"open, empty, current", open[4], ""},
            {"given", given, ", given"}};
        const QImage image = main.fraGrille()->grab().toImage();
        const QColor board = image.pixelColor(131, 80); // between the first two block columns
        for (const auto& [state, index, spoken] : before) {
            SCOPED_TRACE(state);
            EXPECT_EQ(said(main, index), name(index, spoken));
            const Painted cell = paintedCell(image, main.txtCh(index));
            EXPECT_GE(contrastRatio(cell.outline, cell.back), kMinContrast);
            EXPECT_GE(contrastRatio(cell.outline, board), kMinContrast);
            if (index != open[4]) {
                EXPECT_GE(contrastRatio(cell.digit, cell.back), kMinContrast);
            }
        }
        EXPECT_EQ(paintedCell(image, main.txtCh(open[0])).digit, QColor(Qt::red));
        const Painted current = paintedCell(image, main.txtCh(open[4]));
        EXPECT_EQ(current.ring, palette.color(QPalette::Highlight));
        EXPECT_GE(contrastRatio(current.ring, current.back), kMinContrast);

        main.mnuFinir()->trigger(); // open[3] corrected: red, right digit
        const QImage finished = main.fraGrille()->grab().toImage();
        const Painted corrected = paintedCell(finished, main.txtCh(open[3]));
        EXPECT_EQ(corrected.back, QColor(Qt::red));
        EXPECT_GE(contrastRatio(corrected.outline, corrected.back), kMinContrast);
        EXPECT_GE(contrastRatio(corrected.outline, board), kMinContrast);
        EXPECT_GE(contrastRatio(corrected.digit, corrected.back), kMinContrast);
        const Painted settled = paintedCell(finished, main.txtCh(open[4]));
        EXPECT_GE(contrastRatio(settled.ring, settled.back), kMinContrast)
            << "the ring stays on the current cell once settled";
        EXPECT_EQ(said(main, open[3]), name(open[3], ", corrected"));
        EXPECT_EQ(said(main, open[4]), name(open[4], ", revealed")) << "filled in by finishing";
        EXPECT_EQ(said(main, open[1]), name(open[1], ", right")) << "unchanged by finishing";

        // A right digit typed without assistance, settled by finishing.
        newGrid(main, 3, false);
        typed = openCells(main)[0];
        typeDigit(main, typed, true);
        main.txtCh(openCells(main)[1])->setFocus();
        main.mnuFinir()->trigger();
        const Painted kept = paintedCell(main.fraGrille()->grab().toImage(), main.txtCh(typed));
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
        const QImage image = main.fraGrille()->grab().toImage();
        const Painted cell = paintedCell(image, main.txtCh(index));
        return cell.ring == cell.back ? QColor() : cell.ring;
    };
    const std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers, int> moves[] = {
        {"Tab", Qt::Key_Tab, {}, 1}, {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, -1}};
    for (const auto& [name, key, modifiers, step] : moves) {
        SCOPED_TRACE(name);
        const int settled = openCells(main)[open.size() / 3];
        typeDigit(main, settled, true);
        ASSERT_FALSE(main.txtCh(settled)->isEnabled());
        EXPECT_TRUE(ringOf(settled).isValid()) << "the settled cell keeps the ring";
        QTest::keyClick(&main, key, modifiers);
        const int next = main.board().nextOpenCell(settled, step);
        EXPECT_NE(next, open[0]) << "not back to the top of the board";
        ASSERT_TRUE(main.txtCh(next)->hasFocus());
        EXPECT_TRUE(ringOf(next).isValid());
        EXPECT_FALSE(ringOf(settled).isValid()) << "the ring moved on";
    }
}

TEST_F(ComfortBoard, MenuKeyAndShiftF10OfferTheAnswerAtTheCellWithAssistanceOnly)
{
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Menu, {}},
                                                              {Qt::Key_F10, Qt::ShiftModifier}};
    for (const bool assistance : {false, true}) {
        FrmMain& main = showMain();
        newGrid(main, 1, assistance);
        for (const auto& [key, modifiers] : keys) {
            SCOPED_TRACE(QKeySequence(key | modifiers).toString().toStdString());
            const int index = openCells(main).back();
            CellEdit* cell = main.txtCh(index);
            cell->setFocus();
            QTest::keyClick(cell, key, modifiers);
            if (!assistance) {
                EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
                EXPECT_EQ(cell->text(), "") << "no character typed either";
                continue;
            }
            ASSERT_EQ(QApplication::activePopupWidget(), main.mnuAide());
            const QPoint at = cell->mapToGlobal(QPoint(0, cell->height()));
            EXPECT_LE((main.mnuAide()->pos() - at).manhattanLength(), 2) << "placed at the cell";
            QTest::keyClick(main.mnuAide(), Qt::Key_Down);
            QTest::keyClick(main.mnuAide(), Qt::Key_Return);
            EXPECT_EQ(cell->text().toInt(), Solution(gameState().NumGrille, cellNumber(index)));
            QTest::keyClick(&main, key, modifiers);
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "not on a settled cell";
        }
    }
}

} // namespace
} // namespace taremo
