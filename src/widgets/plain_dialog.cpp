#include "widgets/plain_dialog.h"

#include "widgets/window_title.h"

#include <QKeyEvent>

namespace taremo {

void PlainDialog::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PlainDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (windowTitle().isEmpty())
        clearWindowTitle(*this);
}

} // namespace taremo
