// The answers to --version and --help.
#include "command_line.h"

#include "about/version.h"

#include <algorithm>

namespace taremo {

namespace {

std::string versionLine()
{
    const VersionNumbers version = programVersion();
    return "Taremo " + formatVersion(version.major, version.minor, version.revision) + "\n";
}

const char* const kHelp =
    "Usage: taremo [--help | --version]\n"
    "Taremo, the nine-by-nine number-placement puzzle. Without options it opens the game.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "The language and the last difficulty are kept in start.ini and niveau.ini. The\n"
    "installed game, and a copy in a folder you may not write to, keep them in\n"
#ifdef _WIN32
    "%APPDATA%\\Taremo; any other copy, such as an unpacked zip, keeps them beside\n"
    "taremo.exe.\n";
#else
    "$XDG_CONFIG_HOME/taremo (by default ~/.config/taremo); any other copy, such as the\n"
    "build folder, keeps them beside the game. See taremo(6).\n";
#endif

bool has(const std::vector<std::string>& args, const char* option)
{
    return std::find(args.begin(), args.end(), option) != args.end();
}

} // namespace

std::optional<CommandLineAnswer> answerCommandLine(const std::vector<std::string>& args)
{
    if (has(args, "--help") || has(args, "-h"))
        return CommandLineAnswer{kHelp};
    if (has(args, "--version"))
        return CommandLineAnswer{versionLine()};
    return std::nullopt;
}

} // namespace taremo
