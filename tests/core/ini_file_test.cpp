// Tests of the settings files: the reader's matching rules and limits, the writer's exact bytes,
// the safe rewrite and the reading of numbers.
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

std::string lire(const std::string& bytes, const std::string& key = "Language")
{
    TempDir dir;
    std::int16_t matchLength = 0;
    return LireIni("LastOpen", key, writeBytes(dir / "t.ini", bytes), matchLength);
}

// `count` lines of filler, each with `ending`.
std::string filler(int count, const std::string& ending = "\r\n")
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text.append(1, 'x').append(std::to_string(i)).append(ending);
    return text;
}

// The section, `count` filler lines, then the key line: on the 200th line after the section
// when `count` is 199.
std::string keyAfter(int count, const std::string& ending = "\r\n")
{
    return "[LastOpen]" + ending + filler(count, ending) + "Language=7" + ending;
}

// The section, one line of `size` bytes and 198 filler lines: the key on the 200th line.
std::string keyAfterLongLine(std::size_t size)
{
    return "[LastOpen]\r\n" + std::string(size, 'y') + "\r\n" + filler(198) + "Language=7";
}

struct ReadCase {
    std::string what, bytes, expected, key = "Language";
};

TEST(IniReader, MatchesSectionWholeKeyByPrefixValueAfterFirstEquals)
{
    const ReadCase cases[] = {
        {"plain", "[LastOpen]\r\nLanguage=2\r\n", "2"},
        {"section case differs", "[lastopen]\r\nLanguage=2\r\n", ""},
        {"section with a trailing blank", "[LastOpen] \r\nLanguage=2\r\n", ""},
        {"first prefix match wins", "[LastOpen]\r\nLanguages=5\r\nLanguage=2\r\n", "5"},
        {"runs past the next section", "[LastOpen]\r\nX=1\r\n[Other]\r\nLanguage=4\r\n", "4"},
        {"key before the section ignored", "Language=1\r\n[LastOpen]\r\nLanguage=3", "3"},
        {"section line is the first candidate", "[LastOpen]\r\nx=1\r\n", "[LastOpen]", "[Last"},
        {"value after the first =", "[LastOpen]\r\nLanguage=2=3\r\n", "2=3"},
        {"line without =", "[LastOpen]\r\nLanguage\r\n", "Language"},
        {"empty value", "[LastOpen]\r\nLanguage=\r\n", ""},
        {"key shorter than asked", "[LastOpen]\r\nLangu=1\r\nLanguage=6\r\n", "6"},
        {"no such key", "[LastOpen]\r\nLang=1\r\n", ""},
        {"no such section", "[Other]\r\nLanguage=1\r\n", ""},
        {"section line only", "[LastOpen]", ""},
        {"NUL bytes in lines", std::string("[LastOpen]\r\nLang\0age=1\r\nLanguage=\0x", 35),
         std::string("\0x", 2)},
        {"invalid UTF-8 kept", "[LastOpen]\r\n\xff\xfe\r\nLanguage=\xc3\x28\r\n", "\xc3\x28"},
        {"mixed line endings", "[LastOpen]\n\r\r\nLanguage=1\r\rLanguage=2", "1"},
        // A line ending counted twice or missed would move the key in or out of the window.
        {"CR LF, 200th line", keyAfter(199), "7"},
        {"CR LF, 201st line", keyAfter(200), ""},
        {"LF, 200th line", keyAfter(199, "\n"), "7"},
        {"LF, 201st line", keyAfter(200, "\n"), ""},
        {"CR, 200th line", keyAfter(199, "\r"), "7"},
        {"CR, 201st line", keyAfter(200, "\r"), ""},
        // CR the last byte of one read and LF the first of the next, at the usual read sizes.
        {"CR LF split at 4 KB", keyAfterLongLine(4096 - 13), "7"},
        {"CR LF split at 16 KB", keyAfterLongLine(16384 - 13), "7"},
        {"CR LF split at 64 KB", keyAfterLongLine(65536 - 13), "7"},
        {"overlong line cut but one line", keyAfterLongLine(300 * 1024), "7"},
        // Past 20,000 lines the section search stops and the line reached stands for the section.
        {"20,001st line is the section", filler(20000) + "Language=7\r\n", "7"},
        {"20,000th line is not", filler(19999) + "Language=7\r\n" + filler(300), ""},
        {"section on the 20,000th line", filler(19999) + "[LastOpen]\r\nLanguage=1", "1"},
        {"section past the search", filler(25000) + "[LastOpen]\r\nLanguage=1\r\n", ""}};
    for (const ReadCase& c : cases)
        EXPECT_EQ(lire(c.bytes, c.key), c.expected) << c.what;
}

