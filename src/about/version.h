// The game's version number and the way the About box writes it.
#pragma once

#include <string>

namespace taremo {

struct VersionNumbers {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The version as the About box shows it: major, a dot, then minor and revision written one
// after the other in plain decimal, without padding: (2, 5, 7) gives "2.57".
std::string formatVersion(int major, int minor, int revision);

// The numbers this build was made with.
VersionNumbers buildVersion();

// The running program's version: on Windows read from the executable's version resource
// (the build's numbers when that fails), elsewhere the build's numbers.
VersionNumbers programVersion();

} // namespace taremo
