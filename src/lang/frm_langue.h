// The language dialog: five flag buttons, one per language.
#pragma once

#include "widgets/plain_dialog.h"

#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace taremo {

class FrmLangue : public PlainDialog {
public:
    static constexpr int kLanguageCount = 5;

    // Told the flag the player chose (0 English, 1 French, 2 German, 3 Italian, 4 Spanish),
    // once the dialog has closed.
    using Chosen = std::function<void(int flag)>;

    // Named for a screen reader in the language of code `language`.
    FrmLangue(float language, Chosen chosen, QWidget* parent = nullptr);

    // Gives flag `flag` the focus, so that Enter or Space choose it.
    void offerFlag(int flag);

    // Closes the dialog and hands flag `index` to whoever opened it.
    void cmdLangue_Click(int index);

private:
    void createControls();

    Chosen m_chosen;
    std::array<QPushButton*, kLanguageCount> m_cmdLangue{};
};

} // namespace taremo
