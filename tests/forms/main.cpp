// Runs the form tests inside one QApplication, on a private desktop: Qt's offscreen platform on
// Linux; on Windows the system's own platform, which under wine draws on the X server the test
// run started for it.
#include "support/temp_dir.h"

#include <QApplication>

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#endif

namespace {

#ifdef _WIN32
// Web pages open with nothing in this user's registry, so that the rating link never starts a
// browser. Only wine's registry is the tests' own to change.
void forgetTheBrowser()
{
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        return;
    for (const wchar_t* type : {L"Software\\Classes\\.htm", L"Software\\Classes\\.html"}) {
        const wchar_t noProgram[] = L"TaremoTest.NoProgram";
        RegSetKeyValueW(HKEY_CURRENT_USER, type, nullptr, REG_SZ, noProgram, sizeof noProgram);
    }
}
#endif

} // namespace

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no desktop (the build lists them where there may be no display).
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    // Set before any test, as they are read once per process: a desktop that knows no browser,
    // so that the rating link never starts one; the player's settings folder lies here too.
    const taremo::test::TempDir desktop;
#ifdef _WIN32
    forgetTheBrowser();
    qputenv("APPDATA", desktop.path().string().c_str());
#else
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* name :
         {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
        qputenv(name, (desktop / name).c_str());
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
#endif
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
