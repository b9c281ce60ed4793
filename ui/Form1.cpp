#include "Form1.h"

#include "Bingomsg.h"
#include "BngOptions.h"
#include "NumberText.h"
#include "assets/PictureNames.h"
#include "frmGamestatus.h"
#include "frmHelp.h"
#include "game/Bingos.h"
#include "game/Caller.h"
#include "game/Money.h"
#include "game/Patterns.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace daubery {

namespace {

using K = ControlKind;
using namespace look;

constexpr int ClientWidth = 9990;
constexpr int ClientHeight = 5160;
constexpr int StartHeight = 5745;
// The panels are a little larger than their card pictures: the card's crimson edge fills the rest.
constexpr int CardEdge = rgb(150, 24, 44);
// Below the message board, which sits at the top of the screen.
constexpr int PlaceLeft = 1500, PlaceTop = 2475;

// A card's squares inside its panel, over the card picture's squares: column lefts, row tops.
constexpr std::array<int, 5> SquareLefts{120, 840, 1560, 2280, 3000};
constexpr std::array<int, 5> SquareTops{840, 1560, 2280, 3000, 3720};
constexpr int SquareSize = 735;
// A daub lies in the middle of the card picture's square, 720 twips a side.
constexpr int DotInset = (720 - 450) / 2;
constexpr int DotSize = 450;
// The Dotter Color menu's items, in the order of the pictures.
constexpr std::array<std::string_view, 5> DotColourMenus{"bngOptdotblue", "bngOptdotred", "bngOptdotgreen",
                                                         "bngOptdotyellow", "bngOptdotPurple"};

// clang-format off
const ControlSpec kControls[] = {
    {.name = "Label2", .kind = K::Label, .left = 3840, .top = 4320, .width = 1335, .height = 255,
     .caption = "Visit our site", .flags = Centred | HandCursor | Underline, .foreColor = rgb(255, 236, 150),
     .tooltip = "Opens the Daubery web site in your browser"},
    {.name = "lblbalnce2", .kind = K::Label, .left = 4080, .top = 2460, .width = 975, .height = 255,
     .caption = "Balance", .flags = Hidden | Centred | Bold, .foreColor = colour::White},
    {.name = "lblBalance", .kind = K::Label, .left = 4080, .top = 2700, .width = 975, .height = 255,
     .flags = Hidden | Centred | Bold, .foreColor = rgb(255, 236, 150)},
    {.name = "lblWins2", .kind = K::Label, .left = 4080, .top = 2940, .width = 975, .height = 255,
     .caption = "Wins", .flags = Hidden | Centred | Bold, .foreColor = colour::White},
    {.name = "lblWins", .kind = K::Label, .left = 4080, .top = 3180, .width = 975, .height = 255,
     .flags = Hidden | Centred | Bold, .foreColor = rgb(255, 236, 150)},
    {.name = "imgBallroll", .kind = K::Image, .left = 4080, .top = -480, .width = 825, .height = 810,
     .flags = Hidden, .picture = "ball-0"},
    {.name = "lblball", .kind = K::Label, .left = 4440, .top = 1680, .width = 495, .height = 255,
     .flags = Hidden | Bold, .fontSize = 8.25, .foreColor = rgb(20, 20, 60)},
    {.name = "lblPaused", .kind = K::Label, .left = 3930, .top = 840, .width = 1125, .height = 420,
     .caption = "Paused", .flags = Hidden | Bold | Centred | Opaque, .fontSize = 12,
     .foreColor = rgb(255, 236, 150), .backColor = CardEdge},
    {.name = "Picture1", .kind = K::Panel, .left = 0, .top = 0, .width = 3855, .height = 4575,
     .flags = Hidden, .backColor = CardEdge},
    {.name = "Picture2", .kind = K::Panel, .left = 5160, .top = 0, .width = 3855, .height = 4575,
     .flags = Hidden, .backColor = CardEdge},
    {.name = "Image1", .index = 0, .kind = K::Image, .width = 3750, .height = 4500, .container = "Picture1",
     .picture = "card"},
    {.name = "Image1", .index = 1, .kind = K::Image, .width = 3750, .height = 4500, .container = "Picture2",
     .picture = "card"},
    {.name = "Command1", .kind = K::Button, .left = 120, .top = 4680, .width = 8895, .height = 375,
     .caption = "B I N G O", .flags = Hidden | Bold, .fontSize = 13.5},
    {.name = "Timer1", .kind = K::Timer, .flags = Disabled, .interval = 25},
    {.name = "tmrBallrool", .kind = K::Timer, .flags = Disabled, .interval = 25},
    // Left over from the design; never shown.
    {.name = "Text1", .kind = K::TextBox, .left = 9240, .top = 2040, .width = 495, .height = 285,
     .flags = Hidden},
    {.name = "Text2", .kind = K::TextBox, .left = 9240, .top = 2400, .width = 495, .height = 285,
     .flags = Hidden},
    {.name = "Text3", .kind = K::TextBox, .left = 9240, .top = 2760, .width = 495, .height = 285,
     .flags = Hidden},
    {.name = "Command2", .kind = K::Button, .left = 9240, .top = 3120, .width = 495, .height = 285,
     .flags = Hidden},
    {.name = "Command3", .kind = K::Button, .left = 9240, .top = 3480, .width = 495, .height = 285,
     .flags = Hidden},
    // The menu bar, in order.
    {.name = "bngfile", .kind = K::Menu, .caption = "&File"},
    {.name = "bngfileExit", .kind = K::Menu, .caption = "E&xit", .container = "bngfile"},
    {.name = "bngPlay", .kind = K::Menu, .caption = "&Play"},
    {.name = "Bngnext", .kind = K::Menu, .caption = "&Next game", .flags = Hidden},
    {.name = "bngOpt", .kind = K::Menu, .caption = "&Options"},
    {.name = "bngOptdot", .kind = K::Menu, .caption = "Dotter Color", .container = "bngOpt"},
    {.name = "bngOptdotblue", .kind = K::Menu, .caption = "Blue", .flags = Checked, .container = "bngOptdot"},
    {.name = "bngOptdotred", .kind = K::Menu, .caption = "Red", .container = "bngOptdot"},
    {.name = "bngOptdotgreen", .kind = K::Menu, .caption = "Green", .container = "bngOptdot"},
    {.name = "bngOptdotyellow", .kind = K::Menu, .caption = "Yellow", .container = "bngOptdot"},
    {.name = "bngOptdotPurple", .kind = K::Menu, .caption = "Purple", .container = "bngOptdot"},
    {.name = "bngoptSound", .kind = K::Menu, .caption = "&Sound Off", .container = "bngOpt"},
    {.name = "bngPause", .kind = K::Menu, .caption = "Pause", .flags = Disabled, .container = "bngOpt"},
    {.name = "bnghelp", .kind = K::Menu, .caption = "Help"},
    {.name = "helpgame", .kind = K::Menu, .flags = Hidden, .container = "bnghelp"},
    {.name = "bngFullhelp", .kind = K::Menu, .caption = "Full Help", .container = "bnghelp"},
    {.name = "bnghelpabout", .kind = K::Menu, .caption = "About", .container = "bnghelp"},
    {.name = "bngVisit", .kind = K::Menu, .caption = "Visit the Daubery web site", .container = "bnghelp"},
};
// clang-format on

// The access keys of the menus whose captions mark none.
constexpr std::pair<std::string_view, char> MenuAccessKeys[] = {
    {"bngOptdot", 'D'},       {"bngOptdotblue", 'B'},   {"bngOptdotred", 'R'}, {"bngOptdotgreen", 'G'},
    {"bngOptdotyellow", 'Y'}, {"bngOptdotPurple", 'P'}, {"bngPause", 'P'},     {"bnghelp", 'H'},
    {"helpgame", 'H'},        {"bngFullhelp", 'F'},     {"bnghelpabout", 'A'}, {"bngVisit", 'V'},
};

// Square i of card 1 is Label1(i), of card 2 Label1(24 + i); the free spaces are 49 and 50.
struct Square {
    int column, row; // 0-based
};
Square squareOfCell(int cell) {
    return {columnOfCell(cell) - 1, rowOfCell(cell) - 1};
}

// The thirteen frames as built (row 0), and in the colour of each column B, I, N, G, O (rows 1-5).
constexpr auto BallFrameNames = [] {
    std::array<std::array<PictureName, 13>, 6> names{};
    for (int c = 0; c <= 5; ++c)
        for (int k = 0; k < 13; ++k) names[std::size_t(c)][std::size_t(k)] = pictures::ballFrameName(c, k);
    return names;
}();

std::vector<ControlSpec> cardControls() {
    std::vector<ControlSpec> specs;
    static const std::array<std::string, 2> panels{"Picture1", "Picture2"};
    specs.push_back(
        {.name = "Label1", .index = 0, .kind = K::Label, .flags = Hidden, .container = panels[0]});
    for (int card = 0; card < 2; ++card) {
        for (int cell = 1; cell <= 24; ++cell) {
            const Square at = squareOfCell(cell);
            specs.push_back({.name = "Label1",
                             .index = card * 24 + cell,
                             .kind = K::Label,
                             .left = SquareLefts[std::size_t(at.column)],
                             .top = SquareTops[std::size_t(at.row)],
                             .width = SquareSize,
                             .height = SquareSize,
                             .flags = Bold | Centred,
                             .container = panels[std::size_t(card)],
                             .fontSize = 13.5,
                             .foreColor = rgb(24, 28, 64)});
        }
        specs.push_back({.name = "Label1",
                         .index = 49 + card,
                         .kind = K::Label,
                         .left = SquareLefts[2],
                         .top = SquareTops[2],
                         .width = SquareSize,
                         .height = SquareSize,
                         .caption = "Free Space",
                         .flags = Bold | Centred | WordWrap | Middle,
                         .container = panels[std::size_t(card)],
                         .fontSize = 9,
                         .foreColor = rgb(150, 20, 40)});
    }
    // Dots lie over the squares, so they come after all of them.
    specs.push_back(
        {.name = "Image2", .index = 0, .kind = K::Image, .flags = Hidden, .container = panels[0]});
    for (int card = 0; card < 2; ++card) {
        for (int cell = 1; cell <= 24; ++cell) {
            const Square at = squareOfCell(cell);
            specs.push_back({.name = "Image2",
                             .index = card * 24 + cell,
                             .kind = K::Image,
                             .left = SquareLefts[std::size_t(at.column)] + DotInset,
                             .top = SquareTops[std::size_t(at.row)] + DotInset,
                             .width = DotSize,
                             .height = DotSize,
                             .flags = Hidden,
                             .container = panels[std::size_t(card)],
                             .picture = pictures::DotNames[0]});
        }
        specs.push_back({.name = "Image2",
                         .index = 49 + card,
                         .kind = K::Image,
                         .left = SquareLefts[2] + DotInset,
                         .top = SquareTops[2] + DotInset,
                         .width = DotSize,
                         .height = DotSize,
                         .flags = Hidden,
                         .container = panels[std::size_t(card)],
                         .picture = pictures::DotNames[0]});
    }
    for (int k = 0; k < 5; ++k)
        specs.push_back({.name = "imgDotcolor",
                         .index = k,
                         .kind = K::Image,
                         .left = 9240,
                         .top = 1320,
                         .width = DotSize,
                         .height = DotSize,
                         .flags = Hidden,
                         .picture = pictures::DotNames[std::size_t(k)]});
    for (int k = 0; k < 13; ++k)
        specs.push_back({.name = "imgBalls",
                         .index = k,
                         .kind = K::Image,
                         .width = 825,
                         .height = 810,
                         .flags = Hidden,
                         .picture = BallFrameNames[0][std::size_t(k)].view()});
    return specs;
}

// The keys that claim, and tell the last calls or every call so far, from anywhere in the main
// window, as the start page of the help names them.
constexpr std::string_view ClaimKey = "Ctrl+B", LastCallsKey = "Ctrl+L", EveryCallKey = "Ctrl+E";

// What a screen reader says for a square as a daub changes it: its column and number, and whether
// it is daubed ("B 7, daubed"; the free space is "Free space").
std::string squareNews(const Form& main, int index) {
    std::string name;
    if (index > 48) {
        name = "Free space";
    } else {
        const int cell = (index - 1) % 24 + 1;
        name =
            std::string(1, columnLetter(columnOfCell(cell))) + " " + main.control("Label1", index).caption();
    }
    return main.control("Image2", index).visible() ? name + ", daubed" : name;
}

// And as the keyboard comes to it, where it lies on its card as well: "B 7, row 2, column 1".
std::string squareName(const Form& main, int index) {
    const Square at = index > 48 ? Square{2, 2} : squareOfCell((index - 1) % 24 + 1);
    return squareNews(main, index) + ", row " + std::to_string(at.row + 1) + ", column " +
           std::to_string(at.column + 1);
}

// The ball's text, B7, read with the letter apart: "B 7".
std::string ballName(const std::string& text) {
    return text.size() > 1 ? text.substr(0, 1) + " " + text.substr(1) : text;
}

constexpr std::string_view PlayCaption = "&Play", EndPlayCaption = "&End Play";
constexpr std::string_view NextGameCaption = "&Next game", TryAgainCaption = "&Try Again";
constexpr std::string_view SoundOnCaption =
    "&Sound Off"; // the menu offers to switch sound off while it is on

// A called ball falls in its column's colour, as real bingo balls do: the frame k, "ball-k", of a
// B ball is shown as "ball-B-k", and so on for I, N, G and O. Any other picture is shown as it is.
const PictureName& inColumnColour(const PictureName& frame, int k, int column) {
    if (column < 1 || column > 5 || k < 0 || k > 12 || !(frame == BallFrameNames[0][std::size_t(k)]))
        return frame;
    return BallFrameNames[std::size_t(column)][std::size_t(k)];
}

} // namespace

