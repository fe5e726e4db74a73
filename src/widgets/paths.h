// Where the game was started from: the folder of the running executable.
#pragma once

#include <filesystem>

namespace taremo {

// The folder of the executable (never the working directory).
std::filesystem::path programDir();

} // namespace taremo
