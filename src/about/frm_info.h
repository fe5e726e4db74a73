// The About box: version, keyboard shortcuts and the rating link.
#pragma once

namespace taremo {

class FrmMain;

// Opens the About box modally over the main window.
void showAboutBox(FrmMain& main);

} // namespace taremo
