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

constexpr int ClientWidth = 4575, ClientHeight = 4065;
constexpr int SampleLeft = 2640, SampleTop = 420;
constexpr int OneBoardClaimWidth = 3735, TwoBoardsClaimWidth = 8895, PlayingWidth = 9300;
constexpr std::string_view PlayersTip = "More players you have the harder it is to win";

const ControlSpec kControls[] = {
    {.name = "Label2",
     .kind = K::Label,
     .left = 120,
     .top = 120,
     .width = 2055,
     .height = 255,
     .caption = "Number of Boards",
     .flags = Bold},
    {.name = "Combo1", .kind = K::List, .left = 120, .top = 375, .width = 2055, .height = 315},
    {.name = "Label3",
     .kind = K::Label,
     .left = 120,
     .top = 810,
     .width = 2055,
     .height = 255,
     .caption = "Game Type",
     .flags = Bold},
    {.name = "Combo2", .kind = K::List, .left = 120, .top = 1065, .width = 2055, .height = 315},
    {.name = "lblSeconds",
     .kind = K::Label,
     .left = 120,
     .top = 1500,
     .width = 2055,
     .height = 255,
     .caption = "Time Between Ball's",
     .flags = Bold},
    {.name = "cmbSeconds", .kind = K::List, .left = 120, .top = 1755, .width = 2055, .height = 315},
    {.name = "Label4",
     .kind = K::Label,
     .left = 120,
     .top = 2190,
     .width = 2055,
     .height = 255,
     .caption = "Number of Pc players",
     .flags = Bold,
     .tooltip = PlayersTip},
    {.name = "cmbPlayers",
     .kind = K::List,
     .left = 120,
     .top = 2445,
     .width = 2055,
     .height = 315,
     .tooltip = PlayersTip},
    {.name = "lblVisit",
     .kind = K::Label,
     .left = 120,
     .top = 2940,
     .width = 2055,
     .height = 255,
     .caption = "Visit the Daubery web site",
     .flags = HandCursor | Underline,
     .foreColor = colour::Blue},
    {.name = "Command1",
     .kind = K::Button,
     .left = 120,
     .top = 3480,
     .width = 1335,
     .height = 420,
     .caption = "Start",
     .flags = Bold},
    {.name = "Command2",
     .kind = K::Button,
     .left = 1560,
     .top = 3480,
     .width = 1335,
     .height = 420,
     .caption = "Cancel"},
    {.name = "cmdHelp",
     .kind = K::Button,
     .left = 3000,
     .top = 3480,
     .width = 1335,
     .height = 420,
     .caption = "Help"},
    {.name = "lblexamplename",
     .kind = K::Label,
     .left = 2400,
     .top = 120,
     .width = 2055,
     .height = 255,
     .flags = Bold | Centred},
    {.name = "Image1",
     .kind = K::Image,
     .left = SampleLeft,
     .top = SampleTop,
     .width = 1515,
     .height = 1830,
     .picture = "example-card"},
    {.name = "Label5",
     .kind = K::Label,
     .left = SampleLeft,
     .top = SampleTop,
     .width = 1455,
     .height = 255,
     .caption = " B   I    N  G  O",
     .flags = Bold | Opaque,
     .foreColor = colour::Black,
     .backColor = colour::White},
};

const ControlSpec kExplanation{.name = "lblInfo",
                               .kind = K::Label,
                               .left = 2280,
                               .top = 2310,
                               .width = 2175,
                               .height = 1050,
                               .flags = Centred | WordWrap};
// Lies over the whole sample, so a click anywhere on it asks for help on the selected game.
const ControlSpec kSampleCover{.name = "lblhelp",
                               .kind = K::Label,
                               .left = 2280,
                               .top = 120,
                               .width = 2295,
                               .height = 3240,
                               .tooltip = "Click here if you would like help on this game."};

} // namespace

BngOptions::BngOptions(Daubery& owner)
    : GameWindow(owner, std::string(Name), "Select your options", ClientWidth, ClientHeight) {
    setCentred(true);
    build(kControls);
    for (const ControlSpec& spec : exampleCardControls(SampleLeft, SampleTop)) add(spec);
    add(kExplanation);
    add(kSampleCover);

    onClick("Combo2", [this] { Combo2_Click(); });
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Command2", [this] { Command2_Click(); });
    onClick("cmdHelp", [this] { cmdHelp_Click(); });
    onClick("lblhelp", [this] { lblhelp_Click(); });
    onClick("lblVisit", [this] { lblVisit_Click(); });
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
        control("lblInfo").setCaption(std::string(gameType(state.GameType).description));
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
    main.setWidth(PlayingWidth);
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
    state.HelpFromOptions = 6;
    windows().show(game.helpViewer(), true);
}

void BngOptions::lblhelp_Click() {
    const Control& types = control("Combo2");
    if (types.text() == gameType(game_type::AnyBingo).name)
        state.HelpPage = 11;
    else if (types.text() == gameType(game_type::RandomPick).name)
        state.HelpPage = 10;
    else
        state.HelpPage = std::int16_t(types.listIndex());
    windows().show(game.helpViewer(), true);
}

void BngOptions::lblVisit_Click() {
    game.OpenWebSite();
}

} // namespace daubery
