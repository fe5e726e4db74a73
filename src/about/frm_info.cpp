// The About box.
#include "about/frm_info.h"

#include "about/version.h"
#include "lang/spoken.h"
#include "lang/texts.h"
#include "widgets/fit_text.h"
#include "widgets/sharp_picture.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextLayout>

#include <utility>

namespace taremo {

namespace {

constexpr int px(int twips) { return twips / 15; }
QString qs(const std::string& text) { return QString::fromStdString(text); }

constexpr qreal kLabel4Points = 12;
const QColor kFrameGrey(0xC0, 0xC0, 0xC0);
const QColor kBorder(0x40, 0x40, 0x40);

template <typename W>
W* place(W* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(px(left), px(top), px(width), px(height));
    return widget;
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    if (role == QPalette::Window)
        widget->setAutoFillBackground(true);
}

QFont fontOf(const QStringList& families, qreal points)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    return font;
}

const QStringList kSansFamilies = {QStringLiteral("MS Sans Serif"),
                                   QStringLiteral("Microsoft Sans Serif"),
                                   QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};

// One of the box's pictures, from its three sizes in the resources.
QLabel* picture(QWidget* parent, const char* stem)
{
    return new SharpPicture(resourceSources(QString::fromLatin1(stem), QStringLiteral(".jpg")),
                            parent);
}

} // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
    : QLabel(text, parent), m_onClick(std::move(onClick))
{
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(text);
    // Reached with Tab, like a link in a page; a click still leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        event->accept();
        m_onClick();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The usual dotted frame round the focused link.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: the click counts only when released over the label.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        m_onClick();
}

QStringList RunsLabel::displayLines() const
{
    static const QRegularExpression blankRun(QStringLiteral(" {2,}"));
    QStringList lines;
    for (const QString& item : text().split(blankRun, Qt::SkipEmptyParts)) {
        QTextLayout layout(item.trimmed(), font());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(contentsRect().width());
            lines << layout.text().mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return lines;
}

void RunsLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QFontMetrics metrics(font());
    QRect line = contentsRect();
    line.setHeight(metrics.height());
    const int flags = static_cast<int>((alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
    for (const QString& text : displayLines()) {
        painter.drawText(line, flags, text);
        line.translate(0, metrics.lineSpacing());
    }
}

FrmInfo::FrmInfo(float language, FollowLink followLink, QWidget* parent)
    : PlainDialog(parent), m_language(language), m_followLink(std::move(followLink))
{
    setObjectName(QStringLiteral("frmInfo"));
    setAccessibleName(qs(spokenText(m_language, Spoken::AboutBox)));
    // No title bar and no close box: the box is left through OK or the link only.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(px(6300), px(4830));
    createFrame();
    createControls();
    Form_Load();
}

void FrmInfo::createFrame()
{
    m_frame1 = place(new QFrame(this), "Frame1", 120, 0, 6135, 1455);
    m_frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    setColour(m_frame1, QPalette::Window, kFrameGrey);
    m_image2 = place(picture(m_frame1, ":/resources/about_title"), "Image2", 2040, 240, 2190, 420);
    m_image1 = place(picture(m_frame1, ":/resources/about_emblem"), "Image1", 360, 360, 780, 795);
    m_image2->setAccessibleName(qs(spokenText(m_language, Spoken::AboutTitle)));
    m_image1->setAccessibleName(qs(spokenText(m_language, Spoken::AboutEmblem)));
    m_label2 = place(new QLabel(QStringLiteral("© Taremo 2025–2026"), m_frame1), "Label2", 1920,
                     720, 2415, 375);
    m_label2->setFont(fontOf(kSansFamilies, 9.75));
    m_label2->setAlignment(Qt::AlignCenter);
    setColour(m_label2, QPalette::Window, kFrameGrey);
    m_lblVersion =
        place(new QLabel(QStringLiteral("Version"), m_frame1), "lblVersion", 3960, 120, 1332, 492);
    QFont versionFont = fontOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")},
                               19.5);
    versionFont.setBold(true);
    m_lblVersion->setFont(versionFont);
    setColour(m_lblVersion, QPalette::Window, kFrameGrey);
    // The label reaches under the title picture's end: the number keeps to the right and the
    // picture stays on top, so neither hides the other.
    m_lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_image2->raise();
}

void FrmInfo::createControls()
{
    m_cmdOK = place(new QPushButton(QStringLiteral("OK"), this), "cmdOK", 4800, 4200, 1335, 375);
    m_cmdOK->setAutoDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &FrmInfo::cmdOK_Click);

    m_lblVote = place(new LinkLabel(QStringLiteral("Votre avis sur Taremo Pro"), this,
                                    [this] { lblVote_Click(); }),
                      "lblVote", 240, 2520, 5775, 375);
    QFont voteFont = fontOf({QStringLiteral("Lucida Handwriting"), QStringLiteral("URW Chancery L"),
                             QStringLiteral("Z003"), QStringLiteral("cursive")},
                            12);
    voteFont.setUnderline(true);
    m_lblVote->setFont(voteFont);
    m_lblVote->setAlignment(Qt::AlignCenter);
    setColour(m_lblVote, QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    setTabOrder(m_cmdOK, m_lblVote);

    m_label4 = place(new QLabel(this), "Label4", 120, 3720, 2175, 375);
    m_label4->setFont(fontOf(kSansFamilies, kLabel4Points));
    m_label4->setAlignment(Qt::AlignLeft | Qt::AlignTop); // level with the first shortcut
    m_label3 = place(new RunsLabel(this), "Label3", 2400, 3720, 1935, 855);
    m_label3->setFont(fontOf(kSansFamilies, 9.75));
    m_label3->setWordWrap(true);
    m_label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColour(m_label3, QPalette::WindowText, QColor(0x40, 0x00, 0x40));

    // A thin dark line round the edge, drawn over everything, so the box has an outline.
    auto* border = new QFrame(this);
    border->setFrameStyle(QFrame::Box | QFrame::Plain);
    border->setGeometry(rect());
    setColour(border, QPalette::WindowText, kBorder);
    border->setAttribute(Qt::WA_TransparentForMouseEvents);
    border->raise();
}

void FrmInfo::Form_Load()
{
    const VersionNumbers version = programVersion();
    m_lblVersion->setText(qs(formatVersion(version.major, version.minor, version.revision)));
    m_label4->setText(qs(Traduction(m_language, 30)));
    shrinkToFit(m_label4, kLabel4Points, 8.0);
    m_label3->setText(qs(Traduction(m_language, 31)));
    m_cmdOK->setFocus();
}

void FrmInfo::lblVote_Click()
{
    m_followLink(*this);
    accept();
}

void FrmInfo::cmdOK_Click() { accept(); }

} // namespace taremo
