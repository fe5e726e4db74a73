// The numbered texts, as bytes so that a source saved in another encoding cannot pass, and the
// level line under the board made of them; the words for assistive technology beside them; and
// the desktop's language, read from its locale.
#include "lang/desktop_language.h"
#include "lang/spoken.h"
#include "lang/texts.h"

#include "app/game_state.h"

#include <cmath>
#include <map>
#include <tuple>

#include <gtest/gtest.h>

using namespace taremo;

TEST(Traduction, ExactTextsOnlyForExactCodesAndNumbersAndTheLevelLineMadeOfThem)
{
    const std::tuple<float, std::int16_t, std::string> rows[] = {
        {1, 3, "Finish the railing"},
        {1, 7, "R\xC3\xA9ponse"}, // the English menu has always said it in French
        {4, 14, "Annullare"},
        {4, 22, "Applauso!"},
        {1, 31, "F2 New railing" + std::string(13, ' ') + "F4 Finish the railing     F3 Exit"}};
    for (auto [langue, number, expected] : rows)
        EXPECT_EQ(Traduction(langue, number), expected) << langue << " #" << number;
    for (float langue : {2.5f, 6.0f, std::nanf(""), std::nextafter(1.0f, 0.0f)})
        EXPECT_EQ(Traduction(langue, 1), "") << langue;
    for (float langue = 5; std::int16_t number : {-1, 0, 5, 10, 23, 29, 32})
        EXPECT_EQ(Traduction(langue, number), "") << number;
    // The words for assistive technology are English too while no language is chosen.
    EXPECT_EQ(SpokenText(3.0f, Spoken::Wrong), "falsch");
    EXPECT_EQ(SpokenText(0.0f, Spoken::Wrong), "wrong");
    // The level line is made of texts 13, 16 to 21 and 11, in English until a language is chosen.
    gameState().Langue = 0.0f;
    EXPECT_EQ(LevelLine(5), "Level Expert       Click in a compartment to have the answer");
    EXPECT_EQ(gameState().Langue, 1.0f) << "English from then on";
}

// The first of LC_ALL, LC_MESSAGES and LANG that is set, after the first language of LANGUAGE
// that the game knows, unless that locale is C.
TEST(DesktopLanguage, LocaleVariablesAreReadInTheCLibrarysOrder)
{
    const auto flag = [](std::map<std::string_view, const char*> set) {
        return flagFromEnvironment(
            [&](std::string_view name) { return set.count(name) ? set[name] : nullptr; });
    };
    EXPECT_EQ(flag({{"LC_ALL", "es_ES.utf8"}, {"LC_MESSAGES", "de"}, {"LANG", "fr_FR"}}), 4);
    // An empty variable counts as unset.
    EXPECT_EQ(flag({{"LC_ALL", ""}, {"LC_MESSAGES", "de_CH"}, {"LANG", "fr"}}), 2);
    EXPECT_EQ(flag({{"LANGUAGE", "eng:pt_BR:it@euro:fr"}, {"LANG", "es"}}), 3);
    EXPECT_EQ(flag({{"LANGUAGE", "de"}, {"LANG", "C"}}), kEnglishFlag);
}
