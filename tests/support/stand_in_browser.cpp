// A stand-in for the player's browser in the Windows tests: writes how many arguments it was
// started with, then each of them on a line of its own, to "browser-args" beside itself.
#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string utf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

std::filesystem::path ownFolder()
{
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

} // namespace

int main()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr)
        return 1;
    const auto folder = ownFolder();
    {
        // Written aside and then moved into place, so the test never reads half of it.
        std::ofstream out(folder / "browser-args.tmp", std::ios::binary);
        out << count - 1 << '\n';
        for (int i = 1; i < count; ++i)
            out << utf8(arguments[i]) << '\n';
    }
    LocalFree(arguments);
    std::error_code error;
    std::filesystem::rename(folder / "browser-args.tmp", folder / "browser-args", error);
    return error ? 1 : 0;
}
