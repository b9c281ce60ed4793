#pragma once
// A window of the game: a form that reaches the game's state and the other windows.

#include "Daubery.h"
#include "platform/Form.h"

namespace daubery {

class GameWindow : public Form {
protected:
    GameWindow(Daubery& owner, std::string name, std::string caption, int clientWidth, int clientHeight)
        : Form(owner.windows, std::move(name), std::move(caption), clientWidth, clientHeight), game(owner),
          state(owner.state) {}

    Daubery& game;
    GameState& state;
};

} // namespace daubery
