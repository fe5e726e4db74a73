// Linux side of the settings folder: the XDG configuration folder, and write access judged
// by the folder's permission bits as well as by the kernel.
#include "app/settings_place.h"

#include <cstdlib>
#include <string>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace taremo {

namespace {

std::string env(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string homeFolder()
{
    std::string home = env("HOME");
    if (home.empty()) {
        if (const passwd* entry = ::getpwuid(::geteuid()); entry != nullptr && entry->pw_dir)
            home = entry->pw_dir;
    }
    return home;
}

bool inGroup(gid_t group)
{
    if (group == ::getegid())
        return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(count > 0 ? count : 0));
    const int got = groups.empty() ? 0 : ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[static_cast<std::size_t>(i)] == group)
            return true;
    }
    return false;
}

} // namespace

std::filesystem::path userSettingsFolder()
{
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG rules ask.
    std::string base = env("XDG_CONFIG_HOME");
    if (base.empty() || base.front() != '/') {
        const std::string home = homeFolder();
        if (home.empty())
            return {};
        base = home + "/.config";
    }
    return std::filesystem::path(base) / "taremo";
}

bool playerMayWriteIn(const std::filesystem::path& dir)
{
    struct stat info {};
    if (::stat(dir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    // The kernel's answer covers read-only mounts and access lists.
    if (::access(dir.c_str(), W_OK | X_OK) != 0)
        return false;
    // Root passes that test everywhere; the bits say whether the folder is meant to be
    // written to by this player.
    if (info.st_uid == ::geteuid())
        return (info.st_mode & S_IWUSR) != 0;
    if (inGroup(info.st_gid))
        return (info.st_mode & S_IWGRP) != 0;
    return (info.st_mode & S_IWOTH) != 0;
}

bool installerPutGameIn(const std::filesystem::path&) { return false; }

} // namespace taremo
