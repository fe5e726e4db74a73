// Where the two settings files live: beside the executable when that folder is the player's
// to write, otherwise in a settings folder of the player's own.
#pragma once

#include <filesystem>

namespace taremo {

// The name of the game's desktop metadata; an installed copy has it in ../share/metainfo.
inline constexpr const char* kAppId = "org.taremo.Taremo";

// The folder that holds start.ini and niveau.ini for a game whose executable is in
// `programDir` (see settings_place.cpp for the rule).
std::filesystem::path settingsFolder(const std::filesystem::path& programDir);

// The player's own settings folder: $XDG_CONFIG_HOME/taremo (by default ~/.config/taremo) on
// Linux, %APPDATA%\Taremo on Windows; "" when the system names none. It may not exist yet.
std::filesystem::path userSettingsFolder();

// Whether the player may create and remove files in the folder `dir` (platform side).
bool playerMayWriteIn(const std::filesystem::path& dir);

// Whether the game's installer put the game in `programDir` for this player (platform side):
// on Windows the installer records its folder in the player's registry; on Linux the
// package's metadata is the sign, and this is always false.
bool installerPutGameIn(const std::filesystem::path& programDir);

} // namespace taremo
