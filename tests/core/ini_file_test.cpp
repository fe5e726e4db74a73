// Tests of the settings files: the reader's matching rules and limits, the writer's exact bytes,
// the safe rewrite and the reading of numbers.
#include "app/ini_file.h"

#include <atomic>
#include <cstdint>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace taremo {
namespace {

namespace fs = std::filesystem;

// A fresh folder per test, removed with everything in it afterwards.
class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static std::atomic<unsigned> serial{0};
        const auto base = fs::temp_directory_path();
        do {
            m_dir = base / ("taremo_ini_" + std::to_string(std::random_device{}()) + "_" +
                            std::to_string(serial++));
        } while (!fs::create_directory(m_dir));
    }
    void TearDown() override
    {
        std::error_code error;
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(m_dir, error);
    }

    fs::path write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
        return m_dir / name;
    }
    static std::string read(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    std::string lire(const std::string& bytes, const std::string& section = "LastOpen",
                     const std::string& key = "Language")
    {
        std::int16_t matchLength = 0;
        return LireIni(section, key, write("t.ini", bytes), matchLength);
    }
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir))
            names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path m_dir;
};

// `count` lines of filler, each with `ending`.
std::string filler(int count, const std::string& ending = "\r\n")
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "x" + std::to_string(i) + ending;
    return text;
}

using IniReaderTest = IniFileTest;

TEST_F(IniReaderTest, MatchesSectionWholeAndKeyByPrefix)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::string expected;
    };
    const Case cases[] = {
        {"plain", "[LastOpen]\r\nLanguage=2\r\n", "2"},
        {"section case differs", "[lastopen]\r\nLanguage=2\r\n", ""},
        {"section with a trailing blank", "[LastOpen] \r\nLanguage=2\r\n", ""},
        {"first prefix match wins", "[LastOpen]\r\nLanguages=5\r\nLanguage=2\r\n", "5"},
        {"runs past the next section", "[LastOpen]\r\nX=1\r\n[Other]\r\nLanguage=4\r\n", "4"},
        {"key before the section ignored", "Language=1\r\n[LastOpen]\r\nLanguage=3", "3"},
        {"value after the first =", "[LastOpen]\r\nLanguage=2=3\r\n", "2=3"},
        {"line without =", "[LastOpen]\r\nLanguage\r\n", "Language"},
        {"empty value", "[LastOpen]\r\nLanguage=\r\n", ""},
        {"key shorter than asked", "[LastOpen]\r\nLangu=1\r\nLanguage=6\r\n", "6"},
        {"no such key", "[LastOpen]\r\nLang=1\r\n", ""},
        {"no such section", "[Other]\r\nLanguage=1\r\n", ""},
        {"NUL bytes in lines", std::string("[LastOpen]\r\nLang\0age=1\r\nLanguage=\0x", 35),
         std::string("\0x", 2)},
        {"invalid UTF-8 kept as it is", "[LastOpen]\r\n\xff\xfe\r\nLanguage=\xc3\x28\r\n",
         "\xc3\x28"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lire(c.bytes), c.expected) << c.what;
}

TEST_F(IniReaderTest, SectionLineItselfIsTheFirstKeyCandidate)
{
    // A key that prefixes the section line is taken from that very line.
    std::int16_t matchLength = 0;
    EXPECT_EQ(LireIni("LastOpen", "[Last", write("t.ini", "[LastOpen]\r\nx=1\r\n"), matchLength),
              "[LastOpen]");
}

TEST_F(IniReaderTest, EveryLineEndingCountsOnce)
{
    // The key is found on the 200th line after the section and not on the 201st, whichever
    // ending the file uses; a CR LF counted twice or a lone CR missed would shift it.
    for (const std::string ending : {"\r\n", "\n", "\r"}) {
        const std::string section = "[LastOpen]" + ending;
        EXPECT_EQ(lire(section + filler(199, ending) + "Language=7"), "7") << int(ending[0]);
        EXPECT_EQ(lire(section + filler(200, ending) + "Language=7" + ending), "")
            << int(ending[0]);
    }
    EXPECT_EQ(lire("[LastOpen]\n\r\r\nLanguage=1\r\rLanguage=2"), "1");
}

