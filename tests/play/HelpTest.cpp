// The help viewer, the about box and the web link as the player meets them: the contents and the
// pages with Back and Next, the guide to the options dialog, the pause around the help, the about
// box holding the caller, and the second way of opening the web site.

#include "Dialogs.h"
#include "Words.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using play::DialogTable;

constexpr int Default = -1, Blue = 0xFF0000;
constexpr int Pages = 12, ContentsItems = 13;

const std::string Address = play::words::WebSite;

// Which of the three panels is in front.
std::vector<std::string> panelsShown(DialogTable& t) {
    std::vector<std::string> shown;
    for (auto panel : {"pctContents", "pctinfo", "pctHelpOption"})
        if (t.flag(std::string("frmHelp.") + panel + ".visible")) shown.push_back(panel);
    return shown;
}

// The page view showing game page `page`: its picture alone, its text, no start page over them.
void expectPage(DialogTable& t, int page) {
    SCOPED_TRACE("page " + std::to_string(page));
    EXPECT_EQ(t.state().HelpPage, page);
    EXPECT_EQ(panelsShown(t), std::vector<std::string>{"pctinfo"});
    EXPECT_EQ(t.visibleOf("frmHelp.imgHelp", Pages), std::vector<int>{page});
    EXPECT_EQ(t.text("frmHelp.lblHelp.caption"), play::words::HelpPages[std::size_t(page)]);
    EXPECT_FALSE(t.flag("frmHelp.lblstart.visible"));
}

void expectStartPage(DialogTable& t) {
    EXPECT_EQ(t.state().HelpPage, -1);
    EXPECT_EQ(panelsShown(t), std::vector<std::string>{"pctinfo"});
    EXPECT_TRUE(t.flag("frmHelp.lblstart.visible"));
    EXPECT_EQ(t.text("frmHelp.lblstart.text")
                  .rfind("     Bingo is played on a card with 5 rows and 5 columns or numbers.", 0),
              0u);
    EXPECT_FALSE(t.flag("frmHelp.cmdBack.enabled"));
    EXPECT_TRUE(t.flag("frmHelp.cmdNext.enabled"));
}

TEST(HelpViewer, OpensOnTheContentsWhoseFirstItemIsTheStartPage) {
    DialogTable t;
    t.whileOpen([&] {
        EXPECT_EQ(t.text("frmHelp.caption"), "Help");
        EXPECT_EQ(panelsShown(t), std::vector<std::string>{"pctContents"});
        EXPECT_EQ(t.text("frmHelp.lblcontents[12].caption"), "13)  How to play Any Bingo");
        t.ok("click frmHelp.lblcontents[0]");
        expectStartPage(t);
    });
    t.ok("click Form1.bngFullhelp");
}

// From the start page to the last page and back, one picture at a time; Back is off only on the
// start page and Next only on the last.
TEST(HelpViewer, NextAndBackStopAtTheEnds) {
    DialogTable t;
    t.whileOpen([&] {
        t.ok("click frmHelp.lblcontents[0]");
        for (int page = 0; page < Pages; ++page) {
            t.ok("click frmHelp.cmdNext");
            expectPage(t, page);
            EXPECT_TRUE(t.flag("frmHelp.cmdBack.enabled"));
            EXPECT_EQ(t.flag("frmHelp.cmdNext.enabled"), page < Pages - 1);
        }
        t.ignored("click frmHelp.cmdNext");
        EXPECT_EQ(t.state().HelpPage, Pages - 1);

        t.ok("click frmHelp.cmdBack");
        expectPage(t, Pages - 2);
        EXPECT_TRUE(t.flag("frmHelp.cmdNext.enabled"));
        for (int page = Pages - 3; page >= 0; --page) {
            t.ok("click frmHelp.cmdBack");
            expectPage(t, page);
        }
        t.ok("click frmHelp.cmdBack");
        expectStartPage(t);
        t.ignored("click frmHelp.cmdBack");
    });
    t.ok("click Form1.bngFullhelp");
}

