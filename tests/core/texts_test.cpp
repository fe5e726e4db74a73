// The numbered texts and the words for assistive technology, written out here word for word in
// the five languages, and the level line under the board made of them; and the desktop's
// language, read from its locale.
#include "lang/desktop_language.h"
#include "lang/spoken.h"
#include "lang/texts.h"

#include "app/game_state.h"

#include <array>
#include <cmath>
#include <map>

#include <gtest/gtest.h>

using namespace taremo;

// This file's words are UTF-8 bytes, so a catalogue saved in another encoding cannot pass.
static_assert(std::string_view("é") == "\xC3\xA9");

// English, French, German, Italian and Spanish: each text as the players have always seen it.
static const std::map<int, std::array<std::string_view, 5>> kTexts = {
    {1, {"&File", "&Fichier", "&Datei", "&Schedario", "&Fichero"}},
    {2, {"New", "Nouveau", "Neu", "Nuovo", "Nuevo"}},
    {3,
     {"Finish the railing", "Finir la grille", "Gitter beenden", "Finire la griglia",
      "Acabar la verja"}},
    {4, {"Exit", "Quitter", "Verlassen", "Lasciare", "Irse"}},
    {6, {"&Help", "&Aide", "&Helf", "&Aiuto", "&Ayuda"}},
    {7, {"Réponse", "Réponse", "Antwort", "risposta", "Respuesta"}},
    {8, {"&About", "A &propos", "&Bezüglich", "A &proposito", "A &propósito"}},
    {9, {"TAREMO", "de TAREMO", "TAREMO", "di TAREMO", "de TAREMO"}},
    {11,
     {"Click in a compartment to have the answer", "click dans une case pour avoir la réponse",
      "Click in einem Feld für die Antwort", "click in una capanna per avere la risposta",
      "Click en un compartimiento para tener la respuesta"}},
    {12, {"Difficulty", "Difficulté", "Schwierigkeit", "Difficoltà", "Dificultad"}},
    {13, {"Level", "Niveau", "Niveau", "Livello", "Nivel"}},
    {14, {"Cancel", "Annuler", "Aufheben", "Annullare", "Anular"}},
    {15,
     {"Activate the assistance", "Activer l'assistance", "Beistand aktivieren",
      "Attivare l'assistenza", "Acelerar la asistencia"}},
    {16, {"Beginner", "Débutant", "Anfänger", "Esordendo", "Principiante"}},
    {17, {"Easy", "Facile", "Leicht", "Facile", "Fácil"}},
    {18, {"Means", "Moyen", "Mittel", "Mezzo", "Medio"}},
    {19, {"Advanced", "Avancé", "Fortgeschritten", "Avanzato", "Avanzado"}},
    {20, {"Difficult", "Difficile", "Schwer", "Difficile", "Difícil"}},
    {21, {"Expert", "Expert", "Experte", "Perito", "Experto"}},
    {22, {"Bravo !", "Bravo !", "Bravo !", "Applauso!", "¡ Bravo!"}},
    {30,
     {"Keyboard shortcuts :", "Raccourcis clavier :", "Kürze Tastatur :", "Accorcia tasteria :",
      "Teclas aceleradoras :"}},
    {31,
     {"F2 New railing             F4 Finish the railing     F3 Exit",
      "F2 Nouvelle Grille     F4 Finir la grille         F3 Quitter",
      "F2 Neu Gitter             F4 Gitter beenden      F3 Verlassen",
      "F2 Nuovo griglia         F4 Finire la griglia         F3 Lasciare",
      "F2 Nuevo verja         F4 Acabar la verja       F3 Irse"}}};

// The same languages, in the order of Spoken.
static const std::array<std::array<std::string_view, 5>, 12> kSpoken = {{
    {"Row %1, column %2", "Ligne %1, colonne %2", "Zeile %1, Spalte %2", "Riga %1, colonna %2",
     "Fila %1, columna %2"},
    {"wrong", "fausse", "falsch", "sbagliata", "incorrecta"},
    {"given", "donnée", "vorgegeben", "data", "dada"},
    {"right", "juste", "richtig", "giusta", "correcta"},
    {"revealed", "révélée", "aufgedeckt", "rivelata", "revelada"},
    {"corrected", "corrigée", "korrigiert", "corretta", "corregida"},
    {"Language", "Langue", "Sprache", "Lingua", "Idioma"},
    {"New grid", "Nouvelle grille", "Neues Gitter", "Nuova griglia", "Nueva cuadrícula"},
    {"About", "À propos", "Über", "Informazioni", "Acerca de"},
    {"Title picture: click for a new grid", "Image de titre : cliquez pour une nouvelle grille",
     "Titelbild: klicken für ein neues Gitter", "Immagine del titolo: clic per una nuova griglia",
     "Imagen del título: haga clic para una nueva cuadrícula"},
    {"Taremo", "Taremo", "Taremo", "Taremo", "Taremo"},
    {"Emblem: a red block of nine squares on black",
     "Emblème : un bloc rouge de neuf carrés sur du noir",
     "Emblem: ein roter Block aus neun Quadraten auf Schwarz",
     "Emblema: un blocco rosso di nove quadrati sul nero",
     "Emblema: un bloque rojo de nueve cuadrados sobre negro"},
}};

TEST(Traduction, EachTextWordForWordForTheExactCodesOnlyAndTheLevelLineMadeOfThem)
{
    for (int column = 0; column < 5; ++column) {
        const auto text = [column](int n) {
            return std::string(kTexts.contains(n) ? kTexts.at(n)[column] : "");
        };
        float langue = static_cast<float>(column + 1);
        for (std::int16_t number = -1; number <= 32; ++number)
            EXPECT_EQ(Traduction(langue, number), text(number)) << langue << " #" << number;
        for (std::size_t word = 0; word < kSpoken.size(); ++word)
            EXPECT_EQ(SpokenText(langue, static_cast<Spoken>(word)), kSpoken[word][column]) << word;
        gameState().Langue = langue; // each language's line at a difficulty of its own
        EXPECT_EQ(LevelLine(static_cast<std::int16_t>(column)),
                  text(13) + " " + text(16 + column) + std::string(7, ' ') + text(11));
    }
    for (float langue : {2.5f, 6.0f, std::nanf(""), std::nextafter(1.0f, 0.0f)}) {
        EXPECT_EQ(Traduction(langue, 1), "") << langue;
        EXPECT_EQ(SpokenText(langue, Spoken::Wrong), "wrong") << "English for assistive technology";
    }
    // Until a language is chosen, English, from the first text on.
    EXPECT_EQ(SpokenText(0.0f, Spoken::Wrong), "wrong");
    gameState().Langue = 0.0f;
    EXPECT_EQ(LevelLine(5), "Level Expert       Click in a compartment to have the answer");
    EXPECT_EQ(gameState().Langue, 1.0f) << "English from then on";
}

// The first of LC_ALL, LC_MESSAGES and LANG that is set, after the first language of LANGUAGE
// that the game knows, unless that locale is C.
TEST(DesktopLanguage, LocaleVariablesAreReadInTheCLibrarysOrder)
{
    for (int flag = 0; const char* locale : {"en_GB", "fr", "de_CH.UTF-8", "it_IT@euro", "ES"})
        EXPECT_EQ(flagOfLocale(locale), flag++);
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
