// The main window: building it, repainting it from the board and forwarding input.
#include "mainwin/frm_main.h"

#include "about/frm_info.h"
#include "app/game.h"
#include "lang/desktop_language.h"
#include "lang/frm_langue.h"
#include "lang/spoken.h"
#include "lang/texts.h"
#include "puzzle/frm_new.h"
#include "puzzle/puzzle_maker.h"
#include "widgets/cell_look.h"
#include "widgets/fit_text.h"
#include "widgets/message_box.h"
#include "widgets/packed_picture.h"
#include "widgets/sharp_picture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace taremo {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) { return twips / kTwipsPerPixel; }

constexpr int kOuterWidthTwips = 6210;
constexpr int kDesignHeightTwips = 5475;
constexpr int kPictureWidthTwips = 4950;
constexpr int kPictureHeightTwips = 4275;

QString qs(const std::string& text) { return QString::fromStdString(text); }

int columnLeftTwips(int c) { return 120 + 600 * c + 120 * (c / 3); }
int rowTopTwips(int r) { return 240 + 480 * r + 120 * (r / 3); }

// The title picture: a click on it starts a new grid.
class TitlePicture : public SharpPicture {
public:
    TitlePicture(FrmMain& form, QWidget* parent)
        : SharpPicture({[] { return unpack(kTitlePicture); },
                        [] { return unpack(kTitlePicture2x); },
                        [] { return unpack(kTitlePicture3x); }},
                       parent),
          m_form(form)
    {
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_form.mnuNew_Click();
    }

private:
    FrmMain& m_form;
};

} // namespace

FrmMain::FrmMain(Game& game, MessageSink& messages, QWidget* parent)
    : QMainWindow(parent), m_game(game), m_messages(messages), m_board(game.state)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("  ta | re | mo"));
    auto* central = new QWidget(this);
    setCentralWidget(central);
    createMenus();
    createBoard(central);
    createTitle(central);
    setFixedWidth(px(kOuterWidthTwips));
    resize(px(kOuterWidthTwips), px(kDesignHeightTwips) + menuBar()->sizeHint().height());
    Form_Load();
}

void FrmMain::createMenus()
{
    // Design captions; ChangeLangue replaces all but "Change &Language" before the first show.
    m_mnuFichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    m_mnuFichier->setObjectName(QStringLiteral("mnuFichier"));
    m_mnuNew = m_mnuFichier->addAction(QStringLiteral("Nouveau"), this, &FrmMain::mnuNew_Click);
    m_mnuNew->setShortcut(Qt::Key_F2);
    m_mnuFinir =
        m_mnuFichier->addAction(QStringLiteral("Finir la grille"), this, &FrmMain::mnuFinir_Click);
    m_mnuFinir->setShortcut(Qt::Key_F4);
    m_mnuFinir->setEnabled(false);
    m_mnuFichier->addSeparator()->setObjectName(QStringLiteral("mnuSpace"));
    m_language =
        m_mnuFichier->addAction(QStringLiteral("Change &Language"), this, &FrmMain::Language_Click);
    m_mnuFichier->addSeparator()->setObjectName(QStringLiteral("mnuSpace2"));
    m_mnuQuit = m_mnuFichier->addAction(QStringLiteral("Quitter"), this, &FrmMain::mnuQuit_Click);
    m_mnuQuit->setShortcut(Qt::Key_F3);

    // The help menu never joins the menu bar: it only opens as a pop-up over a cell.
    m_mnuAide = new QMenu(QStringLiteral("&Aide"), this);
    m_mnuAide->setObjectName(QStringLiteral("mnuAide"));
    m_mnuReponse =
        m_mnuAide->addAction(QStringLiteral("Réponse"), this, &FrmMain::mnuReponse_Click);

    m_mnuApropos = menuBar()->addMenu(QStringLiteral("A &propos"));
    m_mnuApropos->setObjectName(QStringLiteral("mnuApropos"));
    m_mnuInfo = m_mnuApropos->addAction(QStringLiteral("de TAREMO"), this, &FrmMain::mnuInfo_Click);

    m_mnuNew->setObjectName(QStringLiteral("mnuNew"));
    m_mnuFinir->setObjectName(QStringLiteral("mnuFinir"));
    m_language->setObjectName(QStringLiteral("Language"));
    m_mnuQuit->setObjectName(QStringLiteral("mnuQuit"));
    m_mnuReponse->setObjectName(QStringLiteral("mnuReponse"));
    m_mnuInfo->setObjectName(QStringLiteral("mnuInfo"));
}

void FrmMain::createBoard(QWidget* central)
{
    m_fraGrille = new QGroupBox(central);
    m_fraGrille->setObjectName(QStringLiteral("fraGrille"));
    m_fraGrille->setGeometry(px(120), px(120), px(5895), px(4935));
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setPointSizeF(13.5);
    font.setWeight(QFont::Normal);
    m_fraGrille->setFont(font);
    m_fraGrille->hide();

    m_lblNiveau = new QLabel(central);
    m_lblNiveau->setObjectName(QStringLiteral("lblNiveau"));
    m_lblNiveau->setGeometry(px(120), px(5160), px(5895), px(255));
    m_lblNiveau->setAlignment(Qt::AlignCenter);
    m_lblNiveau->hide();
}

