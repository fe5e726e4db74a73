// Reader and writer of the game's small settings files (section lines and key=value lines).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace taremo {

// A value the writer stores: a 16-bit integer or a single-precision float.
using IniValue = std::variant<std::int16_t, float>;

// Returns the value of `key` in section `section` of the settings text `text`, or "" when
// there is none. Matches the section line whole and exactly, then the first `matchLength`
// characters of the key within the 200 lines that follow; a `matchLength` of 0 is replaced by
// the key's length, and the caller's variable keeps that length.
std::string readIniText(const std::string& section, const std::string& key, std::string_view text,
                        std::int16_t& matchLength);

// The same rules over the settings file `file`, read line by line, so that memory stays
// bounded whatever the file holds; "" when the file cannot be read.
std::string LireIni(const std::string& section, const std::string& key,
                    const std::filesystem::path& file, std::int16_t& matchLength);

// Appends one line to `file` (created when missing), ended by CR LF: `keyOrSection` as it
// stands when it begins with "[", otherwise key=value. Retries once; returns false when the
// second attempt fails too.
bool EcrireIni(const std::string& keyOrSection, const std::filesystem::path& file,
               std::optional<IniValue> value = std::nullopt);

// The text the writer gives a value: plain decimal, a whole float without a fraction.
std::string formatIniValue(const IniValue& value);

// Replaces `file` by exactly two lines, `sectionLine` and key=value. The new file is written
// beside the old one and moved into place, so a failure never leaves it missing or half
// written. Returns false when the file could not be rewritten (it is then left as it was).
bool rewriteIni(const std::filesystem::path& file, const std::string& sectionLine,
                const std::string& key, const IniValue& value);

// The settings files' existence test: a regular file that is neither hidden nor a system file.
bool fileExists(const std::filesystem::path& file);

} // namespace taremo