TEST(IniReader, MatchLengthCountsCharacters)
{
    TempDir dir;
    const std::string gross = "Gr\xc3\xb6\xc3\x9f"; // "Größ" in UTF-8
    const auto file = writeBytes(dir / "t.ini", "[S]\r\nLanguageOld=4\r\nLanguage\r\n" + gross +
                                                    "=1\r\n" + gross + "e=2\r\n");
    // Name, key, length given, value found, length kept.
    const std::tuple<const char*, std::string, std::int16_t, const char*, std::int16_t> cases[] = {
        {"0 becomes the key's length", "Language", 0, "4", 8},
        {"only the first 4 compared", "LangXXXX", 4, "4", 4},
        {"longer than the key", "Language", 11, "", 11},
        {"negative", "Language", -1, "", -1},
        {"characters, not bytes", gross + "e", 0, "2", 5},
        {"a bad byte is one character", "\xff\xc3", 0, "", 2}};
    for (const auto& [what, key, lengthIn, expected, lengthOut] : cases) {
        std::int16_t length = lengthIn;
        EXPECT_EQ(LireIni("S", key, file, length), expected) << what;
        EXPECT_EQ(length, lengthOut) << what;
    }
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
    std::string binary(70000, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 131 % 251);
    {
        const std::string chunk(1024 * 1024, 'L'); // 100 MB without a line break
        std::ofstream out(dir / "huge.ini", std::ios::binary);
        for (int i = 0; i < 100; ++i)
            out << chunk;
    }
    fs::create_directory(dir / "folder.ini");
    std::vector<fs::path> files = {dir / "missing.ini", writeBytes(dir / "empty.ini", ""),
                                   dir / "folder.ini", writeBytes(dir / "binary.ini", binary),
                                   dir / "huge.ini"};
#ifdef __linux__
    files.push_back("/dev/zero"); // never ends
    const long before = peakMemoryKb();
#endif
    for (const fs::path& file : files) {
        std::int16_t matchLength = 0;
        EXPECT_EQ(LireIni("LastOpen", "Language", file, matchLength), "") << file;
    }
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
    ASSERT_TRUE(EcrireIni("Size", file, 2.5f));
    ASSERT_TRUE(EcrireIni("Empty", file));
    EXPECT_EQ(readBytes(file), "[LastOpen]\r\nLanguage=2\r\nNiveau=-5\r\nSize=2.5\r\nEmpty=\r\n");
    EXPECT_FALSE(EcrireIni("Language", dir.path(), 1.0f));
    EXPECT_FALSE(EcrireIni("Language", dir / "no" / "such.ini", 1.0f));
}

TEST(IniWriter, FloatsArePlainDecimalsThatReadBack)
{
    // Whole numbers in full, never "-0"; 0.1 not the double's 0.100000001.
    const std::pair<float, const char*> texts[] = {
        {2.0f, "2"}, {-3.0f, "-3"}, {-0.0f, "0"}, {1e10f, "10000000000"}, {0.1f, "0.1"}};
    for (const auto& [value, text] : texts)
        EXPECT_EQ(FormatIniValue(value), text);
    for (const float value : {0.1f, -2.75f, 1e-10f, 3.3e30f, std::numeric_limits<float>::max(),
                              std::numeric_limits<float>::denorm_min()})
        EXPECT_EQ(ReadSingle(FormatIniValue(value)), value) << FormatIniValue(value);
}