TEST_F(IniReaderTest, CrLfSplitAcrossReadsIsOneLineEnd)
{
    // A first line sized so that its CR is the last byte of a read of a usual size.
    for (const std::size_t chunk : {4096u, 8192u, 16384u, 32768u, 65536u}) {
        const std::string head = "[LastOpen]\r\n";
        const std::string longLine(chunk - head.size() - 1, 'y');
        EXPECT_EQ(lire(head + longLine + "\r\n" + filler(198) + "Language=8"), "8") << chunk;
    }
}

TEST_F(IniReaderTest, OverlongLineIsCutButCountsAsOneLine)
{
    const std::string longLine(300 * 1024, 'z');
    EXPECT_EQ(lire("[LastOpen]\r\n" + longLine + "\r\n" + filler(198) + "Language=9"), "9");
}

TEST_F(IniReaderTest, SectionSearchGivesUpAfter20000Lines)
{
    // The 20,001st line stands in for the section line whatever it holds.
    EXPECT_EQ(lire(filler(20000) + "Language=7\r\n" + filler(10)), "7");
    EXPECT_EQ(lire(filler(19999) + "Language=7\r\n" + filler(300)), "");
    // A section further down is then never reached: 30,000 lines in all.
    EXPECT_EQ(lire(filler(25000) + "[LastOpen]\r\nLanguage=1\r\n" + filler(4998)), "");
    EXPECT_EQ(lire(filler(19999) + "[LastOpen]\r\nLanguage=1\r\n"), "1");
}

TEST_F(IniReaderTest, MatchLength)
{
    const auto file = write("t.ini", "[LastOpen]\r\nLanguageOld=4\r\nLanguage=2\r\n");
    std::int16_t matchLength = 0;
    EXPECT_EQ(LireIni("LastOpen", "Language", file, matchLength), "4");
    EXPECT_EQ(matchLength, 8);

    matchLength = 4; // only "Lang" is compared
    EXPECT_EQ(LireIni("LastOpen", "LangXXXX", file, matchLength), "4");
    EXPECT_EQ(matchLength, 4);
    // Longer than the key: no line can match, not even one holding just the key.
    matchLength = 11;
    EXPECT_EQ(LireIni("S", "Language", write("k.ini", "[S]\r\nLanguage\r\n"), matchLength), "");

    // Characters, not bytes: "Größe" is five, and a bad byte counts as one.
    const auto umlaut = write("u.ini", "[S]\r\nGr\xc3\xb6\xc3\x9f=1\r\nGr\xc3\xb6\xc3\x9f" "e=2\r\n");
    matchLength = 0;
    EXPECT_EQ(LireIni("S", "Gr\xc3\xb6\xc3\x9f" "e", umlaut, matchLength), "2");
    EXPECT_EQ(matchLength, 5);
    matchLength = 0;
    EXPECT_EQ(LireIni("S", "\xff\xc3", umlaut, matchLength), "");
    EXPECT_EQ(matchLength, 2);
}

TEST_F(IniReaderTest, UnreadableFilesGiveNothing)
{
    std::int16_t matchLength = 0;
    EXPECT_EQ(LireIni("LastOpen", "Language", m_dir / "missing.ini", matchLength), "");
    EXPECT_EQ(lire(""), "");
    EXPECT_EQ(lire("[LastOpen]"), "");
    fs::create_directory(m_dir / "folder.ini");
    EXPECT_EQ(LireIni("LastOpen", "Language", m_dir / "folder.ini", matchLength), "");
#ifdef __linux__
    EXPECT_EQ(LireIni("LastOpen", "Language", "/dev/zero", matchLength), ""); // never ends
#endif
    std::string binary(70000, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 131 % 251);
    EXPECT_EQ(lire(binary), "");
}

