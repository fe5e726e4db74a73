// The language dialog.
#include "lang/frm_langue.h"

#include "lang/spoken.h"

#include <QFile>
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
constexpr const char* kLanguageNames[FrmLangue::kLanguageCount] = {"English", "Français", "Deutsch",
                                                                   "Italiano", "Spanish"};
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

// A flag drawn from its SVG where the toolkit reads SVG; otherwise from the pictures made at
// build time for screens at 1x, 2x and 3x.
QIcon flagIcon(const char* code)
{
    const QString svg = QStringLiteral(":/resources/flag_%1.svg").arg(QLatin1String(code));
    if (QFile::exists(svg))
        return QIcon(svg);
    QIcon icon;
    for (const char* scale : {"", "@2x", "@3x"})
        icon.addFile(QStringLiteral(":/resources/flag_%1%2.png")
                         .arg(QLatin1String(code), QLatin1String(scale)));
    return icon;
}

} // namespace

FrmLangue::FrmLangue(float language, Chosen chosen, QWidget* parent)
    : PlainDialog(parent), m_chosen(std::move(chosen))
{
    setObjectName(QStringLiteral("frmLangue"));
    setWindowTitle(QString());
    setAccessibleName(QString::fromStdString(spokenText(language, Spoken::LanguageDialog)));
    setWindowIcon(noIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(px(9300), px(1860));
    createControls();
}

void FrmLangue::createControls()
{
    auto* label1 =
        new QLabel(QStringLiteral("TAREMO settigns - Please choice your language :"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(px(360), px(120), px(8295), px(375));
    label1->setFont(titleFont());
    QPalette blue = label1->palette();
    blue.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    label1->setPalette(blue);

    for (int i = 0; i < kLanguageCount; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("cmdLangue_%1").arg(i));
        button->setGeometry(px(kButtonLeftTwips[i]), px(600), px(1575), px(855));
        button->setIcon(flagIcon(kFlags[i]));
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

void FrmLangue::offerFlag(int flag)
{
    m_cmdLangue.at(static_cast<std::size_t>(flag))->setFocus(Qt::OtherFocusReason);
}

void FrmLangue::cmdLangue_Click(int index)
{
    // Kept aside: the dialog may be deleted once it has closed.
    const Chosen chosen = m_chosen;
    accept();
    if (chosen)
        chosen(index);
}

} // namespace taremo
