// Tests of the rating link against a stand-in desktop: a fake xdg-mime, a desktop entry and a
// fake browser that writes down the arguments it was given.
#include "about/rating_link.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace taremo {
namespace {

namespace fs = std::filesystem;

const std::string kAddress = "http://www.example.com/vote.asp?I=4127&L=Taremo Pro";
const std::string kPageBytes = "\"<HTML> <\\HTML>\"\r\n";

// Sets an environment variable for the life of the object, then puts back the old value.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

std::string read(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void write(const fs::path& file, const std::string& bytes, bool executable = false)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    if (executable)
        fs::permissions(file, fs::perms(0755));
}

int lineCount(const fs::path& file)
{
    const std::string text = read(file);
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

class RatingLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "taremo_link_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
        m_game = m_root / "game";
        fs::create_directories(m_game);
        answerDefault("fakebrowser.desktop");
        write(m_root / "share/applications/fakebrowser.desktop",
              "[Desktop Entry]\nType=Application\nName=Fake\nExec=fakebrowser %u\n");
        writeBrowser(bin() / "fakebrowser");
        m_env.push_back(std::make_unique<ScopedEnv>(
            "PATH", bin().string() + ":" + (std::getenv("PATH") ? std::getenv("PATH") : "")));
        m_env.push_back(std::make_unique<ScopedEnv>("XDG_DATA_DIRS", (m_root / "share").string()));
        m_env.push_back(std::make_unique<ScopedEnv>("XDG_DATA_HOME", (m_root / "home").string()));
    }

    void TearDown() override
    {
        m_env.clear();
        std::error_code error;
        fs::remove_all(m_root, error);
    }

    fs::path bin() const { return m_root / "bin"; }

    // The fake xdg-mime logs each call, keeps a copy of the page it is asked about, calls it
    // a web page and names `desktopId` (nothing at all when empty) as its default program.
    void answerDefault(const std::string& desktopId)
    {
        const std::string root = m_root.string();
        write(bin() / "xdg-mime",
              "#!/bin/sh\n"
              "echo \"$*\" >> '" + root + "/xdg-calls'\n"
              "case \"$2\" in\n"
              "filetype) cp \"$3\" '" + root + "/seen-page'; echo text/html ;;\n"
              "default) " + (desktopId.empty() ? ":" : "echo " + desktopId) + " ;;\n"
              "esac\n",
              true);
    }

    // A browser that writes its argument count, then each argument on a line.
    void writeBrowser(const fs::path& file)
    {
        const std::string out = (m_root / "browser-args").string();
        write(file,
              "#!/bin/sh\n"
              "{ echo $#; for a in \"$@\"; do echo \"$a\"; done; } > '" + out + ".tmp'\n"
              "mv '" + out + ".tmp' '" + out + "'\n",
              true);
    }

