// The game's dialogs: no caption text, no cancel key, and no default button.
#pragma once

#include <QDialog>

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

} // namespace taremo
