// The few file-system calls that differ between Windows and Linux.
#pragma once

#include <filesystem>

namespace taremo::fileops {

// Whether the platform treats `file` as hidden or a system file (such files count as absent).
bool IsHiddenOrSystem(const std::filesystem::path& file);

// Whether the file or folder is marked read-only (no write permission for its owner).
bool IsMarkedReadOnly(const std::filesystem::path& path);

} // namespace taremo::fileops