    // What the browser was given; it runs detached, so wait for it a little.
    std::string browserArguments()
    {
        const fs::path file = m_root / "browser-args";
        for (int i = 0; i < 250 && !fs::exists(file); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const std::string arguments = read(file);
        fs::remove(file);
        return arguments;
    }

    static void expectMessage(const LinkOutcome& outcome, const char* text, const char* title)
    {
        ASSERT_TRUE(outcome.message.has_value());
        EXPECT_EQ(outcome.message->text, text);
        EXPECT_EQ(outcome.message->title, title);
    }

    fs::path m_root;
    fs::path m_game;
    std::vector<std::unique_ptr<ScopedEnv>> m_env;
    RatingLink m_link;
};

TEST_F(RatingLinkTest, FirstClickFindsTheBrowserThroughATemporaryPage)
{
    EXPECT_FALSE(m_link.open(m_game).message.has_value());
    EXPECT_EQ(m_link.browser(), (bin() / "fakebrowser").string());
    EXPECT_EQ(browserArguments(), "1\n" + kAddress + "\n");
    EXPECT_EQ(read(m_root / "seen-page"), kPageBytes);
    EXPECT_EQ(read(m_root / "xdg-calls"), "query filetype " + (m_game / "temphtm.HTM").string() +
                                              "\nquery default text/html\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(m_game / "temphtm.HTM")));
}

TEST_F(RatingLinkTest, LaterClicksUseTheBrowserFoundFirst)
{
    ASSERT_FALSE(m_link.open(m_game).message.has_value());
    ASSERT_EQ(browserArguments(), "1\n" + kAddress + "\n");
    fs::remove(m_root / "xdg-calls");
    fs::remove(m_root / "seen-page");

    EXPECT_FALSE(m_link.open(m_game).message.has_value());
    EXPECT_EQ(browserArguments(), "1\n" + kAddress + "\n");
    EXPECT_FALSE(fs::exists(m_root / "xdg-calls")); // no second look-up
    EXPECT_FALSE(fs::exists(m_root / "seen-page")); // and no second page
}

TEST_F(RatingLinkTest, NoBrowserIsToldAndSearchedForAgainNextTime)
{
    answerDefault("");
    for (int click = 1; click <= 2; ++click) {
        SCOPED_TRACE(click);
        expectMessage(m_link.open(m_game), "Could not find associated Browser",
                      "Browser Not Found");
        EXPECT_EQ(m_link.browser(), "");
        EXPECT_EQ(lineCount(m_root / "xdg-calls"), 2 * click);
        EXPECT_FALSE(fs::exists(fs::symlink_status(m_game / "temphtm.HTM")));
    }
    EXPECT_FALSE(fs::exists(m_root / "browser-args"));

    answerDefault("fakebrowser.desktop"); // the player has since chosen a browser
    EXPECT_FALSE(m_link.open(m_game).message.has_value());
    EXPECT_EQ(browserArguments(), "1\n" + kAddress + "\n");
}

TEST_F(RatingLinkTest, BrowserThatNoLongerStartsFailsEachClick)
{
    ASSERT_FALSE(m_link.open(m_game).message.has_value());
    ASSERT_EQ(browserArguments(), "1\n" + kAddress + "\n");
    fs::remove(bin() / "fakebrowser");
    for (int click = 1; click <= 2; ++click) {
        SCOPED_TRACE(click);
        expectMessage(m_link.open(m_game), "Web Page not Opened", "URL Failed");
        EXPECT_EQ(m_link.browser(), (bin() / "fakebrowser").string());
    }
    EXPECT_EQ(lineCount(m_root / "xdg-calls"), 2); // the first look-up only
}

TEST_F(RatingLinkTest, PlantedLinkAtThePageNameIsNotFollowed)
{
    const fs::path outside = m_root / "outside.txt";
    write(outside, "keep me");
    fs::create_symlink(outside, m_game / "temphtm.HTM");

    EXPECT_FALSE(m_link.open(m_game).message.has_value());
    EXPECT_EQ(read(outside), "keep me");
    EXPECT_EQ(read(m_root / "seen-page"), kPageBytes);
    EXPECT_FALSE(fs::exists(fs::symlink_status(m_game / "temphtm.HTM")));
}

TEST_F(RatingLinkTest, ProgramIsTakenFromTheDesktopEntryExecLine)
{
    const fs::path spaced = m_root / "my apps" / "fake browser";
    writeBrowser(spaced);
    struct Case {
        std::string entry;
        fs::path program;
    };
    const Case cases[] = {
        {"[Desktop Entry]\nExec=\"" + spaced.string() + "\" --new-window %u\n", spaced},
        {"[Desktop Entry]\nExec = env MOZ_ENABLE_WAYLAND=1 fakebrowser %U\n",
         bin() / "fakebrowser"},
        // Only the main group counts; an action's own command line does not.
        {"[Desktop Action private]\nExec=/bin/false --private\n[Desktop Entry]\n"
         "Exec=fakebrowser %u\n",
         bin() / "fakebrowser"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        // The player's own entry, in XDG_DATA_HOME, comes before the system's.
        write(m_root / "home/applications/fakebrowser.desktop", c.entry);
        RatingLink link;
        EXPECT_FALSE(link.open(m_game).message.has_value());
        EXPECT_EQ(link.browser(), c.program.string());
        EXPECT_EQ(browserArguments(), "1\n" + kAddress + "\n");
    }
}

} // namespace
} // namespace taremo
