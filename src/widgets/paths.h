// Where the game keeps its files: the folder of the running executable, and the folder of
// its settings.
#pragma once

#include <filesystem>

namespace taremo {

// The folder of the executable (never the working directory), or the one set for tests.
std::filesystem::path programDir();

// Points programDir() elsewhere; an empty path restores the executable's folder.
void setProgramDir(const std::filesystem::path& dir);

// The folder of start.ini, niveau.ini and the rating link's temporary page: programDir() for
// a copy the player may write to, the player's own settings folder otherwise.
std::filesystem::path settingsDir();

} // namespace taremo
