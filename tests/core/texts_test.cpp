// The numbered texts, as bytes so that a source saved in another encoding cannot pass, and the
// desktop's language read from locale names and the environment.
#include "lang/desktop_language.h"
#include "lang/texts.h"

#include "app/game_state.h"

#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

namespace taremo {
namespace {

std::string sp(std::size_t count) { return std::string(count, ' '); }

TEST(Traduction, ExactTexts)
{
    const std::tuple<float, std::int16_t, std::string> cases[] = {
        {1, 7, "R\xC3\xA9ponse"}, // the English menu has always said it in French
        {3, 8, "&Bez\xC3\xBCglich"},
        {5, 22, "\xC2\xA1 Bravo!"},
        {4, 22, "Applauso!"},
        {1, 31, "F2 New railing" + sp(13) + "F4 Finish the railing" + sp(5) + "F3 Exit"},
        {2, 31, "F2 Nouvelle Grille" + sp(5) + "F4 Finir la grille" + sp(9) + "F3 Quitter"},
        {3, 31, "F2 Neu Gitter" + sp(13) + "F4 Gitter beenden" + sp(6) + "F3 Verlassen"},
        {4, 31, "F2 Nuovo griglia" + sp(9) + "F4 Finire la griglia" + sp(9) + "F3 Lasciare"},
        {5, 31, "F2 Nuevo verja" + sp(9) + "F4 Acabar la verja" + sp(7) + "F3 Irse"},
    };
    for (auto [langue, number, expected] : cases)
        EXPECT_EQ(Traduction(langue, number), expected) << langue << " #" << number;
}

TEST(Traduction, InexactCodesAndNumbersWithoutATextGiveNothingAndZeroBecomesEnglish)
{
    for (float langue : {2.5f, 6.0f, std::nanf(""), std::nextafter(1.0f, 0.0f)})
        EXPECT_EQ(Traduction(langue, 1), "") << langue;
    for (float langue : {1.0f, 5.0f})
        for (std::int16_t number : {-1, 0, 5, 10, 23, 29, 32, 32767})
            EXPECT_EQ(Traduction(langue, number), "") << langue << " #" << number;
    const float saved = gameState().Langue;
    gameState().Langue = 0.0f;
    EXPECT_EQ(Traduction(14), "Cancel");
    EXPECT_EQ(gameState().Langue, 1.0f); // and stays English
    gameState().Langue = saved;
}

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
