// The new-grid dialog: a difficulty and the assistance switch. It hands back the difficulty
// last picked however it closed, and on OK the player's whole choice.
#pragma once

#include "widgets/plain_dialog.h"

#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace taremo {

// What the player asked for: the difficulty's list position (0..5) and whether the game
// judges each digit at once.
struct NewGridChoice {
    std::int16_t position = 0;
    bool assistance = true;
};

class MessageSink;

class FrmNew : public PlainDialog {
public:
    // Captioned in the language of code `language`, opening on the list position `difficulty`
    // (none when it is not one of the list's) and the assistance switch as `assistance` says;
    // messages go to `messages`.
    FrmNew(MessageSink& messages, float language, std::int16_t difficulty, bool assistance,
           QWidget* parent);

    // The list position last picked, or at first shown (-1 for none), however the dialog closed.
    std::int16_t difficulty() const { return m_difficulty; }
    // The player's choice once OK closed the dialog; nothing after Cancel.
    std::optional<NewGridChoice> choice() const { return m_choice; }

    void cmbChoix_Click(int position);
    void cmdOK_Click();
    void cmdUndo_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void Form_Load(std::int16_t position, bool assistance);

    MessageSink& m_messages;
    float m_language;
    std::int16_t m_difficulty = -1;
    std::optional<NewGridChoice> m_choice;
    QLabel* m_label1 = nullptr;
    QComboBox* m_cmbChoix = nullptr;
    QCheckBox* m_chkAssist = nullptr;
    QPushButton* m_cmdUndo = nullptr;
    QPushButton* m_cmdOK = nullptr;
};

} // namespace taremo
