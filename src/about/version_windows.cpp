// Windows side of the version: read back from the executable's version resource, so the About
// box always agrees with what Explorer shows for taremo.exe.
#include "about/version.h"

#include <windows.h>
#include <winver.h> // the version calls, which the slim <windows.h> may leave out

#include <string>
#include <vector>

namespace taremo {

namespace {

// The executable's full path, or "" when it cannot be had.
std::wstring executablePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 6; ++attempt) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2); // truncated: try again with more room
    }
    return {};
}

} // namespace

VersionNumbers programVersion()
{
    const std::wstring path = executablePath();
    if (path.empty())
        return buildVersion();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return buildVersion();
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data()))
        return buildVersion();
    void* block = nullptr;
    UINT blockSize = 0;
    if (!VerQueryValueW(data.data(), L"\\", &block, &blockSize) || block == nullptr ||
        blockSize < sizeof(VS_FIXEDFILEINFO))
        return buildVersion();
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(block);
    return {HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
            LOWORD(info->dwFileVersionLS)};
}

} // namespace taremo
