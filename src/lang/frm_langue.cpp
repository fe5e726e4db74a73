// The language dialog.
#include "lang/frm_langue.h"

#include "app/game_state.h"
#include "app/qt_message_box.h"
#include "app/qt_paths.h"
#include "app/startup.h"
#include "lang/desktop_language.h"
#include "mainwin/frm_main.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace taremo {

namespace {

constexpr int px(int twips) { return twips / 15; }

constexpr int kButtonLeftTwips[FrmLangue::kLanguageCount] = {360, 2040, 3720, 5400, 7080};
constexpr const char* kFlags[FrmLangue::kLanguageCount] = {"gb", "fr", "de", "it", "es"};
// Each language named in its own words, except Spanish, which the game has always shown so.
constexpr const char* kLanguageNames[FrmLangue::kLanguageCount] = {
    "English", "Français", "Deutsch", "Italiano", "Spanish"};
// Fits every flag's proportions (1:2 to 2:3) inside the 105 x 57 button with room to spare.
constexpr QSize kFlagSize(66, 44);

QFont titleFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

// A fully transparent icon: the dialog shows none, not even the application's.
QIcon noIcon()
{
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace

FrmLangue::FrmLangue(QWidget* parent) : PlainDialog(parent)
{
    setObjectName(QStringLiteral("frmLangue"));
    setWindowTitle(QString());
    setAccessibleName(QStringLiteral("Language"));
    setWindowIcon(noIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(px(9300), px(1860));
    createControls();
}

void FrmLangue::createControls()
{
    m_label1 = new QLabel(QStringLiteral("TAREMO settigns - Please choice your language :"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(px(360), px(120), px(8295), px(375));
    m_label1->setFont(titleFont());
    QPalette blue = m_label1->palette();
    blue.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    m_label1->setPalette(blue);

    for (int i = 0; i < kLanguageCount; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("cmdLangue_%1").arg(i));
        button->setGeometry(px(kButtonLeftTwips[i]), px(600), px(1575), px(855));
        button->setIcon(QIcon(QStringLiteral(":/resources/flag_%1.svg").arg(kFlags[i])));
        button->setIconSize(kFlagSize);
        button->setToolTip(QString::fromUtf8(kLanguageNames[i]));
        button->setAccessibleName(button->toolTip());
        // Enter picks the flag that has the focus, never a default one.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdLangue_Click(i); });
        if (i > 0)
            setTabOrder(m_cmdLangue[static_cast<std::size_t>(i - 1)], button);
        m_cmdLangue[static_cast<std::size_t>(i)] = button;
    }
}

void FrmLangue::cmdLangue_Click(int index)
{
    GameState& state = gameState();
    state.Langue = static_cast<float>(index + 1);
    const bool saved = SaveLangue(settingsDir(), state.Langue);
    FrmMain& main = frmMain();
    main.ChangeLangue();
    accept();
    main.show();
    main.activateWindow();
    if (!saved) {
        showMessage(&main, MessageIcon::Exclamation,
                    QStringLiteral("The language could not be saved: its start.ini, in the game's "
                                   "folder or in your settings folder, cannot be written."));
    }
}

void showLanguageDialogFirstStart()
{
    // Deleted on close; being the only window, closing it unanswered ends the program.
    auto* dialog = new FrmLangue();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    // The desktop's language is offered first; only a click chooses it.
    dialog->cmdLangue(desktopLanguageFlag())->setFocus(Qt::OtherFocusReason);
    dialog->activateWindow();
}

void showLanguageDialogFromMenu(FrmMain& main)
{
    FrmLangue dialog(&main);
    dialog.exec();
}

} // namespace taremo
