// Tests of the rating link against a stand-in desktop: a fake xdg-mime, a desktop entry and a
// fake browser that writes down the arguments it was given.
#include "about/rating_link.h"

#include "support/temp_dir.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace taremo {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;

const std::string kOneArgument = std::string("1\n") + kRatingAddress + "\n";

// What a click told the player: "title: text", or "" when it said nothing.
std::string said(const LinkOutcome& outcome)
{
    return outcome.message ? outcome.message->title + ": " + outcome.message->text : "";
}

class RatingLinkTest : public ::testing::Test {
protected:
    RatingLinkTest()
    {
        const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
        setEnv("PATH", bin().string() + ":" + path);
        setEnv("XDG_DATA_DIRS", (m_root / "share").string());
        setEnv("XDG_DATA_HOME", (m_root / "home").string());
        fs::create_directories(m_game);
        answerDefault("fakebrowser.desktop");
        testing::writeBytes(m_root / "share/applications/fakebrowser.desktop",
                            "[Desktop Entry]\nType=Application\nName=Fake\nExec=fakebrowser %u\n");
        writeBrowser(bin() / "fakebrowser");
    }
    ~RatingLinkTest() override
    {
        for (const auto& [name, value] : m_oldEnv)
            value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }

    void setEnv(const char* name, const std::string& value)
    {
        const char* old = std::getenv(name);
        m_oldEnv.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        ::setenv(name, value.c_str(), 1);
    }

    fs::path bin() const { return m_root / "bin"; }

    // A shell script in which $root is the folder above the script's own.
    static void writeScript(const fs::path& file, const std::string& body)
    {
        testing::writeBytes(file, "#!/bin/sh\nroot=$(dirname \"$(dirname \"$0\")\")\n" + body);
        fs::permissions(file, fs::perms(0755));
    }

    // The fake xdg-mime logs each call, keeps a copy of the page it is asked about, calls it
    // a web page and names `desktopId` (an empty line when empty) as its default program.
    void answerDefault(const std::string& desktopId)
    {
        writeScript(bin() / "xdg-mime", R"(echo "$*" >> "$root/xdg-calls"
case "$2" in
filetype) cp "$3" "$root/seen-page"; echo text/html ;;
default) echo )" + desktopId + "\nesac\n");
    }

    // A browser that writes its argument count, then each argument on a line.
    static void writeBrowser(const fs::path& file)
    {
        writeScript(file, R"({ echo $#; for a in "$@"; do echo "$a"; done; } > "$root/args.tmp"
mv "$root/args.tmp" "$root/browser-args"
)");
    }

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

    // The look-ups made so far: two calls of xdg-mime each.
    int lookUps() const
    {
        const std::string calls = readBytes(m_root / "xdg-calls");
        return static_cast<int>(std::count(calls.begin(), calls.end(), '\n')) / 2;
    }

    testing::TempDir m_root;
    fs::path m_game = m_root / "game";
    std::vector<std::pair<const char*, std::optional<std::string>>> m_oldEnv;
    RatingLink m_link;
};

TEST_F(RatingLinkTest, FirstClickFindsTheBrowserThroughATemporaryPageThatLaterClicksSkip)
{
    const fs::path page = m_game / kTempPageName;
    EXPECT_EQ(said(m_link.open(m_game)), "");
    EXPECT_EQ(browserArguments(), kOneArgument);
    EXPECT_EQ(readBytes(m_root / "seen-page"), kTempPageRecord);
    EXPECT_EQ(readBytes(m_root / "xdg-calls"),
              "query filetype " + page.string() + "\nquery default text/html\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(page)));

    fs::remove(m_root / "seen-page");
    EXPECT_EQ(said(m_link.open(m_game)), "");
    EXPECT_EQ(browserArguments(), kOneArgument);
    EXPECT_EQ(lookUps(), 1) << "no second look-up";
    EXPECT_FALSE(fs::exists(m_root / "seen-page")) << "and no second page";
}

TEST_F(RatingLinkTest, NoBrowserIsToldAndSearchedForAgainNextTime)
{
    answerDefault("");
    for (int click = 1; click <= 2; ++click) {
        EXPECT_EQ(said(m_link.open(m_game)),
                  "Browser Not Found: Could not find associated Browser");
        EXPECT_EQ(m_link.browser(), "");
        EXPECT_EQ(lookUps(), click);
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(m_game / kTempPageName)));
    EXPECT_FALSE(fs::exists(m_root / "browser-args"));
}

TEST_F(RatingLinkTest, NoPageNoLookUp)
{
    fs::create_directories(m_game / kTempPageName); // nothing can be written at its name
    EXPECT_EQ(said(m_link.open(m_game)), "Browser Not Found: Could not find associated Browser");
    EXPECT_EQ(lookUps(), 0);
    EXPECT_FALSE(fs::exists(m_root / "browser-args"));
}

TEST_F(RatingLinkTest, BrowserThatNoLongerStartsFailsEachClick)
{
    ASSERT_EQ(said(m_link.open(m_game)), "");
    ASSERT_EQ(browserArguments(), kOneArgument);
    fs::remove(bin() / "fakebrowser");
    for (int click = 1; click <= 2; ++click)
        EXPECT_EQ(said(m_link.open(m_game)), "URL Failed: Web Page not Opened");
    EXPECT_EQ(m_link.browser(), (bin() / "fakebrowser").string());
    EXPECT_EQ(lookUps(), 1);
}

TEST_F(RatingLinkTest, ProgramIsTakenFromTheDesktopEntryExecLine)
{
    const fs::path spaced = m_root / "my apps" / "fake browser";
    writeBrowser(spaced);
    const struct {
        const char* name;
        std::string entry;
        fs::path program;
    } cases[] = {
        {"quoted, with blanks",
         "[Desktop Entry]\nExec=\"" + spaced.string() + "\" --new-window %u\n", spaced},
        {"after env settings", "[Desktop Entry]\nExec = env MOZ_ENABLE_WAYLAND=1 fakebrowser %U\n",
         bin() / "fakebrowser"},
        {"not an action's",
         "[Desktop Action private]\nExec=/bin/false\n[Desktop Entry]\nExec=fakebrowser %u\n",
         bin() / "fakebrowser"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The player's own entry, in XDG_DATA_HOME, comes before the system's.
        testing::writeBytes(m_root / "home/applications/fakebrowser.desktop", c.entry);
        RatingLink link;
        EXPECT_EQ(said(link.open(m_game)), "");
        EXPECT_EQ(link.browser(), c.program.string());
        EXPECT_EQ(browserArguments(), kOneArgument);
    }
}

} // namespace
} // namespace taremo
