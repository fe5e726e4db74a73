// Where the game keeps its files: the folder of the running executable.
#pragma once

#include <filesystem>

namespace taremo {

// The folder of the executable (never the working directory), or the one set for tests.
std::filesystem::path programDir();

// Points programDir() elsewhere; an empty path restores the executable's folder.
void setProgramDir(const std::filesystem::path& dir);

} // namespace taremo
