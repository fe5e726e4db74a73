// The numbered texts of the game in its five languages.
#pragma once

#include <cstdint>
#include <string>

namespace taremo {

// Text `number` in the language of code `language` (1 English, 2 French, 3 German, 4 Italian,
// 5 Spanish), UTF-8. A code of 0 becomes 1 and stays so. Any other code than exactly 1.0 to
// 5.0, and any number without a text, gives "".
std::string Traduction(float& language, std::int16_t number);

// The level line under the board for difficulty `position` (0..5) in the language of code
// `language`: text 13, the difficulty's name (texts 16 to 21), then the hint (text 11).
std::string levelLine(float& language, std::int16_t position);

} // namespace taremo
