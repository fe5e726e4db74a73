// The catalogue of the game's numbered texts, one column per language.
#include "lang/texts.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace taremo {

namespace {

constexpr std::size_t kLanguageCount = 5; // 1 English, 2 French, 3 German, 4 Italian, 5 Spanish
constexpr std::int16_t kLastNumber = 31;

using Row = std::array<std::string_view, kLanguageCount>;

// Indexed by text number, then by language code minus one. Numbers left empty have no text;
// row 0 is never looked up but keeps the index equal to the number.
constexpr std::array<Row, kLastNumber + 1> kTexts = [] {
    std::array<Row, kLastNumber + 1> t{};
    t[1] = {"&File", "&Fichier", "&Datei", "&Schedario", "&Fichero"};
    t[2] = {"New", "Nouveau", "Neu", "Nuovo", "Nuevo"};
    t[3] = {"Finish the railing", "Finir la grille", "Gitter beenden", "Finire la griglia",
            "Acabar la verja"};
    t[4] = {"Exit", "Quitter", "Verlassen", "Lasciare", "Irse"};
    t[6] = {"&Help", "&Aide", "&Helf", "&Aiuto", "&Ayuda"};
    // The English column really does read "Réponse": the players have always seen it so.
    t[7] = {"Réponse", "Réponse", "Antwort", "risposta", "Respuesta"};
    t[8] = {"&About", "A &propos", "&Bezüglich", "A &proposito", "A &propósito"};
    t[9] = {"TAREMO", "de TAREMO", "TAREMO", "di TAREMO", "de TAREMO"};
    t[11] = {"Click in a compartment to have the answer",
             "click dans une case pour avoir la réponse", "Click in einem Feld für die Antwort",
             "click in una capanna per avere la risposta",
             "Click en un compartimiento para tener la respuesta"};
    t[12] = {"Difficulty", "Difficulté", "Schwierigkeit", "Difficoltà", "Dificultad"};
    t[13] = {"Level", "Niveau", "Niveau", "Livello", "Nivel"};
    t[14] = {"Cancel", "Annuler", "Aufheben", "Annullare", "Anular"};
    t[15] = {"Activate the assistance", "Activer l'assistance", "Beistand aktivieren",
             "Attivare l'assistenza", "Acelerar la asistencia"};
    t[16] = {"Beginner", "Débutant", "Anfänger", "Esordendo", "Principiante"};
    t[17] = {"Easy", "Facile", "Leicht", "Facile", "Fácil"};
    t[18] = {"Means", "Moyen", "Mittel", "Mezzo", "Medio"};
    t[19] = {"Advanced", "Avancé", "Fortgeschritten", "Avanzato", "Avanzado"};
    t[20] = {"Difficult", "Difficile", "Schwer", "Difficile", "Difícil"};
    t[21] = {"Expert", "Expert", "Experte", "Perito", "Experto"};
    t[22] = {"Bravo !", "Bravo !", "Bravo !", "Applauso!", "¡ Bravo!"};
    t[30] = {"Keyboard shortcuts :", "Raccourcis clavier :", "Kürze Tastatur :",
             "Accorcia tasteria :", "Teclas aceleradoras :"};
    // The shortcut line is laid out with spaces, so each run stands alone with its count.
    t[31] = {"F2 New railing"
             "             " // 13
             "F4 Finish the railing"
             "     " // 5
             "F3 Exit",
             "F2 Nouvelle Grille"
             "     " // 5
             "F4 Finir la grille"
             "         " // 9
             "F3 Quitter",
             "F2 Neu Gitter"
             "             " // 13
             "F4 Gitter beenden"
             "      " // 6
             "F3 Verlassen",
             "F2 Nuovo griglia"
             "         " // 9
             "F4 Finire la griglia"
             "         " // 9
             "F3 Lasciare",
             "F2 Nuevo verja"
             "         " // 9
             "F4 Acabar la verja"
             "       " // 7
             "F3 Irse"};
    return t;
}();

} // namespace

std::string Traduction(float& language, std::int16_t number)
{
    // A game that has not chosen yet speaks English from here on.
    if (language == 0.0f) {
        language = 1.0f;
    }
    // Only the exact codes name a language; 2.5 or NaN is no language at all, not a near one.
    std::size_t column = kLanguageCount;
    for (std::size_t code = 1; code <= kLanguageCount; ++code) {
        if (language == static_cast<float>(code)) {
            column = code - 1;
        }
    }
    if (column == kLanguageCount) {
        return {};
    }
    if (number < 1 || number > kLastNumber) {
        return {};
    }
    return std::string(kTexts[static_cast<std::size_t>(number)][column]);
}

std::string levelLine(float& language, std::int16_t position)
{
    const auto name = static_cast<std::int16_t>(16 + position);
    return Traduction(language, 13) + " " + Traduction(language, name) + std::string(7, ' ') +
           Traduction(language, 11);
}

} // namespace taremo
