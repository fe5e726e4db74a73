// The language dialog: five flag buttons, one per language.
#pragma once

#include "app/qt_plain_dialog.h"

#include <array>
#include <cstddef>

class QLabel;
class QPushButton;

namespace taremo {

class FrmMain;

class FrmLangue : public PlainDialog {
public:
    static constexpr int kLanguageCount = 5;

    explicit FrmLangue(QWidget* parent = nullptr);

    QLabel* Label1() const { return m_label1; }
    QPushButton* cmdLangue(int index) const
    {
        return m_cmdLangue.at(static_cast<std::size_t>(index));
    }

    // Language `index` + 1 becomes the game's: stored in start.ini, the menus recaptioned,
    // this dialog closed and the main window shown. A failed store is told to the player
    // once; the language still applies for this run.
    void cmdLangue_Click(int index);

private:
    void createControls();

    QLabel* m_label1 = nullptr;
    std::array<QPushButton*, kLanguageCount> m_cmdLangue{};
};

// First start: the dialog alone, modeless; a click stores the language and opens the game,
// closing it otherwise ends the program without writing anything.
void showLanguageDialogFirstStart();

// From the menu: modal over the main window; the game in play is left as it is.
void showLanguageDialogFromMenu(FrmMain& main);

} // namespace taremo
