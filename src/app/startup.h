// The start routine: restores the stored choices and decides which window comes first.
#pragma once

#include "app/game_state.h"

#include <filesystem>

namespace taremo {

inline constexpr const char* kStartIni = "start.ini";
inline constexpr const char* kStartSection = "LastOpen";
inline constexpr const char* kStartKey = "Language";
inline constexpr const char* kLevelIni = "niveau.ini";
inline constexpr const char* kLevelSection = "Niveau";
inline constexpr const char* kLevelKey = "NiveauChoisi";

enum class FirstWindow { Main, Language };

// Reads niveau.ini and start.ini of the settings folder `settingsDir` into `state` and tells
// which window to show: the main window when start.ini exists, the language dialog otherwise.
// A stored language other than 1 to 5 is left unread, so the game opens in English.
// When the settings folder is not the game's folder `gameDir` (a copy the player may not write
// to), a file the settings folder does not hold yet is read from the game's folder instead.
FirstWindow Main(const std::filesystem::path& settingsDir, GameState& state,
                 const std::filesystem::path& gameDir = {});

// Rewrites niveau.ini with state.NiveauChoisi (done when the main window closes).
bool saveLevel(const std::filesystem::path& programDir, const GameState& state);

// Rewrites start.ini with the language code `language` (done on each choice of a language).
bool saveLanguage(const std::filesystem::path& programDir, float language);

} // namespace taremo
