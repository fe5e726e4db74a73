// Linux side of the file-system calls: a leading dot hides a file, and a missing write
// permission for the owner marks a file or folder read-only.
#include "app/file_ops.h"

#include <system_error>

namespace taremo::fileops {

bool IsHiddenOrSystem(const std::filesystem::path& file)
{
    const auto name = file.filename().native();
    return !name.empty() && name.front() == '.';
}

bool IsMarkedReadOnly(const std::filesystem::path& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status))
        return false;
    using std::filesystem::perms;
    return (status.permissions() & perms::owner_write) == perms::none;
}

} // namespace taremo::fileops
