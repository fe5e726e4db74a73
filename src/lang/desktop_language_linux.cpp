// Linux side of the desktop's language: the locale variables of the environment.
#include "lang/desktop_language.h"

#include <cstdlib>

namespace taremo {

int desktopLanguageFlag()
{
    return flagFromEnvironment([](const char* name) { return std::getenv(name); });
}

} // namespace taremo
