// The About box: its names for a screen reader, and the rating link, followed from the keyboard
// or the mouse with the box still open, which then always closes; message boxes wide enough for
// their title.
#include "form_fixture.h"

#include "about/frm_info.h"
#include <QMessageBox>

namespace taremo {
namespace {

using AboutBox = test::FormTest;
using test::named;

// The desktop knows no browser (see main.cpp): following the link brings its message, over the
// box, which closes after. Escape leaves it open: only OK and the link close it.
TEST_F(AboutBox, TheRatingLinkIsFollowedWithTheBoxStillOpen)
{
    FrmMain& main = showMain();
    for (const char* way : {"key", "click"}) {
        SCOPED_TRACE(way);
        m_messages.clear();
        whileModal<FrmInfo>([&] { test::action(main, "mnuInfo").trigger(); },
                            [&](FrmInfo& box) {
                                QWidget& link = named(box, "lblVote");
                                QTest::keyClick(&box, Qt::Key_Escape); // no way out
                                if (way == std::string_view("click"))
                                    return QTest::mouseClick(&link, Qt::LeftButton);
                                QTest::mousePress(&link, Qt::LeftButton);
                                EXPECT_TRUE(named(box, "cmdOK").hasFocus())
                                    << "a click takes no focus";
                                QTest::keyClick(&named(box, "cmdOK"), Qt::Key_Tab);
                                ASSERT_TRUE(link.hasFocus());
                                QTest::keyClick(&link, Qt::Key_Return);
                            });
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0].title, "Browser Not Found");
        EXPECT_EQ(m_messages[0].over, "frmInfo");
    }
}

TEST(MessageBoxes, AreWideEnoughForTheirTitle)
{
    for (const QString& title : {kGameTitle, QStringLiteral("Browser Not Found")}) {
        SCOPED_TRACE(title.toStdString());
        int width = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            width = box->width();
            box->button(QMessageBox::Ok)->click();
        });
        MessageBoxes().show(nullptr, MessageIcon::Information, title, QStringLiteral("Bravo !"));
        EXPECT_GE(width, titleFitWidth(title));
    }
}

} // namespace
} // namespace taremo
