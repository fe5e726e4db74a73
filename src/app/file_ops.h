// The few file-system calls that differ between Windows and Linux.
#pragma once

#include <filesystem>
#include <string_view>

namespace taremo::fileops {

// Whether the platform treats `file` as hidden or a system file (such files count as absent).
bool isHiddenOrSystem(const std::filesystem::path& file);

// Whether the file or folder is marked read-only (no write permission for its owner).
bool isMarkedReadOnly(const std::filesystem::path& path);

// Creates `file`, which must not exist yet, and writes `bytes` into it. Fails, touching
// nothing, when anything already holds that name, a symbolic link included; a write that
// fails after the creation leaves the file behind for the caller to remove.
bool createNewFile(const std::filesystem::path& file, std::string_view bytes);

} // namespace taremo::fileops