Form1::Form1(Daubery& owner) : GameWindow(owner, std::string(Name), "Daubery", ClientWidth, ClientHeight) {
    setPicture("background");
    setPosition(PlaceLeft, PlaceTop);
    // The panels come before the squares they hold; the ball and its text lie over the background.
    const auto cards = cardControls();
    for (const ControlSpec& spec : kControls) {
        add(spec);
        if (spec.name == "Image1" && spec.index == 1)
            for (const ControlSpec& square : cards) add(square);
    }

    onClick("bngfileExit", [this] { bngfileExit_Click(); });
    onClick("bngPlay", [this] { bngPlay_Click(); });
    onClick("Bngnext", [this] { Bngnext_Click(); });
    onClick("bngPause", [this] { bngPause_Click(); });
    onClick("bngoptSound", [this] { bngoptSound_Click(); });
    onClick("helpgame", [this] { helpgame_Click(); });
    onClick("bngFullhelp", [this] { bngFullhelp_Click(); });
    onClick("bnghelpabout", [this] { bnghelpabout_Click(); });
    onClick("bngVisit", [this] { bngVisit_Click(); });
    onClick("Label2", [this] { Label2_Click(); });
    for (int k = 0; k < int(DotColourMenus.size()); ++k)
        onClick(DotColourMenus[std::size_t(k)], [this, k] { setDotColour(k); });
    onClick("Label1", [this](int index) {
        const bool daubed = index >= 1 && index <= 50 && dots_[std::size_t(index)]->visible();
        Label1_Click(index);
        tellDaub(index, daubed);
    });
    onClick("Command1", [this] { Command1_Click(); });
    onTimer("Timer1", [this] { Timer1_Timer(); });
    onTimer("tmrBallrool", [this] { tmrBallrool_Timer(); });

    timer1_ = &control("Timer1");
    ballTimer_ = &control("tmrBallrool");
    ballRoll_ = &control("imgBallroll");
    ballText_ = &control("lblball");
    soundMenu_ = &control("bngoptSound");
    nextMenu_ = &control("Bngnext");
    claim_ = &control("Command1");
    balance_ = &control("lblBalance");
    pausedSign_ = &control("lblPaused");
    pauseMenu_ = &control("bngPause");
    gameHelpMenu_ = &control("helpgame");
    helpMenu_ = &control("bnghelp");
    for (int k = 0; k < 13; ++k) ballFrames_[std::size_t(k)] = &control("imgBalls", k);
    for (int i = 1; i <= 50; ++i) {
        squares_[std::size_t(i)] = &control("Label1", i);
        dots_[std::size_t(i)] = &control("Image2", i);
    }
    timer1_->quietTicks = [this] { return quietCallerTicks(); };
    timer1_->onQuietTicks = [this](int ticks) { countQuietly(ticks); };
    ballTimer_->quietTicks = [this] { return quietFallTicks(); };
    ballTimer_->onQuietTicks = [this](int ticks) { fallQuietly(ticks); };

    for (const auto& [menu, key] : MenuAccessKeys) control(menu).accessKey = key;
    keyCommands.emplace_back(LastCallsKey, [this] { windows().announce(lastCallsNews()); });
    keyCommands.emplace_back(EveryCallKey, [this] { windows().announce(everyCallNews()); });
    for (int index = 1; index <= 50; ++index) {
        Control& square = control("Label1", index);
        square.accessibleName = [this, index] { return squareName(*this, index); };
        square.accessibleChecked = [this, index] { return dots_[std::size_t(index)]->visible(); };
    }
    control("Picture1").accessibleName = [] { return std::string("Card 1"); };
    control("Picture2").accessibleName = [] { return std::string("Card 2"); };
    Control& ball = control("lblball");
    ball.accessibleName = [&ball] { return ballName(ball.caption()); };
    Control& balance = control("lblBalance");
    balance.accessibleName = [&balance] { return "Balance " + balance.caption(); };
    Control& wins = control("lblWins");
    wins.accessibleName = [&wins] { return "Wins " + wins.caption(); };
    Control& claim = control("Command1");
    claim.shortcut = std::string(ClaimKey);
    claim.accessibleDescription = [] {
        return "Claims the round; " + std::string(ClaimKey) + " does the same from anywhere in the window";
    };
}