#ifdef __linux__
// Peak resident memory of this process in kB, from /proc/self/status.
long peakMemoryKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}
#endif

TEST_F(IniReaderTest, HugeFileWithoutLineBreakStaysInBoundedMemory)
{
    const auto file = m_dir / "huge.ini";
    {
        const std::string chunk(1024 * 1024, 'L');
        std::ofstream out(file, std::ios::binary);
        for (int i = 0; i < 100; ++i)
            out << chunk;
    }
#ifdef __linux__
    const long before = peakMemoryKb();
#endif
    std::int16_t matchLength = 0;
    EXPECT_EQ(LireIni("LastOpen", "Language", file, matchLength), "");
#ifdef __linux__
    EXPECT_LT(peakMemoryKb() - before, 4096);
#endif
}

using IniWriterTest = IniFileTest;

TEST_F(IniWriterTest, WritesExactBytesAndAppends)
{
    const auto file = m_dir / "start.ini";
    ASSERT_TRUE(EcrireIni("[LastOpen]", file));
    ASSERT_TRUE(EcrireIni("Language", file, 2.0f));
    EXPECT_EQ(read(file), "[LastOpen]\r\nLanguage=2\r\n");

    ASSERT_TRUE(EcrireIni("Niveau", file, std::int16_t{-5}));
    ASSERT_TRUE(EcrireIni("Size", file, 2.5f));
    ASSERT_TRUE(EcrireIni("Empty", file));
    EXPECT_EQ(read(file), "[LastOpen]\r\nLanguage=2\r\nNiveau=-5\r\nSize=2.5\r\nEmpty=\r\n");
}

TEST_F(IniWriterTest, FailsWhereNoFileCanBeWritten)
{
    EXPECT_FALSE(EcrireIni("Language", m_dir, 1.0f));
    EXPECT_FALSE(EcrireIni("Language", m_dir / "no" / "such.ini", 1.0f));
}

TEST(IniValueFormat, DecimalTextThatReadsBack)
{
    EXPECT_EQ(FormatIniValue(std::int16_t{-32768}), "-32768");
    EXPECT_EQ(FormatIniValue(std::int16_t{0}), "0");
    EXPECT_EQ(FormatIniValue(2.0f), "2");
    EXPECT_EQ(FormatIniValue(-3.0f), "-3");
    EXPECT_EQ(FormatIniValue(-0.0f), "0");
    EXPECT_EQ(FormatIniValue(16777216.0f), "16777216");
    EXPECT_EQ(FormatIniValue(0.1f), "0.1"); // not the double's 0.100000001
    for (const float value : {0.1f, -2.75f, 1e-10f, 3.3e30f, std::numeric_limits<float>::max(),
                              std::numeric_limits<float>::denorm_min()}) {
        EXPECT_EQ(ReadSingle(FormatIniValue(value)), value) << FormatIniValue(value);
    }
}

using IniRewriteTest = IniFileTest;

TEST_F(IniRewriteTest, ReplacesTheFileByExactlyTwoLines)
{
    const auto file = write("niveau.ini", "[Niveau]\r\nNiveauChoisi=1\r\nOther=5\r\n");
    ASSERT_TRUE(RewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{3}));
    EXPECT_EQ(read(file), "[Niveau]\r\nNiveauChoisi=3\r\n");
    ASSERT_TRUE(RewriteIni(m_dir / "start.ini", "[LastOpen]", "Language", 2.0f));
    EXPECT_EQ(read(m_dir / "start.ini"), "[LastOpen]\r\nLanguage=2\r\n");
    EXPECT_EQ(entries().size(), 2u);
}

