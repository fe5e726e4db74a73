// The few values that every window of the game shares.
#pragma once

#include <cstdint>

namespace taremo {

// The game's Booleans are 16-bit: True is -1, False is 0.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

struct GameState {
    std::int16_t NumGrille = 0;           // grid in play, 1..250; 0 before the first grid
    std::int16_t NiveauChoisi = 0;        // list position of the difficulty last chosen, 0..5
    std::int16_t SansAssistance = kFalse; // kTrue when the player switched assistance off
    float Langue = 0.0f;                  // language code 1..5; 0 until one is known
};

} // namespace taremo
