// The rating link on Windows, against a stand-in browser registered for web pages in wine's
// private registry: the look-up through the temporary page, the address as one argument, and
// the messages when no browser is found or the one found no longer starts.
#include "about/rating_link.h"

#include "support/temp_dir.h"

#include <windows.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

namespace taremo {
namespace {

namespace fs = std::filesystem;
using namespace testing;

const std::string kOneArgument = std::string("1\n").append(kRatingAddress).append("\n");
const std::string kNoBrowser = "Browser Not Found: Could not find associated Browser";

auto said(LinkOutcome o) { return o.message ? o.message->title + ": " + o.message->text : ""; }

bool underWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

fs::path besideThisProgram(const wchar_t* name)
{
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path() / name;
}

// Sets the default value of a key under HKEY_CLASSES_ROOT, where the look-up reads (wine does
// not merge the user's classes into it).
void setClass(const std::wstring& key, const std::wstring& value)
{
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    RegCloseKey(handle);
}

class WindowsRatingLink : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!underWine())
            GTEST_SKIP() << "registers a stand-in browser for .htm: for wine's private registry only";
        fs::create_directories(m_game);
        fs::create_directories(m_browser.parent_path());
        fs::copy_file(besideThisProgram(L"stand_in_browser.exe"), m_browser);
        setClass(L".htm", L"TaremoTest.Page");
        setClass(L"TaremoTest.Page\\shell\\open\\command",
                 L"\"" + m_browser.wstring() + L"\" \"%1\"");
    }
    void TearDown() override
    {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"TaremoTest.Page");
    }
    std::string browserArguments() // it runs apart from the test: wait for it a little
    {
        const auto file = m_browser.parent_path() / "browser-args";
        for (int i = 0; i < 250 && !fs::exists(file); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const std::string arguments = readBytes(file);
        fs::remove(file);
        return arguments;
    }

    TempDir m_root;
    fs::path m_game = m_root / "game", m_page = m_game / kTempPageName;
    fs::path m_browser = m_root / "programs" / "stand in browser.exe";
    RatingLink m_link;
};

TEST_F(WindowsRatingLink, FindsAndStartsTheBrowserOrSaysWhyNot)
{
    EXPECT_EQ(said(m_link.open(m_game)), "");
    EXPECT_EQ(browserArguments(), kOneArgument);
    EXPECT_EQ(fs::path(m_link.browser()).filename(), m_browser.filename());
    EXPECT_FALSE(fs::exists(m_page));
    writeBytes(m_page, "mine"); // writing the page again would replace this
    EXPECT_EQ(said(m_link.open(m_game)), "");
    EXPECT_EQ(browserArguments(), kOneArgument);
    EXPECT_EQ(readBytes(m_page), "mine");
    fs::remove(m_page);

    fs::remove(m_browser); // the browser found on the first click no longer starts
    for (int click = 1; click <= 2; ++click)
        EXPECT_EQ(said(m_link.open(m_game)), "URL Failed: Web Page not Opened");

    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"TaremoTest.Page"); // nothing opens web pages any more
    RatingLink fresh;
    for (int click = 1; click <= 2; ++click) {
        EXPECT_EQ(said(fresh.open(m_game)), kNoBrowser);
        EXPECT_FALSE(fs::exists(m_page));
    }
}

} // namespace
} // namespace taremo
