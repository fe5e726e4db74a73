// The words the game gives assistive technology, in its five languages. They stand beside the
// numbered texts, which keep the numbers and words the players have always seen.
#pragma once

#include <string>

namespace taremo {

enum class Spoken {
    CellName, // "Row %1, column %2"
    Wrong,    // the states a cell's name adds
    Given,
    Right,
    Revealed,
    Corrected,
    LanguageDialog, // the dialogs, which show no caption
    NewGridDialog,
    AboutBox,
    TitlePicture, // the pictures
    AboutTitle,
    AboutEmblem,
};

// `word` in the language of code `language` (1 English, 2 French, 3 German, 4 Italian,
// 5 Spanish), UTF-8; English for any other code.
std::string spokenText(float language, Spoken word);

} // namespace taremo
