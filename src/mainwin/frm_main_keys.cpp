// The main window's ways round the board: the current cell and its ring, the arrows, Tab and
// Shift+Tab, and the answer menu from the mouse or the keyboard.
#include "mainwin/frm_main.h"

#include <QKeyEvent>
#include <QMenu>

namespace taremo {

void FrmMain::showCurrentCell()
{
    const int current = m_board.CaseCourante();
    if (m_txtCh[0] == nullptr || current == m_ringAt)
        return;
    if (m_ringAt >= 0)
        m_txtCh[static_cast<std::size_t>(m_ringAt)]->update();
    m_ringAt = current;
    CellEdit* cell = m_txtCh[static_cast<std::size_t>(current)];
    // Above its neighbours, which overlap its edges by a pixel, so the ring shows whole.
    cell->raise();
    cell->update();
}

void FrmMain::txtCh_GotFocus(int index)
{
    m_board.txtCh_GotFocus(index);
    showCurrentCell();
}

void FrmMain::keyPressEvent(QKeyEvent* event)
{
    // With no cell focused (the current one was just settled), the arrows start from it.
    int dRow = 0;
    int dColumn = 0;
    if (m_fraGrille->isVisible() && arrowStep(event, dRow, dColumn)) {
        event->accept();
        arrowKeyInCell(m_board.CaseCourante(), dRow, dColumn);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool FrmMain::focusNextPrevChild(bool next)
{
    // With no cell focused (the current one was just settled), Tab and Shift+Tab go on from
    // it, as the arrows do, rather than from the top of the board.
    const auto* cell = dynamic_cast<const CellEdit*>(focusWidget());
    if (m_fraGrille->isVisible() && (cell == nullptr || !cell->hasFocus())) {
        const int target = m_board.nextOpenCell(m_board.CaseCourante(), next ? 1 : -1);
        if (target >= 0) {
            txtCh(target)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return QMainWindow::focusNextPrevChild(next);
}

void FrmMain::arrowKeyInCell(int index, int dRow, int dColumn)
{
    const int target = m_board.nearestOpenCell(index, dRow, dColumn);
    if (target >= 0)
        txtCh(target)->setFocus(Qt::OtherFocusReason);
}

void FrmMain::txtCh_MouseDown(int index, Qt::MouseButton button, const QPoint& globalPos)
{
    const int vbButton = button == Qt::LeftButton ? 1 : button == Qt::RightButton ? 2 : 4;
    if (m_board.txtCh_MouseDown(index, vbButton))
        m_mnuAide->popup(globalPos);
    showCurrentCell();
}

void FrmMain::answerKeyInCell(int index)
{
    if (!m_board.answerOffered(index) || m_mnuAide->isVisible())
        return;
    const CellEdit* cell = txtCh(index);
    m_mnuAide->popup(cell->mapToGlobal(QPoint(0, cell->height())));
}

} // namespace taremo
