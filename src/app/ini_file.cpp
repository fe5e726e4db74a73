// Reader and writer of the game's small settings files (section lines and key=value lines).
#include "app/ini_file.h"

#include "app/file_ops.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <system_error>

namespace taremo {
namespace {

constexpr std::size_t kChunkSize = 64 * 1024ULL;   // bytes read from the file at a time
constexpr std::size_t kMaxLineSize = 64 * 1024ULL; // bytes kept of one line; the rest is skipped
constexpr int kSectionSearchLines = 20000;         // lines passed over looking for the section
constexpr int kKeySearchLines = 200;               // lines read after the section for the key

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

// The next bytes of a text: an empty view at its end, nothing on a read error.
using NextChunk = std::function<std::optional<std::string_view>()>;

// Splits a text into lines, whatever it holds and however its chunks fall: a line ends at
// CR LF, LF or CR, and only its first kMaxLineSize bytes are kept.
class LineReader {
public:
    explicit LineReader(NextChunk source) : m_source(std::move(source)) {}

    // Puts the next line, without its ending, into `line`. False at the end of the text and
    // on a read error.
    bool next(std::string& line);

private:
    bool fill();

    NextChunk m_source;
    std::string_view m_chunk; // what is left of the current chunk
    bool m_failed = false;
    bool m_afterCr = false; // the last line ended in CR: an LF next completes that ending
};

bool LineReader::fill()
{
    if (m_failed)
        return false;
    const auto chunk = m_source();
    m_failed = !chunk;
    m_chunk = chunk.value_or(std::string_view());
    return !m_chunk.empty();
}

bool LineReader::next(std::string& line)
{
    line.clear();
    bool started = false;
    for (;;) {
        if (m_chunk.empty() && !fill())
            return started && !m_failed;
        // The LF of a CR LF may arrive in the next chunk; it ends nothing by itself.
        if (m_afterCr) {
            m_afterCr = false;
            if (m_chunk.front() == '\n') {
                m_chunk.remove_prefix(1);
                continue;
            }
        }
        const auto stop = m_chunk.find_first_of("\r\n");
        const auto length = std::min(stop, m_chunk.size());
        line.append(m_chunk.substr(0, std::min(length, kMaxLineSize - line.size())));
        started = true;
        if (stop == std::string_view::npos) {
            m_chunk = {};
            continue;
        }
        m_afterCr = m_chunk[stop] == '\r';
        m_chunk.remove_prefix(stop + 1);
        return true;
    }
}

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

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
    if (std::filesystem::exists(status) && fileops::isMarkedReadOnly(file))
        return false;
    return !fileops::isMarkedReadOnly(folder);
}

bool writeTwoLines(const std::filesystem::path& file, const std::string& sectionLine,
                   const std::string& key, const IniValue& value)
{
    // Created empty first, and only where nothing holds the name yet, so that a symbolic link
    // planted there is never followed.
    return fileops::createNewFile(file, {}) && EcrireIni(sectionLine, file, std::nullopt) &&
           EcrireIni(key, file, value);
}

// The reader's rules over the lines of one settings text.
std::string readValue(const std::string& section, const std::string& key, LineReader& reader,
                      std::int16_t& matchLength)
{
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

} // namespace

std::string readIniText(const std::string& section, const std::string& key, std::string_view text,
                        std::int16_t& matchLength)
{
    bool given = false;
    LineReader reader([&]() -> std::optional<std::string_view> {
        if (given)
            return std::string_view();
        given = true;
        return text;
    });
    return readValue(section, key, reader, matchLength);
}

std::string LireIni(const std::string& section, const std::string& key,
                    const std::filesystem::path& file, std::int16_t& matchLength)
{
    // Only a regular file is read: a FIFO would hold up the open and a device may never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return {};
    const std::unique_ptr<std::FILE, CloseFile> in(openFile(file, "rb"));
    if (!in)
        return {};
    const auto buffer = std::make_unique<char[]>(kChunkSize);
    LineReader reader([&]() -> std::optional<std::string_view> {
        const std::size_t size = std::fread(buffer.get(), 1, kChunkSize, in.get());
        if (std::ferror(in.get()) != 0)
            return std::nullopt;
        return std::string_view(buffer.get(), size);
    });
    return readValue(section, key, reader, matchLength);
}

bool EcrireIni(const std::string& keyOrSection, const std::filesystem::path& file,
               std::optional<IniValue> value)
{
    std::string line = keyOrSection;
    if (line.empty() || line.front() != '[') {
        line += '=';
        if (value)
            line += formatIniValue(*value);
    }
    line += "\r\n";
    // A second attempt gets past a file another program held open for a moment.
    return appendOnce(file, line) || appendOnce(file, line);
}

std::string formatIniValue(const IniValue& value)
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

bool rewriteIni(const std::filesystem::path& file, const std::string& sectionLine,
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

bool fileExists(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) && !fileops::isHiddenOrSystem(file);
}

} // namespace taremo
