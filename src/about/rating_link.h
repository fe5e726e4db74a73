// The "Votre avis" link of the About box: opens the rating page in the player's browser.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace taremo {

// The page where players rate the game (the space is sent as it stands).
inline constexpr const char* kRatingAddress = "http://www.example.com/vote.asp?I=4127&L=Taremo Pro";

// The page written beside the game so the desktop can say which program opens web pages.
inline constexpr const char* kTempPageName = "temphtm.HTM";

// The exact bytes of that page.
inline constexpr const char* kTempPageRecord = "\"<HTML> <\\HTML>\"\r\n";

// A message for the player; the form shows it in a box with `title` as the caption.
struct LinkMessage {
    std::string text;
    std::string title;
};

// What one click on the link came to: nothing to say, or one message.
struct LinkOutcome {
    std::optional<LinkMessage> message;
};

// The link with the browser it found, kept for the rest of the run once found.
class RatingLink {
public:
    // Finds the browser unless one is known (through a temporary page in `programDir`, made
    // if need be, the page removed afterwards), then starts it on `address` from the window
    // `owner` (see startBrowser). A failed search is tried again on the next call; a browser that
    // no longer starts stays known.
    LinkOutcome open(const std::filesystem::path& programDir, std::uintptr_t owner,
                     const std::string& address = kRatingAddress);

private:
    LinkOutcome findBrowser(const std::filesystem::path& programDir);

    std::string m_browser;
};

} // namespace taremo
