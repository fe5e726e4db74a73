// The rating link: find the browser once through a throw-away page, then start it.
#include "about/rating_link.h"

#include "about/browser.h"
#include "app/file_ops.h"

#include <string_view>
#include <system_error>

namespace taremo {

namespace {

std::string trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

// Writes the page afresh. Whatever sits at its name is removed first (a file, or a link
// somebody planted) and the page is then created exclusively, so no write can go through
// a link to another file. Returns whether a file of ours now stands there.
bool writeTempPage(const std::filesystem::path& file)
{
    std::error_code error;
    const auto status = std::filesystem::symlink_status(file, error);
    if (std::filesystem::is_symlink(status) || std::filesystem::is_regular_file(status))
        std::filesystem::remove(file, error);
    // A page whose write failed still serves the look-up, which asks only about its name.
    return fileops::createNewFile(file, kTempPageRecord) ||
           std::filesystem::is_regular_file(std::filesystem::symlink_status(file, error));
}

} // namespace

LinkOutcome RatingLink::findBrowser(const std::filesystem::path& programDir)
{
    const auto page = programDir / kTempPageName;
    // The player's own settings folder is made by the first save, which may not have come
    // yet: the link makes it as a save would. Without the page (a folder that cannot be made
    // or written to) there is nothing to look up.
    std::error_code made;
    std::filesystem::create_directories(programDir, made);
    if (writeTempPage(page)) {
        m_browser = trim(findBrowserFor(page));
        std::error_code error;
        std::filesystem::remove(page, error);
    }
    if (!m_browser.empty())
        return {};
    return {LinkMessage{"Could not find associated Browser", "Browser Not Found"}};
}

LinkOutcome RatingLink::open(const std::filesystem::path& programDir, std::uintptr_t owner,
                             const std::string& address)
{
    if (m_browser.empty()) {
        LinkOutcome found = findBrowser(programDir);
        if (found.message)
            return found;
    }
    if (!startBrowser(m_browser, address, owner))
        return {LinkMessage{"Web Page not Opened", "URL Failed"}};
    return {};
}

} // namespace taremo
