// A stand-in for the player's browser in the Windows tests: writes how many arguments it was
// started with, then each of them on a line of its own, to "browser-args" beside itself.
#include <windows.h>

#include <shellapi.h>

#include <filesystem>
#include <fstream>

int main()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    // The shell starts it by a full path, its first argument.
    const auto folder = std::filesystem::path(arguments[0]).parent_path();
    {
        // Written aside and then moved into place, so the test never reads half of it.
        std::ofstream out(folder / "browser-args.tmp", std::ios::binary);
        out << count - 1 << '\n';
        for (int i = 1; i < count; ++i)
            out << std::filesystem::path(arguments[i]).string() << '\n';
    }
    std::error_code error;
    std::filesystem::rename(folder / "browser-args.tmp", folder / "browser-args", error);
    return error ? 1 : 0;
}
