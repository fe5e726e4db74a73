// Prints the version the About box would show for this program, which carries the game's
// version resource.
#include "about/version.h"

#include <cstdio>

int main()
{
    const auto version = taremo::programVersion();
    const auto text = taremo::formatVersion(version.major, version.minor, version.revision);
    std::printf("%s\n", text.c_str());
    return 0;
}
