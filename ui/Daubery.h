#pragma once
// The whole game: the shared state, the one random generator, the windows, and the procedures
// that more than one window calls.

#include "game/GameState.h"
#include "game/Random.h"
#include "platform/Windows.h"

#include <string_view>

namespace daubery {

class Form1;
class BngOptions;
class Bingomsg;
class frmGamestatus;
class frmHelp;

// The maker's web site, opened by every "visit" link and menu entry.
inline constexpr std::string_view WebAddress = "https://daubery.org";

class Daubery {
public:
    explicit Daubery(Platform& platform);
    ~Daubery();
    Daubery(const Daubery&) = delete;
    Daubery& operator=(const Daubery&) = delete;

    // Loads the main window, as the program starts, and shows it.
    void start();

    GameState state;
    Random rnd;
    Windows windows;

    // Each window is created with its load steps when first used.
    Form1& mainWindow();
    BngOptions& optionsDialog();
    Bingomsg& messageBoard();
    frmGamestatus& outcomeDialog();
    frmHelp& helpViewer();
    bool messageBoardLoaded() const;

    // Deals a new round: all cards, the jackpot, the read-outs and the board's message line.
    void NewGame();
    // Pauses the caller when it runs, resumes it when paused.
    void TogglePause();
    // Puts a message on the board's message line and says it at once.
    void tell(const std::string& message);
    // Opens the help viewer on the page of the game being played.
    void ShowGameHelp();
    void OpenWebSite();
    // The computer players' turn after a call: the first complete card wins the round.
    void RunComputerPlayers();
    void ShowPcWinningCard(int player);
    void AnnouncePcWin(int player);
    // The about box; no number is called while it is open.
    void About();

    // The cost of one more round, by the number of computer players.
    int nextGameCost() const;
    // Clears the last round and deals the next: the steps Next game and Try Again share.
    void dealNextRound();
};

} // namespace daubery
