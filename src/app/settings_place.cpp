// The choice of the settings folder: the game's own folder for a copy the player may write to,
// the player's settings folder for an installed one.
#include "app/settings_place.h"

#include <string>
#include <system_error>

namespace taremo {

namespace {

// `cmake --install` and the package put the metadata in ../share/metainfo beside the games or
// bin folder of the executable. Such a folder is shared with other programs and, for a system
// install, belongs to root. The Windows installer's folder is the player's own, but it is the
// installer's to replace and remove.
bool isInstalledCopy(const std::filesystem::path& programDir)
{
    std::error_code error;
    const auto metainfo =
        programDir / ".." / "share" / "metainfo" / (std::string(kAppId) + ".metainfo.xml");
    return std::filesystem::is_regular_file(metainfo, error) || installerPutGameIn(programDir);
}

} // namespace

// The rule: an installed copy keeps every player's settings, root's included, in that
// player's own settings folder, so that nobody writes into the shared install tree (root
// could, but the next player would then share root's choices). Any other copy, a portable
// folder or the build folder, keeps them beside the executable as it always has, as long as
// the player may write there; when not, it falls back to the player's own folder too.
std::filesystem::path settingsFolder(const std::filesystem::path& programDir)
{
    if (!isInstalledCopy(programDir) && playerMayWriteIn(programDir))
        return programDir;
    const auto own = userSettingsFolder();
    return own.empty() ? programDir : own;
}

} // namespace taremo
