// Reader and writer of the game's small settings files (section lines and key=value lines).
#include "app/ini_file.h"

#include "app/file_ops.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <memory>
#include <system_error>

namespace taremo {
namespace {

constexpr std::size_t kChunkSize = 64 * 1024;   // bytes read from the file at a time
constexpr std::size_t kMaxLineSize = 64 * 1024; // bytes kept of one line; the rest is skipped
constexpr int kSectionSearchLines = 20000;      // lines passed over looking for the section
constexpr int kKeySearchLines = 200;            // lines read after the section for the key

// std::fopen on a path; Windows needs the wide-character call to reach every file name.
std::FILE* openFile(const std::filesystem::path& file, const char* mode)
{
#ifdef _WIN32
    std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(file.c_str(), wideMode.c_str());
#else
    return std::fopen(file.c_str(), mode);
#endif
}

// Reads a file line by line through one fixed buffer, whatever the file holds: a line ends at
// CR LF, LF or CR, and only its first kMaxLineSize bytes are kept.
class LineReader {
public:
    explicit LineReader(const std::filesystem::path& file)
        : m_file(openFile(file, "rb")), m_buffer(std::make_unique<char[]>(kChunkSize))
    {
    }
    ~LineReader()
    {
        if (m_file)
            std::fclose(m_file);
    }
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Puts the next line, without its ending, into `line`. False at the end of the file, when
    // the file could not be opened and on a read error.
    bool next(std::string& line);

private:
    bool fill();

