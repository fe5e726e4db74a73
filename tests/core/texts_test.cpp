// Tests of the numbered texts: language choice, numbers without a text and a few texts byte for
// byte, spelled as bytes so that a source saved in another encoding cannot pass unnoticed.
#include "lang/texts.h"

#include "app/game_state.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

namespace taremo {
namespace {

std::string text(float langue, std::int16_t number) { return Traduction(langue, number); }

std::string sp(std::size_t count) { return std::string(count, ' '); }

TEST(Traduction, ExactTexts)
{
    // Language, number, text, its length in characters.
    const std::tuple<float, std::int16_t, std::string, std::size_t> cases[] = {
        {1, 7, "R\xC3\xA9ponse", 7}, // the English menu has always said it in French
        {2, 12, "Difficult\xC3\xA9", 10},
        {3, 8, "&Bez\xC3\xBCglich", 10},
        {4, 12, "Difficolt\xC3\xA0", 10},
        {5, 22, "\xC2\xA1 Bravo!", 8},
        {1, 31, "F2 New railing" + sp(13) + "F4 Finish the railing" + sp(5) + "F3 Exit", 60},
        {2, 31, "F2 Nouvelle Grille" + sp(5) + "F4 Finir la grille" + sp(9) + "F3 Quitter", 60},
        {3, 31, "F2 Neu Gitter" + sp(13) + "F4 Gitter beenden" + sp(6) + "F3 Verlassen", 61},
        {4, 31, "F2 Nuovo griglia" + sp(9) + "F4 Finire la griglia" + sp(9) + "F3 Lasciare", 65},
        {5, 31, "F2 Nuevo verja" + sp(9) + "F4 Acabar la verja" + sp(7) + "F3 Irse", 55},
    };
    for (const auto& [langue, number, expected, length] : cases) {
        const std::string found = text(langue, number);
        EXPECT_EQ(found, expected) << langue << " #" << number;
        std::size_t characters = 0;
        for (unsigned char byte : found)
            characters += (byte & 0xC0) != 0x80; // continuation bytes start no character
        EXPECT_EQ(characters, length) << langue << " #" << number;
    }
}

TEST(Traduction, EveryLanguageHasTheSameNumbersAndPlainMenuItems)
{
    const std::set<int> numbered = {1,  2,  3,  4,  6,  7,  8,  9,  11, 12, 13,
                                    14, 15, 16, 17, 18, 19, 20, 21, 22, 30, 31};
    for (const float langue : {1.0f, 2.0f, 3.0f, 4.0f, 5.0f}) {
        for (int number = std::numeric_limits<std::int16_t>::min();
             number <= std::numeric_limits<std::int16_t>::max(); ++number)
            EXPECT_EQ(text(langue, static_cast<std::int16_t>(number)).empty(),
                      !numbered.count(number))
                << langue << " #" << number;
        for (const std::int16_t number : {2, 3, 4, 7}) // a stray '&' would underline a letter
            EXPECT_EQ(text(langue, number).find('&'), std::string::npos)
                << langue << " #" << number;
    }
}

TEST(Traduction, OnlyExactCodesNameALanguageAndZeroBecomesEnglish)
{
    for (const float code : {2.5f, 6.0f, -1.0f, std::nanf(""), std::nextafter(1.0f, 0.0f),
                             std::nextafter(5.0f, 6.0f)}) {
        float langue = code;
        EXPECT_EQ(Traduction(langue, 1), "") << code;
        EXPECT_TRUE(langue == code || (std::isnan(code) && std::isnan(langue))) << code;
    }
    const float saved = gameState().Langue;
    gameState().Langue = 0.0f;
    EXPECT_EQ(Traduction(14), "Cancel");
    EXPECT_EQ(gameState().Langue, 1.0f); // and stays English
    gameState().Langue = 4.0f;
    EXPECT_EQ(Traduction(13), "Livello");
    gameState().Langue = saved;
}

} // namespace
} // namespace taremo
