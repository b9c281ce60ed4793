#include "Bingomsg.h"

#include "ExampleCard.h"
#include "Form1.h"
#include "NumberText.h"
#include "assets/CardGrid.h"

#include <array>
#include <string>

namespace daubery {

namespace {

using K = ControlKind;
using namespace look;

constexpr int ClientWidth = 9525, ClientHeight = 1965;
constexpr int PlaceLeft = 1500, PlaceTop = 60;
constexpr int CardLeft = 7800, CardTop = 0;
constexpr int CardWidth = card_grid::ExampleWidthTwips, CardHeight = card_grid::ExampleHeightTwips;

// clang-format off
const ControlSpec kControls[] = {
    {.name = "lblMsg", .kind = K::Label, .left = 0, .top = 0, .width = 7095, .height = 495,
     .flags = Serif | Bold | WordWrap, .fontSize = 9, .foreColor = colour::Red},
    {.name = "Label3", .index = 0, .kind = K::Label, .left = 240, .top = 480, .width = 495, .height = 255,
     .caption = "B's", .flags = Bold, .foreColor = colour::Red},
    {.name = "Label3", .index = 1, .kind = K::Label, .left = 240, .top = 720, .width = 495, .height = 255,
     .caption = "I's", .flags = Bold, .foreColor = colour::Red},
    {.name = "Label3", .index = 2, .kind = K::Label, .left = 240, .top = 960, .width = 495, .height = 255,
     .caption = "N's", .flags = Bold, .foreColor = colour::Red},
    {.name = "Label3", .index = 3, .kind = K::Label, .left = 240, .top = 1200, .width = 495, .height = 255,
     .caption = "G's", .flags = Bold, .foreColor = colour::Red},
    {.name = "Label3", .index = 4, .kind = K::Label, .left = 240, .top = 1440, .width = 495, .height = 255,
     .caption = "O's", .flags = Bold, .foreColor = colour::Red},
    {.name = "lblQuestion", .kind = K::Label, .left = 7320, .top = 0, .width = 495, .height = 375,
     .caption = "?", .flags = Bold | Centred | HelpCursor, .fontSize = 15.75, .foreColor = colour::White,
     .tooltip = "Help on the game being played"},
    {.name = "Image1", .kind = K::Image, .left = CardLeft, .top = CardTop, .width = CardWidth,
     .height = CardHeight, .picture = "example-card"},
    {.name = "Label1", .kind = K::Label, .left = CardLeft, .top = CardTop, .width = CardWidth,
     .height = card_grid::ExampleHeadingTwips, .caption = " B   I    N  G  O", .flags = Bold | OverColumns,
     .fontSize = 7.5, .foreColor = colour::White, .backColor = colour::White, .picture = "example-card"},
};
// clang-format on

// Under the card, in the strip down to the window's bottom edge, and wider than the card, so the
// longest name shows whole.
constexpr int NameWidth = 1950;
// clang-format off
const ControlSpec kGameName
    {.name = "lblexplname", .kind = K::Label, .left = CardLeft - (NameWidth - CardWidth) / 2,
     .top = CardTop + CardHeight, .width = NameWidth,
     .height = ClientHeight - CardTop - CardHeight, .caption = "Regular bingo", .flags = Centred | Bold,
     .fontSize = 7.5, .foreColor = colour::Red};
// clang-format on
// Lies over the whole example card, so a click anywhere on it asks for help.
// clang-format off
const ControlSpec kCardCover
    {.name = "lblCoverinfo", .kind = K::Label, .left = 7800, .top = -120, .width = 1575, .height = 2175,
     .flags = HelpCursor, .tooltip = "Click here for help on the game being played"};
// clang-format on

} // namespace

Bingomsg::Bingomsg(Daubery& owner)
    : GameWindow(owner, std::string(Name), "Daubery message board", ClientWidth, ClientHeight) {
    setBackColor(colour::Black);
    setPosition(PlaceLeft, PlaceTop);
    setAboveMain();
    build(kControls);
    for (int n = 1; n <= 75; ++n)
        add({.name = "lblselctedNums",
             .index = n,
             .kind = K::Label,
             .left = 840 + 360 * ((n - 1) % 15),
             .top = 480 + 240 * ((n - 1) / 15),
             .width = 255,
             .height = 240,
             .caption = numberText(n),
             .flags = Bold | Centred,
             .foreColor = colour::Silver});
    for (const ControlSpec& spec : exampleCardControls(CardLeft, CardTop, colour::DarkBlue)) add(spec);
    add(kGameName);
    add(kCardCover);

    onClick("lblQuestion", [this] { lblQuestion_Click(); });
    onClick("lblCoverinfo", [this] { lblCoverinfo_Click(); });

    message_ = &control("lblMsg");
    gameName_ = &control("lblexplname");
    exampleSquares_ = &elements("lblExample");
    exampleCircles_ = &elements("shpExample");
    exampleLines_ = &elements("lneExample");
    for (int n = 1; n <= 75; ++n) numbers_[std::size_t(n)] = &control("lblselctedNums", n);
    // Unloaded for every round and loaded again at once: the window is kept and put back as built.
    keepBetweenLoads();

    // Read out as it changes: the calls, the claims, the pause and the computers' wins.
    for (int n = 1; n <= 75; ++n) {
        Control& number = control("lblselctedNums", n);
        number.accessibleName = [&number] {
            return number.foreColor() == colour::Silver ? number.caption() : number.caption() + ", called";
        };
    }
    control("lblCoverinfo").accessibleName = [this] { return control("lblexplname").caption(); };
    control("lblQuestion").accessibleName = [] { return std::string("Help on the game being played"); };
}

Control& Bingomsg::number(int n) const {
    return n >= 1 && n <= 75 ? *numbers_[std::size_t(n)] : control("lblselctedNums", n);
}

void Bingomsg::Form_Load() {
    // The board's table builds each number with its own caption: only one written over since needs it again.
    for (int n = 1; n <= 75; ++n)
        if (!numbers_[std::size_t(n)]->captionAsBuilt()) numbers_[std::size_t(n)]->setCaption(numberText(n));
    showExample(*this, state.GameType);
}

void Bingomsg::Form_Activate() {
    windows().show(game.mainWindow());
}

void Bingomsg::Form_Resize() {
    if (windowState() == WindowState::Normal) game.mainWindow().setWindowState(WindowState::Normal);
}

void Bingomsg::lblQuestion_Click() {
    helpOnCurrentGame();
}

void Bingomsg::lblCoverinfo_Click() {
    helpOnCurrentGame();
}

void Bingomsg::helpOnCurrentGame() {
    state.HelpOrigin = 4;
    if (!state.Paused) game.TogglePause();
    Form1& main = game.mainWindow();
    main.control("bngPause").setEnabled(false);
    main.control("bngPlay").setEnabled(false);
    game.ShowGameHelp();
}

} // namespace daubery
