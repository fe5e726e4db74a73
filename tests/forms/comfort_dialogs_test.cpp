// The dialogs for a screen reader and the keyboard, the desktop's language offered first, and
// message boxes wide enough for their title.
#include "form_fixture.h"

#include "about/frm_info.h"
#include "lang/frm_langue.h"
#include <QMessageBox>

namespace taremo {
namespace {

using ComfortDialogs = testing::FormTest;

// Sets the locale variables for one case and puts them back afterwards.
class LocaleEnvironment {
public:
    explicit LocaleEnvironment(std::initializer_list<std::pair<const char*, const char*>> values)
    {
        for (const char* name : kNames) {
            m_saved.emplace_back(name, qgetenv(name));
            qunsetenv(name);
        }
        for (const auto& [name, value] : values)
            qputenv(name, value);
    }
    ~LocaleEnvironment()
    {
        for (const auto& [name, value] : m_saved)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }

private:
    static constexpr const char* kNames[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::pair<const char*, QByteArray>> m_saved;
};

TEST_F(ComfortDialogs, FirstStartOffersTheDesktopsLanguageButWritesNothingUntilAClick)
{
    const struct {
        const char* name;
        std::initializer_list<std::pair<const char*, const char*>> environment;
        int flag;
    } rows[] = {
        {"German desktop", {{"LANG", "de_DE.UTF-8"}}, 2},
        {"Spanish first in LANGUAGE", {{"LANGUAGE", "pt_BR:es:fr"}, {"LANG", "fr_FR.UTF-8"}}, 4},
        {"a language the game lacks", {{"LANG", "ja_JP.UTF-8"}}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LocaleEnvironment environment(row.environment);
        showLanguageDialogFirstStart();
        FrmLangue* dialog = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && dynamic_cast<FrmLangue*>(window))
                dialog = dynamic_cast<FrmLangue*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        EXPECT_EQ(dialog->accessibleName(), "Language");
        EXPECT_TRUE(dialog->windowTitle().isEmpty());
        EXPECT_EQ(QApplication::focusWidget(), dialog->cmdLangue(row.flag));
        EXPECT_FALSE(std::filesystem::exists(m_dir / "start.ini"));
        QTest::keyClick(dialog->cmdLangue(row.flag), Qt::Key_Space);
        EXPECT_EQ(testing::readBytes(m_dir / "start.ini"),
                  "[LastOpen]\r\nLanguage=" + std::to_string(row.flag + 1) + "\r\n");
        unloadFrmMain();
        std::filesystem::remove(m_dir / "start.ini");
    }
}

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