// The cells are built on first use, normally the first new grid: until then the title picture
// stands in for the board, and the window opens sooner and smaller without 81 hidden fields.
void FrmMain::createCells()
{
    if (m_txtCh[0] != nullptr)
        return;
    for (int i = 0; i < kCellCount; ++i) {
        auto* cell = new CellEdit(*this, i, m_fraGrille);
        cell->setGeometry(px(columnLeftTwips(cellColumn(i))), px(rowTopTwips(cellRow(i))), px(615),
                          px(495));
        if (m_fraGrille->isVisible())
            cell->show(); // a child added to a visible parent stays hidden otherwise
        m_txtCh[static_cast<std::size_t>(i)] = cell;
        paintCell(i);
    }
}

CellEdit* FrmMain::txtCh(int index)
{
    createCells();
    return m_txtCh.at(static_cast<std::size_t>(index));
}

void FrmMain::createTitle(QWidget* central)
{
    m_image1 = new TitlePicture(*this, central);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->resize(px(kPictureWidthTwips), px(kPictureHeightTwips));
    m_image1->setCursor(Qt::PointingHandCursor);
}

void FrmMain::Form_Load()
{
    // mnuAide was never added to the menu bar (createMenus); only its pop-up is used.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + area.width() / 2 - px(kOuterWidthTwips) / 2,
             area.y() + std::max(0, (area.height() - height()) / 2));
    }
    ChangeLangue();
}

void FrmMain::Form_Resize()
{
    // The size constraint holds only where a window manager honours it: a width set from
    // outside is put back here.
    if (width() != px(kOuterWidthTwips))
        resize(px(kOuterWidthTwips), height());
    m_fraGrille->move(px(120), px(120));
    m_image1->move(px((kOuterWidthTwips - kPictureWidthTwips) / 2),
                   (frameGeometry().height() * kTwipsPerPixel - kPictureHeightTwips - 800) / 2 /
                       kTwipsPerPixel);
}

void FrmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    // Nothing asks: the difficulty is stored and the program ends, whatever the grid.
    saveLevel(m_game.settingsDir(), m_game.state);
    event->accept();
    QCoreApplication::quit();
}

void FrmMain::ChangeLangue()
{
    float& language = m_game.state.Langue;
    m_mnuFichier->setTitle(qs(Traduction(language, 1)));
    m_mnuNew->setText(qs(Traduction(language, 2)));
    m_mnuFinir->setText(qs(Traduction(language, 3)));
    m_mnuQuit->setText(qs(Traduction(language, 4)));
    m_mnuAide->setTitle(qs(Traduction(language, 6)));
    m_mnuReponse->setText(qs(Traduction(language, 7)));
    m_mnuApropos->setTitle(qs(Traduction(language, 8)));
    m_mnuInfo->setText(qs(Traduction(language, 9)));
    // What a screen reader says of the title picture and the cells follows the language too.
    m_image1->setAccessibleName(qs(spokenText(language, Spoken::TitlePicture)));
    if (m_txtCh[0] != nullptr) {
        m_paintedOnce.fill(false);
        repaintBoard();
    }
}

void FrmMain::newGrid(const NewGridChoice& choice)
{
    const std::optional<Puzzle> puzzle = makePuzzle(m_game.random, choice.position);
    if (!puzzle)
        return;
    m_board.newPuzzle(*puzzle);
    repaintBoard();
    m_lblNiveau->setText(qs(levelLine(m_game.state.Langue, choice.position)));
    shrinkToFit(m_lblNiveau, QApplication::font(m_lblNiveau).pointSizeF());
    m_fraGrille->show();
    m_lblNiveau->show();
    m_image1->hide();
    m_game.state.SansAssistance = choice.assistance ? kFalse : kTrue;
}

void FrmMain::paintCell(int index)
{
    const auto i = static_cast<std::size_t>(index);
    const Cell& cell = m_board.cell(index);
    if (m_paintedOnce[i] && m_painted[i] == cell)
        return;
    CellEdit* edit = m_txtCh[i];
    const QString text = qs(cell.text);
    if (edit->text() != text)
        edit->setText(text);
    edit->setPalette(cellPalette(cell, QApplication::palette(edit)));
    // A cell settled under the keyboard keeps the current cell where it was: the focus leaves
    // it for no other cell (the toolkit would pass it on to the next one in the tab order).
    if (!cell.enabled && edit->hasFocus())
        edit->clearFocus();
    edit->setEnabled(cell.enabled);
    const bool settledNow = m_paintedOnce[i] && m_painted[i].enabled && !cell.enabled;
    if (cell.enabled || cell.back != kGreen)
        m_revealed[i] = false;
    else if (settledNow)
        m_revealed[i] = m_revealing;
    const QString name = cellAccessibleName(index, cell, m_revealed[i], m_game.state.Langue);
    if (edit->accessibleName() != name)
        edit->setAccessibleName(name); // tells a screen reader of the new state
    m_painted[i] = cell;
    m_paintedOnce[i] = true;
}

