// The game's dialogs: no caption text, no cancel key, and no default button.
#pragma once

#include <QDialog>

class QWidget;

namespace taremo {

class PlainDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    // Escape does nothing, and Enter acts only on the button that has the focus (a focused
    // button takes it itself; from any other control the dialog would press its default).
    void keyPressEvent(QKeyEvent* event) override;
    // Keeps the caption empty on the screen (see clearWindowTitle).
    void showEvent(QShowEvent* event) override;
};

// Makes the window's caption empty on the desktop as well: where the toolkit would put the
// program's name in place of an empty title, the title is cleared again before the window shows.
void clearWindowTitle(QWidget& window);

} // namespace taremo
