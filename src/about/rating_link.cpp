// The rating link: find the browser once through a throw-away page, then start it.
#include "about/rating_link.h"

#include "about/browser.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace taremo {

namespace {

std::string trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

std::FILE* createNew(const std::filesystem::path& file)
{
#ifdef _WIN32
    return _wfopen(file.c_str(), L"wbx");
#else
    return std::fopen(file.c_str(), "wbx");
#endif
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
    std::FILE* out = createNew(file);
    if (out == nullptr)
        return false;
    std::fwrite(kTempPageRecord, 1, std::strlen(kTempPageRecord), out);
    std::fclose(out);
    return true;
}

} // namespace

LinkOutcome RatingLink::findBrowser(const std::filesystem::path& programDir)
{
    const auto page = programDir / kTempPageName;
    // Without the page (a folder the player may not write to) there is nothing to look up.
    if (writeTempPage(page)) {
        m_browser = trim(findBrowserFor(page));
        std::error_code error;
        std::filesystem::remove(page, error);
    }
    if (!m_browser.empty())
        return {};
    return {LinkMessage{"Could not find associated Browser", "Browser Not Found"}};
}

LinkOutcome RatingLink::open(const std::filesystem::path& programDir, const std::string& address)
{
    if (m_browser.empty()) {
        LinkOutcome found = findBrowser(programDir);
        if (found.message)
            return found;
    }
    if (!startBrowser(m_browser, address))
        return {LinkMessage{"Web Page not Opened", "URL Failed"}};
    return {};
}

RatingLink& ratingLink()
{
    static RatingLink link;
    return link;
}

} // namespace taremo
