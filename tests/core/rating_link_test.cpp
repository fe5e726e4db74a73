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
using testing::readBytes;
using testing::writeBytes;

const std::string kOneArgument = std::string("1\n") + kRatingAddress + "\n";
const std::string kNoBrowser = "Browser Not Found: Could not find associated Browser";

// What a click told the player: "title: text", or "" when it said nothing.
std::string said(const LinkOutcome& outcome)
{
    return outcome.message ? outcome.message->title + ": " + outcome.message->text : "";
}

std::string env(const char* name) { return std::getenv(name) ? std::getenv(name) : ""; }

class RatingLinkTest : public ::testing::Test {
protected:
    RatingLinkTest()
    {
        ::setenv("PATH", bin().string().append(":").append(m_oldPath).c_str(), 1);
        ::setenv("XDG_DATA_HOME", m_root.path().c_str(), 1);
        fs::create_directories(m_game);
        writeBytes(m_entry, "[Desktop Entry]\nExec=\"fake browser\" --new-window %u\n");
        const auto script = [this](const char* name, const char* body) {
            std::string text("#!/bin/sh\nroot='");
            writeBytes(bin() / name,
                       text.append(m_root.path().string()).append("'\n").append(body));
            fs::permissions(bin() / name, fs::perms(0755));
        };
        // xdg-mime keeps a copy of the page it is asked about, calls it a web page, and
        // notes each look-up of the program for web pages: the entry above.
        script("xdg-mime", R"(case "$2" in
filetype) cp "$3" "$root/seen-page"; echo text/html ;;
default) printf x >> "$root/look-ups"; echo fakebrowser.desktop
esac
)");
        // The browser, its name quoted in the entry, writes its argument count and arguments.
        script("fake browser", R"(printf '%s\n' $# "$@" > "$root/args.tmp"
mv "$root/args.tmp" "$root/browser-args"
)");
    }
    ~RatingLinkTest() override
    {
        ::setenv("PATH", m_oldPath.c_str(), 1);
        m_oldHome.empty() ? ::unsetenv("XDG_DATA_HOME")
                          : ::setenv("XDG_DATA_HOME", m_oldHome.c_str(), 1);
    }

    fs::path bin() const { return m_root / "bin"; }
    int lookUps() const { return static_cast<int>(readBytes(m_root / "look-ups").size()); }

    // What the browser was given; it runs detached, so wait for it a little.
    std::string browserArguments()
    {
        const fs::path file = m_root / "browser-args";
        for (int i = 0; i < 250 && !fs::exists(file); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const std::string arguments = readBytes(file);
        fs::remove(file);
        return arguments;
    }

    const std::string m_oldPath = env("PATH");
    const std::string m_oldHome = env("XDG_DATA_HOME");
    testing::TempDir m_root;
    fs::path m_game = m_root / "game";
    fs::path m_entry = m_root / "applications" / "fakebrowser.desktop";
    RatingLink m_link;
};

TEST_F(RatingLinkTest, FirstClickFindsTheBrowserThroughATemporaryPageThatLaterClicksSkip)
{
    const fs::path page = m_game / kTempPageName;
    EXPECT_EQ(said(m_link.open(m_game)), "");
    EXPECT_EQ(browserArguments(), kOneArgument);
    EXPECT_EQ(readBytes(m_root / "seen-page"), kTempPageRecord);
    EXPECT_FALSE(fs::exists(fs::symlink_status(page)));

    writeBytes(page, "mine"); // writing the page again would replace this
    EXPECT_EQ(said(m_link.open(m_game)), "");
    EXPECT_EQ(browserArguments(), kOneArgument);
    EXPECT_EQ(lookUps(), 1) << "no second look-up";
    EXPECT_EQ(readBytes(page), "mine") << "and no second page";
}

TEST_F(RatingLinkTest, NoBrowserIsToldAndSearchedForAgainNextTime)
{
    fs::remove(m_entry);
    for (int click = 1; click <= 2; ++click) {
        EXPECT_EQ(said(m_link.open(m_game)), kNoBrowser);
        EXPECT_EQ(lookUps(), click);
    }
}

TEST_F(RatingLinkTest, NoPageNoLookUp)
{
    fs::create_directories(m_game / kTempPageName); // nothing can be written at its name
    EXPECT_EQ(said(m_link.open(m_game)), kNoBrowser);
    EXPECT_EQ(lookUps(), 0);
}

TEST_F(RatingLinkTest, BrowserThatNoLongerStartsFailsEachClick)
{
    ASSERT_EQ(said(m_link.open(m_game)), "");
    ASSERT_EQ(browserArguments(), kOneArgument);
    fs::remove(bin() / "fake browser");
    for (int click = 1; click <= 2; ++click)
        EXPECT_EQ(said(m_link.open(m_game)), "URL Failed: Web Page not Opened");
    EXPECT_EQ(lookUps(), 1);
}

TEST_F(RatingLinkTest, ProgramIsTakenFromTheExecLinePastEnvSettings)
{
    writeBytes(m_entry, "[Desktop Entry]\nExec = env MOZ_ENABLE_WAYLAND=1 \"fake browser\" %U\n");
    EXPECT_EQ(said(m_link.open(m_game)), "");
    EXPECT_EQ(m_link.browser(), (bin() / "fake browser").string());
    EXPECT_EQ(browserArguments(), kOneArgument);
}

} // namespace
} // namespace taremo
