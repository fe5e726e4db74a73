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

namespace {

// The folder's full name, with backslashes and no closing one.
std::wstring fullName(const std::filesystem::path& folder)
{
    const std::wstring given = folder.wstring();
    std::wstring full(GetFullPathNameW(given.c_str(), 0, nullptr, nullptr), L'\0');
    full.resize(full.empty()
                    ? 0
                    : GetFullPathNameW(given.c_str(), DWORD(full.size()), full.data(), nullptr));
    while (full.size() > 3 && full.back() == L'\\')
        full.pop_back();
    return full;
}

// Windows names are the same folder whatever their letters' case.
bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b)
{
    const std::wstring first = fullName(a), second = fullName(b);
    return !first.empty() && CompareStringOrdinal(first.c_str(), int(first.size()), second.c_str(),
                                                  int(second.size()), TRUE) == CSTR_EQUAL;
}

} // namespace

// The installer keeps HKEY_CURRENT_USER\Software\Taremo\InstallFolder while the game is
// installed; an uninstall takes it away with the game.
bool installerPutGameIn(const std::filesystem::path& programDir)
{
    DWORD bytes = 0;
    const wchar_t* key = L"Software\\Taremo";
    if (RegGetValueW(HKEY_CURRENT_USER, key, L"InstallFolder", RRF_RT_REG_SZ, nullptr, nullptr,
                     &bytes) != ERROR_SUCCESS ||
        bytes < sizeof(wchar_t))
        return false;
    std::wstring folder(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, key, L"InstallFolder", RRF_RT_REG_SZ, nullptr,
                     folder.data(), &bytes) != ERROR_SUCCESS)
        return false;
    folder.resize(wcsnlen(folder.c_str(), folder.size()));
    return !folder.empty() && sameFolder(folder, programDir);
}

} // namespace taremo
