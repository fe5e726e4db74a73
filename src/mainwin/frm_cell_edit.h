// A cell's text field, and the arrow keys that lead from cell to cell.
#pragma once

#include <QLineEdit>

class QKeyEvent;

namespace taremo {

class FrmMain;

// The step of an arrow key between cells, or false for any other key (or an arrow with Shift or
// Ctrl, which stays the text field's own).
bool arrowStep(const QKeyEvent* event, int& dRow, int& dColumn);

// One cell of the board: a text field whose input goes through the board's rules.
class CellEdit : public QLineEdit {
public:
    CellEdit(FrmMain& form, int index, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    FrmMain& m_form;
    int m_index;
};

} // namespace taremo
