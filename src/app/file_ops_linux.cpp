// Linux side of the file-system calls: a leading dot hides a file, and a missing write
// permission for the owner marks a file or folder read-only.
#include "app/file_ops.h"

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace taremo::fileops {

bool isHiddenOrSystem(const std::filesystem::path& file)
{
    const auto name = file.filename().native();
    return !name.empty() && name.front() == '.';
}

bool isMarkedReadOnly(const std::filesystem::path& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status))
        return false;
    using std::filesystem::perms;
    return (status.permissions() & perms::owner_write) == perms::none;
}

bool createNewFile(const std::filesystem::path& file, std::string_view bytes)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = true;
    while (ok && !bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        ok = written > 0 || (written < 0 && errno == EINTR);
        if (written > 0)
            bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return ::close(fd) == 0 && ok;
}

} // namespace taremo::fileops
