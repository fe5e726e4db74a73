// Tests of the numbered texts: language choice, missing numbers and every text byte for byte.
#include "lang/texts.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/game_state.h"

namespace taremo {
namespace {

constexpr float kLanguages[] = {1.0f, 2.0f, 3.0f, 4.0f, 5.0f};

// What the players must see, written out again here rather than read from the catalogue.
struct Expected {
    std::int16_t number;
    const char* text[5]; // English, French, German, Italian, Spanish
};

std::string sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

const std::string kShortcuts[5] = {
    "F2 New railing" + sp(13) + "F4 Finish the railing" + sp(5) + "F3 Exit",
    "F2 Nouvelle Grille" + sp(5) + "F4 Finir la grille" + sp(9) + "F3 Quitter",
    "F2 Neu Gitter" + sp(13) + "F4 Gitter beenden" + sp(6) + "F3 Verlassen",
    "F2 Nuovo griglia" + sp(9) + "F4 Finire la griglia" + sp(9) + "F3 Lasciare",
    "F2 Nuevo verja" + sp(9) + "F4 Acabar la verja" + sp(7) + "F3 Irse",
};

const Expected kExpected[] = {
    {1, {"&File", "&Fichier", "&Datei", "&Schedario", "&Fichero"}},
    {2, {"New", "Nouveau", "Neu", "Nuovo", "Nuevo"}},
    {3, {"Finish the railing", "Finir la grille", "Gitter beenden", "Finire la griglia",
         "Acabar la verja"}},
    {4, {"Exit", "Quitter", "Verlassen", "Lasciare", "Irse"}},
    {6, {"&Help", "&Aide", "&Helf", "&Aiuto", "&Ayuda"}},
    {7, {"Réponse", "Réponse", "Antwort", "risposta", "Respuesta"}},
    {8, {"&About", "A &propos", "&Bezüglich", "A &proposito", "A &propósito"}},
    {9, {"TAREMO", "de TAREMO", "TAREMO", "di TAREMO", "de TAREMO"}},
    {11, {"Click in a compartment to have the answer", "click dans une case pour avoir la réponse",
          "Click in einem Feld für die Antwort", "click in una capanna per avere la risposta",
          "Click en un compartimiento para tener la respuesta"}},
    {12, {"Difficulty", "Difficulté", "Schwierigkeit", "Difficoltà", "Dificultad"}},
    {13, {"Level", "Niveau", "Niveau", "Livello", "Nivel"}},
    {14, {"Cancel", "Annuler", "Aufheben", "Annullare", "Anular"}},
    {15, {"Activate the assistance", "Activer l'assistance", "Beistand aktivieren",
          "Attivare l'assistenza", "Acelerar la asistencia"}},
    {16, {"Beginner", "Débutant", "Anfänger", "Esordendo", "Principiante"}},
    {17, {"Easy", "Facile", "Leicht", "Facile", "Fácil"}},
    {18, {"Means", "Moyen", "Mittel", "Mezzo", "Medio"}},
    {19, {"Advanced", "Avancé", "Fortgeschritten", "Avanzato", "Avanzado"}},
    {20, {"Difficult", "Difficile", "Schwer", "Difficile", "Difícil"}},
    {21, {"Expert", "Expert", "Experte", "Perito", "Experto"}},
    {22, {"Bravo !", "Bravo !", "Bravo !", "Applauso!", "¡ Bravo!"}},
    {30, {"Keyboard shortcuts :", "Raccourcis clavier :", "Kürze Tastatur :",
          "Accorcia tasteria :", "Teclas aceleradoras :"}},
    {31, {kShortcuts[0].c_str(), kShortcuts[1].c_str(), kShortcuts[2].c_str(),
          kShortcuts[3].c_str(), kShortcuts[4].c_str()}},
};

std::string text(float code, std::int16_t number)
{
    float langue = code;
    return Traduction(langue, number);
}

std::size_t codePoints(const std::string& s)
{
    std::size_t n = 0;
    for (unsigned char c : s) {
        n += (c & 0xC0) != 0x80; // continuation bytes do not start a character
    }
    return n;
}

std::vector<std::size_t> spaceRuns(const std::string& s)
{
    std::vector<std::size_t> runs;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t end = s.find_first_not_of(' ', i);
        const std::size_t stop = end == std::string::npos ? s.size() : end;
        if (stop - i > 1) {
            runs.push_back(stop - i);
        }
        i = stop == i ? i + 1 : stop;
    }
    return runs;
}

TEST(TraductionLanguage, ZeroBecomesEnglishForGood)
{
    float langue = 0.0f;
    EXPECT_EQ(Traduction(langue, 1), "&File");
    EXPECT_EQ(langue, 1.0f);
    EXPECT_EQ(Traduction(langue, 2), "New");
    EXPECT_EQ(langue, 1.0f);
}

TEST(TraductionLanguage, OnlyExactCodesNameALanguage)
{
    const float odd[] = {2.5f, 6.0f, -1.0f, std::nanf(""), std::nextafter(1.0f, 0.0f),
                         std::nextafter(5.0f, 6.0f)};
    for (float code : odd) {
        for (std::int16_t number = 0; number <= 32; ++number) {
            float langue = code;
            EXPECT_EQ(Traduction(langue, number), "") << code << " #" << number;
            if (std::isnan(code)) {
                EXPECT_TRUE(std::isnan(langue));
            } else {
                EXPECT_EQ(langue, code);
            }
        }
    }
}

TEST(TraductionNumbers, NumbersWithoutTextGiveNothing)
{
    const std::int16_t none[] = {0,  32, -1, 5,  10, 23, 24, 25, 26, 27, 28, 29,
                                 std::numeric_limits<std::int16_t>::min(),
                                 std::numeric_limits<std::int16_t>::max()};
    for (float code : kLanguages) {
        for (std::int16_t number : none) {
            EXPECT_EQ(text(code, number), "") << code << " #" << number;
        }
    }
}

TEST(TraductionTable, EveryTextIsExact)
{
    for (const Expected& row : kExpected) {
        for (int lang = 0; lang < 5; ++lang) {
            EXPECT_EQ(text(kLanguages[lang], row.number), row.text[lang])
                << "#" << row.number << " language " << lang + 1;
        }
    }
}

TEST(TraductionTable, AccentsAreUtf8)
{
    // Spelled as bytes so that a source saved in another encoding cannot pass unnoticed.
    EXPECT_EQ(text(1, 7), "R\xC3\xA9ponse");
    EXPECT_EQ(text(3, 8), "&Bez\xC3\xBCglich");
    EXPECT_EQ(text(4, 12), "Difficolt\xC3\xA0");
    EXPECT_EQ(text(5, 22), "\xC2\xA1 Bravo!");
}

TEST(TraductionTable, ShortcutLineLayout)
{
    const std::size_t lengths[] = {60, 60, 61, 65, 55};
    const std::vector<std::size_t> runs[] = {{13, 5}, {5, 9}, {13, 6}, {9, 9}, {9, 7}};
    for (int lang = 0; lang < 5; ++lang) {
        const std::string line = text(kLanguages[lang], 31);
        EXPECT_EQ(codePoints(line), lengths[lang]) << "language " << lang + 1;
        EXPECT_EQ(spaceRuns(line), runs[lang]) << "language " << lang + 1;
    }
}

TEST(TraductionTable, MenuItemsCarryNoAccelerator)
{
    // A stray '&' would underline a letter of these captions.
    const std::int16_t plain[] = {2, 3, 4, 7};
    for (float code : kLanguages) {
        for (std::int16_t number : plain) {
            EXPECT_EQ(text(code, number).find('&'), std::string::npos) << code << " #" << number;
        }
    }
}

TEST(TraductionCurrentLanguage, ReadsAndSettlesTheGameLanguage)
{
    const float saved = gameState().Langue;
    gameState().Langue = 4.0f;
    EXPECT_EQ(Traduction(13), "Livello");
    gameState().Langue = 0.0f;
    EXPECT_EQ(Traduction(14), "Cancel");
    EXPECT_EQ(gameState().Langue, 1.0f);
    gameState().Langue = 2.5f;
    EXPECT_EQ(Traduction(14), "");
    EXPECT_EQ(gameState().Langue, 2.5f);
    gameState().Langue = saved;
}

} // namespace
} // namespace taremo
