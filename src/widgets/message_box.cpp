// The game's message boxes.
#include "widgets/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace taremo {

namespace {

// Room in a title bar beside the title: the window's icon and its buttons.
constexpr int kTitleBarRoom = 120;

// A box sizes itself to its text; a short text ("Bravo !") left the title cut down to "...".
void widenForTitle(QMessageBox& box, const QString& title)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr)
        return;
    const int margins = grid->contentsMargins().left() + grid->contentsMargins().right();
    grid->addItem(new QSpacerItem(titleFitWidth(title) - margins, 0), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

} // namespace

int titleFitWidth(const QString& title)
{
    // Desktops draw titles bold and often larger than the text of the window.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarRoom;
}

void MessageBoxes::show(QWidget* parent, MessageIcon icon, const QString& title,
                        const QString& text)
{
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::Warning,
                    title, text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    widenForTitle(box, title);
    box.exec();
}

} // namespace taremo
