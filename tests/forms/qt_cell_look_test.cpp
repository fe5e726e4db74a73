// How a cell looks and what a screen reader calls it: every state stands out in a light and a
// dark palette; then on the board, the ring that stays on a settled current cell, Tab going on
// from it, and the colours following the desktop's palette during a game.
#include "form_fixture.h"
#include "mainwin/qt_cell_look.h"
#include <QPainter>
#include <QStyle>

namespace taremo {
namespace {

using test::txtCh;

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

// The outline's and the ring's colours as a current cell of `palette` draws them on `board`.
std::pair<QColor, QColor> frameColours(const QPalette& palette, const QColor& board)
{
    QImage image(41, 33, QImage::Format_RGB32);
    image.fill(palette.color(QPalette::Base));
    QPainter painter(&image);
    drawCellFrame(painter, image.rect(), palette, board, true);
    painter.end();
    return {image.pixelColor(20, 0), image.pixelColor(20, kOutlineWidth)};
}

TEST(CellLook, EveryStateStandsOutAndIsNamedInLightAndDarkPalettes)
{
    const struct {
        Cell cell;
        bool revealed;
        QString name;
    } rows[] = {
        {{"", kWindowBackground, kWindowText, true}, false, "Row 5, column 5"},
        {{"4", kWindowBackground, kRed, true}, false, "Row 5, column 5, wrong"},
        {{"4", kCyan, kWindowText, false}, false, "Row 5, column 5, given"},
        {{"4", kGreen, kWindowText, false}, false, "Row 5, column 5, right"},
        {{"4", kGreen, kWindowText, false}, true, "Row 5, column 5, revealed"},
        {{"4", kRed, kRed, false}, false, "Row 5, column 5, corrected"},
        {{"4", kWindowBackground, kWindowText, false}, false, "Row 5, column 5, right"},
    };
    gameState().Langue = 1.0f;
    for (const QPalette& base : {QApplication::style()->standardPalette(), darkPalette()}) {
        const QColor board = base.color(QPalette::Window);
        for (const auto& [cell, revealed, name] : rows) {
            SCOPED_TRACE(name.toStdString());
            EXPECT_EQ(cellAccessibleName(40, cell, revealed), name);
            const QPalette palette = cellPalette(cell, base);
            const auto group = cell.enabled ? QPalette::Active : QPalette::Disabled;
            const QColor back = palette.color(group, QPalette::Base);
            const auto [outline, ring] = frameColours(palette, board);
            EXPECT_GE(contrastRatio(outline, back), kMinContrast);
            EXPECT_GE(contrastRatio(outline, board), kMinContrast);
            EXPECT_GE(contrastRatio(ring, back), kMinContrast);
            EXPECT_GE(contrastRatio(palette.color(group, QPalette::Text), back), kMinContrast);
            if (cell.back == kWindowBackground && cell.enabled) {
                EXPECT_EQ(ring, base.color(QPalette::Highlight));
                EXPECT_EQ(palette.color(QPalette::Active, QPalette::Text),
                          cell.fore == kRed ? QColor(Qt::red) : base.color(QPalette::Text));
            }
        }
    }
    gameState().Langue = 3.0f; // and in the game's language
    EXPECT_EQ(cellAccessibleName(40, rows[1].cell, false), "Zeile 5, Spalte 5, falsch");
}

using CellLookOnTheBoard = test::FormTest;

TEST_F(CellLookOnTheBoard, RingStaysOnASettledCellTabGoesOnFromItAndColoursFollowTheDesktop)
{
    FrmMain& main = showMain();
    newGrid(main, 2);
    const auto open = openCells(main);
    // The ring's colour where the cell has one, else nothing; and the cell's background.
    const auto ringOf = [&](int index) {
        const QImage image = test::named(main, "fraGrille").grab().toImage();
        const QRect r = txtCh(main, index).geometry();
        const QColor ring = image.pixelColor(r.center().x(), r.top() + kOutlineWidth + 1);
        return ring == image.pixelColor(r.left() + 7, r.top() + 6) ? QColor() : ring;
    };
    for (const auto& [key, modifiers, step] : {std::tuple{Qt::Key_Tab, Qt::KeyboardModifiers{}, 1},
                                               {Qt::Key_Backtab, Qt::ShiftModifier, -1}}) {
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
    QApplication::setPalette(darkPalette());
    QCoreApplication::sendPostedEvents(); // as the event loop would, before the next paint
    EXPECT_EQ(txtCh(main, openCells(main)[0]).grab().toImage().pixelColor(7, 6),
              darkPalette().color(QPalette::Base));
    QApplication::setPalette(QApplication::style()->standardPalette());
}

} // namespace
} // namespace taremo