std::size_t entryCount(const fs::path& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(IniRewrite, ReplacesTheFileByExactlyTwoLinesNeverThroughALink)
{
    TempDir dir;
    const auto target = writeBytes(dir / "outside" / "target", "keep\r\n");
    const auto file = dir / "niveau.ini";
    fs::create_symlink(target, file);
    // A link planted where the rewrite puts its new copy must not be followed either.
    fs::create_symlink(target, dir / "niveau.ini.tmp");

    ASSERT_TRUE(RewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{4}));
    EXPECT_FALSE(fs::is_symlink(file));
    EXPECT_EQ(readBytes(file), "[Niveau]\r\nNiveauChoisi=4\r\n");
    EXPECT_EQ(readBytes(target), "keep\r\n");
    EXPECT_EQ(entryCount(dir.path()), 2u); // the file and "outside", no copy left over
}

TEST(IniRewrite, LeavesUnwritableFilesAsTheyWere)
{
    TempDir dir;
    const std::string old = "[Niveau]\r\nNiveauChoisi=1\r\n";
    const auto file = writeBytes(dir / "niveau.ini", old);
    const auto readOnly = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(file, readOnly, fs::perm_options::remove);
    EXPECT_FALSE(RewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{3}));
    EXPECT_EQ(readBytes(file), old);

    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    fs::permissions(dir.path(), readOnly, fs::perm_options::remove);
    EXPECT_FALSE(RewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{3}));
    EXPECT_EQ(readBytes(file), old);
    EXPECT_EQ(entryCount(dir.path()), 1u);

    fs::permissions(dir.path(), fs::perms::owner_write, fs::perm_options::add);
    fs::create_directory(dir / "folder.ini");
    EXPECT_FALSE(RewriteIni(dir / "folder.ini", "[Niveau]", "NiveauChoisi", std::int16_t{3}));
    EXPECT_FALSE(RewriteIni(dir / "no" / "niveau.ini", "[Niveau]", "X", std::int16_t{3}));
    EXPECT_EQ(entryCount(dir.path()), 2u);
}

TEST(IniNumbers, AcceptsOnlyPlainDecimalNumbers)
{
    const std::pair<const char*, double> accepted[] = {
        {"5", 5},      {" -3 ", -3},  {"+2", 2},     {"\t7\t", 7},     {"- 4", -4},
        {"5.", 5},     {".5", 0.5},   {"1e3", 1000}, {"2.5E-1", 0.25}, {"007", 7},
        {"1e+2", 100}, {"1e-400", 0}, {"-0.0", 0}};
    for (const auto& [text, value] : accepted)
        EXPECT_EQ(ReadNumber(text), value) << text;
    EXPECT_EQ(ReadNumber("1e400"), std::numeric_limits<double>::infinity());
    for (const char* text : {"", " ", ".", "abc", "2=3", "1,5", "0x10", "inf", "nan", "1e", "e5",
                             "--1", "+-1", "1 2", "+", "1.2.3", "5a", "1e5.0", "٣"})
        EXPECT_EQ(ReadNumber(text), std::nullopt) << text;
}

TEST(IniNumbers, Int16RoundsHalfToEvenAndMustFitSingleMustBeFinite)
{
    const std::pair<const char*, std::int16_t> int16s[] = {
        {"2.5", 2},         {"3.5", 4},           {"-2.5", -2}, {"2.51", 3},
        {"32767.4", 32767}, {"-32768.5", -32768}, {"1e-400", 0}};
    for (const auto& [text, value] : int16s)
        EXPECT_EQ(ReadInt16(text), value) << text;
    for (const char* text : {"40000", "32767.5", "-32769", "1e400", "abc"})
        EXPECT_EQ(ReadInt16(text), std::nullopt) << text;
    EXPECT_EQ(ReadSingle(" 3 "), 3.0f);
    EXPECT_EQ(ReadSingle("3.4028235e38"), std::numeric_limits<float>::max());
    for (const char* text : {"1e39", "-3.5e38", "x"})
        EXPECT_EQ(ReadSingle(text), std::nullopt) << text;
}

} // namespace
} // namespace taremo
