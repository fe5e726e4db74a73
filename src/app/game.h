// One running game: what its windows share. The program's entry makes it and hands it to the
// main window, which gives each dialog only what that dialog shows.
#pragma once

#include "about/rating_link.h"
#include "app/game_state.h"
#include "app/settings_place.h"
#include "puzzle/random.h"

#include <filesystem>

namespace taremo {

struct Game {
    // The folder of the executable the game was started from.
    std::filesystem::path programDir{};
    GameState state{};
    // Every puzzle is drawn from it, from its fixed starting state on.
    Random random{};
    RatingLink ratingLink{};
    // One a run: the windows hold it by reference, and a copy would draw the puzzles already
    // drawn and look the browser up again. A member says so, as Game stays an aggregate.
    struct NotCopied {
        NotCopied() = default;
        NotCopied(const NotCopied&) = delete;
        NotCopied& operator=(const NotCopied&) = delete;
    };
    [[no_unique_address]] NotCopied notCopied{};

    // The folder of start.ini, niveau.ini and the rating link's temporary page: programDir for a
    // copy the player may write to, the player's own settings folder otherwise.
    std::filesystem::path settingsDir() const { return settingsFolder(programDir); }
};

} // namespace taremo
