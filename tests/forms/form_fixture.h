// Shared by the form tests: a game of their own in a folder of its own, with its main window,
// message boxes recorded, dialogs answered, and the forms' controls found by the names the game
// gives them.
#pragma once

#include "app/game.h"
#include "app/settings_place.h"
#include "mainwin/frm_main.h"
#include "puzzle/frm_new.h"
#include "support/temp_dir.h"
#include "widgets/message_box.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace taremo::test {

// The control of `form` named `name`; the test stops when there is none.
template <typename T = QWidget>
T& named(const QObject& form, const QString& name)
{
    T* found = form.findChild<T*>(name);
    if (found == nullptr)
        throw std::runtime_error("no control named " + name.toStdString());
    return *found;
}
inline QAction& action(const QObject& form, const char* name) { return named<QAction>(form, name); }
inline void click(const QWidget& form, const char* button)
{
    QTest::mouseClick(&named<QPushButton>(form, button), Qt::LeftButton);
}
inline CellEdit& txtCh(const FrmMain& main, int index)
{
    return named<CellEdit>(main, QStringLiteral("txtCh_%1").arg(index));
}

// The palette of a dark desktop style.
inline QPalette darkPalette()
{
    QPalette dark(QColor(0xf0f0f0), QColor(0x323232), QColor(0x4b4b4b), QColor(0x212121),
                  QColor(0x262626), QColor(0xf0f0f0), Qt::white, QColor(0x242424),
                  QColor(0x323232));
    dark.setColor(QPalette::Highlight, QColor(0x308cc6));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x828282));
    return dark;
}

struct RecordedMessage {
    MessageIcon icon;
    QString title, text, over; // over: the name of the window on screen it came over, if any
};
class FormTest : public ::testing::Test, public MessageSink {
protected:
    void show(QWidget* parent, MessageIcon icon, const QString& title, const QString& text) override
    {
        const bool shown = parent != nullptr && parent->isVisible();
        m_messages.push_back(
            {icon, title, text, shown ? parent->window()->objectName() : QString()});
        const auto* main = dynamic_cast<const FrmMain*>(parent);
        m_finishAtMessage = main != nullptr && action(*main, "mnuFinir").isEnabled();
    }
    void SetUp() override { std::filesystem::remove_all(m_ownSettings); }
    // Every window a test left open goes with it.
    void TearDown() override
    {
        m_main.reset();
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Shows the main window and waits until it is active, so that no late activation of an
    // earlier window takes the keyboard away in the middle of a test.
    FrmMain& showMain()
    {
        FrmMain& main = *m_main;
        main.show();
        QApplication::processEvents();
        main.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return QApplication::activeWindow() == &main && !QApplication::activePopupWidget();
        }));
        return main;
    }
    template <typename Dialog>
    static void whileModal(const auto& open, const auto& answer)
    {
        bool answered = false;
        // Looks for the dialog until it is up, whatever events `open` handles first; stops with
        // `open` if none ever comes.
        QTimer poll;
        poll.callOnTimeout([&] {
            auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            poll.stop();
            // The dialog's own window must have the keyboard, not just be reported active.
            dialog->activateWindow();
            answered = QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; });
            answer(*dialog);
            EXPECT_FALSE(dialog->isVisible()) << "the dialog was left open";
            dialog->close();
        });
        poll.start(5);
        open();
        EXPECT_TRUE(answered) << "no modal dialog came up";
    }
    // Opens the new-grid dialog with F2 and answers it.
    void answerNewGrid(FrmMain& main, const std::function<void(FrmNew&)>& answer)
    {
        whileModal<FrmNew>([&] { QTest::keyClick(&main, Qt::Key_F2); }, answer);
        showMain();
    }
    // Picks `level` and the assistance in the new-grid dialog and presses `button`.
    void newGrid(FrmMain& main, int level, bool assistance = true, const char* button = "cmdOK")
    {
        answerNewGrid(main, [&](FrmNew& dialog) {
            named<QComboBox>(dialog, "cmbChoix").setCurrentIndex(level);
            named<QCheckBox>(dialog, "chkAssist").setChecked(assistance);
            click(dialog, button);
        });
    }
    static std::vector<int> openCells(const FrmMain& main)
    {
        std::vector<int> cells;
        for (int i = 0; i < kCellCount; ++i)
            if (main.board().cell(i).enabled)
                cells.push_back(i);
        return cells;
    }
    // Types the right digit of cell `index`, or a wrong one, into its field.
    static void typeDigit(const FrmMain& main, int index, bool right)
    {
        const int digit = Solution(main.board().state().NumGrille, cellNumber(index));
        txtCh(main, index).setFocus();
        QTest::keyClick(&txtCh(main, index), Qt::Key(Qt::Key_0 + (right ? digit : digit % 9 + 1)));
    }
    // Opens the answer pop-up with a click on the current cell `index` and chooses the answer.
    static void answerByMouse(const FrmMain& main, int index)
    {
        txtCh(main, index).setFocus();
        QTest::mouseClick(&txtCh(main, index), Qt::LeftButton);
        auto& menu = named<QMenu>(main, "mnuAide");
        ASSERT_EQ(QApplication::activePopupWidget(), &menu);
        QTest::mouseClick(&menu, Qt::LeftButton, {},
                          menu.actionGeometry(&action(main, "mnuReponse")).center());
    }
    TempDir m_dir;
    // The player's own settings folder, for a game folder the player may not write to.
    const std::filesystem::path m_ownSettings = userSettingsFolder();
    std::vector<RecordedMessage> m_messages;
    bool m_finishAtMessage = false; // whether the finish command was enabled at the last message
    // In French, on a clock standing still: the same puzzles in every run, whatever the time.
    Game m_game{.programDir = m_dir.path(),
                .state = {.Langue = 2},
                .random = Random([] { return std::uint64_t{20261207}; })};
    std::unique_ptr<FrmMain> m_main = std::make_unique<FrmMain>(m_game, *this);
};

} // namespace taremo::test
