// The rating link against a stand-in browser on a private desktop: GIO's folders on Linux,
// wine's registry on Windows. The same clicks come to the same outcomes on both, in folders
// whose names no 8-bit code page holds whole, the first of them not made yet.
#include "about/rating_link.h"

#include "support/temp_dir.h"

#include <chrono>
#include <thread>
#include <utility>

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace taremo;

namespace fs = std::filesystem;
using namespace std::string_literals;

enum Step { Click, Plant, RemoveBrowser };

// One test, as wine's registry is one for all the tests it runs at once.
TEST(RatingLink, TheBrowserFoundAtTheFirstClickGetsEachClicksAddress)
{
    test::TempDir root;
    // Not made yet, as the player's own settings folder before the first save.
    fs::path game = root.path() / u8"Łódź 東京";
    const fs::path page = game / kTempPageName, programs = root.path() / u8"Programy Ł 東";
#ifdef _WIN32
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        GTEST_SKIP() << "registers a stand-in browser for web pages: in wine's registry only";
    const fs::path browser = programs / "stand-in browser.exe";
    wchar_t self[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    fs::create_directories(programs);
    fs::copy_file(fs::path(self).parent_path() / "stand_in_browser.exe", browser);
    // The default value of a key under HKEY_CLASSES_ROOT, where the look-up reads.
    const auto setClass = [](const wchar_t* key, const std::wstring& value) {
        const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
        RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(), bytes);
    };
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"TaremoTest.Page"); // whatever an earlier run left
    setClass(L".htm", L"TaremoTest.Page");
    const auto installBrowser = [&](const char*, const char*) {
        setClass(L"TaremoTest.Page\\shell\\open\\command",
                 L"\"" + browser.wstring() + L"\" \"%1\"");
    };
#else
    // Writes its arguments, one a line after their count, to "browser-args" beside itself.
    const fs::path browser = test::writeBytes(programs / "stand-in browser",
                                              "#!/bin/sh\nprintf '%s\\n' $# \"$@\" > \"$0.$$\"\n"
                                              "mv \"$0.$$\" \"${0%/*}/browser-args\"\n");
    fs::permissions(browser, fs::perms(0755));
    // This desktop knows a web page by its content alone: the page must say what it is.
    test::writeBytes(root / "system/mime/magic",
                     "MIME-Magic\0\n[50:text/html]\n>0=\0\5<HTML+64\n"s);
    // The stand-in as the program for `type`, started through `wrapper` ("env " or none).
    const auto installBrowser = [&](const std::string& type, const std::string& wrapper) {
        test::writeBytes(root / "data/applications/stand-in.desktop",
                         "[Desktop Entry]\nType=Application\nName=Stand-in\nExec=" + wrapper + "'" +
                             browser.string() + "' %u\nMimeType=" + type + ";\n");
        test::writeBytes(root / "config/mimeapps.list",
                         "[Default Applications]\n" + type + "=stand-in.desktop\n");
    };
#endif
    // What the steps come to with a new link, each "opened" followed by what the browser got.
    // On Linux they run in a process of their own, whose GIO reads the private desktop afresh.
    const auto withNewLink = [&](std::initializer_list<Step> steps) {
        const fs::path said = root / "said", arguments = browser.parent_path() / "browser-args";
        fs::remove(said);
#ifndef _WIN32
        if (const pid_t child = ::fork(); child != 0) {
            ::waitpid(child, nullptr, 0);
            return test::readBytes(said);
        }
        ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent", 1);
        for (const auto& [name, folder] : {std::pair{"XDG_DATA_HOME", "data"},
                                           {"XDG_DATA_DIRS", "system"},
                                           {"XDG_CONFIG_HOME", "config"},
                                           {"XDG_CONFIG_DIRS", "none"}})
            ::setenv(name, (root / folder).c_str(), 1);
#endif
        RatingLink link;
        std::string text;
        for (const Step step : steps) {
            if (step == Plant) {
                test::writeBytes(page, "mine");
            } else if (step == RemoveBrowser) {
                // Once the browser that ran has quit: Windows keeps a running program's file.
                std::error_code running;
                for (int i = 0; i < 500 && !fs::remove(browser, running) && running; ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
            } else if (const LinkOutcome outcome = link.open(game, 0); outcome.message) {
                text += outcome.message->title + ": " + outcome.message->text + "\n";
            } else { // the browser runs apart from the link: wait for it a little
                for (int i = 0; i < 250 && !fs::exists(arguments); ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                text += "opened\n" + test::readBytes(arguments);
                fs::remove(arguments);
            }
        }
        test::writeBytes(said, text);
#ifndef _WIN32
        ::_exit(0);
#endif
        return text;
    };
    const std::string opened = "opened\n1\nhttp://www.example.com/vote.asp?I=4127&L=Taremo Pro\n";

    const std::string notFound = "Browser Not Found: Could not find associated Browser\n";
    EXPECT_EQ(withNewLink({Click}), notFound);
    installBrowser("text/html", "env ");
    const auto precious = test::writeBytes(root / "precious", "keep");
    // A settings folder that cannot be made, under a file: no page, so no browser.
    const fs::path settings = std::exchange(game, precious / "folder");
    EXPECT_EQ(withNewLink({Click}), notFound);
    game = settings;
#ifndef _WIN32 // a link planted at the page's name is replaced, never written through
    fs::create_symlink(precious, page);
#endif
    // Found once: the second click must not write the page again over the player's file.
    EXPECT_EQ(withNewLink({Click, Plant, Click}), opened + opened);
    EXPECT_EQ(test::readBytes(page), "mine");
    EXPECT_EQ(test::readBytes(precious), "keep");
#ifndef _WIN32 // without a program for web pages, the one for http addresses
    installBrowser("x-scheme-handler/http", "");
#endif
    // A browser gone since the look-up stays the one known, and the link says it failed.
    EXPECT_EQ(withNewLink({Click, RemoveBrowser, Click, Click}),
              opened + "URL Failed: Web Page not Opened\nURL Failed: Web Page not Opened\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(page))) << "the page was left";
}
