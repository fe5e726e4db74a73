// Windows side of the file-system calls: the hidden, system and read-only marks are the file's
// attributes.
#include "app/file_ops.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace taremo::fileops {
namespace {

// The file's attributes, or INVALID_FILE_ATTRIBUTES when it cannot be examined.
DWORD attributesOf(const std::filesystem::path& path)
{
    return GetFileAttributesW(path.c_str());
}

} // namespace

bool IsHiddenOrSystem(const std::filesystem::path& file)
{
    const DWORD attributes = attributesOf(file);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}

bool IsMarkedReadOnly(const std::filesystem::path& path)
{
    const DWORD attributes = attributesOf(path);
    // Windows ignores the read-only mark on folders when writing into them (Explorer sets it on
    // customised folders), so only a file's mark counts.
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

} // namespace taremo::fileops
