#pragma once
// A window of the game: a form that reaches the game's state and the other windows.

#include "Daubery.h"
#include "platform/Form.h"

namespace daubery {

class GameWindow : public Form {
protected:
    GameWindow(Daubery& game, std::string name, std::string caption, int clientWidth, int clientHeight)
        : Form(game.windows, std::move(name), std::move(caption), clientWidth, clientHeight), game(game),
          state(game.state) {}

    Daubery& game;
    GameState& state;
};

} // namespace daubery
