// Linux side of the version: the executable carries no version resource, so the build's
// numbers are the program's.
#include "about/version.h"

namespace taremo {

VersionNumbers programVersion() { return buildVersion(); }

} // namespace taremo