TEST_F(IniRewriteTest, NeverWritesThroughSymbolicLinks)
{
    fs::create_directory(m_dir / "outside");
    const auto target = write("outside/target", "keep\r\n");
    const auto file = m_dir / "niveau.ini";
    fs::create_symlink(target, file);
    // A link planted where the rewrite puts its new copy must not be followed either.
    auto scratch = file;
    scratch += ".tmp";
    fs::create_symlink(target, scratch);

    ASSERT_TRUE(RewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{4}));
    EXPECT_FALSE(fs::is_symlink(file));
    EXPECT_EQ(read(file), "[Niveau]\r\nNiveauChoisi=4\r\n");
    EXPECT_EQ(read(target), "keep\r\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(scratch)));
}

TEST_F(IniRewriteTest, LeavesUnwritableFilesAsTheyWere)
{
    const std::string old = "[Niveau]\r\nNiveauChoisi=1\r\n";
    const auto file = write("niveau.ini", old);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(RewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{3}));
    EXPECT_EQ(read(file), old);

    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                               fs::perms::group_exec | fs::perms::others_read |
                               fs::perms::others_exec);
    EXPECT_FALSE(RewriteIni(file, "[Niveau]", "NiveauChoisi", std::int16_t{3}));
    EXPECT_EQ(read(file), old);
    EXPECT_EQ(entries(), std::vector<std::string>{"niveau.ini"});

    fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
    fs::create_directory(m_dir / "folder.ini");
    EXPECT_FALSE(RewriteIni(m_dir / "folder.ini", "[Niveau]", "NiveauChoisi", std::int16_t{3}));
    EXPECT_FALSE(RewriteIni(m_dir / "no" / "niveau.ini", "[Niveau]", "X", std::int16_t{3}));
    EXPECT_EQ(entries().size(), 2u);
}

TEST(IniNumbers, AcceptsOnlyPlainDecimalNumbers)
{
    const std::pair<const char*, double> accepted[] = {
        {"5", 5},       {" -3 ", -3},   {"+2", 2},         {"\t7\t", 7}, {"- 4", -4},
        {"5.", 5},      {".5", 0.5},    {"1e3", 1000},     {"2.5E-1", 0.25},
        {"007", 7},     {"1e+2", 100},  {"1e-400", 0},     {"-0.0", 0},
    };
    for (const auto& [text, value] : accepted)
        EXPECT_EQ(ReadNumber(text), value) << text;
    EXPECT_EQ(ReadNumber("1e400"), std::numeric_limits<double>::infinity());

    for (const char* text : {"", " ", ".", "abc", "2=3", "1,5", "0x10", "inf", "nan", "1e", "e5",
                             "--1", "+-1", "1 2", "+", "1.2.3", "5a", "1e5.0", "٣"}) {
        EXPECT_EQ(ReadNumber(text), std::nullopt) << text;
    }
}

TEST(IniNumbers, Int16RoundsHalfToEvenAndMustFit)
{
    const std::pair<const char*, std::int16_t> accepted[] = {
        {"2.5", 2},          {"3.5", 4},          {"-2.5", -2},   {"2.51", 3},
        {"32767.4", 32767},  {"-32768.5", -32768}, {"-32768", -32768}, {"1e-400", 0},
    };
    for (const auto& [text, value] : accepted)
        EXPECT_EQ(ReadInt16(text), value) << text;
    for (const char* text : {"40000", "32767.5", "-32769", "1e400", "abc"})
        EXPECT_EQ(ReadInt16(text), std::nullopt) << text;
}

TEST(IniNumbers, SingleMustBeFinite)
{
    EXPECT_EQ(ReadSingle(" 3 "), 3.0f);
    EXPECT_EQ(ReadSingle("3.4028235e38"), std::numeric_limits<float>::max());
    EXPECT_EQ(ReadSingle("1e39"), std::nullopt);
    EXPECT_EQ(ReadSingle("-3.5e38"), std::nullopt);
    EXPECT_EQ(ReadSingle("x"), std::nullopt);
}

} // namespace
} // namespace taremo
