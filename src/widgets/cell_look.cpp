// Cell colours, outlines, the current cell's ring and the cells' names.
#include "widgets/cell_look.h"

#include "lang/spoken.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace taremo {

namespace {

const QColor kSettledText(0x20, 0x20, 0x20);

double channel(double value)
{
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

void fillFrame(QPainter& painter, const QRect& outer, int width, const QColor& colour)
{
    const QRect inner = outer.adjusted(width, width, -width, -width);
    painter.fillRect(outer.left(), outer.top(), outer.width(), width, colour);
    painter.fillRect(outer.left(), inner.bottom() + 1, outer.width(), width, colour);
    painter.fillRect(outer.left(), inner.top(), width, inner.height(), colour);
    painter.fillRect(inner.right() + 1, inner.top(), width, inner.height(), colour);
}

} // namespace

QColor toQColor(std::uint32_t value, const QPalette& base)
{
    if (value == kWindowBackground)
        return base.color(QPalette::Active, QPalette::Base);
    if (value == kWindowText)
        return base.color(QPalette::Active, QPalette::Text);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

QPalette cellPalette(const Cell& cell, const QPalette& base)
{
    QPalette palette = base;
    const QColor back = toQColor(cell.back, base);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, back);
    const QColor fore = toQColor(cell.fore, base);
    palette.setColor(QPalette::Active, QPalette::Text, fore);
    palette.setColor(QPalette::Inactive, QPalette::Text, fore);
    // On the window's own background a settled digit keeps the palette's colour, which the
    // palette makes legible there; the dimmed colour of disabled text would not be.
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     cell.back == kWindowBackground ? fore : kSettledText);
    return palette;
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor outlineColour(const QColor& cell, const QColor& board)
{
    // Every cell is outlined at each repaint: the greys' luminances are worked out once.
    static const auto greys = [] {
        std::array<double, 256> table{};
        for (int grey = 0; grey < 256; ++grey)
            table[static_cast<std::size_t>(grey)] = luminance(QColor(grey, grey, grey));
        return table;
    }();
    const double cellLight = luminance(cell);
    const double boardLight = luminance(board);
    auto ratio = [](double a, double b) {
        return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    };
    int best = 0;
    double bestRatio = 0;
    for (int grey = 0; grey < 256; ++grey) {
        const double light = greys[static_cast<std::size_t>(grey)];
        const double worst = std::min(ratio(light, cellLight), ratio(light, boardLight));
        if (worst > bestRatio) {
            best = grey;
            bestRatio = worst;
        }
    }
    return QColor(best, best, best);
}

QColor ringColour(const QColor& cell, const QPalette& palette)
{
    for (auto role : {QPalette::Highlight, QPalette::Text, QPalette::Base, QPalette::WindowText,
                      QPalette::Window}) {
        const QColor candidate = palette.color(QPalette::Active, role);
        if (contrastRatio(candidate, cell) >= kMinContrast)
            return candidate;
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, cell) >= contrastRatio(white, cell) ? black : white;
}

void drawCellFrame(QPainter& painter, const QRect& rect, const QPalette& cellPalette,
                   const QColor& board, bool current)
{
    const QColor back = cellPalette.color(QPalette::Active, QPalette::Base);
    fillFrame(painter, rect, kOutlineWidth, outlineColour(back, board));
    if (current) {
        const QRect inside =
            rect.adjusted(kOutlineWidth, kOutlineWidth, -kOutlineWidth, -kOutlineWidth);
        fillFrame(painter, inside, kRingWidth, ringColour(back, cellPalette));
    }
}

QString cellStateWord(const Cell& cell, bool revealed, float language)
{
    const auto word = [language](Spoken spoken) {
        return QString::fromStdString(spokenText(language, spoken));
    };
    if (cell.enabled)
        return cell.fore == kRed && !cell.text.empty() ? word(Spoken::Wrong) : QString();
    switch (cell.back) {
    case kCyan:
        return word(Spoken::Given);
    case kGreen:
        return word(revealed ? Spoken::Revealed : Spoken::Right);
    case kRed:
        return word(Spoken::Corrected);
    default:
        return cell.text.empty() ? QString() : word(Spoken::Right);
    }
}

QString cellAccessibleName(int index, const Cell& cell, bool revealed, float language)
{
    const QString name = QString::fromStdString(spokenText(language, Spoken::CellName))
                             .arg(cellRow(index) + 1)
                             .arg(cellColumn(index) + 1);
    const QString state = cellStateWord(cell, revealed, language);
    return state.isEmpty() ? name : name + QStringLiteral(", ") + state;
}

} // namespace taremo
