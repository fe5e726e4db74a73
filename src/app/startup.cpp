// The start routine: restores the stored difficulty and language and decides which window
// comes first; and the two rewrites that keep those choices for the next start.
#include "app/startup.h"

#include "app/ini_file.h"
#include "app/number.h"

#include <cmath>
#include <string>
#include <system_error>

namespace taremo {
namespace {

std::string sectionLine(const char* section) { return std::string("[") + section + "]"; }

// The stored text of `key`, matched over the key's whole length.
std::string storedValue(const std::filesystem::path& file, const char* section, const char* key)
{
    std::int16_t matchLength = 0;
    return LireIni(section, key, file, matchLength);
}

// The player's own settings folder is made on the first write to it.
bool rewrite(const std::filesystem::path& file, const char* section, const char* key,
             const IniValue& value)
{
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    return rewriteIni(file, sectionLine(section), key, value);
}

// The settings file `name` to read: the settings folder's, or while that folder has none yet,
// the one an administrator or an earlier copy left beside the game.
std::filesystem::path stored(const std::filesystem::path& settingsDir,
                             const std::filesystem::path& gameDir, const char* name)
{
    auto own = settingsDir / name;
    if (gameDir.empty() || gameDir == settingsDir || fileExists(own))
        return own;
    return gameDir / name;
}

// One of the five languages' codes, 1 to 5, exactly.
bool isLanguageCode(float code) { return code >= 1.0f && code <= 5.0f && std::trunc(code) == code; }

} // namespace

FirstWindow Main(const std::filesystem::path& settingsDir, GameState& state,
                 const std::filesystem::path& gameDir)
{
    const auto levelFile = stored(settingsDir, gameDir, kLevelIni);
    if (fileExists(levelFile)) {
        if (const auto choice = readInt16(storedValue(levelFile, kLevelSection, kLevelKey)))
            state.NiveauChoisi = *choice;
    }
    const auto start = stored(settingsDir, gameDir, kStartIni);
    // No start.ini means a first start: the player picks a language before anything else.
    if (!fileExists(start))
        return FirstWindow::Language;
    // An unreadable language still means the player has been here before; the main window
    // opens with the language left as it was. So does a code of no language (6, 2.5, -1): the
    // texts would be empty for it, and a hand-edited or damaged file must not leave the game
    // without menus.
    const auto language = readSingle(storedValue(start, kStartSection, kStartKey));
    if (language && isLanguageCode(*language))
        state.Langue = *language;
    return FirstWindow::Main;
}

bool saveLevel(const std::filesystem::path& programDir, const GameState& state)
{
    return rewrite(programDir / kLevelIni, kLevelSection, kLevelKey, state.NiveauChoisi);
}

bool saveLanguage(const std::filesystem::path& programDir, float language)
{
    return rewrite(programDir / kStartIni, kStartSection, kStartKey, language);
}

} // namespace taremo
