#include "frmHelp.h"

#include "Form1.h"

namespace daubery {

namespace {

using K = ControlKind;

constexpr int ClientWidth = 6120, ClientHeight = 4275;

const ControlSpec kControls[] = {
    {.name = "Command2",
     .kind = K::Button,
     .left = 120,
     .top = 3840,
     .width = 5880,
     .height = 375,
     .caption = "Cancel"},
};

} // namespace

frmHelp::frmHelp(Daubery& owner) : GameWindow(owner, std::string(Name), "Help", ClientWidth, ClientHeight) {
    setCentred(true);
    build(kControls);
    onClick("Command2", [this] { Command2_Click(); });
}

void frmHelp::Form_Load() {
    if (state.HelpOrigin != 4) {
        if (!state.Paused) game.TogglePause();
        game.mainWindow().control("bngPause").setEnabled(false);
        game.mainWindow().control("bngPlay").setEnabled(false);
    }
    state.HelpOrigin = 0;
}

void frmHelp::closing() {
    if (state.Paused) game.TogglePause();
    game.mainWindow().control("bngPause").setEnabled(true);
    game.mainWindow().control("bngPlay").setEnabled(true);
}

void frmHelp::Command2_Click() {
    state.HelpPage = -1;
    closing();
    windows().unload(*this);
}

void frmHelp::Form_Close() {
    closing();
    windows().unload(*this);
}

} // namespace daubery
