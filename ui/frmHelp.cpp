#include "frmHelp.h"

#include "BngOptions.h"
#include "Form1.h"
#include "HelpTexts.h"

#include <array>
#include <string>
#include <vector>

namespace daubery {

namespace {

using K = ControlKind;
using namespace look;

constexpr int ClientWidth = 6120, ClientHeight = 4275;

// The link across the top, the three panels in the same place under it, Cancel across the bottom.
constexpr int PanelTop = 240, PanelHeight = 3600;
constexpr int CancelTop = 3870, CancelHeight = 360;

// The page view: a card picture with the page's text to its right, the start page over both.
constexpr int PictureLeft = 240, PictureTop = 240, PictureWidth = 1875, PictureHeight = 2250;
constexpr int PageButtonTop = 3120, PageButtonWidth = 1215, PageButtonHeight = 375;

// The contents list: a heading, then one line for each item.
constexpr int ContentsTop = 420, ContentsStep = 240;

constexpr std::array<std::string_view, help_page::Count> PagePictures{
    "help-page-0", "help-page-1", "help-page-2", "help-page-3", "help-page-4",  "help-page-5",
    "help-page-6", "help-page-7", "help-page-8", "help-page-9", "help-page-10", "help-page-11"};

// The guide's picture of the options dialog and the column of explanations to its right.
// The picture keeps the window's margin on its left, the column as much on either side.
constexpr int GuidePictureLeft = 120, GuidePictureWidth = 3870, GuidePictureHeight = 3600;
constexpr int GuideTextLeft = GuidePictureLeft + GuidePictureWidth + 120,
              GuideTextWidth = 6000 - GuideTextLeft;
// The face of the pictured dialog, under the guide's own sample text.
constexpr int PicturedDialogFace = rgb(239, 239, 239);

// Where a part of the options dialog lies on the guide's picture of it, whose client area is a
// part of the picture.
constexpr int onPictureX(int twips) {
    constexpr DialogArea client = options_area::PictureClient;
    return GuidePictureLeft + 15 * client.left + twips * 15 * client.width / options_area::ClientWidth;
}
constexpr int onPictureY(int twips) {
    constexpr DialogArea client = options_area::PictureClient;
    return 15 * client.top + twips * 15 * client.height / options_area::ClientHeight;
}
constexpr int pictureWidth(const DialogArea& area) {
    return onPictureX(area.left + area.width) - onPictureX(area.left);
}
constexpr int pictureHeight(const DialogArea& area) {
    return onPictureY(area.top + area.height) - onPictureY(area.top);
}

// clang-format off
const ControlSpec kControls[] = {
    {.name = "lblVisit", .kind = K::Label, .left = 120, .top = 15, .width = 5880, .height = 225,
     .caption = "Click here to visit the Daubery web site", .flags = Centred | HandCursor | Underline,
     .foreColor = colour::Blue},
    {.name = "pctContents", .kind = K::Panel, .left = 0, .top = PanelTop, .width = ClientWidth,
     .height = PanelHeight},
    {.name = "pctinfo", .kind = K::Panel, .left = 0, .top = PanelTop, .width = ClientWidth,
     .height = PanelHeight, .flags = Hidden},
    {.name = "pctHelpOption", .kind = K::Panel, .left = 0, .top = PanelTop, .width = ClientWidth,
     .height = PanelHeight, .flags = Hidden},
    {.name = "Command2", .kind = K::Button, .left = 120, .top = CancelTop, .width = 5880,
     .height = CancelHeight, .caption = "Cancel"},
    {.name = "Label1", .kind = K::Label, .left = 240, .top = 60, .width = 5640, .height = 330,
     .caption = "Contents", .flags = Bold, .container = "pctContents", .fontSize = 12},
    {.name = "lblHelp", .kind = K::Label, .left = PictureLeft + PictureWidth + 240, .top = PictureTop,
     .width = 5880 - (PictureLeft + PictureWidth + 240), .height = 2640, .flags = WordWrap,
     .container = "pctinfo", .fontSize = 9.75},
    {.name = "cmdBack", .kind = K::Button, .left = 990, .top = PageButtonTop, .width = PageButtonWidth,
     .height = PageButtonHeight, .caption = "< Back", .flags = Disabled, .container = "pctinfo"},
    {.name = "Command1", .kind = K::Button, .left = 2445, .top = PageButtonTop, .width = PageButtonWidth,
     .height = PageButtonHeight, .caption = "Contents", .container = "pctinfo"},
    {.name = "cmdNext", .kind = K::Button, .left = 3900, .top = PageButtonTop, .width = PageButtonWidth,
     .height = PageButtonHeight, .caption = "Next >", .container = "pctinfo"},
};
// clang-format on

// In front of the contents and the pictures: the start page, over the page's picture and text; the
// guide's picture of the options dialog, and over its sample the Four Corners card and explanation.
// clang-format off
const ControlSpec kInFront[] = {
    {.name = "lblstart", .kind = K::TextBox, .left = 120, .top = 120, .width = 5880, .height = 2880,
     .flags = WordWrap, .container = "pctinfo", .backColor = colour::Grey},
    {.name = "imgOptions", .kind = K::Image, .left = GuidePictureLeft, .width = GuidePictureWidth,
     .height = GuidePictureHeight,
     .container = "pctHelpOption", .picture = "help-options"},
    {.name = "Image1", .kind = K::Image, .left = onPictureX(options_area::SampleCard.left),
     .top = onPictureY(options_area::SampleCard.top), .width = pictureWidth(options_area::SampleCard),
     .height = pictureHeight(options_area::SampleCard), .flags = Stretch, .container = "pctHelpOption",
     .picture = "help-four-corners"},
    {.name = "Label2", .kind = K::Label, .left = onPictureX(options_area::SampleText.left),
     .top = onPictureY(options_area::SampleText.top), .width = pictureWidth(options_area::SampleText),
     .height = pictureHeight(options_area::SampleText), .caption = help_text::GuideSample,
     .flags = Centred | WordWrap | Opaque, .container = "pctHelpOption", .fontSize = 6.75,
     .backColor = PicturedDialogFace},
    {.name = "lblHlp", .kind = K::Label, .left = GuideTextLeft, .top = 3240, .width = GuideTextWidth,
     .height = 255, .caption = "Help on Bingo", .flags = HandCursor | Underline, .container = "pctHelpOption",
     .foreColor = colour::Blue},
};
// clang-format on

// The six parts of the pictured dialog, in the order of their explanations.
constexpr std::array<DialogArea, 6> kGuideAreas{options_area::Boards,       options_area::GameType,
                                                options_area::Seconds,      options_area::Players,
                                                options_area::StartAndLink, options_area::Sample};

constexpr std::array<std::string_view, 6> kGuideAreaNames{"Number of Boards",
                                                          "Game Type",
                                                          "Time Between Ball's",
                                                          "Number of Pc players",
                                                          "Start, Cancel and the web site",
                                                          "The sample game"};

// The contents items and the page pictures.
std::vector<ControlSpec> pageArrays() {
    std::vector<ControlSpec> specs;
    for (int i = 0; i < int(help_text::Contents.size()); ++i)
        specs.push_back({.name = "lblcontents",
                         .index = i,
                         .kind = K::Label,
                         .left = 480,
                         .top = ContentsTop + ContentsStep * i,
                         .width = 5160,
                         .height = ContentsStep,
                         .caption = help_text::Contents[std::size_t(i)],
                         .flags = HandCursor,
                         .container = "pctContents"});
    for (int page = 0; page < help_page::Count; ++page)
        specs.push_back({.name = "imgHelp",
                         .index = page,
                         .kind = K::Image,
                         .left = PictureLeft,
                         .top = PictureTop,
                         .width = PictureWidth,
                         .height = PictureHeight,
                         .flags = Hidden,
                         .container = "pctinfo",
                         .picture = PagePictures[std::size_t(page)]});
    return specs;
}

// The guide's hot spots over the pictured dialog, and its explanations, the introduction shown.
std::vector<ControlSpec> guideArrays() {
    std::vector<ControlSpec> specs;
    for (int k = 0; k < int(kGuideAreas.size()); ++k) {
        const DialogArea& area = kGuideAreas[std::size_t(k)];
        specs.push_back({.name = "lblobject",
                         .index = k,
                         .kind = K::Label,
                         .left = onPictureX(area.left),
                         .top = onPictureY(area.top),
                         .width = pictureWidth(area),
                         .height = pictureHeight(area),
                         .flags = HandCursor,
                         .container = "pctHelpOption"});
    }
    for (int k = 0; k < int(help_text::OptionsGuide.size()); ++k)
        specs.push_back({.name = "lblopinfo",
                         .index = k,
                         .kind = K::Label,
                         .left = GuideTextLeft,
                         .top = 120,
                         .width = GuideTextWidth,
                         .height = 3000,
                         .caption = help_text::OptionsGuide[std::size_t(k)],
                         .flags = WordWrap | (k == help_text::GuideIntroduction ? 0u : Hidden),
                         .container = "pctHelpOption"});
    return specs;
}

} // namespace

frmHelp::frmHelp(Daubery& owner) : GameWindow(owner, std::string(Name), "Help", ClientWidth, ClientHeight) {
    setCentred(true);
    build(kControls);
    for (const ControlSpec& spec : pageArrays()) add(spec);
    build(kInFront);
    control("lblstart").setText(std::string(help_text::StartPage));
    // The hot spots are made last, over the guide's pictures; the sample's, the last of them, takes the
    // corner it shares with the area of the buttons.
    for (const ControlSpec& spec : guideArrays()) add(spec);

    onClick("cmdNext", [this] { cmdNext_Click(); });
    onClick("cmdBack", [this] { cmdBack_Click(); });
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Command2", [this] { Command2_Click(); });
    onClick("lblcontents", [this](int Index) { lblcontents_Click(Index); });
    onMouseMove("lblcontents", [this](int Index) { lblcontents_MouseMove(Index); });
    onClick("lblobject", [this](int Index) { lblobject_Click(Index); });
    onClick("lblHlp", [this] { lblHlp_Click(); });
    onClick("lblVisit", [this] { lblVisit_Click(); });

    // The hot spots have no text of their own: each is named after its part of the dialog and
    // described by its explanation. A new page's text is read out as it comes.
    for (int k = 0; k < int(kGuideAreaNames.size()); ++k) {
        Control& spot = control("lblobject", k);
        spot.accessibleName = [k] { return std::string(kGuideAreaNames[std::size_t(k)]); };
        spot.accessibleDescription = [k] { return std::string(help_text::OptionsGuide[std::size_t(k)]); };
    }
    control("lblstart").accessibleName = [] { return std::string(help_text::Contents[0].substr(3)); };
    // A page's picture is named by the pattern it shows, as the contents name its page.
    for (int page = 0; page < help_page::Count; ++page) {
        std::string_view entry = help_text::Contents[std::size_t(page + 1)];
        entry.remove_prefix(entry.find("play ") + 5);
        std::string pattern(entry.substr(0, entry.find_last_not_of(' ') + 1));
        control("imgHelp", page).accessibleName = [pattern] { return "The " + pattern + " pattern"; };
    }
}

void frmHelp::Form_Load() {
    if (state.HelpOrigin != OpenerPaused) {
        if (!state.Paused) game.TogglePause();
        game.mainWindow().control("bngPause").setEnabled(false);
        game.mainWindow().control("bngPlay").setEnabled(false);
    }
    state.HelpOrigin = 0;

    if (state.HelpPage < 0) {
        state.HelpPage = help_page::Start;
        control("lblstart").setVisible(true);
    }
    for (int page = 0; page < help_page::Count; ++page)
        state.HelpTexts[page] = std::string(help_text::Pages[std::size_t(page)]);

    const int page = state.HelpPage;
    if (page >= 0 && page <= help_page::Last) {
        hidePagePictures();
        control("lblHelp").setCaption("");
        bringToFront("pctinfo");
        control("lblstart").setVisible(false);
        if (page > 0) control("cmdBack").setEnabled(true);
        control("imgHelp", page).setVisible(true);
        showPageText(page);
        if (page == help_page::Last) control("cmdNext").setEnabled(false);
    }

    if (state.HelpFromOptions != 0) {
        bringToFront("pctHelpOption");
        state.HelpFromOptions = 0;
    }
}

void frmHelp::bringToFront(std::string_view panel) {
    for (auto name : {"pctContents", "pctinfo", "pctHelpOption"}) control(name).setVisible(name == panel);
}

void frmHelp::hidePagePictures() {
    for (int page = 0; page < help_page::Count; ++page) control("imgHelp", page).setVisible(false);
}

void frmHelp::showPageText(int page) {
    control("lblHelp").setCaption(state.HelpTexts[page]);
    windows().announce(state.HelpTexts[page]);
}

void frmHelp::cmdNext_Click() {
    if (state.HelpPage >= help_page::Last) return;
    control("lblstart").setVisible(false);
    if (state.HelpPage != 0) control("cmdBack").setEnabled(true);
    const int page = ++state.HelpPage;
    control("imgHelp", page).setVisible(true);
    if (page != 0) control("imgHelp", page - 1).setVisible(false);
    showPageText(page);
    if (page == help_page::Last) control("cmdNext").setEnabled(false);
}

void frmHelp::cmdBack_Click() {
    if (state.HelpPage <= help_page::Start) return;
    control("cmdNext").setEnabled(true);
    const int page = --state.HelpPage;
    if (page != help_page::Start) {
        control("imgHelp", page).setVisible(true);
        control("imgHelp", page + 1).setVisible(false);
        showPageText(page);
    } else {
        control("lblstart").setVisible(true);
        control("cmdBack").setEnabled(false);
    }
}

void frmHelp::Command1_Click() {
    bringToFront("pctContents");
}

void frmHelp::highlightContentsItem(int index) {
    for (int i = 0; i < int(help_text::Contents.size()); ++i)
        control("lblcontents", i).setForeColor(colour::Default);
    control("lblcontents", index).setForeColor(colour::Blue);
}

void frmHelp::lblcontents_Click(int Index) {
    highlightContentsItem(Index);
    hidePagePictures();
    control("lblHelp").setCaption("");
    bringToFront("pctinfo");
    const int page = state.HelpPage = std::int16_t(Index - 1);
    if (page != help_page::Start) {
        control("lblstart").setVisible(false);
        if (page > 0) control("cmdBack").setEnabled(true);
        control("imgHelp", page).setVisible(true);
        showPageText(page);
        control("cmdNext").setEnabled(page != help_page::Last);
    } else {
        control("lblstart").setVisible(true);
        control("cmdBack").setEnabled(false);
        control("cmdNext").setEnabled(true);
    }
}

void frmHelp::lblcontents_MouseMove(int Index) {
    highlightContentsItem(Index);
}

void frmHelp::lblobject_Click(int Index) {
    for (int k = 0; k < int(help_text::OptionsGuide.size()); ++k)
        control("lblopinfo", k).setVisible(k == Index);
}

// Closing gives the round back as it was: a round being played goes on, even one the player had
// paused; a round already decided or ended stays still, and Pause comes back only with a round on
// the table.
void frmHelp::closing() {
    Form1& main = game.mainWindow();
    if (state.Paused && state.GameActive) game.TogglePause();
    if (main.control("bngPlay").caption() == "&End Play") main.control("bngPause").setEnabled(true);
    main.control("bngPlay").setEnabled(true);
}

void frmHelp::Command2_Click() {
    state.HelpPage = help_page::Start;
    closing();
    windows().unload(*this);
}

void frmHelp::Form_Close() {
    closing();
    windows().unload(*this);
}

void frmHelp::lblHlp_Click() {
    closing();
    windows().unload(*this);
    // Opens a new viewer on the page of the game picked in the options dialog, which is open
    // beneath the guide.
    if (Form* options = windows().loaded(BngOptions::Name))
        static_cast<BngOptions*>(options)->ShowSelectedGameHelp();
}

void frmHelp::lblVisit_Click() {
    game.OpenWebSite();
}

} // namespace daubery
