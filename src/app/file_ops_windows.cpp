// Windows side of the file-system calls: the hidden, system and read-only marks are the file's
// attributes, and new files come from the system's own exclusive create.
#include "app/file_ops.h"

#include <windows.h>

#include <algorithm>

namespace taremo::fileops {
namespace {

// The file's attributes, or INVALID_FILE_ATTRIBUTES when it cannot be examined.
DWORD attributesOf(const std::filesystem::path& path) { return GetFileAttributesW(path.c_str()); }

} // namespace

bool isHiddenOrSystem(const std::filesystem::path& file)
{
    const DWORD attributes = attributesOf(file);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}

bool isMarkedReadOnly(const std::filesystem::path& path)
{
    const DWORD attributes = attributesOf(path);
    // Windows ignores the read-only mark on folders when writing into them (Explorer sets it on
    // customised folders), so only a file's mark counts.
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool createNewFile(const std::filesystem::path& file, std::string_view bytes)
{
    // The C runtime MinGW links (msvcrt) has no "x" mode for fopen, so ask the system directly.
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    while (ok && !bytes.empty()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        ok = WriteFile(handle, bytes.data(), chunk, &written, nullptr) && written > 0;
        bytes.remove_prefix(written);
    }
    return CloseHandle(handle) && ok;
}

} // namespace taremo::fileops
