// Windows side of the desktop's language: the language the user's Windows is shown in.
#include "lang/desktop_language.h"

#include <windows.h>

namespace taremo {

int desktopLanguageFlag()
{
    // The primary language only: French of Canada or Spanish of Mexico take their flag too.
    switch (PRIMARYLANGID(GetUserDefaultUILanguage())) {
    case LANG_FRENCH:
        return 1;
    case LANG_GERMAN:
        return 2;
    case LANG_ITALIAN:
        return 3;
    case LANG_SPANISH:
        return 4;
    default:
        return kEnglishFlag;
    }
}

} // namespace taremo
