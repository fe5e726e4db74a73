// The language dialog: five flag buttons, one per language.
#pragma once

namespace taremo {

class FrmMain;

// First start: the dialog alone, modeless; a click stores the language and opens the game.
void showLanguageDialogFirstStart();

// From the menu: modal over the main window.
void showLanguageDialogFromMenu(FrmMain& main);

} // namespace taremo
