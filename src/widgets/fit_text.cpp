#include "widgets/fit_text.h"

#include <QFontMetrics>
#include <QLabel>

namespace taremo {

void shrinkToFit(QLabel* label, double points, double smallest)
{
    QFont font = label->font();
    if (points > 0)
        font.setPointSizeF(points);
    const int width = label->contentsRect().width();
    while (font.pointSizeF() > smallest &&
           QFontMetrics(font).horizontalAdvance(label->text()) > width)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
}

} // namespace taremo