TEST(HelpViewer, OpeningOnAPageSetsBackAndNextForIt) {
    DialogTable t;
    for (int page : {0, 4, 11}) {
        t.ok("set state.HelpPage " + std::to_string(page));
        t.whileOpen([&] {
            expectPage(t, page);
            EXPECT_EQ(t.flag("frmHelp.cmdBack.enabled"), page > 0);
            EXPECT_EQ(t.flag("frmHelp.cmdNext.enabled"), page < Pages - 1);
        });
        t.ok("click Form1.bngFullhelp");
    }
}

// Pointing at an item or choosing it leaves that item alone in blue.
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

        t.ok("click frmHelp.lblcontents[12]");
        expectPage(t, 11);
        EXPECT_FALSE(t.flag("frmHelp.cmdNext.enabled"));
        EXPECT_EQ(blueItems(), std::vector<int>{12});

        // From the last page, where Next is off, to the start page, where it is on again.
        t.ok("click frmHelp.Command1");
        t.ok("click frmHelp.lblcontents[0]");
        expectStartPage(t);
        EXPECT_EQ(blueItems(), std::vector<int>{0});

        t.ok("click frmHelp.Command1");
        EXPECT_EQ(panelsShown(t), std::vector<std::string>{"pctContents"});
        t.ok("click frmHelp.lblcontents[3]");
        expectPage(t, 2);
        EXPECT_TRUE(t.flag("frmHelp.cmdNext.enabled"));
        EXPECT_TRUE(t.flag("frmHelp.cmdBack.enabled"));
        EXPECT_EQ(blueItems(), std::vector<int>{3});

        // Back to the start page from the contents, after a page had enabled Back.
        t.ok("click frmHelp.Command1");
        t.ok("click frmHelp.lblcontents[0]");
        expectStartPage(t);
    });
    t.ok("click Form1.bngFullhelp");
}

// Cancel forgets the page; the close button keeps it for the next opening.
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

