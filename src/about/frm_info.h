// The About box: version, keyboard shortcuts and the rating link, which whoever opened it follows
// while the box is still open.
#pragma once

#include "widgets/plain_dialog.h"

#include <QLabel>

#include <functional>

class QFrame;
class QPushButton;

namespace taremo {

// A label the player can click, like a link. It takes the focus from Tab only, and Enter or
// Space then follow it.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> m_onClick;
};

// A word-wrapped label whose text lays its items out with runs of blanks: each run of two or
// more blanks starts a new line, whatever the font's widths (text() keeps the blanks).
class RunsLabel : public QLabel {
public:
    using QLabel::QLabel;

    // The lines as painted in the label's width: one per item, more if an item is too wide.
    QStringList displayLines() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class FrmInfo : public PlainDialog {
public:
    // Follows the rating link while the About box `box` is still open: the browser starts from
    // it, and any message about the link is shown over it.
    using FollowLink = std::function<void(QWidget& box)>;

    // Captioned in the language of code `language`; its rating link calls `followLink`.
    FrmInfo(float language, FollowLink followLink, QWidget* parent = nullptr);

    // Has the rating link followed, then closes the box whatever came of it.
    void lblVote_Click();
    void cmdOK_Click();

private:
    void createFrame();
    void createControls();
    void Form_Load();

    float m_language;
    FollowLink m_followLink;
    QFrame* m_frame1 = nullptr;
    QLabel* m_image1 = nullptr;
    QLabel* m_image2 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_lblVersion = nullptr;
    QLabel* m_lblVote = nullptr;
    QLabel* m_label4 = nullptr;
    RunsLabel* m_label3 = nullptr;
    QPushButton* m_cmdOK = nullptr;
};

} // namespace taremo
