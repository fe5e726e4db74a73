// How a cell looks and what a screen reader calls it: every state stands out in a light and a
// dark palette.
#include "form_fixture.h"
#include "widgets/cell_look.h"
#include <QPainter>
#include <QStyle>

namespace taremo {
namespace {

using test::darkPalette;

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

// Every state a cell can be in (the cell, whether revealed), with its name in English.
const std::tuple<Cell, bool, QString> kStates[] = {
    {{"", kWindowBackground, kWindowText, true}, false, "Row 5, column 5"},
    {{"4", kWindowBackground, kRed, true}, false, "Row 5, column 5, wrong"},
    {{"4", kCyan, kWindowText, false}, false, "Row 5, column 5, given"},
    {{"4", kGreen, kWindowText, false}, false, "Row 5, column 5, right"},
    {{"4", kGreen, kWindowText, false}, true, "Row 5, column 5, revealed"},
    {{"4", kRed, kRed, false}, false, "Row 5, column 5, corrected"},
    {{"4", kWindowBackground, kWindowText, false}, false, "Row 5, column 5, right"},
};

TEST(CellLook, EveryStateIsNamedForAScreenReader)
{
    for (const auto& [cell, revealed, name] : kStates)
        EXPECT_EQ(cellAccessibleName(40, cell, revealed, 1.0f), name);
    EXPECT_EQ(cellAccessibleName(40, std::get<Cell>(kStates[1]), false, 3.0f), // and in German
              "Zeile 5, Spalte 5, falsch");
}

TEST(CellLook, EveryStateStandsOutInLightAndDarkPalettes)
{
    for (const QPalette& base : {QApplication::style()->standardPalette(), darkPalette()}) {
        const QColor board = base.color(QPalette::Window);
        for (const auto& [cell, revealed, name] : kStates) {
            SCOPED_TRACE(name.toStdString());
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
}

} // namespace
} // namespace taremo
