// The main window: the board of 81 cells, the level line, the title picture and the menus.
#pragma once

#include "app/startup.h"
#include "mainwin/board.h"
#include "mainwin/frm_cell_edit.h"

#include <QMainWindow>

#include <array>

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;

namespace taremo {

struct Game;
class MessageSink;
struct NewGridChoice;

// The window of `game`, which it keeps its state in: it hands each dialog what the dialog
// shows, then stores and acts on what the dialog hands back. Its messages go to `messages`.
class FrmMain : public QMainWindow {
public:
    FrmMain(Game& game, MessageSink& messages, QWidget* parent = nullptr);

    // The board in play, for reading; it changes only through the handlers below.
    const Board& board() const { return m_board; }

    // Language `flag` + 1 becomes the game's: kept in start.ini, the menus re-captioned and
    // this window shown. A failed store is told to the player; the language still applies
    // for this run.
    void languageChosen(int flag);

    // Handlers, each a few lines: call the board, repaint, announce.
    void mnuNew_Click();
    void mnuFinir_Click();
    void Language_Click();
    void mnuQuit_Click();
    void mnuReponse_Click();
    void mnuInfo_Click();
    void txtCh_KeyPress(int index, const QString& typed);
    void cellTextEdited(int index);
    void txtCh_GotFocus(int index);
    // An arrow key in cell `index`: the focus moves to the nearest open cell that way.
    void arrowKeyInCell(int index, int dRow, int dColumn);
    void txtCh_MouseDown(int index, Qt::MouseButton button, const QPoint& globalPos);
    // The Menu key or Shift+F10 in cell `index`: the answer pop-up, placed at the cell.
    void answerKeyInCell(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Cell `index`; the first call builds all 81.
    CellEdit* txtCh(int index);
    // Re-captions the menus from the text catalogue in the current language.
    void ChangeLangue();
    // Makes the puzzle the player chose and puts it in play, in place of the title picture.
    void newGrid(const NewGridChoice& choice);
    // Brings every cell widget and the finish command in line with the board.
    void repaintBoard();
    void createMenus();
    void createBoard(QWidget* central);
    void createCells();
    void createTitle(QWidget* central);
    void Form_Load();
    void Form_Resize();
    void announce(Announce announce);
    // Opens the rating page from the About box `box`, still open, and tells a failure over it.
    void followRatingLink(QWidget& box);
    void focusOpenCell();
    void paintCell(int index);
    void showCurrentCell();

    Game& m_game;
    MessageSink& m_messages;
    Board m_board;
    std::array<CellEdit*, 81> m_txtCh{};
    std::array<Cell, 81> m_painted{};
    std::array<bool, 81> m_paintedOnce{};
    // Green cells that the game filled in (answer, finishing) rather than the player: only the
    // name a screen reader gives them tells them apart.
    std::array<bool, 81> m_revealed{};
    bool m_revealing = false;
    int m_ringAt = -1;
    QWidget* m_fraGrille = nullptr;
    QLabel* m_lblNiveau = nullptr;
    QLabel* m_image1 = nullptr;
    QMenu* m_mnuFichier = nullptr;
    QMenu* m_mnuAide = nullptr;
    QMenu* m_mnuApropos = nullptr;
    QAction* m_mnuNew = nullptr;
    QAction* m_mnuFinir = nullptr;
    QAction* m_language = nullptr;
    QAction* m_mnuQuit = nullptr;
    QAction* m_mnuReponse = nullptr;
    QAction* m_mnuInfo = nullptr;
};

// Shows the first window the start routine chose: the main window `main`, or at a first start
// the language dialog alone, modeless, with the desktop's language offered. Choosing a flag there
// opens the game; closing it unanswered ends the program without writing anything.
void startGame(FrmMain& main, FirstWindow first);

} // namespace taremo
