// Cell colours and names.
#include "mainwin/qt_cell_look.h"

namespace taremo {

namespace {
const QColor kSettledText(0x20, 0x20, 0x20);
}

QColor toQColor(std::uint32_t value, const QPalette& base)
{
    if (value == kWindowBackground)
        return base.color(QPalette::Base);
    if (value == kWindowText)
        return base.color(QPalette::Text);
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
    palette.setColor(QPalette::Disabled, QPalette::Text, kSettledText);
    return palette;
}

QString cellAccessibleName(int index, const Cell& cell)
{
    QString name = QStringLiteral("Row %1, column %2").arg(cellRow(index) + 1).arg(cellColumn(index) + 1);
    if (cell.enabled)
        return name;
    if (cell.back == kCyan)
        return name + QStringLiteral(", given");
    if (cell.back == kGreen)
        return name + QStringLiteral(", answered right");
    if (cell.back == kRed)
        return name + QStringLiteral(", corrected");
    return name + QStringLiteral(", settled");
}

} // namespace taremo
