// Shared set-up of the form tests: a temporary game folder, recorded messages, a fresh
// main window, and a way to answer the modal dialogs that a command opens.
#pragma once

#include "about/rating_link.h"
#include "app/game_state.h"
#include "app/qt_message_box.h"
#include "app/qt_paths.h"
#include "mainwin/frm_main.h"
#include "puzzle/frm_new.h"
#include "puzzle/random.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace taremo::testing {

struct RecordedMessage {
    MessageIcon icon;
    QString title;
    QString text;
};

// Message boxes are recorded in m_messages instead of shown.
class FormTest : public ::testing::Test, public MessageSink {
protected:
    void show(QWidget*, MessageIcon icon, const QString& title, const QString& text) override
    {
        m_messages.push_back({icon, title, text});
    }

    void SetUp() override
    {
        // The desktop is the test's own, programs in bin/ and entries in share/: none at first,
        // so no real browser ever starts.
        for (const char* name : {"PATH", "XDG_DATA_HOME"})
            m_oldEnv.emplace_back(name, std::getenv(name) ? std::getenv(name) : "");
        ::setenv("PATH", (m_dir / "bin").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (m_dir / "share").c_str(), 1);
        ratingLink() = RatingLink{};
        setProgramDir(m_dir.path());
        setMessageSink(this);
        gameState() = GameState{};
        gameState().Langue = 2;
        gameRandom().restart();
        unloadFrmMain();
    }

    void TearDown() override
    {
        unloadFrmMain();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setMessageSink(nullptr);
        setProgramDir({});
        for (const auto& [name, value] : m_oldEnv)
            ::setenv(name.c_str(), value.c_str(), 1);
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
    static void whileModal(const std::function<void()>& open,
                           const std::function<void(Dialog&)>& answer)
    {
        bool answered = false;
        QObject context; // the answer is dropped with it if no dialog ever comes up
        QTimer::singleShot(0, &context, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* dialog = dynamic_cast<Dialog*>(modal);
            if (dialog == nullptr) {
                ADD_FAILURE() << "no modal dialog came up";
                if (modal != nullptr)
                    modal->close();
                return;
            }
            dialog->activateWindow();
            answered = QTest::qWaitForWindowActive(dialog);
            answer(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->close();
            }
        });
        open();
        EXPECT_TRUE(answered);
    }

    // F2, then `level`, the assistance switch and OK in the new-grid dialog.
    void newGrid(FrmMain& main, int level, bool assistance = true)
    {
        whileModal<FrmNew>([&] { QTest::keyClick(&main, Qt::Key_F2); },
                           [&](FrmNew& dialog) {
                               dialog.cmbChoix()->setCurrentIndex(level);
                               dialog.chkAssist()->setChecked(assistance);
                               QTest::mouseClick(dialog.cmdOK(), Qt::LeftButton);
                           });
        main.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
    }

    TempDir m_dir;
    std::vector<std::pair<std::string, std::string>> m_oldEnv;
    std::vector<RecordedMessage> m_messages;
};

} // namespace taremo::testing