void Form1::Form_Load() {
    setHeight(StartHeight);
    state.RollStep = 0;
    state.Balance = 0;
    state.Jackpot = 0;
    state.JackpotLevel = 1;
    state.WinCount = 0;
    state.HelpPage = -1;
    windows().unloadIfLoaded(frmHelp::Name);
}

void Form1::Form_Resize() {
    switch (windowState()) {
    case WindowState::Minimised:
        game.messageBoard().setWindowState(WindowState::Minimised);
        break;
    case WindowState::Normal:
        game.messageBoard().setWindowState(WindowState::Normal);
        break;
    case WindowState::Maximised:
        break;
    }
}

void Form1::Form_Unload() {
    windows().end();
}

void Form1::Form_Close() {
    windows().end();
}

void Form1::bngfileExit_Click() {
    windows().end();
}

void Form1::clearRound() {
    for (auto name : {"lblball", "imgBallroll", "Picture1", "Picture2", "Command1", "lblPaused"})
        control(name).setVisible(false);
    state.RollStep = 0;
}

void Form1::hideDots(int last) {
    for (int i = 1; i <= last && i <= 50; ++i) dots_[std::size_t(i)]->setVisible(false);
}

void Form1::bngPlay_Click() {
    windows().unloadIfLoaded(frmGamestatus::Name);
    Control& play = control("bngPlay");
    if (play.caption() == PlayCaption) {
        control("lblWins").setCaption(std::to_string(state.WinCount));
        state.RollStep = 0;
        state.Balance = 0;
        state.Jackpot = 0;
        state.JackpotLevel = 1;
        state.WinCount = 0;
        windows().show(game.optionsDialog(), true);
        state.RollStep = 0;
        state.CalledCount = 0;
    } else if (play.caption() == EndPlayCaption) {
        state.WinCount = 0;
        control("bngPause").setEnabled(false);
        endPlay();
    }
}