    std::FILE* m_file;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_failed = false;
    bool m_afterCr = false; // the last line ended in CR: an LF next completes that ending
};

bool LineReader::fill()
{
    if (!m_file || m_failed)
        return false;
    m_pos = 0;
    m_end = std::fread(m_buffer.get(), 1, kChunkSize, m_file);
    // A directory opened as a file (Linux allows it) fails here, on its first read.
    m_failed = std::ferror(m_file) != 0;
    if (m_failed)
        m_end = 0;
    return m_end > 0;
}

bool LineReader::next(std::string& line)
{
    line.clear();
    bool started = false;
    for (;;) {
        if (m_pos == m_end && !fill())
            return started && !m_failed;
        // The LF of a CR LF may arrive in the next chunk; it ends nothing by itself.
        if (m_afterCr) {
            m_afterCr = false;
            if (m_buffer[m_pos] == '\n' && ++m_pos == m_end)
                continue;
        }
        const char* begin = m_buffer.get() + m_pos;
        const char* end = m_buffer.get() + m_end;
        const char* stop = std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
        const auto kept = std::min<std::size_t>(stop - begin, kMaxLineSize - line.size());
        line.append(begin, kept);
        started = true;
        m_pos += stop - begin;
        if (stop != end) {
            m_afterCr = *stop == '\r';
            ++m_pos;
            return true;
        }
    }
}

// Bytes of the UTF-8 character at `pos`; a byte that starts no valid sequence counts alone.
std::size_t charSize(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t size = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
    if (size <= 1 || pos + size > text.size())
        return 1;
    // The second byte's range rules out overlong forms, surrogates and code points past U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead == 0xE0)
        low = 0xA0;
    else if (lead == 0xED)
        high = 0x9F;
    else if (lead == 0xF0)
        low = 0x90;
    else if (lead == 0xF4)
        high = 0x8F;
    for (std::size_t i = 1; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (byte < low || byte > high)
            return 1;
        low = 0x80;
        high = 0xBF;
    }
    return size;
}

struct LeftPart {
    std::string_view text; // the first characters, or the whole text when it is shorter
    std::size_t chars;     // how many characters `text` holds
};

LeftPart leftChars(std::string_view text, std::size_t count)
{
    std::size_t pos = 0, chars = 0;
    for (; chars < count && pos < text.size(); ++chars)
        pos += charSize(text, pos);
    return {text.substr(0, pos), chars};
}

// The key's length in characters, as the 16-bit length the caller keeps.
std::int16_t charCount(std::string_view text)
{
    const auto chars = leftChars(text, 0x7FFF).chars;
    return static_cast<std::int16_t>(chars);
}

bool keyMatches(std::string_view line, std::string_view key, std::size_t matchLength)
{
    const LeftPart start = leftChars(line, matchLength);
    return start.chars == matchLength && start.text == leftChars(key, matchLength).text;
}

std::string valueOf(const std::string& line)
{
    const auto equals = line.find('=');
    return equals == std::string::npos ? line : line.substr(equals + 1);
}

bool appendOnce(const std::filesystem::path& file, const std::string& bytes)
{
    std::FILE* out = openFile(file, "ab");
    if (!out)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    ok = std::fclose(out) == 0 && ok;
    return ok;
}

bool mayRewrite(const std::filesystem::path& file, const std::filesystem::path& folder)
{
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (std::filesystem::is_directory(status) || file.filename().empty())
        return false;
    // The read-only marks are honoured even where the system would let the write through.
    if (std::filesystem::exists(status) && fileops::IsMarkedReadOnly(file))
        return false;
    return !fileops::IsMarkedReadOnly(folder);
}

bool writeTwoLines(const std::filesystem::path& file, const std::string& sectionLine,
                   const std::string& key, const IniValue& value)
{
    // Created empty first, and only where nothing holds the name yet, so that a symbolic link
    // planted there is never followed.
    return fileops::CreateNewFile(file, {}) && EcrireIni(sectionLine, file, std::nullopt) &&
           EcrireIni(key, file, value);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view skipBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view takeDigits(std::string_view& text)
{
    std::size_t count = 0;
    while (count < text.size() && isDigit(text[count]))
        ++count;
    const auto digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

// The shape of a number's text once its sign and blanks are set aside.
struct NumberParts {
    std::string_view body;      // digits, fraction and exponent, as std::from_chars reads them
    std::string_view whole;     // digits before the point
    std::string_view fraction;  // digits after it
    long exponent = 0;          // held within +-1e6, which is all the range test below needs
};

std::optional<long> readExponent(std::string_view& text)
{
    if (text.empty() || (text.front() != 'e' && text.front() != 'E'))
        return 0;
    text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    const auto digits = takeDigits(text);
    if (digits.empty())
        return std::nullopt;
    long exponent = 0;
    for (char c : digits)
        exponent = std::min(exponent * 10 + (c - '0'), 1000000L);
    return negative ? -exponent : exponent;
}

std::optional<NumberParts> splitNumber(std::string_view text)
{
    NumberParts parts;
    const auto start = text;
    parts.whole = takeDigits(text);
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        parts.fraction = takeDigits(text);
    }
    if (parts.whole.empty() && parts.fraction.empty())
        return std::nullopt;
    const auto exponent = readExponent(text);
    if (!exponent || !skipBlanks(text).empty())
        return std::nullopt;
    parts.exponent = *exponent;
    parts.body = start.substr(0, start.size() - text.size());
    return parts;
}

// Whether a number too large or too small for a double lies above 1 (and so becomes
// infinite) rather than below (and so becomes 0).
bool overflows(const NumberParts& parts)
{
    const auto firstWhole = parts.whole.find_first_not_of('0');
    if (firstWhole != std::string_view::npos)
        return static_cast<long>(parts.whole.size() - firstWhole) - 1 + parts.exponent >= 0;
    const auto firstFraction = parts.fraction.find_first_not_of('0');
    return -static_cast<long>(firstFraction) - 1 + parts.exponent >= 0;
}

} // namespace

std::string LireIni(const std::string& section, const std::string& key,
                    const std::filesystem::path& file, std::int16_t& matchLength)
{
    // Only a regular file is read: a FIFO would hold up the open and a device may never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return {};
    LineReader reader(file);
    std::string line;
    if (!reader.next(line))
        return {};
    // Past this many lines the search gives up, and the line reached stands for the section.
    const std::string header = "[" + section + "]";
    for (int passed = 0; passed < kSectionSearchLines && line != header; ++passed) {
        if (!reader.next(line))
            return {};
    }
    if (matchLength == 0)
        matchLength = charCount(key);
    if (matchLength < 0)
        return {};
    const auto length = static_cast<std::size_t>(matchLength);
    // The search starts on the section line itself and runs on past any later section.
    for (int read = 0; read < kKeySearchLines && !keyMatches(line, key, length); ++read) {
        if (!reader.next(line))
            return {};
    }
    return keyMatches(line, key, length) ? valueOf(line) : std::string();
}

bool EcrireIni(const std::string& keyOrSection, const std::filesystem::path& file,
               std::optional<IniValue> value)
{
    std::string line = keyOrSection;
    if (line.empty() || line.front() != '[') {
        line += '=';
        if (value)
            line += FormatIniValue(*value);
    }
    line += "\r\n";
    // A second attempt gets past a file another program held open for a moment.
    return appendOnce(file, line) || appendOnce(file, line);
}

std::string FormatIniValue(const IniValue& value)
{
    if (const auto* number = std::get_if<std::int16_t>(&value))
        return std::to_string(*number);
    const float real = std::get<float>(value);
    if (real == 0.0f)
        return "0"; // never "-0"
    // A whole number keeps all its digits (no exponent); anything else is the shortest text
    // that reads back as the same float.
    char text[64];
    const bool whole = std::isfinite(real) && std::trunc(real) == real;
    const auto result = whole ? std::to_chars(text, std::end(text), real, std::chars_format::fixed)
                              : std::to_chars(text, std::end(text), real);
    return std::string(text, result.ptr);
}

bool RewriteIni(const std::filesystem::path& file, const std::string& sectionLine,
                const std::string& key, const IniValue& value)
{
    const auto folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    if (!mayRewrite(file, folder))
        return false;
    auto temporary = file;
    temporary += ".tmp";
    std::error_code error;
    // A copy left by an interrupted rewrite (or anything planted at its name) goes first; a
    // symbolic link is removed itself, never its target.
    std::filesystem::remove(temporary, error);
    if (writeTwoLines(temporary, sectionLine, key, value)) {
        std::filesystem::rename(temporary, file, error);
        if (!error)
            return true;
    }
    std::filesystem::remove(temporary, error);
    return false;
}

bool FileExists(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) && !fileops::IsHiddenOrSystem(file);
}

std::optional<double> ReadNumber(std::string_view text)
{
    text = skipBlanks(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text = skipBlanks(text.substr(1));
    const auto parts = splitNumber(text);
    if (!parts)
        return std::nullopt;
    double number = 0.0;
    const auto result = std::from_chars(parts->body.data(), parts->body.data() + parts->body.size(),
                                        number);
    if (result.ec == std::errc::result_out_of_range)
        number = overflows(*parts) ? HUGE_VAL : 0.0;
    else if (result.ec != std::errc() || result.ptr != parts->body.data() + parts->body.size())
        return std::nullopt;
    return negative ? -number : number;
}

std::optional<std::int16_t> ReadInt16(std::string_view text)
{
    const auto number = ReadNumber(text);
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    // Half way between two integers goes to the even one.
    double rounded = std::floor(*number);
    const double rest = *number - rounded;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(rounded, 2.0) != 0.0))
        rounded += 1.0;
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<float> ReadSingle(std::string_view text)
{
    const auto number = ReadNumber(text);
    // From here up a double rounds to an infinite float (half a step past the largest float).
    constexpr double kFloatLimit = 0x1.ffffffp127;
    if (!number || !(std::fabs(*number) < kFloatLimit))
        return std::nullopt;
    return static_cast<float>(*number);
}

} // namespace taremo
