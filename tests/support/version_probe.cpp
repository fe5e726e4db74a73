// Prints the version the About box would show for this program, which carries the game's
// version resource.
#include "about/version.h"

#include <cstdio>

int main()
{
    const auto version = taremo::programVersion();
    std::printf("%s\n", taremo::formatVersion(version.major, version.minor, version.revision).c_str());
    return 0;
}
