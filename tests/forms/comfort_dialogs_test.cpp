// The dialogs for a screen reader and the keyboard, and message boxes wide enough for their title.
#include "form_fixture.h"

#include "about/frm_info.h"
#include <QMessageBox>

namespace taremo {
namespace {

using ComfortDialogs = testing::FormTest;

TEST_F(ComfortDialogs, DialogsAndPicturesAreNamedAndTheRatingLinkIsFollowedFromTheKeyboard)
{
    FrmMain& main = showMain();
    whileModal<FrmNew>([&] { main.mnuNew()->trigger(); }, [](FrmNew& dialog) {
        EXPECT_EQ(dialog.accessibleName(), "New grid");
        dialog.close();
    });
    for (const auto key : {Qt::Key_Return, Qt::Key_Space}) {
        m_messages.clear();
        whileModal<FrmInfo>([&] { main.mnuInfo()->trigger(); }, [&](FrmInfo& box) {
            EXPECT_EQ(box.accessibleName(), "About");
            EXPECT_FALSE(box.Image1()->accessibleName().isEmpty());
            EXPECT_FALSE(box.Image2()->accessibleName().isEmpty());
            QTest::mousePress(box.lblVote(), Qt::LeftButton);
            EXPECT_TRUE(box.cmdOK()->hasFocus()) << "a click takes no focus";
            QTest::keyClick(box.cmdOK(), Qt::Key_Tab);
            ASSERT_TRUE(box.lblVote()->hasFocus());
            QTest::keyClick(box.lblVote(), key);
        });
        ASSERT_EQ(m_messages.size(), 1u) << "the link was followed: no browser here";
        EXPECT_EQ(m_messages[0].title, "Browser Not Found");
    }
}

TEST_F(ComfortDialogs, MessageBoxesAreWideEnoughForTheirTitle)
{
    setMessageSink(nullptr);
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
        showMessage(nullptr, MessageIcon::Information, QStringLiteral("Bravo !"), title);
        EXPECT_GE(width, titleFitWidth(title));
        const int textWidth = QFontMetrics(QApplication::font()).horizontalAdvance(title);
        EXPECT_GT(titleFitWidth(title), textWidth);
    }
}

} // namespace
} // namespace taremo
