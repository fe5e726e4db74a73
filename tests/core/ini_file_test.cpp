// The settings files: the reader's rules and limits, the writer, the safe rewrite, the numbers.
#include "app/ini_file.h"

#include "support/temp_dir.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace taremo {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

std::string lire(const fs::path& file)
{
    std::int16_t matchLength = 0;
    return LireIni("LastOpen", "Language", file, matchLength);
}

// `count` lines of filler, each with `ending`.
std::string filler(int count, const std::string& ending = "\r\n")
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text.append(1, 'x').append(std::to_string(i)).append(ending);
    return text;
}

// The section, `count` filler lines, then the key line: the 200th line after the section
// when `count` is 199.
std::string keyAfter(int count, const std::string& ending = "\r\n")
{
    std::string text("[LastOpen]");
    return text.append(ending).append(filler(count, ending)).append("Language=7").append(ending);
}

TEST(IniReader, MatchesSectionWholeKeyByPrefixValueAfterFirstEquals)
{
    // The CR of the long line ends the first 4 KB read and its LF begins the next.
    std::string split("[LastOpen]\r\n");
    split.append(4096 - 13, 'y').append("\r\n").append(filler(198)).append("Language=7");
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"plain", "[LastOpen]\r\nLanguage=2\r\n", "2"},
        {"section case differs", "[lastopen]\r\nLanguage=2\r\n", ""},
        {"section with a trailing blank", "[LastOpen] \r\nLanguage=2\r\n", ""},
        {"first prefix match wins", "[LastOpen]\r\nLanguages=5\r\nLanguage=2\r\n", "5"},
        {"key shorter than asked", "[LastOpen]\r\nLangu=1\r\nLanguage=6\r\n", "6"},
        {"value after the first =", "[LastOpen]\r\nLanguage=2=3\r\n", "2=3"},
        // A line ending counted twice or missed would move the key in or out of the window.
        {"CR LF, 200th line", keyAfter(199), "7"},
        {"CR LF, 201st line", keyAfter(200), ""},
        {"LF, 200th line", keyAfter(199, "\n"), "7"},
        {"LF, 201st line", keyAfter(200, "\n"), ""},
        {"CR, 200th line", keyAfter(199, "\r"), "7"},
        {"CR, 201st line", keyAfter(200, "\r"), ""},
        {"CR LF split across reads", split, "7"},
        // Past 20,000 lines the section search stops and the line reached stands for the section.
        {"20,001st line is the section", filler(20000) + "Language=7\r\n", "7"},
        {"20,000th line is not", filler(19999) + "Language=7\r\n" + filler(300), ""},
        {"section on the 20,000th line", filler(19999) + "[LastOpen]\r\nLanguage=1", "1"}};
    TempDir dir;
    for (const auto& [what, bytes, expected] : cases)
        EXPECT_EQ(lire(writeBytes(dir / "t.ini", bytes)), expected) << what;
}

#ifdef __linux__
// Peak resident memory of this process in kB, from /proc/self/status.
long peakMemoryKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}
#endif

TEST(IniReader, BadFilesGiveNothingInBoundedMemory)
{
    TempDir dir;
    std::string binary;
    for (int i = 0; i < 70000; ++i)
        binary += static_cast<char>(i * 131 % 251);
    fs::resize_file(writeBytes(dir / "huge.ini", ""), 100 << 20); // 100 MB without a line break
    fs::create_directory(dir / "folder.ini");
    std::vector<fs::path> files = {dir / "missing.ini", dir / "folder.ini",
                                   writeBytes(dir / "binary.ini", binary), dir / "huge.ini"};
#ifdef __linux__
    files.push_back("/dev/zero"); // never ends
    const long before = peakMemoryKb();
#endif
    for (const fs::path& file : files)
        EXPECT_EQ(lire(file), "") << file;
#ifdef __linux__
    EXPECT_LT(peakMemoryKb() - before, 4096);
#endif
}

TEST(IniWriter, AppendsExactLinesEndedByCrLf)
{
    TempDir dir;
    const auto file = dir / "start.ini";
    ASSERT_TRUE(EcrireIni("[LastOpen]", file));
    ASSERT_TRUE(EcrireIni("Language", file, 2.0f));
    ASSERT_TRUE(EcrireIni("Niveau", file, std::int16_t{-5}));
    ASSERT_TRUE(EcrireIni("Size", file, 0.1f)); // not the double's 0.100000001
    EXPECT_EQ(readBytes(file), "[LastOpen]\r\nLanguage=2\r\nNiveau=-5\r\nSize=0.1\r\n");
}

auto entryCount(const fs::path& dir) { return std::distance(fs::directory_iterator(dir), {}); }

TEST(IniRewrite, NeverWritesThroughALinkNorLosesAFileItCannotReplace)
{
    TempDir dir;
    const auto target = writeBytes(dir / "outside" / "target", "keep\r\n");
    const auto file = dir / "niveau.ini";
    fs::create_symlink(target, file);
    // A link planted where the rewrite puts its new copy must not be followed either.
    fs::create_symlink(target, dir / "niveau.ini.tmp");
    ASSERT_TRUE(RewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{4}));
    EXPECT_FALSE(fs::is_symlink(file));
    EXPECT_EQ(readBytes(target), "keep\r\n");
    EXPECT_EQ(entryCount(dir.path()), 2); // the file and "outside", no copy left over

    // A read-only file is kept even where the system would let it be replaced; so is any file
    // in a read-only folder.
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(RewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{3}));
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    fs::permissions(dir.path(), fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(RewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{3}));
    EXPECT_EQ(readBytes(file), "[Niveau]\r\nNiveauChoisi=4\r\n");
    EXPECT_EQ(entryCount(dir.path()), 2);
}

// Plain decimals only; whole numbers round half to even and must fit; floats must be finite.
TEST(IniNumbers, SyntaxRoundingAndRange)
{
    const std::pair<const char*, double> accepted[] = {{" -3 ", -3}, {"+2", 2},   {"- 4", -4},
                                                       {"5.", 5},    {".5", 0.5}, {"2.5E-1", 0.25}};
    for (const auto& [text, value] : accepted)
        EXPECT_EQ(ReadNumber(text), value) << text;
    for (const char* text : {"", ".", "abc", "1,5", "0x10", "inf", "nan", "1e", "--1", "1 2", "5a"})
        EXPECT_EQ(ReadNumber(text), std::nullopt) << text;
    const std::pair<const char*, std::int16_t> int16s[] = {
        {"2.5", 2},  {"3.5", 4},         {"-2.5", -2},
        {"2.51", 3}, {"32767.4", 32767}, {"-32768.5", -32768}};
    for (const auto& [text, value] : int16s)
        EXPECT_EQ(ReadInt16(text), value) << text;
    for (const char* text : {"40000", "32767.5", "-32769", "abc"})
        EXPECT_EQ(ReadInt16(text), std::nullopt) << text;
    EXPECT_EQ(ReadSingle("3.4028235e38"), std::numeric_limits<float>::max());
    for (const char* text : {"1e39", "-3.5e38", "x"})
        EXPECT_EQ(ReadSingle(text), std::nullopt) << text;
}

} // namespace
} // namespace taremo
