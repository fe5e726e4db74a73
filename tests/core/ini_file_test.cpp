// The settings files: the reader's rules and limits, and the rewrite, whole or not at all,
// through new files created only where nothing holds the name. That the reader goes through a
// file by the same rules, wherever its chunks end, is left to the settings fuzzer.
#include "app/file_ops.h"
#include "app/ini_file.h"

#include "support/temp_dir.h"

#include <csignal>
#include <tuple>

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace taremo;

namespace fs = std::filesystem;

// The line `text`, `count` filler lines, then the key: the section's 200th line when `count` is
// 199.
static std::string keyAfter(int count, const char* ending = "\r\n", std::string text = "[LastOpen]")
{
    for (int i = 0; i < count; ++i)
        text.append(ending).append("x").append(std::to_string(i));
    return text.append(ending).append("Language=7").append(ending);
}

TEST(IniReader, FindsTheValueAsTheReadingRulesSay)
{
    const std::tuple<const char*, std::string, std::string> rows[] = {
        {"the section line whole and exact, the key's case too",
         "[lastopen]\r\nLanguage=1\r\n[LastOpen] \r\nLanguage=2\r\n[LastOpen\r\nLanguage=3\r\n"
         "[LastOpenX]\r\nLanguage=4\r\n[LastOpen]\r\nlanguage=5\r\nLanguage=6\r\n",
         "6"},
        {"past the next section", "[LastOpen]\r\nX=1\r\n[Other]\r\nLanguage=4\r\n", "4"},
        {"a key line without '='", "[LastOpen]\r\nLanguage\r\n", "Language"},
        {"a key by its prefix", "[LastOpen]\r\nLanguages=5\r\nLanguage=2\r\n", "5"},
        {"the value after the first '='", "[LastOpen]\r\nLanguage=2=3\r\n", "2=3"},
        {"the section's 200th line", keyAfter(199), "7"},
        {"its 201st", keyAfter(200), ""},
        {"lines ended by LF", keyAfter(199, "\n"), "7"},
        {"lines ended by CR", keyAfter(199, "\r"), "7"},
        // After 20,000 lines passed over, the 20,001st stands for the section.
        {"line 20,201", keyAfter(20199, "\r\n", "x"), "7"},
        {"line 20,202", keyAfter(20200, "\r\n", "x"), ""}};
    std::int16_t matchLength = 0; // the key's whole length, which it keeps from the first look on
    for (const auto& [rule, text, expected] : rows)
        EXPECT_EQ(readIniText("LastOpen", "Language", text, matchLength), expected) << rule;
}

TEST(IniRewrite, TouchesNothingButTheFileItReplacesWhole)
{
    test::TempDir dir;
    const auto file = dir / "niveau.ini", target = test::writeBytes(dir / "outside/target", "keep");
#ifndef _WIN32 // Windows keeps symbolic links for administrators
    fs::create_symlink(target, file);
    fs::create_symlink(target, dir / "niveau.ini.tmp"); // planted where the new copy goes
#endif
    ASSERT_TRUE(rewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{2}));
    EXPECT_EQ(test::readBytes(target), "keep");
    // A new file is made only where nothing holds its name.
    EXPECT_FALSE(fileops::createNewFile(file, "x"));
    // A read-only file is kept even where the system would let it be replaced.
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(rewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{3}));
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    fs::permissions(dir.path(), fs::perms::owner_write, fs::perm_options::remove);
#ifdef _WIN32 // Windows ignores the mark on folders (Explorer sets it on customised ones)
    EXPECT_TRUE(rewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{2}));
#else
    EXPECT_FALSE(rewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{3}));
    fs::permissions(dir.path(), fs::perms::owner_write, fs::perm_options::add);
    // A write that fails midway: files may grow to 12 bytes only.
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails rather than ends the tests
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{12, saved.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_FALSE(rewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{3}));
    ::setrlimit(RLIMIT_FSIZE, &saved);
#endif
    EXPECT_EQ(test::readBytes(file), "[Niveau]\r\nNiveauChoisi=2\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2) << "a copy was left";
}