void Form1::endPlay() {
    state.JackpotLevel = 1;
    state.GameActive = false;
    control("Bngnext").setVisible(false);
    clearRound();
    control("bngPlay").setCaption(PlayCaption);
    windows().unloadIfLoaded(Bingomsg::Name);
    control("Timer1").setEnabled(false);
    control("tmrBallrool").setEnabled(false);
    for (auto name : {"lblWins", "lblBalance", "lblWins2", "lblbalnce2"}) control(name).setVisible(false);
    hideDots(50);
}

void Form1::Bngnext_Click() {
    game.rnd.reseedFromClock();
    windows().unloadIfLoaded(frmGamestatus::Name);
    if (state.RandomPick) state.GameType = std::int16_t(drawnGameType(game.rnd.next(), 10));
    const std::string& next = control("Bngnext").caption();
    if (next == NextGameCaption) {
        const int cost = game.nextGameCost();
        windows().messageBox("Next Game", "This Game will cost $" + std::to_string(cost) + ".00");
        state.Balance = plus(state.Balance, -cost);
        control("Command1").setEnabled(false);
        state.Jackpot = times(state.JackpotLevel, 5);
    } else if (next == TryAgainCaption) {
        control("Command1").setEnabled(false);
        state.JackpotLevel = 1;
        state.Jackpot = 5;
        state.Balance = 0;
    } else {
        return;
    }
    game.dealNextRound();
}

