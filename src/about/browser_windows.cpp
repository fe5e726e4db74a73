// Windows side of the browser calls: the shell's association for the temporary page, then
// ShellExecute on the address. The shell's ANSI calls take text in the ANSI code page.
#include "about/browser.h"

#include <windows.h>
#include <shellapi.h>

namespace taremo {

namespace {

std::wstring widen(const std::string& text, UINT codePage)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string narrow(const std::wstring& wide, UINT codePage)
{
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

std::string toAnsi(const std::string& utf8) { return narrow(widen(utf8, CP_UTF8), CP_ACP); }
std::string fromAnsi(const std::string& ansi) { return narrow(widen(ansi, CP_ACP), CP_UTF8); }

bool shellSucceeded(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

} // namespace

std::string findBrowserFor(const std::filesystem::path& htmlFile)
{
    // The ANSI call is the one the game has always made, and it has a limit: a folder whose name
    // has characters outside the ANSI code page comes out with "?" in their place, so the page
    // is not found and the player is told there is no browser. The wide call would lift it.
    const std::string file = narrow(htmlFile.native(), CP_ACP);
    std::string buffer(MAX_PATH + 1, ' ');
    if (!shellSucceeded(FindExecutableA(file.c_str(), nullptr, buffer.data())))
        return {};
    buffer.resize(buffer.find('\0') == std::string::npos ? buffer.size() : buffer.find('\0'));
    const auto first = buffer.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return fromAnsi(buffer.substr(first, buffer.find_last_not_of(" \t") - first + 1));
}

bool startBrowser(const std::string& browser, const std::string& address)
{
    const std::string program = toAnsi(browser);
    // Quoted, the address stays one argument whatever it holds (it has a space).
    std::string argument(1, '"');
    argument.append(toAnsi(address)).push_back('"');
    const auto owner = reinterpret_cast<HWND>(browserOwner());
    return shellSucceeded(
        ShellExecuteA(owner, "open", program.c_str(), argument.c_str(), nullptr, SW_SHOWNORMAL));
}

} // namespace taremo
