// The About box.
#include "about/frm_info.h"

namespace taremo {

void showAboutBox(FrmMain&) {}

} // namespace taremo
