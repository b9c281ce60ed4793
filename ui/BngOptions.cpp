#include "BngOptions.h"

#include "Bingomsg.h"
#include "ExampleCard.h"
#include "Form1.h"
#include "frmHelp.h"
#include "game/Patterns.h"

namespace daubery {

namespace {

using K = ControlKind;
using namespace look;

namespace area = options_area;

constexpr int ListTop = area::ListTop, ListHeight = area::Boards.height - ListTop, HeadingHeight = 255;
constexpr int SampleLeft = area::SampleCard.left, SampleTop = area::SampleCard.top;
constexpr int ButtonTop = area::Buttons.top, ButtonWidth = area::ButtonWidth,
              ButtonHeight = area::Buttons.height;
// With two cards the window ends at card 2's edge, and the claim button keeps the same margin at both ends.
constexpr int OneBoardClaimWidth = 3735, TwoBoardsClaimWidth = 8775;
constexpr int OneBoardWidth = 9300, TwoBoardsWidth = 9135;
constexpr std::string_view PlayersTip = "More players you have the harder it is to win";
// The lists' type, a little smaller than the headings', so the longest game type shows whole.
constexpr double ListFont = 7.5;

// Each choice: its heading, and its read-only list below.
// clang-format off
const ControlSpec kControls[] = {
    {.name = "Label2", .kind = K::Label, .left = area::Boards.left, .top = area::Boards.top,
     .width = area::Boards.width, .height = HeadingHeight, .caption = "Number of Boards", .flags = Bold},
    {.name = "Combo1", .kind = K::List, .left = area::Boards.left, .top = area::Boards.top + ListTop,
     .width = area::Boards.width, .height = ListHeight, .fontSize = ListFont},
    {.name = "Label3", .kind = K::Label, .left = area::GameType.left, .top = area::GameType.top,
     .width = area::GameType.width, .height = HeadingHeight, .caption = "Game Type", .flags = Bold},
    {.name = "Combo2", .kind = K::List, .left = area::GameType.left, .top = area::GameType.top + ListTop,
     .width = area::GameType.width, .height = ListHeight, .fontSize = ListFont},
    {.name = "lblSeconds", .kind = K::Label, .left = area::Seconds.left, .top = area::Seconds.top,
     .width = area::Seconds.width, .height = HeadingHeight, .caption = "Time Between Ball's", .flags = Bold},
    {.name = "cmbSeconds", .kind = K::List, .left = area::Seconds.left, .top = area::Seconds.top + ListTop,
     .width = area::Seconds.width, .height = ListHeight, .fontSize = ListFont},
    {.name = "Label4", .kind = K::Label, .left = area::Players.left, .top = area::Players.top,
     .width = area::Players.width, .height = HeadingHeight, .caption = "Number of Pc players", .flags = Bold,
     .tooltip = PlayersTip},
    {.name = "cmbPlayers", .kind = K::List, .left = area::Players.left, .top = area::Players.top + ListTop,
     .width = area::Players.width, .height = ListHeight, .fontSize = ListFont, .tooltip = PlayersTip},
    {.name = "lblVisit", .kind = K::Label, .left = area::StartAndLink.left, .top = area::StartAndLink.top,
     .width = 2055, .height = 255, .caption = "Visit us for more games", .flags = HandCursor | Underline,
     .foreColor = colour::Blue},
    {.name = "Command1", .kind = K::Button, .left = area::Buttons.left, .top = ButtonTop,
     .width = ButtonWidth, .height = ButtonHeight, .caption = "Start", .flags = Bold | DefaultButton},
    {.name = "Command2", .kind = K::Button, .left = area::Buttons.left + area::ButtonPitch, .top = ButtonTop,
     .width = ButtonWidth, .height = ButtonHeight, .caption = "Cancel"},
    {.name = "cmdHelp", .kind = K::Button, .left = area::Buttons.left + 2 * area::ButtonPitch,
     .top = ButtonTop, .width = ButtonWidth, .height = ButtonHeight, .caption = "Help"},
    {.name = "lblexamplename", .kind = K::Label, .left = 2400, .top = area::Sample.top, .width = 2055,
     .height = 255, .flags = Bold | Centred},
    {.name = "Image1", .kind = K::Image, .left = SampleLeft, .top = SampleTop,
     .width = area::SampleCard.width, .height = area::SampleCard.height, .picture = "example-card"},
    {.name = "Label5", .kind = K::Label, .left = SampleLeft, .top = SampleTop, .width = area::SampleCard.width,
     .height = card_grid::ExampleHeadingTwips, .caption = " B   I    N  G  O", .flags = Bold | OverColumns,
     .fontSize = 7.5, .foreColor = colour::White, .picture = "example-card"},
};
// clang-format on

// clang-format off
const ControlSpec kExplanation
    {.name = "lblInfo", .kind = K::Label, .left = area::SampleText.left, .top = area::SampleText.top,
     .width = area::SampleText.width, .height = area::SampleText.height, .flags = Centred | WordWrap};
// clang-format on
// Lies over the whole sample, so a click anywhere on it asks for help on the selected game.
// clang-format off
const ControlSpec kSampleCover
    {.name = "lblhelp", .kind = K::Label, .left = area::Sample.left, .top = area::Sample.top,
     .width = area::Sample.width, .height = area::Sample.height,
     .tooltip = "Click here if you would like help on this game."};
// clang-format on

} // namespace

BngOptions::BngOptions(Daubery& owner)
    : GameWindow(owner, std::string(Name), "Select your options", area::ClientWidth, area::ClientHeight) {
    setCentred(true);
    build(kControls);
    for (const ControlSpec& spec : exampleCardControls(SampleLeft, SampleTop, colour::Blue)) add(spec);
    add(kExplanation);
    add(kSampleCover);

    onClick("Combo2", [this] { Combo2_Click(); });
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Command2", [this] { Command2_Click(); });
    onClick("cmdHelp", [this] { cmdHelp_Click(); });
    onClick("lblhelp", [this] { lblhelp_Click(); });
    onClick("lblVisit", [this] { lblVisit_Click(); });

    // Each list is named by its heading; the sample by the game's name and explanation.
    for (auto [list, heading] : {std::pair{"Combo1", "Label2"}, std::pair{"Combo2", "Label3"},
                                 std::pair{"cmbSeconds", "lblSeconds"}, std::pair{"cmbPlayers", "Label4"}})
        control(list).accessibleName = [name = control(heading).caption()] { return name; };
    control("lblhelp").accessibleName = [this] { return control("lblexamplename").caption(); };
    control("lblhelp").accessibleDescription = [this] { return control("lblInfo").caption(); };
}

void BngOptions::Form_Load() {
    Control& boards = control("Combo1");
    boards.addItem("1 Board");
    boards.addItem("2 Boards");
    Control& types = control("Combo2");
    for (const GameTypeInfo& type : gameTypes()) types.addItem(std::string(type.name));
    Control& seconds = control("cmbSeconds");
    for (auto item : {"5 Seconds", "10 Seconds", "15 Seconds"}) seconds.addItem(item);
    Control& players = control("cmbPlayers");
    for (int n = 1; n <= 6; ++n) players.addItem(std::to_string(n) + " Pc player");
    for (auto list : {"Combo1", "Combo2", "cmbSeconds", "cmbPlayers"}) control(list).setListIndex(0);
}

void BngOptions::Combo2_Click() {
    ShowExample();
}

void BngOptions::ShowExample() {
    const Control& types = control("Combo2");
    control("lblexamplename").setCaption(types.text());
    control("lblInfo").setCaption("");
    state.GameType = std::int16_t(types.listIndex() + 1);
    showExample(*this, state.GameType);
    if (state.GameType >= 1 && state.GameType <= GameTypeCount)
        control("lblInfo").setCaption(gameType(state.GameType).description);
}

void BngOptions::Command1_Click() {
    windows().unloadIfLoaded(Bingomsg::Name);
    const std::string picked = control("Combo2").text();
    state.RandomPick = false;
    state.GameName = picked;
    state.PcPlayerCount = std::int16_t(control("cmbPlayers").listIndex() + 1);
    state.BoardCount = std::int16_t(control("Combo1").listIndex() + 1);
    state.GameType = std::int16_t(control("Combo2").listIndex() + 1);
    state.CallInterval = (control("cmbSeconds").listIndex() + 1) * 5000;

    Form1& main = game.mainWindow();
    main.setCaption("Daubery");
    if (picked == gameType(game_type::RandomPick).name) {
        main.setCaption("Daubery - Random Pick");
        state.RandomPick = true;
        state.GameType = std::int16_t(drawnGameType(game.rnd.next(), 10));
    }
    main.setWindowState(WindowState::Normal);
    game.NewGame();
    const bool twoBoards = state.BoardCount == 2;
    main.control("Picture1").setVisible(true);
    main.control("Picture2").setVisible(twoBoards);
    main.control("Command1").setWidth(twoBoards ? TwoBoardsClaimWidth : OneBoardClaimWidth);
    main.setWidth(twoBoards ? TwoBoardsWidth : OneBoardWidth);
    main.control("Timer1").setEnabled(true);
    windows().unload(*this);
    windows().show(game.messageBoard());
    main.control("Command1").setVisible(true);
    main.control("bngPlay").setCaption("&End Play");
    for (auto name : {"lblWins", "lblWins2", "lblBalance", "lblbalnce2"}) main.control(name).setVisible(true);
    main.control("helpgame").setVisible(true);
}

void BngOptions::Command2_Click() {
    windows().unload(*this);
}

void BngOptions::cmdHelp_Click() {
    state.HelpFromOptions = frmHelp::OpenedFromOptions;
    windows().show(game.helpViewer(), true);
}

void BngOptions::lblhelp_Click() {
    ShowSelectedGameHelp();
}

void BngOptions::ShowSelectedGameHelp() {
    const Control& types = control("Combo2");
    if (types.text() == gameType(game_type::AnyBingo).name)
        state.HelpPage = help_page::AnyBingo;
    else if (types.text() == gameType(game_type::RandomPick).name)
        state.HelpPage = help_page::RandomPick;
    else
        state.HelpPage = std::int16_t(types.listIndex());
    windows().show(game.helpViewer(), true);
}

void BngOptions::lblVisit_Click() {
    game.OpenWebSite();
}

} // namespace daubery