void Form1::bngPause_Click() {
    if (!control("Command1").enabled()) return;
    Control& pause = control("bngPause");
    if (pause.caption() == "Pause")
        pause.setCaption("Unpause");
    else if (pause.caption() == "Unpause")
        pause.setCaption("Pause");
    else
        return;
    game.TogglePause();
}

void Form1::bngoptSound_Click() {
    Control& sound = control("bngoptSound");
    if (sound.caption() == "&Sound Off")
        sound.setCaption("&Sound On");
    else if (sound.caption() == "&Sound On")
        sound.setCaption("&Sound Off");
}

void Form1::helpgame_Click() {
    if (!state.Paused) game.TogglePause();
    game.ShowGameHelp();
}

void Form1::bngFullhelp_Click() {
    state.HelpOrigin = 4;
    if (!state.Paused) game.TogglePause();
    control("bngPause").setEnabled(false);
    control("bngPlay").setEnabled(false);
    windows().show(game.helpViewer(), true);
}

void Form1::bnghelpabout_Click() {
    game.About();
}

void Form1::bngVisit_Click() {
    game.OpenWebSite();
}

void Form1::Label2_Click() {
    game.OpenWebSite();
}

void Form1::Timer1_Timer() {
    if (state.CallInterval / 2 > state.CallElapsed) {
        state.CallElapsed = plus(state.CallElapsed, 25);
        return;
    }
    state.CallElapsed = 0;
    ballTimer_->setEnabled(true);
    ballText_->setVisible(false);
    const int pos = DrawNextNumber(state, game.rnd);
    if (pos == 0) timer1_->setEnabled(false);
    // Written again on every call, most often the same text as before: built anew only when its parts change.
    std::string& text = callMessage_.text;
    const int jackpot = times(5, state.JackpotLevel, state.PcPlayerCount);
    if (text.empty() || callMessage_.name != state.GameName || callMessage_.jackpot != jackpot ||
        callMessage_.players != state.PcPlayerCount) {
        callMessage_.name = state.GameName;
        callMessage_.jackpot = jackpot;
        callMessage_.players = state.PcPlayerCount;
        text.assign("You are playing ").append(state.GameName).append(", Jackpot is $");
        appendNumber(text, jackpot);
        text.append(". There is ");
        appendNumber(text, state.PcPlayerCount);
        text.append(" playing against you.");
    }
    Bingomsg& board = game.messageBoard();
    Control& message = board.message();
    if (message.caption() != text) message.setCaption(text);
    if (soundMenu_->caption() == SoundOnCaption) windows().platform().beep();
    if (state.CalledCount >= 76 || pos > 75 || pos == 0) {
        timer1_->setEnabled(false);
        state.CalledCount += 1;
        game.RunComputerPlayers();
        state.CallElapsed = plus(state.CallElapsed, 25);
        return;
    }
    if (state.CalledCount > 2) board.number(state.CalledNumbers[pos - 2]).setForeColor(colour::Yellow);
    if (state.CalledCount > 1) board.number(state.CalledNumbers[pos - 1]).setForeColor(colour::Red);
    ballText_->setCaption(ballText(state, pos));
    windows().announce(ballName(ballText_->caption()));
    ballColumn_ = state.CalledColumns[pos];
    game.RunComputerPlayers();
}

