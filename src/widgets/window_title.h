// The caption of a window that has none, kept empty on the desktop as well.
#pragma once

class QWidget;

namespace taremo {

// Where the toolkit would put the program's name in place of an empty title, empties the title
// of `window`'s native window again, before the window shows (platform side).
void clearWindowTitle(QWidget& window);

} // namespace taremo
