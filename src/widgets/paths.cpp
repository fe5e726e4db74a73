// The program's folder.
#include "widgets/paths.h"

#include <QCoreApplication>

namespace taremo {

std::filesystem::path programDir()
{
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String());
}

} // namespace taremo
