// The new-grid dialog.
#include "puzzle/frm_new.h"

#include "lang/spoken.h"
#include "lang/texts.h"
#include "puzzle/puzzle_maker.h"
#include "widgets/fit_text.h"
#include "widgets/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace taremo {

namespace {

constexpr int px(int twips) { return twips / 15; }
QString qs(const std::string& text) { return QString::fromStdString(text); }

template <typename W>
W* place(W* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(px(left), px(top), px(width), px(height));
    return widget;
}

} // namespace

FrmNew::FrmNew(MessageSink& messages, float language, std::int16_t difficulty, bool assistance,
               QWidget* parent)
    : PlainDialog(parent), m_messages(messages), m_language(language)
{
    setObjectName(QStringLiteral("frmNew"));
    setWindowTitle(QString());
    // The caption stays empty; a screen reader still names the dialog.
    setAccessibleName(qs(spokenText(m_language, Spoken::NewGridDialog)));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(px(3840), px(1635));
    createControls();
    Form_Load(difficulty, assistance);
}

void FrmNew::createControls()
{
    m_cmdOK = place(new QPushButton(QStringLiteral("OK"), this), "cmdOK", 2040, 1080, 1575, 375);
    m_cmdUndo =
        place(new QPushButton(QStringLiteral("Annuler"), this), "cmdUndo", 120, 1080, 1575, 375);
    m_label1 = place(new QLabel(QStringLiteral("Difficulté"), this), "Label1", 240, 240, 1095, 255);
    m_cmbChoix = place(new QComboBox(this), "cmbChoix", 1800, 240, 1815, 315);
    m_chkAssist = place(new QCheckBox(QStringLiteral("Activer l'assistance"), this), "chkAssist",
                        240, 600, 3255, 255);
    // Neither button is the default: Enter acts only on the button that has the focus.
    for (QPushButton* button : {m_cmdOK, m_cmdUndo}) {
        button->setDefault(false);
        button->setAutoDefault(true);
    }
    m_label1->setBuddy(m_cmbChoix);
    setTabOrder(m_cmdOK, m_cmdUndo);
    setTabOrder(m_cmdUndo, m_cmbChoix);
    setTabOrder(m_cmbChoix, m_chkAssist);
    connect(m_cmdOK, &QPushButton::clicked, this, &FrmNew::cmdOK_Click);
    connect(m_cmdUndo, &QPushButton::clicked, this, &FrmNew::cmdUndo_Click);
}

void FrmNew::Form_Load(std::int16_t position, bool assistance)
{
    m_cmbChoix->clear();
    for (int number = 16; number <= 21; ++number)
        m_cmbChoix->addItem(qs(Traduction(m_language, static_cast<std::int16_t>(number))));
    connect(m_cmbChoix, &QComboBox::currentIndexChanged, this, &FrmNew::cmbChoix_Click);
    m_cmbChoix->setCurrentIndex(position >= 0 && position < kDifficultyCount ? position : -1);
    cmbChoix_Click(m_cmbChoix->currentIndex());
    m_label1->setText(qs(Traduction(m_language, 12)));
    shrinkToFit(m_label1);
    m_cmdUndo->setText(qs(Traduction(m_language, 14)));
    m_chkAssist->setText(qs(Traduction(m_language, 15)));
    m_chkAssist->setChecked(assistance);
}

void FrmNew::showEvent(QShowEvent* event)
{
    PlainDialog::showEvent(event);
    m_cmdOK->setFocus(); // OK comes first in the tab order
}

void FrmNew::cmbChoix_Click(int position) { m_difficulty = static_cast<std::int16_t>(position); }

void FrmNew::cmdOK_Click()
{
    const int position = m_cmbChoix->currentIndex();
    if (position < 0) {
        m_messages.show(this, MessageIcon::Exclamation, kGameTitle,
                        QStringLiteral("Veuillez choisir la difficulté"));
        return;
    }
    m_choice = NewGridChoice{static_cast<std::int16_t>(position), m_chkAssist->isChecked()};
    accept();
}

void FrmNew::cmdUndo_Click() { reject(); }

} // namespace taremo
