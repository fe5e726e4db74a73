// Tests of the version the About box shows: minor and revision follow the dot, unpadded.
#include "about/version.h"

#include <gtest/gtest.h>

TEST(Version, MinorAndRevisionFollowTheDotUnpadded)
{
    EXPECT_EQ(taremo::formatVersion(1, 0, 12), "1.012");
    EXPECT_EQ(taremo::formatVersion(10, 12, 0), "10.120");
    const auto version = taremo::programVersion();
#ifdef _WIN32
    // Read from this program's own version resource, which differs from the game's.
    EXPECT_EQ(taremo::formatVersion(version.major, version.minor, version.revision), "1.012");
#else
    // The build's own numbers, 2.5.7.
    EXPECT_EQ(taremo::formatVersion(version.major, version.minor, version.revision), "2.57");
#endif
}
