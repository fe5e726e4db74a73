// The language the desktop is set to, as one of the game's five flags.
#pragma once

#include <functional>
#include <string_view>

namespace taremo {

// Flag positions in the language dialog, which are language codes minus one.
inline constexpr int kEnglishFlag = 0;

// The flag (0 English, 1 French, 2 German, 3 Italian, 4 Spanish) of a locale or language name
// such as "fr", "de_CH.UTF-8" or "it_IT@euro"; -1 when it names none of the five.
int flagOfLocale(std::string_view locale);

// The flag of the language that the environment asks for, read as the C library reads it:
// the first of LC_ALL, LC_MESSAGES and LANG that is set gives the locale; LANGUAGE, a list of
// languages by preference separated by colons, comes before it unless that locale is "C" or
// "POSIX". The first of the five named wins; English when none is.
int flagFromEnvironment(const std::function<const char*(const char*)>& variable);

// The flag of the desktop's language: from the environment on Linux, the user's interface
// language on Windows.
int desktopLanguageFlag();

} // namespace taremo