// The guide to the options dialog: in front when the dialog's Help opens the viewer, its hot spots
// over the pictured parts of the dialog, one explanation at a time.
TEST(HelpOptionsGuide, ShowsOneExplanationAtATime) {
    DialogTable t;
    t.whileOpen([&] {
        t.whileOpen([&] {
            EXPECT_EQ(panelsShown(t), std::vector<std::string>{"pctHelpOption"});
            EXPECT_EQ(t.state().HelpFromOptions, 0);
            EXPECT_EQ(t.visibleOf("frmHelp.lblopinfo", 7), std::vector<int>{6});
            t.ok("click frmHelp.lblobject[0]");
            EXPECT_EQ(t.visibleOf("frmHelp.lblopinfo", 7), std::vector<int>{0});
            t.ok("click frmHelp.lblobject[3]");
            EXPECT_EQ(t.visibleOf("frmHelp.lblopinfo", 7), std::vector<int>{3});
            EXPECT_EQ(t.text("frmHelp.lblopinfo[3].caption")
                          .rfind("This area lets you choose either 1 or a total of 6", 0),
                      0u);
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

// A control of the options dialog as it lies on the guide's picture of the dialog, and a control of
// the guide's panel.
Box pictured(DialogTable& t, const std::string& control) {
    auto at = [&](const char* p) { return t.number("BngOptions." + control + "." + p); };
    // The picture's twips over the dialog's: the pictured window's client area lies 5 pixels in
    // and 19 down, under its title bar, 290 × 211 pixels.
    auto x = [](long long twips) { return 5 * 15 + twips * 290 * 15 / 4575; };
    auto y = [](long long twips) { return 19 * 15 + twips * 211 * 15 / 4065; };
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
            for (int k = 0; k < 6; ++k) {
                const Box spot = onGuide(t, "lblobject[" + std::to_string(k) + "]");
                EXPECT_TRUE(picture.holds(spot)) << "hot spot " << k;
                for (const auto& part : parts[std::size_t(k)])
                    EXPECT_TRUE(spot.holds(pictured(t, part))) << part << " outside hot spot " << k;
                if (k > 0) {
                    const Box above = onGuide(t, "lblobject[" + std::to_string(k - 1) + "]");
                    if (k < 4) {
                        EXPECT_LE(above.bottom, spot.top) << "hot spots " << k - 1 << " and " << k;
                    }
                }
            }
            // The guide's own sample card covers the pictured one.
            const Box card = onGuide(t, "Image1"), pictureCard = pictured(t, "Image1");
            EXPECT_LE(std::abs(card.left - pictureCard.left) + std::abs(card.top - pictureCard.top), 4);
            EXPECT_LE(std::abs(card.right - pictureCard.right) + std::abs(card.bottom - pictureCard.bottom),
                      4);
            EXPECT_EQ(t.text("frmHelp.Label2.caption"),
                      "To play this game you will need to have Bingo on all 4 corners");
        });
        t.ok("click BngOptions.cmdHelp");
    });
    t.ok("click Form1.bngPlay");
}

// "Help on Bingo" closes the guide and opens the page of the game picked in the dialog beneath.
TEST(HelpOptionsGuide, HelpOnBingoOpensThePickedGamesPage) {
    DialogTable t;
    t.whileOpen([&] {
        t.ok("pick BngOptions.Combo2 6");
        bool pageShown = false;
        t.whileOpen([&] {
            t.whileOpen([&] {
                pageShown = true;
                expectPage(t, 6);
            });
            t.ok("click frmHelp.lblHlp");
        });
        t.ok("click BngOptions.cmdHelp");
        EXPECT_TRUE(pageShown);
        EXPECT_FALSE(t.flag("frmHelp.loaded"));
        EXPECT_TRUE(t.flag("BngOptions.loaded"));
        t.ok("click BngOptions.Command1");
    });
    t.ok("click Form1.bngPlay");
    EXPECT_EQ(t.state().GameType, 7);
    EXPECT_TRUE(t.calling());
    EXPECT_TRUE(t.flag("Form1.bngPlay.enabled"));
}

// Every way into the help during a round holds the caller and the Pause and Play menus while the
// viewer is open, and closing it sets the round going again, even when the player had paused it.
TEST(HelpPause, TheRoundWaitsWhileTheHelpIsOpen) {
    // The help menu's two entries, the message board's question mark and card, and the viewer opened
    // with no opener pausing the round first.
    for (const char* opener :
         {"click Form1.bngFullhelp", "click Form1.helpgame", "click Bingomsg.lblQuestion",
          "click Bingomsg.lblCoverinfo", "call ShowGameHelp"}) {
        for (bool pausedFirst : {false, true}) {
            for (const char* leave : {"click frmHelp.Command2", "close frmHelp"}) {
                SCOPED_TRACE(std::string(opener) + (pausedFirst ? ", paused first, " : ", ") + leave);
                DialogTable t;
                t.play();
                t.nextCall();
                if (pausedFirst) t.ok("click Form1.bngPause");
                const int called = t.state().CalledCount;
                t.whileOpen([&] {
                    EXPECT_TRUE(t.state().Paused);
                    EXPECT_FALSE(t.calling());
                    EXPECT_FALSE(t.flag("Form1.bngPause.enabled"));
                    EXPECT_FALSE(t.flag("Form1.bngPlay.enabled"));
                    t.ticks(1000);
                    EXPECT_EQ(t.state().CalledCount, called);
                    t.ok(leave);
                });
                t.ok(opener);
                EXPECT_FALSE(t.flag("frmHelp.loaded"));
                EXPECT_FALSE(t.state().Paused);
                EXPECT_TRUE(t.calling());
                EXPECT_TRUE(t.flag("Form1.bngPause.enabled"));
                EXPECT_EQ(t.text("Form1.bngPause.caption"), "Pause");
                EXPECT_TRUE(t.flag("Form1.bngPlay.enabled"));
                EXPECT_EQ(t.text("Bingomsg.lblMsg.caption"), "Game has been Unpaused");
                t.nextCall();
                EXPECT_EQ(t.state().CalledCount, called + 1);
            }
        }
    }
}

// Between rounds there is no caller to hold: opening and closing the help, however it is left,
// starts no ball, at start-up, after a lost round and after End Play.
TEST(HelpPause, TheHelpBetweenRoundsStartsNoCaller) {
    for (const char* leave : {"click frmHelp.Command2", "close frmHelp"}) {
        SCOPED_TRACE(leave);
        DialogTable t;
        auto helpAndBack = [&](const char* when) {
            SCOPED_TRACE(when);
            const int called = t.state().CalledCount;
            t.whileOpen([&] { t.ok(leave); });
            t.ok("click Form1.bngFullhelp");
            EXPECT_FALSE(t.calling());
            EXPECT_FALSE(t.state().Paused);
            t.ticks(500);
            EXPECT_EQ(t.state().CalledCount, called);
            EXPECT_FALSE(t.flag("Form1.imgBallroll.visible"));
        };
        helpAndBack("at start-up");
        t.play();
        t.callUntilComputerWins();
        t.ok("click frmGamestatus.cmdOK");
        helpAndBack("after a lost round");
        t.ok("click Form1.bngPlay");
        helpAndBack("after End Play");
    }
}

// "How to play" opens the page of the game being played: the drawn one under Random Pick, the
// Any Bingo page for Any Bingo.
TEST(HelpPause, HowToPlayOpensTheCurrentGamesPage) {
    for (int position : {0, 10, 11}) {
        DialogTable t(position + 3);
        t.play({.gameType = position});
        const int page = position == 10 ? 11 : t.state().GameType - 1;
        t.whileOpen([&] { expectPage(t, page); });
        t.ok("click Form1.helpgame");
        EXPECT_EQ(t.state().HelpPage, page);
    }
}

// The about box holds the caller while it is open and only then; before a round it starts nothing.
TEST(AboutBox, StopsTheCallerOnlyWhileOpen) {
    DialogTable t;
    t.whileBoxOpen([&] { EXPECT_FALSE(t.calling()); });
    t.ok("click Form1.bnghelpabout");
    EXPECT_FALSE(t.calling());
    const auto boxes = t.get("msgboxes");
    ASSERT_TRUE(boxes.array() && boxes.array()->size() == 1);
    const auto& box = *(*boxes.array())[0].array();
    EXPECT_EQ(*box[0].string(), "Daubery help");
    EXPECT_EQ(box[1].string()->rfind("Daubery 1.0 \n\r\n\rFor more Games and Applications \n\r", 0), 0u);
    EXPECT_NE(box[1].string()->find(Address), std::string::npos);

    t.play();
    t.nextCall();
    const int called = t.state().CalledCount;
    t.whileBoxOpen([&] {
        EXPECT_FALSE(t.calling());
        t.ticks(1000);
        EXPECT_EQ(t.state().CalledCount, called);
    });
    t.ok("click Form1.bnghelpabout");
    EXPECT_TRUE(t.calling());
    t.nextCall();
    EXPECT_EQ(t.state().CalledCount, called + 1);

    // A paused round stays paused.
    t.ok("click Form1.bngPause");
    t.ok("click Form1.bnghelpabout");
    EXPECT_FALSE(t.calling());
}

// Every link runs "start" with the address; "explorer" is tried only when "start" could not run.
TEST(WebLink, TriesTheSecondCommandOnlyAfterTheFirstFailed) {
    DialogTable t;
    const auto& commands = t.driver.platform()->commands;
    using Run = std::vector<std::pair<std::string, int>>;
    t.ok("click Form1.Label2");
    EXPECT_EQ(commands, (Run{{"start " + Address, 0}}));

    t.driver.platform()->failingCommands = {"start"};
    t.ok("click Form1.bngVisit");
    EXPECT_EQ(commands, (Run{{"start " + Address, 0}, {"start " + Address, 0}, {"explorer " + Address, 4}}));
    t.driver.platform()->failingCommands.clear();

    t.whileOpen([&] {
        t.ok("click BngOptions.lblVisit");
        t.whileOpen([&] { t.ok("click frmHelp.lblVisit"); });
        t.ok("click BngOptions.cmdHelp");
    });
    t.ok("click Form1.bngPlay");
    EXPECT_EQ(commands.size(), 5u);
    EXPECT_EQ(commands.back(), (std::pair<std::string, int>{"start " + Address, 0}));
    EXPECT_EQ(t.get("msgboxes").array()->size(), 0u);
}

} // namespace
