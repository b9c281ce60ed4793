#include "frmGamestatus.h"

#include "Form1.h"
#include "game/Bingos.h"
#include "game/Money.h"
#include "game/Patterns.h"

namespace daubery {

namespace {

using K = ControlKind;
using namespace look;

constexpr int ClientWidth = 4680, ClientHeight = 2670;
constexpr std::string_view NextGameCaption = "&Next game", TryAgainCaption = "&Try Again";

// The outcome in the middle of the space above the hint, the hint just over the buttons, the
// buttons clear of the bottom edge.
constexpr int HintTop = 1680, ButtonTop = 2040;

// clang-format off
const ControlSpec kControls[] = {
    {.name = "lblStatus", .kind = K::Label, .left = 240, .top = 120, .width = 4215, .height = 1815,
     .caption = "Game over", .flags = Centred | Bold | WordWrap | Middle, .fontSize = 12},
    {.name = "lblStatus2", .kind = K::Label, .left = 120, .top = HintTop, .width = 4455, .height = 255,
     .flags = Centred, .foreColor = rgb(80, 80, 80)},
    {.name = "cmdOK", .kind = K::Button, .left = 240, .top = ButtonTop, .width = 1335, .height = 495,
     .caption = "OK", .flags = DefaultButton},
    {.name = "cmdTryagain", .kind = K::Button, .left = 1680, .top = ButtonTop, .width = 1335, .height = 495,
     .caption = "Try Again"},
    {.name = "cmdEndPlay", .kind = K::Button, .left = 3120, .top = ButtonTop, .width = 1455, .height = 495,
     .caption = "End Play"},
};
// clang-format on

} // namespace

frmGamestatus::frmGamestatus(Daubery& owner)
    : GameWindow(owner, std::string(Name), "", ClientWidth, ClientHeight) {
    setCentred(true);
    build(kControls);
    onChange("lblStatus", [this] { lblStatus_Change(); });
    onClick("cmdOK", [this] { cmdOK_Click(); });
    onClick("cmdTryagain", [this] { cmdTryagain_Click(); });
    onClick("cmdEndPlay", [this] { cmdEndPlay_Click(); });
    status_ = &control("lblStatus");
    hint_ = &control("lblStatus2");
    tryAgain_ = &control("cmdTryagain");
    // Ends every decided round: kept, and put back as built when unloaded, like the message board.
    keepBetweenLoads();
}

void frmGamestatus::Form_Load() {
    Form1& main = game.mainWindow();
    state.GameActive = false;
    main.ballTimer().setEnabled(false);
    main.hideBall();
    main.pausedSign().setVisible(false);
    main.nextGameMenu().setVisible(true);
    main.helpMenu().setEnabled(false);
    const std::string& next = main.nextGameMenu().caption();
    if (next != NextGameCaption) {
        hint_->setCaption("If you would like to try again press Try Again");
    } else {
        status_->setCaption("Congradulaton's\n\rYou have B I N G O");
        hint_->setCaption("If you would like to play the next game press Next Game");
    }
    tryAgain_->setCaption(next);
    Form_Activate();
}

void frmGamestatus::Form_Activate() {
    if (activated_) return;
    activated_ = true;
    Form1& main = game.mainWindow();
    state.GameActive = false;
    main.ballTimer().setEnabled(false);
    main.hideBall();
    main.nextGameMenu().setVisible(true);
}

void frmGamestatus::Form_Unload() {
    lastStatus_.clear();
    activated_ = false;
    game.mainWindow().helpMenu().setEnabled(true);
}

void frmGamestatus::lblStatus_Change() {
    const std::string status = status_->caption();
    if (game.mainWindow().nextGameMenu().caption() == NextGameCaption || status == lastStatus_) return;
    lastStatus_ = renamedComputerWinStatus(status);
    status_->setCaption(lastStatus_);
}

void frmGamestatus::cmdOK_Click() {
    windows().unload(*this);
}

void frmGamestatus::cmdTryagain_Click() {
    Form1& main = game.mainWindow();
    game.rnd.reseedFromClock();
    if (state.RandomPick) state.GameType = std::int16_t(drawnGameType(game.rnd.next(), 9));
    const std::string next = main.nextGameMenu().caption();
    if (next == NextGameCaption) {
        const int cost = game.nextGameCost();
        windows().messageBox("Next Game", "This Game will cost $" + std::to_string(cost) + ".00");
        state.Balance = plus(state.Balance, -cost);
        main.claimButton().setEnabled(false);
        state.Jackpot = times(state.JackpotLevel, 5);
    } else if (next == TryAgainCaption) {
        main.claimButton().setEnabled(false);
        state.JackpotLevel = 1;
        state.Jackpot = 5;
        state.Balance = 0;
    }
    if (next == NextGameCaption || next == TryAgainCaption) {
        state.RollStep = 0;
        state.CalledCount = 0;
        game.dealNextRound();
    }
    windows().unload(*this);
}

void frmGamestatus::cmdEndPlay_Click() {
    Form1& main = game.mainWindow();
    if (main.control("bngPlay").caption() == "&End Play") main.endPlay();
    windows().unload(*this);
}

} // namespace daubery
