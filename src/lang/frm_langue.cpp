// The language dialog.
#include "lang/frm_langue.h"

#include "mainwin/frm_main.h"

namespace taremo {

void showLanguageDialogFirstStart() { frmMain().show(); }

void showLanguageDialogFromMenu(FrmMain&) {}

} // namespace taremo
