// The version text of the About box and the numbers the build was given.
#include "about/version.h"

namespace taremo {

std::string formatVersion(int major, int minor, int revision)
{
    return std::to_string(major) + "." + std::to_string(minor) + std::to_string(revision);
}

VersionNumbers buildVersion()
{
    return {TAREMO_VERSION_MAJOR, TAREMO_VERSION_MINOR, TAREMO_VERSION_REVISION};
}

} // namespace taremo
