// The desktop's language read from locale names and the environment.
#include "lang/desktop_language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace taremo {
namespace {

TEST(DesktopLanguage, LocaleNamesGiveTheirFlagWhateverFollowsTheLanguage)
{
    const std::pair<const char*, int> rows[] = {
        {"en", 0}, {"fr_FR.UTF-8", 1}, {"de_CH", 2}, {"it_IT@euro", 3}, {"es_MX.utf8", 4},
        {"FR_be", 1}, {"eng", -1}, {"e", -1}, {"pt_BR", -1}, {"C", -1}, {"", -1}};
    for (const auto& [locale, flag] : rows)
        EXPECT_EQ(flagOfLocale(locale), flag) << locale;
}

TEST(DesktopLanguage, EnvironmentIsReadInTheCLibrarysOrder)
{
    using Environment = std::map<std::string, std::string>;
    const struct {
        const char* name;
        Environment environment;
        int flag;
    } rows[] = {
        {"nothing set", {}, 0},
        {"LANG alone", {{"LANG", "it_IT.UTF-8"}}, 3},
        {"LC_MESSAGES before LANG", {{"LC_MESSAGES", "de_DE"}, {"LANG", "fr_FR"}}, 2},
        {"LC_ALL before both", {{"LC_ALL", "es_ES"}, {"LC_MESSAGES", "de_DE"}}, 4},
        {"empty counts as unset", {{"LC_ALL", ""}, {"LANG", "fr_FR"}}, 1},
        {"LANGUAGE before LC_ALL", {{"LANGUAGE", "de"}, {"LC_ALL", "fr_FR"}}, 2},
        {"first known of LANGUAGE", {{"LANGUAGE", "pt:nl:it:fr"}, {"LANG", "fr_FR"}}, 3},
        {"LANGUAGE knows none", {{"LANGUAGE", "pt:nl"}, {"LANG", "fr_FR"}}, 1},
        {"LANGUAGE unused under C", {{"LANGUAGE", "de"}, {"LANG", "C"}}, 0},
        {"unknown locale", {{"LANG", "ja_JP.UTF-8"}}, 0},
    };
    for (const auto& row : rows) {
        const auto variable = [&](const char* name) -> const char* {
            const auto found = row.environment.find(name);
            return found == row.environment.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(flagFromEnvironment(variable), row.flag) << row.name;
    }
}

} // namespace
} // namespace taremo
