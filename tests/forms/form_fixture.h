// Shared set-up of the form tests: a temporary game folder, a message recorder, a fresh
// main window, and a way to answer the modal dialogs that a command opens.
#pragma once

#include "app/game_state.h"
#include "app/qt_message_box.h"
#include "app/qt_paths.h"
#include "mainwin/frm_main.h"
#include "puzzle/random.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <vector>

namespace taremo::testing {

struct RecordedMessage {
    MessageIcon icon;
    QString title;
    QString text;
};

// Records message boxes instead of showing them.
class MessageRecorder : public MessageSink {
public:
    void show(QWidget*, MessageIcon icon, const QString& title, const QString& text) override
    {
        messages.push_back({icon, title, text});
    }
    std::vector<RecordedMessage> messages;
};

inline std::filesystem::path makeTempDir()
{
    std::random_device rd;
    auto dir = std::filesystem::temp_directory_path() /
               ("taremo-forms-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(dir);
    return dir;
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = makeTempDir();
        setProgramDir(m_dir);
        setMessageSink(&m_messages);
        gameState() = GameState{};
        gameState().Langue = 2;
        gameRandom().restart();
        unloadFrmMain();
    }

    void TearDown() override
    {
        unloadFrmMain();
        setMessageSink(nullptr);
        setProgramDir({});
        std::error_code ec;
        std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_dir, ec);
        if (!m_outside.empty())
            std::filesystem::remove_all(m_outside, ec);
    }

    FrmMain& showMain()
    {
        FrmMain& main = frmMain();
        main.show();
        QApplication::setActiveWindow(&main);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
        return main;
    }

    // Runs `answer` on the modal dialog that `open` brings up, once it is up.
    template <typename Dialog>
    static void whileModal(const std::function<void()>& open, const std::function<void(Dialog&)>& answer)
    {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                ADD_FAILURE() << "no modal dialog came up";
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            dialog->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            answered = true;
            answer(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->close();
            }
        });
        open();
        EXPECT_TRUE(answered);
    }

    // A file path in a folder of its own, outside the game's folder.
    std::filesystem::path makeTempFileOutside()
    {
        m_outside = makeTempDir();
        return m_outside / "outside.txt";
    }

    std::filesystem::path m_dir;
    std::filesystem::path m_outside;
    MessageRecorder m_messages;
};

} // namespace taremo::testing
