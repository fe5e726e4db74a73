// Runs the form tests inside one QApplication on the offscreen platform, on a private desktop.
#include "support/temp_dir.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// Set up before any test, as GIO reads them once per process: "web" opens web pages, where each
// test's PATH lets it; the player's settings folder lies here too.
void privateDesktop(const taremo::test::TempDir& desktop)
{
    using taremo::test::writeBytes;
    writeBytes(desktop / "data/applications/web.desktop",
               "[Desktop Entry]\nType=Application\nName=Web\nExec=web %u\nMimeType=text/html;\n");
    writeBytes(desktop / "config/mimeapps.list", "[Default Applications]\ntext/html=web.desktop\n");
    std::filesystem::create_directories(desktop / "system");
    std::filesystem::create_directory_symlink("/usr/share/mime", desktop / "system/mime");
    qputenv("XDG_DATA_HOME", (desktop / "data").c_str());
    qputenv("XDG_DATA_DIRS", (desktop / "system").c_str());
    qputenv("XDG_CONFIG_HOME", (desktop / "config").c_str());
    qputenv("XDG_CONFIG_DIRS", (desktop / "none").c_str());
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const taremo::test::TempDir desktop;
    privateDesktop(desktop);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
