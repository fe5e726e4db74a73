// Fuzzes the settings reader: every input is a settings file as the game would find it on disk.
#include "app/ini_file.h"
#include "app/number.h"
#include "app/startup.h"

#include <sanitizer/allocator_interface.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace taremo {
namespace {

// The reader keeps one 64 KiB chunk of the file and at most 64 KiB of a line, whatever the
// file's size. One allocation past this bound means it holds more of the file than that.
constexpr std::size_t kLargestAllocation = std::size_t{512} * 1024;
// A value is the part of one line after "=", and only a line's first 64 KiB are kept.
constexpr std::size_t kLongestValue = std::size_t{64} * 1024;
// Sections and keys taken from the input stay short, as the game's own are.
constexpr std::size_t kLongestName = 64;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "settings fuzzer: %s\n", what);
    std::abort();
}

void check(bool ok, const char* what)
{
    if (!ok)
        fail(what);
}

// The largest single allocation made while a lookup runs, seen through the sanitizer's hooks.
bool g_watching = false;
std::size_t g_largest = 0;

void onMalloc(const volatile void*, std::size_t size)
{
    if (g_watching)
        g_largest = std::max(g_largest, size);
}

void onFree(const volatile void*) {}

struct AllocationWatch {
    AllocationWatch()
    {
        g_largest = 0;
        g_watching = true;
    }
    ~AllocationWatch() { g_watching = false; }
    AllocationWatch(const AllocationWatch&) = delete;
    AllocationWatch& operator=(const AllocationWatch&) = delete;
};

std::filesystem::path g_folder;

void removeFolder()
{
    std::error_code error;
    std::filesystem::remove_all(g_folder, error);
}

// One file in a private temporary folder, rewritten for every input.
const std::filesystem::path& settingsFile()
{
    static const std::filesystem::path file = [] {
        const auto pattern = std::filesystem::temp_directory_path() / "taremo-fuzz-XXXXXX";
        std::string folder = pattern.string();
        if (!mkdtemp(folder.data()))
            fail("cannot make a temporary folder");
        g_folder = folder;
        std::atexit(removeFolder);
        return g_folder / kStartIni;
    }();
    return file;
}

void writeFile(const std::filesystem::path& file, std::string_view bytes)
{
    std::FILE* out = std::fopen(file.c_str(), "wb");
    check(out != nullptr, "cannot write the settings file");
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    check(std::fclose(out) == 0 && written, "cannot write the settings file");
}

// The number readers must agree with each other, and whatever they accept must read back the
// same once the writer has given it its text.
void checkNumbers(std::string_view text)
{
    const auto number = readNumber(text);
    const auto whole = readInt16(text);
    const auto real = readSingle(text);
    if (whole) {
        check(number && std::fabs(*number - *whole) <= 0.5, "readInt16 strays from the number");
        check(readInt16(formatIniValue(*whole)) == whole, "an integer changes through the writer");
    } else if (number) {
        // Half way rounds to even: 32767.5 becomes 32768, out of range; -32768.5 stays in.
        check(!(*number >= -32768.5 && *number < 32767.5), "an integer in range is refused");
    }
    if (real) {
        check(number && std::isfinite(*real), "readSingle gave what is not a finite number");
        check(readSingle(formatIniValue(*real)) == real, "a float changes through the writer");
    } else if (number) {
        check(!(std::fabs(*number) <= FLT_MAX), "a float in range is refused");
    }
}

void lookUp(std::string_view bytes, const std::string& section, const std::string& key,
            std::int16_t matchLength)
{
    const std::int16_t asked = matchLength;
    std::string value;
    {
        const AllocationWatch watch;
        value = LireIni(section, key, settingsFile(), matchLength);
    }
    check(g_largest <= kLargestAllocation, "the reader holds more of the file than its buffers");
    check(value.size() <= kLongestValue, "a value longer than a line may be");
    check(value.find_first_of("\r\n") == std::string::npos, "a value runs over a line ending");
    check(asked != 0 || matchLength >= 0, "the key's length came back negative");
    // The file, read a chunk at a time, goes by the same rules as its whole text at once.
    std::int16_t textMatchLength = asked;
    check(readIniText(section, key, bytes, textMatchLength) == value &&
              textMatchLength == matchLength,
          "the file and its text read differently");
    checkNumbers(value);
}

// A third lookup uses the input's own first lines: the section named on the first and the key
// before the "=" of the second, so that what the fuzzer invents gets found; the last byte
// picks the match length, from -2 to 13 (0 stands for the key's whole length).
void lookUpOwnNames(std::string_view bytes)
{
    const auto lineAt = [&](std::size_t start) {
        const auto rest = bytes.substr(std::min(start, bytes.size()));
        return rest.substr(0, rest.find_first_of("\r\n"));
    };
    const auto first = lineAt(0);
    auto section = first.substr(first.empty() || first.front() != '[' ? 0 : 1);
    section = section.substr(0, std::min(section.find(']'), kLongestName));
    const auto second = lineAt(first.size() + 1);
    const auto key = second.substr(0, std::min(second.find('='), kLongestName));
    const auto pick = bytes.empty() ? 0 : static_cast<unsigned char>(bytes.back());
    lookUp(bytes, std::string(section), std::string(key), static_cast<std::int16_t>(pick % 16 - 2));
}

} // namespace
} // namespace taremo

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!__sanitizer_install_malloc_and_free_hooks(taremo::onMalloc, taremo::onFree))
        taremo::fail("cannot watch allocations");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace taremo;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    writeFile(settingsFile(), bytes);
    lookUp(bytes, kStartSection, kStartKey, 0);
    lookUp(bytes, kLevelSection, kLevelKey, 0);
    lookUpOwnNames(bytes);
    return 0;
}
