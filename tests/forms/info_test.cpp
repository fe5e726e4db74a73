// The About box's rating link, which always closes the box.
#include "form_fixture.h"

#include "about/frm_info.h"

namespace taremo {
namespace {

namespace fs = std::filesystem;
using testing::writeBytes;
using AboutBox = testing::FormTest;

TEST_F(AboutBox, RatingLinkClosesTheBoxWhateverComesOfIt)
{
    // The desktop's browser is bin/web, found through PATH (see main.cpp).
    const std::tuple<const char*, fs::perms, QString> cases[] = { // and the messages' titles
        {"no browser", fs::perms::none, "Browser Not Found"}, {"browser runs", fs::perms(0755), ""},
        {"browser gone", fs::perms::none, "URL Failed"}};
    FrmMain& main = showMain();
    for (const auto& [name, webMode, titles] : cases) {
        SCOPED_TRACE(name);
        fs::permissions(writeBytes(m_dir / "bin/web", "#!/bin/sh\n"), webMode);
        m_messages.clear();
        whileModal<FrmInfo>([&] { main.mnuInfo()->trigger(); }, [](FrmInfo& box) {
            QTest::keyClick(&box, Qt::Key_Escape);
            ASSERT_TRUE(box.isVisible()) << "only OK and the link close it";
            QTest::mouseClick(box.lblVote(), Qt::LeftButton);
        });
        EXPECT_EQ(m_messages.size(), titles.isEmpty() ? 0u : 1u);
        EXPECT_EQ(m_messages.empty() ? "" : m_messages[0].title, titles);
    }
}

} // namespace
} // namespace taremo
