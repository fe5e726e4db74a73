// Tests of the version the About box shows.
#include "about/version.h"

#include <gtest/gtest.h>

namespace taremo {
namespace {

TEST(Version, MinorAndRevisionFollowTheDotUnpadded)
{
    EXPECT_EQ(formatVersion(2, 5, 7), "2.57");
    EXPECT_EQ(formatVersion(1, 0, 12), "1.012");
    EXPECT_EQ(formatVersion(10, 12, 0), "10.120");
}

#ifndef _WIN32
TEST(Version, ProgramCarriesTheBuildsNumbers)
{
    const VersionNumbers version = programVersion();
    EXPECT_EQ(formatVersion(version.major, version.minor, version.revision), "2.57");
}
#endif

} // namespace
} // namespace taremo
