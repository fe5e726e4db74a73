// A cell's text field: every typed character goes through the board, and the field's own
// editing commands (paste, cut, undo, drag and drop, context menu) never change a cell.
#include "mainwin/frm_cell_edit.h"

#include "mainwin/frm_main.h"
#include "widgets/cell_look.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>

namespace taremo {

namespace {

bool isBlockedEdit(const QKeyEvent* event)
{
    return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
           event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
}

// Keys that produce a character reach the board; Tab moves the focus, and Delete has no
// character of its own (some platforms give it DEL).
bool producesCharacter(const QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete)
        return false;
    const QString text = event->text();
    return !text.isEmpty() && text.front() != QChar(0x7F);
}

// The keys that open a context menu from the keyboard.
bool isMenuKey(const QKeyEvent* event)
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return (event->key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

} // namespace

bool arrowStep(const QKeyEvent* event, int& dRow, int& dColumn)
{
    if (event->modifiers() & ~Qt::KeypadModifier)
        return false;
    dRow = dColumn = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dColumn = -1;
        return true;
    case Qt::Key_Right:
        dColumn = 1;
        return true;
    case Qt::Key_Up:
        dRow = -1;
        return true;
    case Qt::Key_Down:
        dRow = 1;
        return true;
    default:
        return false;
    }
}

CellEdit::CellEdit(FrmMain& form, int index, QWidget* parent)
    : QLineEdit(parent), m_form(form), m_index(index)
{
    setObjectName(QStringLiteral("txtCh_%1").arg(index));
    setAlignment(Qt::AlignCenter);
    setAcceptDrops(false);
    setDragEnabled(false);
    // The cell draws its own outline (paintEvent), one that stands out in any palette.
    setFrame(false);
    setEnabled(false);
}

void CellEdit::keyPressEvent(QKeyEvent* event)
{
    // Ctrl+V and the like carry a control character, which the board takes as any other
    // key; Shift+Insert and Shift+Delete carry none and are dropped.
    if (isBlockedEdit(event) && !producesCharacter(event)) {
        event->accept();
        return;
    }
    if (isMenuKey(event)) {
        event->accept();
        m_form.answerKeyInCell(m_index);
        return;
    }
    int dRow = 0;
    int dColumn = 0;
    if (arrowStep(event, dRow, dColumn)) {
        event->accept();
        m_form.arrowKeyInCell(m_index, dRow, dColumn);
        return;
    }
    if (event->key() == Qt::Key_Backspace || !producesCharacter(event)) {
        // Backspace, Delete, Home and End act as in any text field.
        QLineEdit::keyPressEvent(event);
        m_form.cellTextEdited(m_index);
        return;
    }
    event->accept();
    m_form.txtCh_KeyPress(m_index, event->text());
}

void CellEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // Composed text arrives here rather than as a key: it takes the same road.
    const QString committed = event->commitString();
    event->accept();
    if (!committed.isEmpty())
        m_form.txtCh_KeyPress(m_index, committed);
}

void CellEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    m_form.txtCh_GotFocus(m_index);
}

void CellEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        QLineEdit::mousePressEvent(event);
    else
        event->accept(); // the middle button would paste the selection
    m_form.txtCh_MouseDown(m_index, event->button(), event->globalPosition().toPoint());
}

void CellEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        QLineEdit::mouseReleaseEvent(event);
    else
        event->accept();
}

void CellEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        QLineEdit::mouseDoubleClickEvent(event);
    else
        event->accept();
}

void CellEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // Some desktops turn the Menu key or Shift+F10 into this event instead of the key itself;
    // a right click never offers the answer.
    event->accept();
    if (event->reason() == QContextMenuEvent::Keyboard)
        m_form.answerKeyInCell(m_index);
}

void CellEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    const QWidget* board = parentWidget();
    drawCellFrame(painter, rect(), palette(), board->palette().color(board->backgroundRole()),
                  m_form.board().CaseCourante() == m_index);
}

} // namespace taremo
