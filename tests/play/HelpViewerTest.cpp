// The help viewer as the player meets it: the contents and the pages with Back and Next, the
// pages of the game being played, and the guide to the options dialog with its hot spots.

#include "Dialogs.h"
#include "Words.h"

#include <string>
#include <tuple>
#include <vector>

namespace {

using play::DialogTable;

constexpr int Default = -1, Blue = 0xFF0000;
constexpr int Pages = 12, ContentsItems = 13;

std::vector<std::string> panelsShown(DialogTable& t) {
    std::vector<std::string> shown;
    for (auto panel : {"pctContents", "pctinfo", "pctHelpOption"})
        if (t.flag(std::string("frmHelp.") + panel + ".visible")) shown.push_back(panel);
    return shown;
}

// Back is on unless the page was opened alone.
void expectPage(DialogTable& t, int page, bool backOn = true) {
    SCOPED_TRACE("page " + std::to_string(page));
    EXPECT_EQ(t.state().HelpPage, page);
    EXPECT_EQ(panelsShown(t), std::vector<std::string>{"pctinfo"});
    EXPECT_EQ(t.visibleOf("frmHelp.imgHelp", Pages), std::vector<int>{page});
    t.expect({{"frmHelp.lblHelp.caption", play::words::HelpPages[std::size_t(page)]},
              {"frmHelp.lblstart.visible", false},
              {"frmHelp.cmdBack.enabled", backOn},
              {"frmHelp.cmdNext.enabled", page < Pages - 1}});
}

void expectStartPage(DialogTable& t) {
    t.expect({{"state.HelpPage", -1},
              {"frmHelp.lblstart.visible", true},
              {"frmHelp.lblstart.text", play::words::HelpStartPage},
              {"frmHelp.cmdBack.enabled", false},
              {"frmHelp.cmdNext.enabled", true}});
}

TEST(HelpViewer, NextAndBackStopAtTheEnds) {
    DialogTable t;
    t.whileOpen([&] {
        t.ok("click frmHelp.lblcontents[0]");
        for (int page = 0; page < Pages; ++page) {
            t.ok("click frmHelp.cmdNext");
            expectPage(t, page);
        }
        t.ignored("click frmHelp.cmdNext");
        expectPage(t, Pages - 1);
        for (int page = Pages - 2; page >= 0; --page) {
            t.ok("click frmHelp.cmdBack");
            expectPage(t, page);
        }
        t.ok("click frmHelp.cmdBack");
        expectStartPage(t);
        t.ignored("click frmHelp.cmdBack");
    });
    t.ok("click Form1.bngFullhelp");
}

TEST(HelpViewer, ContentsItemsLightOneAtATime) {
    DialogTable t;
    auto blueItems = [&] {
        std::vector<int> blue;
        for (int i = 0; i < ContentsItems; ++i) {
            const long long colour = t.number("frmHelp.lblcontents[" + std::to_string(i) + "].forecolor");
            EXPECT_TRUE(colour == Default || colour == Blue) << "item " << i;
            if (colour == Blue) blue.push_back(i);
        }
        return blue;
    };
    t.whileOpen([&] {
        EXPECT_EQ(blueItems(), std::vector<int>{});
        t.ok("mouse_move frmHelp.lblcontents[0]");
        t.ok("mouse_move frmHelp.lblcontents[5]");
        EXPECT_EQ(blueItems(), std::vector<int>{5});

        // The start page after the last page and after a page that enabled Back.
        for (const auto& [item, page] : {std::pair{12, 11}, {0, -1}, {3, 2}, {0, -1}}) {
            t.ok("click frmHelp.lblcontents[" + std::to_string(item) + "]");
            page < 0 ? expectStartPage(t) : expectPage(t, page);
            EXPECT_EQ(blueItems(), std::vector<int>{item});
            t.ok("click frmHelp.Command1");
            EXPECT_EQ(panelsShown(t), std::vector<std::string>{"pctContents"});
        }
    });
    t.ok("click Form1.bngFullhelp");
}

TEST(HelpViewer, CancelForgetsThePageAndTheCloseButtonKeepsIt) {
    DialogTable t;
    t.whileOpen([&] {
        t.ok("click frmHelp.lblcontents[5]");
        t.ok("click frmHelp.Command2");
    });
    t.ok("click Form1.bngFullhelp");
    EXPECT_EQ(t.state().HelpPage, -1);
    t.whileOpen([&] {
        EXPECT_EQ(panelsShown(t), std::vector<std::string>{"pctContents"});
        t.ok("click frmHelp.lblcontents[5]");
        t.ok("close frmHelp");
    });
    t.ok("click Form1.bngFullhelp");
    EXPECT_FALSE(t.flag("frmHelp.loaded"));
    t.whileOpen([&] { expectPage(t, 4); });
    t.ok("click Form1.bngFullhelp");
}

TEST(HelpOptionsGuide, ShowsOneExplanationAtATime) {
    DialogTable t;
    t.whileOpen([&] {
        t.whileOpen([&] {
            EXPECT_EQ(panelsShown(t), std::vector<std::string>{"pctHelpOption"});
            EXPECT_EQ(t.state().HelpFromOptions, 0);
            for (int area : {6, 3, 0, 5, 1, 4, 2}) { // 6: the explanation shown at opening
                if (area != 6) t.ok("click frmHelp.lblobject[" + std::to_string(area) + "]");
                EXPECT_EQ(t.visibleOf("frmHelp.lblopinfo", 7), std::vector<int>{area});
                EXPECT_EQ(t.text("frmHelp.lblopinfo[" + std::to_string(area) + "].caption"),
                          play::words::OptionsGuide[std::size_t(area)]);
            }
        });
        t.ok("click BngOptions.cmdHelp");
        EXPECT_TRUE(t.flag("BngOptions.loaded"));
        t.ok("click BngOptions.Command2");
    });
    t.ok("click Form1.bngPlay");
}

struct Box {
    long long left, top, right, bottom;
    bool holds(const Box& inner) const {
        return inner.left >= left && inner.top >= top && inner.right <= right && inner.bottom <= bottom;
    }
};

// A control of the options dialog as it lies on the guide's picture of the dialog.
Box pictured(DialogTable& t, const std::string& control) {
    auto at = [&](const char* p) { return t.number("BngOptions." + control + "." + p); };
    // The picture lies 120 twips in; its client area 5 pixels into it and 20 down, 244 × 217 pixels.
    auto x = [](long long twips) { return 120 + 5 * 15 + twips * 244 * 15 / 4575; };
    auto y = [](long long twips) { return 20 * 15 + twips * 217 * 15 / 4065; };
    return {x(at("left")), y(at("top")), x(at("left") + at("width")), y(at("top") + at("height"))};
}
Box onGuide(DialogTable& t, const std::string& control) {
    auto at = [&](const char* p) { return t.number("frmHelp." + control + "." + p); };
    return {at("left"), at("top"), at("left") + at("width"), at("top") + at("height")};
}

TEST(HelpOptionsGuide, HotSpotsLieOverThePicturedParts) {
    DialogTable t;
    t.whileOpen([&] {
        t.whileOpen([&] {
            const std::vector<std::vector<std::string>> parts{{"Label2", "Combo1"},
                                                              {"Label3", "Combo2"},
                                                              {"lblSeconds", "cmbSeconds"},
                                                              {"Label4", "cmbPlayers"},
                                                              {"lblVisit", "Command1", "Command2"},
                                                              {"lblexamplename", "Image1", "lblInfo"}};
            const Box picture = onGuide(t, "imgOptions");
            auto spot = [&](int k) { return onGuide(t, "lblobject[" + std::to_string(k) + "]"); };
            for (int k = 0; k < 6; ++k) {
                EXPECT_TRUE(picture.holds(spot(k))) << "hot spot " << k;
                EXPECT_GE(spot(k).top, picture.top + 20 * 15)
                    << "hot spot " << k << " on the pictured title bar";
                for (const auto& part : parts[std::size_t(k)])
                    EXPECT_TRUE(spot(k).holds(pictured(t, part))) << part << " outside hot spot " << k;
                // The four lists' spots lie one under another.
                EXPECT_TRUE(k == 0 || k >= 4 || spot(k - 1).bottom <= spot(k).top) << "hot spot " << k;
            }
        });
        t.ok("click BngOptions.cmdHelp");
    });
    t.ok("click Form1.bngPlay");
}

// Random Pick and Any Bingo swap places in the help.
TEST(OptionsSample, ItAndTheGuideOpenTheSelectedGamesHelpPage) {
    DialogTable t;
    t.whileOpen([&] {
        for (const auto& [position, page, throughTheGuide] :
             {std::tuple{11, 10, false}, {10, 11, false}, {9, 9, false}, {0, 0, false}, {6, 6, true}}) {
            t.ok("pick BngOptions.Combo2 " + std::to_string(position));
            bool opened = false;
            if (throughTheGuide) t.whileOpen([&] { t.ok("click frmHelp.lblHlp"); });
            t.whileOpen([&, page = page] {
                opened = true;
                expectPage(t, page, page > 0);
            });
            t.ok(throughTheGuide ? "click BngOptions.cmdHelp" : "click BngOptions.lblhelp");
            EXPECT_TRUE(opened);
            t.expect({{"frmHelp.loaded", false}, {"BngOptions.loaded", true}});
        }
        t.ok("click BngOptions.Command1");
    });
    t.ok("click Form1.bngPlay");
    EXPECT_EQ(t.state().GameType, 7);
}

// Under Random Pick, the page of the game drawn.
TEST(HelpPause, HowToPlayOpensTheCurrentGamesPage) {
    for (int position : {0, 10, 11}) {
        DialogTable t(position + 3);
        t.play({.gameType = position});
        const int page = position == 10 ? 11 : t.state().GameType - 1;
        t.whileOpen([&] { expectPage(t, page, page > 0); });
        t.ok("click Form1.helpgame");
    }
}

} // namespace