void FrmMain::repaintBoard()
{
    createCells();
    for (int i = 0; i < kCellCount; ++i)
        paintCell(i);
    showCurrentCell();
    m_mnuFinir->setEnabled(m_board.finishEnabled());
}

void FrmMain::announce(Announce announce)
{
    if (announce == Announce::None)
        return;
    repaintBoard();
    m_messages.show(this, MessageIcon::Information, kGameTitle,
                    qs(Traduction(m_game.state.Langue, 22)));
    if (announce == Announce::BravoThenDisableFinish)
        m_board.setFinishEnabled(false);
    repaintBoard();
}

void FrmMain::mnuNew_Click()
{
    GameState& state = m_game.state;
    FrmNew dialog(m_messages, state.Langue, state.NiveauChoisi, state.SansAssistance == kFalse,
                  this);
    dialog.exec();
    activateWindow();
    // The difficulty last picked is kept, even when the dialog was cancelled.
    state.NiveauChoisi = dialog.difficulty();
    if (const auto choice = dialog.choice()) {
        newGrid(*choice);
        focusOpenCell();
    }
}

void FrmMain::focusOpenCell()
{
    // Back in play, the keyboard goes to an open cell at once: the one that had the focus if
    // it is still open, else the first.
    createCells();
    const auto* focused = dynamic_cast<CellEdit*>(focusWidget());
    if (focused && focused->isEnabled())
        return;
    for (CellEdit* cell : m_txtCh) {
        if (cell->isEnabled()) {
            cell->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void FrmMain::mnuFinir_Click()
{
    if (!m_board.finishEnabled())
        return;
    m_board.mnuFinir_Click();
    m_revealing = true;
    repaintBoard();
    m_revealing = false;
}

void FrmMain::Language_Click()
{
    // Modal over the main window; the game in play is left as it is.
    FrmLangue dialog(
        m_game.state.Langue, [this](int flag) { languageChosen(flag); }, this);
    dialog.exec();
    activateWindow();
}

void FrmMain::languageChosen(int flag)
{
    m_game.state.Langue = static_cast<float>(flag + 1);
    const bool saved = saveLanguage(m_game.settingsDir(), m_game.state.Langue);
    ChangeLangue();
    show();
    activateWindow();
    if (!saved) {
        m_messages.show(this, MessageIcon::Exclamation, kGameTitle,
                        QStringLiteral("The language could not be saved: its start.ini, in the "
                                       "game's folder or in your settings folder, cannot be "
                                       "written."));
    }
}

void FrmMain::mnuQuit_Click() { close(); }

void FrmMain::mnuReponse_Click()
{
    const Announce result = m_board.mnuReponse_Click();
    m_revealing = true;
    repaintBoard();
    m_revealing = false;
    announce(result);
}

void FrmMain::mnuInfo_Click()
{
    FrmInfo box(
        m_game.state.Langue, [this](QWidget& from) { followRatingLink(from); }, this);
    box.exec();
    activateWindow();
}

void FrmMain::followRatingLink(QWidget& box)
{
    const LinkOutcome outcome =
        m_game.ratingLink.open(m_game.settingsDir(), static_cast<std::uintptr_t>(box.winId()));
    if (outcome.message) {
        m_messages.show(&box, MessageIcon::Exclamation, qs(outcome.message->title),
                        qs(outcome.message->text));
    }
}

void FrmMain::txtCh_KeyPress(int index, const QString& typed)
{
    for (const QChar ch : typed) {
        const auto code = static_cast<std::int16_t>(std::min<int>(ch.unicode(), 0x7FFF));
        const KeyResult result = m_board.txtCh_KeyPress(index, code);
        repaintBoard();
        if (result.announce != Announce::None && m_board.Termine())
            QCoreApplication::processEvents(); // every cell is settled: no key can slip in
        announce(result.announce);
    }
}

void FrmMain::cellTextEdited(int index)
{
    m_board.setFieldText(index, txtCh(index)->text().toStdString());
    m_painted[static_cast<std::size_t>(index)] = m_board.cell(index);
}

void FrmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // The desktop switched between a light and a dark theme: the cells take the new colours.
    if (event->type() == QEvent::PaletteChange && m_txtCh[0] != nullptr) {
        m_paintedOnce.fill(false);
        repaintBoard();
    }
}

void startGame(FrmMain& main, FirstWindow first)
{
    if (first == FirstWindow::Main) {
        main.show();
        // Asked for at once, so that the keys reach the game even with no window manager.
        main.activateWindow();
        return;
    }
    // Deleted on close; being the only window shown, closing it unanswered ends the program.
    auto* dialog = new FrmLangue(main.board().state().Langue,
                                 [&main](int flag) { main.languageChosen(flag); });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    // The desktop's language is offered first; only a click chooses it.
    dialog->offerFlag(desktopLanguageFlag());
    dialog->activateWindow();
}

// The ways round the board: the current cell and its ring, the arrows, Tab and Shift+Tab, and
// the answer menu from the mouse or the keyboard.
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
