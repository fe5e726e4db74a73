// The rating link against a stand-in desktop: a fake xdg-mime, a desktop entry and a browser.
#include "about/rating_link.h"

#include "support/temp_dir.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include <gtest/gtest.h>

namespace taremo {
namespace {

namespace fs = std::filesystem;
using namespace testing;

// One argument, the space left as it is.
const std::string kOneArgument = "1\nhttp://www.example.com/vote.asp?I=4127&L=Taremo Pro\n";
const std::string kNoBrowser = "Browser Not Found: Could not find associated Browser";

auto said(LinkOutcome o) { return o.message ? o.message->title + ": " + o.message->text : ""; }

std::string env(const char* name) { return std::getenv(name) ? std::getenv(name) : ""; }

class RatingLinkTest : public ::testing::Test {
protected:
    RatingLinkTest()
    {
        ::setenv("PATH", m_bin.string().append(":").append(m_oldPath).c_str(), 1);
        ::setenv("XDG_DATA_HOME", m_root.path().c_str(), 1);
        fs::create_directories(m_game);
        writeBytes(m_entry, "[Desktop Entry]\nExec=\"fake browser\" --new-window %u\n");
        const auto script = [this](const char* name, std::string body) {
            body.insert(0, "#!/bin/sh\ncd \"$XDG_DATA_HOME\"\n");
            fs::permissions(writeBytes(m_bin / name, body), fs::perms(0755));
        };
        // xdg-mime keeps the page it is shown and counts the look-ups of the browser.
        script("xdg-mime", R"(if [ "$2" = filetype ]; then cp "$3" seen-page; echo text/html
else printf x >> look-ups; echo fakebrowser.desktop; fi)");
        script("fake browser", R"(printf '%s\n' $# "$@" > args.tmp; mv args.tmp browser-args)");
    }
    ~RatingLinkTest() override
    {
        ::setenv("PATH", m_oldPath.c_str(), 1);
        ::setenv("XDG_DATA_HOME", m_oldHome.c_str(), 1); // empty counts as unset
    }
    int lookUps() const { return static_cast<int>(readBytes(m_root / "look-ups").size()); }
    std::string browserArguments() // it runs detached: wait for it a little
    {
        for (int i = 0; i < 250 && !fs::exists(m_root / "browser-args"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const std::string arguments = readBytes(m_root / "browser-args");
        fs::remove(m_root / "browser-args");
        return arguments;
    }

    const std::string m_oldPath = env("PATH"), m_oldHome = env("XDG_DATA_HOME");
    TempDir m_root;
    fs::path m_bin = m_root / "bin", m_game = m_root / "game", m_page = m_game / kTempPageName;
    fs::path m_entry = m_root / "applications" / "fakebrowser.desktop";
    RatingLink m_link;
};

TEST_F(RatingLinkTest, FirstClickFindsTheBrowserThroughATemporaryPageThatLaterClicksSkip)
{
    EXPECT_EQ(said(m_link.open(m_game)), "");
    EXPECT_EQ(browserArguments(), kOneArgument);
    EXPECT_EQ(readBytes(m_root / "seen-page"), "\"<HTML> <\\HTML>\"\r\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(m_page)));
    writeBytes(m_page, "mine"); // writing the page again would replace this
    EXPECT_EQ(said(m_link.open(m_game)), "");
    EXPECT_EQ(browserArguments(), kOneArgument);
    EXPECT_EQ(readBytes(m_page), "mine");

    fs::remove(m_bin / "fake browser"); // the browser found on the first click no longer starts
    for (int click = 1; click <= 2; ++click)
        EXPECT_EQ(said(m_link.open(m_game)), "URL Failed: Web Page not Opened");
    EXPECT_EQ(lookUps(), 1);
}

TEST_F(RatingLinkTest, NoPageOrNoBrowserIsToldAndTriedAgainOnTheNextClick)
{
    fs::create_directories(m_page); // nothing can be written at its name
    EXPECT_EQ(said(m_link.open(m_game)), kNoBrowser);
    EXPECT_EQ(lookUps(), 0);
    fs::remove(m_page);
    fs::remove(m_entry);
    for (int click = 1; click <= 2; ++click) {
        EXPECT_EQ(said(m_link.open(m_game)), kNoBrowser);
        EXPECT_EQ(lookUps(), click);
    }
}

} // namespace
} // namespace taremo
