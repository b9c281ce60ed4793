// The options dialog as the player meets it: what Start stores and how it sets the table up, the
// Random Pick draw, Cancel and the close button, and the sample card of every game type.

#include "Dialogs.h"
#include "Samples.h"
#include "Words.h"

#include <set>
#include <string>
#include <utility>

namespace {

using play::DialogTable;
using play::Options;

// Random Pick draws one of the ten patterns for every round, never Any Bingo: from the options, the
// outcome dialog's Try Again (the first nine only) and the menu's Next game; the drawn game's name
// and example are what the player meets everywhere, and the caption alone tells that it was drawn.
TEST(OptionsStart, RandomPickDrawsEveryRoundsPatternAndNamesIt) {
    std::set<int> fromOptions, fromDialog, fromMenu;
    auto expectDrawn = [](DialogTable& t, std::set<int>& drawn) {
        const auto& s = t.state();
        ASSERT_TRUE(s.GameType >= 1 && s.GameType <= 10) << s.GameType;
        drawn.insert(s.GameType);
        const std::string name = play::words::GameTypes[std::size_t(s.GameType - 1)].name;
        t.expect({{"state.RandomPick", true},
                  {"state.GameName", name},
                  {"Form1.caption", "Daubery - Random Pick"},
                  {"Bingomsg.lblexplname.caption", name},
                  {"Form1.helpgame.caption", "How to play " + name}});
        // Only Regular Bingo and the kite draw lines; every other pattern shows circles.
        EXPECT_EQ(t.visibleOf("Bingomsg.shpExample", 24).empty(), s.GameType == 1);
        EXPECT_EQ(t.visibleOf("Bingomsg.lneExample", 12).empty(), s.GameType != 1 && s.GameType != 7);
    };
    for (long long seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        DialogTable t(seed);
        t.play({.gameType = 11});
        expectDrawn(t, fromOptions);
    }
    EXPECT_GE(fromOptions.size(), 7u) << "thirty rounds should draw most of the ten patterns";

    DialogTable t;
    t.play({.gameType = 11});
    for (int round = 0; round < 120; ++round) {
        t.ok("call AnnouncePcWin 1"); // computer player 1 takes the round at once
        const bool menu = round % 2 == 1;
        t.ok(menu ? "click Form1.Bngnext" : "click frmGamestatus.cmdTryagain");
        expectDrawn(t, menu ? fromMenu : fromDialog);
    }
    EXPECT_EQ(fromDialog, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(fromMenu, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    // A chosen game after a drawn one is no longer drawn.
    t.ok("click Form1.bngPlay");
    t.play({.gameType = 2});
    t.expect({{"state.RandomPick", false}, {"state.GameType", 3}, {"Form1.caption", "Daubery"}});
}

// Cancel and the close button keep the last game type picked and nothing else, and leave the table
// idle; the next opening shows the defaults again.
TEST(OptionsCancel, KeepsOnlyTheLastPickedGameType) {
    DialogTable t;
    t.play({.boards = 1, .gameType = 0, .seconds = 2, .opponents = 3});
    t.ok("click Form1.bngPlay"); // End Play

    const std::pair<const char*, int> leavings[] = {{"click Command2", 6}, {"close BngOptions", 9}};
    for (const auto& [leave, picked] : leavings) {
        SCOPED_TRACE(leave);
        t.ok("respond pick Combo2 4; pick Combo1 0; pick cmbSeconds 0; pick Combo2 " +
             std::to_string(picked) + "; " + leave);
        t.ok("click Form1.bngPlay");
        t.expect({{"state.GameType", picked + 1},
                  {"state.GameName", "Regular Bingo"},
                  {"state.BoardCount", 2},
                  {"state.CallInterval", 15000},
                  {"state.PcPlayerCount", 4},
                  {"BngOptions.loaded", false},
                  {"Bingomsg.loaded", false}});
        EXPECT_ROUND(t, play::Round::Idle);
    }

    t.whileOpen([&] {
        for (auto list : {"Combo1", "Combo2", "cmbSeconds", "cmbPlayers"})
            EXPECT_EQ(t.number(std::string("BngOptions.") + list + ".list_index"), 0) << list;
        t.expect({{"BngOptions.lblexamplename.caption", "Regular Bingo"}, {"state.GameType", 1}});
        t.ok("click BngOptions.Command2");
    });
    t.ok("click Form1.bngPlay");
}

// Every type picked after another shows its name, its explanation and its marks, so what the earlier
// one showed must be cleared: Kite after Regular keeps only the two diagonals, Any Bingo after Kite is
// an empty card.
TEST(OptionsSample, ShowsEachTypesDotsLinesNameAndExplanation) {
    DialogTable t;
    t.whileOpen([&] {
        for (int position : {0, 6, 10, 1, 2, 3, 4, 5, 7, 8, 9, 11, 6, 0}) {
            const int type = position + 1;
            SCOPED_TRACE("game type " + std::to_string(type));
            t.ok("pick BngOptions.Combo2 " + std::to_string(position));
            const auto& [name, explanation] = play::words::GameTypes[std::size_t(position)];
            t.expect({{"state.GameType", type},
                      {"BngOptions.lblexamplename.caption", name},
                      {"BngOptions.lblInfo.caption", explanation}});
            EXPECT_EQ(t.visibleOf("BngOptions.shpExample", 24), play::Samples[position].circles);
            EXPECT_EQ(t.visibleOf("BngOptions.lneExample", 12), play::Samples[position].lines);
        }
        t.ok("pick BngOptions.Combo2 8");
        t.ok("click BngOptions.Command2");
    });
    t.ok("click Form1.bngPlay");
    EXPECT_EQ(t.state().GameType, 9);
}

} // namespace