// Ticks that find the interval not yet half over only add to the caller's count.
int Form1::quietCallerTicks() const {
    const std::int64_t left = std::int64_t(state.CallInterval / 2) - state.CallElapsed;
    return left <= 0 ? 0 : int(std::min<std::int64_t>((left + 24) / 25, 1 << 20));
}

void Form1::countQuietly(int ticks) {
    state.CallElapsed = plus(state.CallElapsed, std::int64_t(25) * ticks);
}

void Form1::tmrBallrool_Timer() {
    ballRoll_->setPicture(fallingBallFrame(state.BallFrame));
    state.BallFrame += 1;
    state.RollStep += 1;
    if (state.BallFrame > 12) state.BallFrame = 0;
    RollBallStep(state.RollStep);
}

// Steps that leave the ball above its resting place only turn and move it.
int Form1::quietFallTicks() const {
    constexpr int LastStepAbove = 56; // step 57 puts the ball's top at 1515, past 1500: it lands
    if (state.BallFrame < 0 || state.BallFrame > 12) return 0;
    return std::max(0, LastStepAbove - state.RollStep);
}

void Form1::fallQuietly(int ticks) {
    ballRoll_->setPicture(fallingBallFrame((state.BallFrame + ticks - 1) % 13));
    state.BallFrame = std::int16_t((state.BallFrame + ticks) % 13);
    state.RollStep = std::int16_t(state.RollStep + ticks);
    ballRoll_->setVisible(true);
    ballRoll_->setTop(state.RollStep * 35 - 480);
}

