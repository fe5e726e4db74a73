// The version as the About box writes it, and the numbers the running program reads.
#include "about/version.h"

#include <gtest/gtest.h>

using namespace taremo;

TEST(Version, MinorAndRevisionFollowTheDotUnpadded)
{
    EXPECT_EQ(formatVersion(1, 0, 12), "1.012");
#ifdef _WIN32
    // Read from this program's own version resource, which differs from the game's.
    const VersionNumbers version = programVersion();
    EXPECT_EQ(formatVersion(version.major, version.minor, version.revision), "1.012");
#endif
}
