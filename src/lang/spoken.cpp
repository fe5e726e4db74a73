// The words for assistive technology, one column per language.
#include "lang/spoken.h"

#include <array>
#include <string_view>

namespace taremo {

namespace {

using Row = std::array<std::string_view, 5>;

// In the order of Spoken, then by language code minus one. A cell is "la case" in French, "la
// casella" in Italian and "la casilla" in Spanish: the state words agree with it.
constexpr std::array<Row, 12> kSpoken = {{
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

} // namespace

std::string spokenText(float language, Spoken word)
{
    std::size_t column = 0;
    for (std::size_t code = 1; code <= 5; ++code) {
        if (language == static_cast<float>(code))
            column = code - 1;
    }
    return std::string(kSpoken.at(static_cast<std::size_t>(word)).at(column));
}

} // namespace taremo
