#include "widgets/window_title.h"

#include <QWidget>

#include <windows.h>

namespace taremo {

// Windows' platform of the toolkit never leaves a title empty either: it names a new native
// window after the program. The native title is emptied here, before the window is first shown,
// so the title bar stays blank.
void clearWindowTitle(QWidget& window)
{
    // The toolkit gives the native handle as a number.
    const auto handle = reinterpret_cast<HWND>(window.winId()); // NOLINT(performance-no-int-to-ptr)
    SetWindowTextW(handle, L"");
}

} // namespace taremo