const PictureName& Form1::fallingBallFrame(int k) const {
    return inColumnColour(ballFrames_[std::size_t(k)]->picture(), k, ballColumn_);
}

void Form1::RollBallStep(std::int16_t& step) {
    Control& ball = *ballRoll_;
    ball.setVisible(true);
    const int top = step * 35 - 480;
    ball.setTop(top);
    if (top > 1500) {
        ballTimer_->setEnabled(false);
        ballText_->setVisible(true);
        step = 0;
        ball.setPicture(fallingBallFrame(0));
    }
}

void Form1::Label1_Click(int Index) {
    if (Index < 0 || Index > 50) return;
    if (Index > 48) {
        Control& dot = *dots_[std::size_t(Index)];
        dot.setVisible(!dot.visible());
        return;
    }
    if (Index < 1 || state.CalledCount < 1) return;
    const std::string& caption = squares_[std::size_t(Index)]->caption();
    int number = 0;
    if (std::from_chars(caption.data(), caption.data() + caption.size(), number).ec != std::errc()) return;
    for (int k = 1; k <= state.CalledCount && k <= 1000; ++k) {
        if (state.CalledNumbers[k] != number) continue;
        Control& dot = *dots_[std::size_t(Index)];
        dot.setVisible(!dot.visible());
        return;
    }
}

