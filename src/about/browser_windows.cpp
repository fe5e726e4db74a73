// Windows side of the browser calls: the shell's association for the temporary page, then
// ShellExecute on the address. The wide calls take every path whole, whatever characters the
// player's folders hold; the game's own texts are UTF-8 and become UTF-16 only here.
#include "about/browser.h"

#include <windows.h>
#include <shellapi.h>

namespace taremo {

namespace {

std::wstring toWide(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string toUtf8(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

bool shellSucceeded(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

} // namespace

std::string findBrowserFor(const std::filesystem::path& htmlFile)
{
    // The shell writes at most MAX_PATH characters and a zero; the rest stays blank.
    std::wstring buffer(MAX_PATH + 1, L' ');
    if (!shellSucceeded(FindExecutableW(htmlFile.c_str(), nullptr, buffer.data())))
        return {};
    if (const auto end = buffer.find(L'\0'); end != std::wstring::npos)
        buffer.resize(end);
    const auto first = buffer.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return {};
    return toUtf8(buffer.substr(first, buffer.find_last_not_of(L" \t") - first + 1));
}

bool startBrowser(const std::string& browser, const std::string& address, std::uintptr_t owner)
{
    const std::wstring program = toWide(browser);
    // Quoted, the address stays one argument whatever it holds (it has a space).
    const std::wstring argument = L"\"" + toWide(address) + L"\"";
    // The owner's handle comes through the core as the number the toolkit gives it.
    const auto window = reinterpret_cast<HWND>(owner); // NOLINT(performance-no-int-to-ptr)
    return shellSucceeded(
        ShellExecuteW(window, L"open", program.c_str(), argument.c_str(), nullptr, SW_SHOWNORMAL));
}

} // namespace taremo
