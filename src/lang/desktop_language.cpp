// Reading a locale or language name as one of the game's five languages.
#include "lang/desktop_language.h"

#include <array>
#include <cctype>
#include <string>

namespace taremo {

namespace {

// In flag order.
constexpr std::array<std::string_view, 5> kLanguageTags = {"en", "fr", "de", "it", "es"};

bool isSet(const char* value) { return value != nullptr && *value != '\0'; }

} // namespace

int flagOfLocale(std::string_view locale)
{
    // The language is the leading letters, before the territory, codeset or modifier.
    std::string language;
    for (const char c : locale) {
        if (!std::isalpha(static_cast<unsigned char>(c)))
            break;
        language += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (std::size_t flag = 0; flag < kLanguageTags.size(); ++flag)
        if (language == kLanguageTags[flag])
            return static_cast<int>(flag);
    return -1;
}

int flagFromEnvironment(const std::function<const char*(const char*)>& variable)
{
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (isSet(variable(name))) {
            locale = variable(name);
            break;
        }
    }
    const char* languages = variable("LANGUAGE");
    if (isSet(languages) && locale != "C" && locale != "POSIX" && !locale.starts_with("C.")) {
        std::string_view rest = languages;
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            const int flag = flagOfLocale(rest.substr(0, colon));
            if (flag >= 0)
                return flag;
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        }
    }
    const int flag = flagOfLocale(locale);
    return flag >= 0 ? flag : kEnglishFlag;
}

} // namespace taremo
