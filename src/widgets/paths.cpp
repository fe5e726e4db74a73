// The program's folder and the folder of its settings.
#include "widgets/paths.h"

#include "app/settings_place.h"

#include <QCoreApplication>

namespace taremo {

namespace {
std::filesystem::path g_override;
}

std::filesystem::path programDir()
{
    if (!g_override.empty())
        return g_override;
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String());
}

void setProgramDir(const std::filesystem::path& dir) { g_override = dir; }

std::filesystem::path settingsDir() { return settingsFolder(programDir()); }

} // namespace taremo