// A daub or a clear is told as the square now reads; a click that changed nothing was refused,
// its number not called yet.
void Form1::tellDaub(int index, bool daubedBefore) {
    if (index < 1 || index > 50) return;
    std::string news = squareNews(*this, index);
    if (dots_[std::size_t(index)]->visible() == daubedBefore) news += ", not called";
    windows().announce(news);
}

// The board's news for a player who cannot see it: the three latest calls, newest first, and the
// jackpot ("Last calls G 52, B 7, O 70. Jackpot $15").
std::string Form1::lastCallsNews() const {
    const int count = std::min<int>(state.CalledCount, 75);
    std::string news = count > 0 ? "Last calls " : "No number called yet";
    for (int k = count; k > 0 && k > count - 3; --k)
        news += (k == count ? "" : ", ") + ballName(ballText(state, k));
    return news + ". Jackpot $" + std::to_string(state.Jackpot);
}

// The whole board: every number called so far, in the board's order ("3 called: B 7, G 52, O 70").
std::string Form1::everyCallNews() const {
    std::array<bool, 76> called{};
    const int count = std::min<int>(state.CalledCount, 75);
    for (int k = 1; k <= count; ++k)
        if (state.CalledNumbers[k] >= 1 && state.CalledNumbers[k] <= 75)
            called[std::size_t(state.CalledNumbers[k])] = true;
    std::string news = std::to_string(count) + " called";
    const char* separator = ": ";
    for (int n = 1; n <= 75; ++n) {
        if (!called[std::size_t(n)]) continue;
        news.append(separator)
            .append(1, columnLetter(columnOfNumber(n)))
            .append(" ")
            .append(std::to_string(n));
        separator = ", ";
    }
    return news;
}

void Form1::setDotColour(int colour) {
    const PictureName picture = control("imgDotcolor", colour).picture();
    for (int i = 1; i <= 50; ++i) dots_[std::size_t(i)]->setPicture(picture);
    // The menu ticks the colour in use.
    for (int k = 0; k < int(DotColourMenus.size()); ++k)
        control(DotColourMenus[std::size_t(k)]).setValue(k == colour ? 1 : 0);
}

void Form1::hideBall() {
    control("imgBallroll").setVisible(false);
    control("lblball").setVisible(false);
}

void Form1::Command1_Click() {
    control("Timer1").setEnabled(false);
    if (CheckPlayerBingo(state) == 2) {
        control("Bngnext").setVisible(true);
        state.JackpotLevel = plus(state.JackpotLevel, 1);
        state.Balance = plus(state.Balance, state.Jackpot);
        control("lblBalance").setCaption("$" + std::to_string(state.Balance));
        game.tell("You are a Winner your new balance is $" + std::to_string(state.Balance));
        state.WinCount = plus(state.WinCount, 1);
        control("lblWins").setCaption(std::to_string(state.WinCount));
        control("Command1").setEnabled(false);
        control("Bngnext").setCaption(NextGameCaption);
        windows().show(game.outcomeDialog());
    } else {
        // The round goes on; a round paused before the claim goes on as if unpaused from the menu.
        if (state.Paused)
            game.TogglePause();
        else
            control("Timer1").setEnabled(true);
        game.tell("Sorry, Continue Jackpot is $" + std::to_string(state.Jackpot));
    }
}

} // namespace daubery
