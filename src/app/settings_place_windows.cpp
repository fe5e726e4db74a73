// Windows side of the settings folder: %APPDATA%\Taremo, and write access found by creating
// a file that goes again when it is closed.
#include "app/settings_place.h"

#include <windows.h>

#include <string>

namespace taremo {

std::filesystem::path userSettingsFolder()
{
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    if (length == 0)
        return {};
    std::wstring value(length, L'\0');
    const DWORD written = GetEnvironmentVariableW(L"APPDATA", value.data(), length);
    if (written == 0 || written >= length)
        return {};
    value.resize(written);
    return std::filesystem::path(value) / L"Taremo";
}

bool playerMayWriteIn(const std::filesystem::path& dir)
{
    // The folder's read-only mark means nothing on Windows and its access list is hard to
    // judge by reading it; the answer of the file system itself is the sure one.
    const std::filesystem::path probe =
        dir / (L"taremo-" + std::to_wstring(GetCurrentProcessId()) + L".probe");
    const HANDLE file = CreateFileW(
        probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
        FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

} // namespace taremo
