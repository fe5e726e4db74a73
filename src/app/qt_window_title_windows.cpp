#include "app/qt_plain_dialog.h"

namespace taremo {

// An empty caption stays empty on Windows.
void clearWindowTitle(QWidget&) {}

} // namespace taremo
