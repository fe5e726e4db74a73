// The About box's version, and the rating link against a private desktop with a stand-in
// browser, each run in a process of its own, as GIO reads the desktop's folders once per process.
#include "about/rating_link.h"
#include "about/version.h"

#include "support/temp_dir.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include <gtest/gtest.h>

namespace taremo {
namespace {

TEST(Version, MinorAndRevisionFollowTheDotUnpadded)
{
    EXPECT_EQ(formatVersion(1, 0, 12), "1.012");
    EXPECT_EQ(formatVersion(10, 12, 0), "10.120");
    const auto version = programVersion();
#ifdef _WIN32
    // Read from this program's own version resource, which differs from the game's.
    EXPECT_EQ(formatVersion(version.major, version.minor, version.revision), "1.012");
#else
    // The build's own numbers, 2.5.7.
    EXPECT_EQ(formatVersion(version.major, version.minor, version.revision), "2.57");
#endif
}

#ifndef _WIN32 // the private desktop is a Linux one and its browser a shell script
namespace fs = std::filesystem;
using namespace testing;

const std::string kNoBrowser = "Browser Not Found: Could not find associated Browser";
const std::string kNotOpened = "URL Failed: Web Page not Opened";
// The rating page as the browser must get it: one argument, its space as it stands.
const std::string kAddress = "http://www.example.com/vote.asp?I=4127&L=Taremo Pro";

class RatingLinkTest : public ::testing::Test {
protected:
    RatingLinkTest()
    {
        fs::create_directories(m_game);
        fs::create_directories(m_root / "config");
        // The system's content types, without the system's programs.
        fs::create_directories(m_root / "system");
        fs::create_directory_symlink("/usr/share/mime", m_root / "system" / "mime");
        // Records its arguments, one a line after their count, and the wrapper's variable.
        fs::permissions(writeBytes(m_browser, "#!/bin/sh\nprintf '%s\\n' \"$WRAPPED\" $# \"$@\""
                                              " > \"$0.$$\"; mv \"$0.$$\" \"$0.args\"\n"),
                        fs::perms(0755));
    }

    // A desktop entry for the stand-in browser, for the given types, run as `exec` says.
    void installBrowser(const std::string& exec, const std::string& types = "text/html;")
    {
        writeBytes(m_root / "data/applications/stand-in.desktop",
                   "[Desktop Entry]\nType=Application\nName=Stand-in\nExec=" + exec +
                       "\nMimeType=" + types + "\n");
    }
    void setDefault(const std::string& type)
    {
        writeBytes(m_root / "config/mimeapps.list",
                   "[Default Applications]\n" + type + "=stand-in.desktop\n");
    }

    // Runs the steps in a fresh process against the private desktop; one line a click.
    std::string run(const std::string& steps)
    {
        const std::string command =
            "env -u DISPLAY -u WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent"
            " XDG_DATA_HOME='" + (m_root / "data").string() + "' XDG_DATA_DIRS='" +
            (m_root / "system").string() + "' XDG_CONFIG_HOME='" + (m_root / "config").string() +
            "' XDG_CONFIG_DIRS='" + (m_root / "none").string() + "' '" TAREMO_OPEN_LINK "' '" +
            m_game.string() + "' " + steps;
        std::string output;
        if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
            char buffer[256];
            while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
                output += buffer;
            ::pclose(pipe);
        }
        return output;
    }
    std::string browserArguments() // it runs detached: wait for it a little
    {
        const fs::path args = m_browser.string() + ".args";
        for (int i = 0; i < 250 && !fs::exists(args); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const std::string arguments = readBytes(args);
        fs::remove(args);
        return arguments;
    }

    TempDir m_root;
    fs::path m_game = m_root / "game", m_page = m_game / kTempPageName;
    fs::path m_browser = m_root / "bin" / "stand-in browser";
};

TEST_F(RatingLinkTest, WrappedBrowserGetsTheAddressAsItsLastSingleArgumentAndIsFoundOnce)
{
    installBrowser("env WRAPPED=yes \"" + m_browser.string() + "\" --new-window %u");
    setDefault("text/html");
    // The second click must not write the page again, which would replace the player's file.
    EXPECT_EQ(run("click plant click"), "opened\nopened\n");
    const std::string once = std::string("yes\n2\n--new-window\n") + kAddress + "\n";
    EXPECT_EQ(browserArguments(), once);
    EXPECT_EQ(readBytes(m_page), "mine");
    fs::remove(m_page);
    EXPECT_EQ(run("click"), "opened\n");
    EXPECT_EQ(browserArguments(), once);
    EXPECT_FALSE(fs::exists(fs::symlink_status(m_page)));
}

TEST_F(RatingLinkTest, WithoutAWebPageHandlerTheHttpHandlerOpensTheAddress)
{
    installBrowser("'" + m_browser.string() + "' %U", "x-scheme-handler/http;");
    setDefault("x-scheme-handler/http");
    EXPECT_EQ(run("click"), "opened\n");
    EXPECT_EQ(browserArguments(), std::string("\n1\n") + kAddress + "\n");
}

TEST_F(RatingLinkTest, NoHandlerNoPageOrAProgramGoneIsToldAndTriedAgainOnTheNextClick)
{
    // After a failed look-up the next click writes the page afresh, over the planted file.
    EXPECT_EQ(run("click plant click"), kNoBrowser + "\n" + kNoBrowser + "\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(m_page)));
    installBrowser("'" + m_browser.string() + "' %u");
    setDefault("text/html");
    fs::create_directories(m_page); // nothing can be written at its name
    EXPECT_EQ(run("click"), kNoBrowser + "\n");
    fs::remove(m_page);
    const std::string gone = "wait='" + m_browser.string() + ".args' rm='" + m_browser.string() + "'";
    EXPECT_EQ(run("click " + gone + " click click"),
              "opened\n" + kNotOpened + "\n" + kNotOpened + "\n");
    EXPECT_EQ(browserArguments(), std::string("\n1\n") + kAddress + "\n");
    EXPECT_EQ(run("click"), kNoBrowser + "\n") << "the program has gone";
}

#endif
} // namespace
} // namespace taremo
