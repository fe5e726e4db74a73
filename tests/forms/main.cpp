// Runs the form tests inside one QApplication on the offscreen platform, on a private desktop.
#include "support/temp_dir.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Set before any test, as GIO reads them once per process: a desktop that knows no browser,
    // so that the rating link never starts one; the player's settings folder lies here too.
    const taremo::test::TempDir desktop;
    for (const char* name :
         {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
        qputenv(name, (desktop / name).c_str());
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
