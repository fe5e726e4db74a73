// The new-grid dialog: a difficulty and the assistance switch; OK hands them back.
#pragma once

#include "app/qt_plain_dialog.h"

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

class FrmNew : public PlainDialog {
public:
    // Captioned in language `langue`.
    FrmNew(float langue, QWidget* parent);

    // The player's choice once OK closed the dialog; nothing after Cancel.
    std::optional<NewGridChoice> choice() const { return m_choice; }

    void cmbChoix_Click(int position);
    void cmdOK_Click();
    void cmdUndo_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void Form_Load();

    float m_langue;
    std::optional<NewGridChoice> m_choice;
    QLabel* m_label1 = nullptr;
    QComboBox* m_cmbChoix = nullptr;
    QCheckBox* m_chkAssist = nullptr;
    QPushButton* m_cmdUndo = nullptr;
    QPushButton* m_cmdOK = nullptr;
};

} // namespace taremo
