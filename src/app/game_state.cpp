// The program-wide game state.
#include "app/game_state.h"

namespace taremo {

GameState& gameState()
{
    static GameState state;
    return state;
}

} // namespace taremo
