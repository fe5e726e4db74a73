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

    // The folder of start.ini, niveau.ini and the rating link's temporary page: programDir for a
    // copy the player may write to, the player's own settings folder otherwise.
    std::filesystem::path settingsDir() const { return settingsFolder(programDir); }
};

} // namespace taremo
