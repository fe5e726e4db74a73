#include "widgets/window_title.h"

#include <QWidget>

#include <windows.h>

namespace taremo {

// Windows' platform of the toolkit never leaves a title empty either: it names a new native
// window after the program. The native title is emptied here, before the window is first shown,
// so the title bar stays blank.
void clearWindowTitle(QWidget& window)
{
    SetWindowTextW(reinterpret_cast<HWND>(window.winId()), L"");
}

} // namespace taremo
