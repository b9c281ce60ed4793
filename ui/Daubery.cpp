#include "Daubery.h"

#include "Bingomsg.h"
#include "BngOptions.h"
#include "Form1.h"
#include "NumberText.h"
#include "frmGamestatus.h"
#include "frmHelp.h"
#include "game/Dealing.h"
#include "game/Money.h"
#include "game/Patterns.h"
#include "game/Pcbingos.h"

namespace daubery {

Daubery::Daubery(Platform& platform) : rnd([&platform] { return platform.clockSeed(); }), windows(platform) {
    windows.define(std::string(Form1::Name), [this] { return std::make_unique<Form1>(*this); });
    windows.define(std::string(BngOptions::Name), [this] { return std::make_unique<BngOptions>(*this); });
    windows.define(std::string(Bingomsg::Name), [this] { return std::make_unique<Bingomsg>(*this); });
    windows.define(std::string(frmGamestatus::Name),
                   [this] { return std::make_unique<frmGamestatus>(*this); });
    windows.define(std::string(frmHelp::Name), [this] { return std::make_unique<frmHelp>(*this); });
}

Daubery::~Daubery() = default;

void Daubery::start() {
    windows.dispatch([this] { windows.show(mainWindow()); });
}

Form1& Daubery::mainWindow() {
    return windows.get<Form1>();
}
BngOptions& Daubery::optionsDialog() {
    return windows.get<BngOptions>();
}
Bingomsg& Daubery::messageBoard() {
    return windows.get<Bingomsg>();
}
frmGamestatus& Daubery::outcomeDialog() {
    return windows.get<frmGamestatus>();
}
frmHelp& Daubery::helpViewer() {
    return windows.get<frmHelp>();
}
bool Daubery::messageBoardLoaded() const {
    return windows.loaded(Bingomsg::Name) != nullptr;
}

void Daubery::NewGame() {
    dealPlayerCards(state, rnd);
    Form1& main = mainWindow();
    for (int i = 1; i <= 24; ++i) setNumberCaption(main.square(i), state.Card1Numbers[i]);
    for (int i = 25; i <= 48; ++i) setNumberCaption(main.square(i), state.Card2Numbers[i - 24]);
    DealPcCards(state, rnd);
    Bingomsg& board = messageBoard();
    if (state.RandomPick && state.GameType >= 1 && state.GameType <= GameTypeCount) {
        state.GameName = std::string(gameType(state.GameType).name);
        board.gameName().setCaption(state.GameName);
    }
    board.gameName().setCaption(state.GameName);
    Control& claim = main.claimButton();
    claim.setEnabled(true);
    claim.setTooltip("If you have BINGO then press here");
    // Each text built in one string, without a copy for every part.
    std::string text;
    text.reserve(128);
    text.append("You are playing ").append(state.GameName).append(", Jackpot is $");
    appendNumber(text, times(state.JackpotLevel, 5, state.PcPlayerCount));
    text.append(". There is ");
    appendNumber(text, state.PcPlayerCount);
    text.append(state.PcPlayerCount == 1 ? " player" : " players").append(" playing against you.");
    board.message().setCaption(text);
    state.Jackpot = times(state.JackpotLevel, 5, state.PcPlayerCount);
    text.assign("$");
    appendNumber(text, state.Balance);
    main.balance().setCaption(text);
    text.assign("How to play ").append(state.GameName);
    main.gameHelpMenu().setCaption(text);
    state.Paused = false;
    main.pausedSign().setVisible(false);
    state.CallElapsed = 0;
    main.pauseMenu().setEnabled(true);
    state.GameActive = true;
}

int Daubery::nextGameCost() const {
    return state.PcPlayerCount <= 1 ? 5 : 10;
}

void Daubery::dealNextRound() {
    Form1& main = mainWindow();
    state.RollStep = 0;
    state.CalledCount = 0;
    main.ballLabel().setVisible(false);
    main.ball().setVisible(false);
    windows.unloadIfLoaded(Bingomsg::Name);
    main.caller().setEnabled(false);
    main.hideDots(48);
    NewGame();
    windows.show(messageBoard());
    main.caller().setEnabled(true);
    main.claimButton().setVisible(true);
    main.nextGameMenu().setVisible(false);
}

void Daubery::TogglePause() {
    Form1& main = mainWindow();
    Control& caller = main.control("Timer1");
    Control& pause = main.control("bngPause");
    if (state.Paused) {
        if (state.GameActive || !caller.enabled()) caller.setEnabled(true);
        state.Paused = false;
        tell("Game has been Unpaused");
        pause.setCaption("Pause");
        pause.setEnabled(true);
        main.control("lblPaused").setVisible(false);
    } else {
        if (!state.GameActive && !caller.enabled()) return;
        caller.setEnabled(false);
        state.Paused = true;
        tell("Game has been Paused");
        pause.setCaption("Unpause");
        main.control("lblPaused").setVisible(true);
    }
}

void Daubery::tell(const std::string& message) {
    messageBoard().message().setCaption(message);
    windows.announce(message);
}

void Daubery::ShowGameHelp() {
    state.HelpPage = std::int16_t(state.GameType - 1);
    if (state.GameName == "Any Bingo") state.HelpPage = 11;
    windows.show(helpViewer(), true);
}

void Daubery::OpenWebSite() {
    Platform& platform = windows.platform();
    const std::string address(WebAddress);
    if (!platform.runCommand("start " + address, WindowStyle::Hidden)) {
        // With no browser to open, the player is given the address to visit by hand.
        if (!platform.runCommand("explorer " + address, WindowStyle::NormalNoFocus))
            windows.messageBox("Daubery web site",
                               "Your browser could not be opened. Visit us at " + address);
        return;
    }
    platform.pumpEvents();
}

void Daubery::RunComputerPlayers() {
    mainWindow().nextGameMenu().setCaption("&Next game");
    if (!runComputerCheck(state)) return;
    ShowPcWinningCard(state.PcWinner);
    AnnouncePcWin(state.PcWinner);
}

void Daubery::ShowPcWinningCard(int player) {
    Bingomsg& board = messageBoard();
    const auto& lines = board.exampleLines();
    const auto& dots = board.exampleCircles();
    const auto& squares = board.exampleSquares();
    for (int k = 0; k < 12; ++k) lines[std::size_t(k)]->setVisible(false);
    for (int k = 0; k < 24; ++k) dots[std::size_t(k)]->setVisible(false);
    for (int c = 1; c <= 24; ++c)
        setNumberCaption(*squares[std::size_t(c - 1)], state.PcCardNumbers[player][c]);
    for (int k = 1; k <= state.PcWinCellCount && k <= 24; ++k)
        if (const int cell = state.PcWinCells[player][k]; cell >= 1 && cell <= 24)
            squares[std::size_t(cell - 1)]->setForeColor(colour::Red);
}

void Daubery::AnnouncePcWin(int player) {
    Form1& main = mainWindow();
    main.control("Text1").setText("Pc's Got Bingo");
    main.caller().setEnabled(false);
    Control& claim = main.claimButton();
    claim.setEnabled(false);
    claim.setTooltip("Press End Game to start a new game");
    main.nextGameMenu().setVisible(true);
    Control& message = messageBoard().message();
    message.setCaption("The Computer Player #" + std::to_string(player) + " has won the jackpot.");
    if (state.Balance <= 0) {
        message.setCaption(message.caption() + "  Your balance is 0 Game Over.");
        main.nextGameMenu().setCaption("&Try Again");
    }
    windows.announce(message.caption());
    frmGamestatus& outcome = outcomeDialog();
    outcome.status().setCaption(message.caption());
    windows.show(outcome);
}

void Daubery::About() {
    Control& caller = mainWindow().control("Timer1");
    const bool wasCalling = caller.enabled();
    if (wasCalling) caller.setEnabled(false);
    windows.messageBox("Daubery help", "Daubery 1.0 \n\r\n\rFor more Games and Applications \n\r"
                                       "Visit us at " +
                                           std::string(WebAddress) + "\r\n\r\n\r\n");
    if (wasCalling) caller.setEnabled(true);
}

} // namespace daubery
