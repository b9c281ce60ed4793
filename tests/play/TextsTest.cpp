// Every text the player reads, window by window, against the words written out in Words.h and the
// tables below: menus, captions, tool tips, the options and their sample explanations, the help
// viewer's contents, pages and guide, the about box, and the messages of the board and the outcome
// dialog in each situation that writes them.

#include "Dialogs.h"
#include "Words.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using play::DialogTable;
namespace words = play::words;

// Property paths and the text each must hold.
using Texts = play::Table::Reads;

const Texts MainWindowAtStart{
    {"Form1.caption", "Daubery"},
    {"Form1.bngfile.caption", "&File"},
    {"Form1.bngfileExit.caption", "E&xit"},
    {"Form1.bngOpt.caption", "&Options"},
    {"Form1.bngOptdot.caption", "Dotter Color"},
    {"Form1.bngOptdotblue.caption", "Blue"},
    {"Form1.bngOptdotred.caption", "Red"},
    {"Form1.bngOptdotgreen.caption", "Green"},
    {"Form1.bngOptdotyellow.caption", "Yellow"},
    {"Form1.bngOptdotPurple.caption", "Purple"},
    {"Form1.bngoptSound.caption", "&Sound Off"},
    {"Form1.bnghelp.caption", "Help"},
    {"Form1.bngFullhelp.caption", "Full Help"},
    {"Form1.bnghelpabout.caption", "About"},
    {"Form1.bngVisit.caption", "Visit the Daubery web site"},
    {"Form1.Label2.caption", "Visit our site"},
    {"Form1.Label2.tooltip", "Opens the Daubery web site in your browser"},
    {"Form1.lblbalnce2.caption", "Balance"},
    {"Form1.lblWins2.caption", "Wins"},
    {"Form1.Command1.caption", "B I N G O"},
};

const Texts OptionsDialog{
    {"BngOptions.caption", "Select your options"},
    {"BngOptions.Label2.caption", "Number of Boards"},
    {"BngOptions.Label3.caption", "Game Type"},
    {"BngOptions.lblSeconds.caption", "Time Between Ball's"},
    {"BngOptions.Label4.caption", "Number of Pc players"},
    {"BngOptions.Label4.tooltip", "More players you have the harder it is to win"},
    {"BngOptions.cmbPlayers.tooltip", "More players you have the harder it is to win"},
    {"BngOptions.lblVisit.caption", "Visit us for more games"},
    {"BngOptions.Command1.caption", "Start"},
    {"BngOptions.Command2.caption", "Cancel"},
    {"BngOptions.cmdHelp.caption", "Help"},
    {"BngOptions.Label5.caption", " B   I    N  G  O"},
    {"BngOptions.lblhelp.tooltip", "Click here if you would like help on this game."},
    {"BngOptions.Combo1.text", "1 Board"},
    {"BngOptions.Combo2.text", "Regular Bingo"},
    {"BngOptions.cmbSeconds.text", "5 Seconds"},
    {"BngOptions.cmbPlayers.text", "1 Pc player"},
};

const Texts HelpViewer{
    {"frmHelp.caption", "Help"},
    {"frmHelp.Label1.caption", "Contents"},
    {"frmHelp.cmdBack.caption", "< Back"},
    {"frmHelp.Command1.caption", "Contents"},
    {"frmHelp.cmdNext.caption", "Next >"},
    {"frmHelp.Command2.caption", "Cancel"},
    {"frmHelp.lblVisit.caption", "Click here to visit the Daubery web site"},
    {"frmHelp.lblHlp.caption", "Help on Bingo"},
    {"frmHelp.Label2.caption", "To play this game you will need to have Bingo on all 4 corners"},
};

const Texts MessageBoard{
    {"Bingomsg.caption", "Daubery message board"},
    {"Bingomsg.Label3[0].caption", "B's"},
    {"Bingomsg.Label3[1].caption", "I's"},
    {"Bingomsg.Label3[2].caption", "N's"},
    {"Bingomsg.Label3[3].caption", "G's"},
    {"Bingomsg.Label3[4].caption", "O's"},
    {"Bingomsg.lblQuestion.caption", "?"},
    {"Bingomsg.lblQuestion.tooltip", "Help on the game being played"},
    {"Bingomsg.lblCoverinfo.tooltip", "Click here for help on the game being played"},
    {"Bingomsg.Label1.caption", " B   I    N  G  O"},
    {"Bingomsg.lblMsg.caption",
     "You are playing Regular Bingo, Jackpot is $5. There is 1 player playing against you."},
};

TEST(Texts, MainWindowMenusAndLabels) {
    DialogTable t;
    t.expect(MainWindowAtStart);
    for (const char* sound : {"&Sound On", "&Sound Off"}) {
        t.ok("click Form1.bngoptSound");
        EXPECT_EQ(t.text("Form1.bngoptSound.caption"), sound);
    }
    t.play();
    // The menus' captions in a round, the money and the wins are read by the round's own tests.
    EXPECT_EQ(t.text("Form1.Command1.tooltip"), "If you have BINGO then press here");

    // A computer win takes the last of the money and the menu offers to try again.
    t.callUntilComputerWins();
    t.expect({{"Form1.Command1.tooltip", "Press End Game to start a new game"},
              {"Form1.Bngnext.caption", "&Try Again"}});
}

TEST(Texts, OptionsDialogAndItsLists) {
    DialogTable t;
    t.whileOpen([&] {
        t.expect(OptionsDialog);
        t.ignored("click Form1.bngPlay"); // the main window waits while the options are open
        EXPECT_EQ(t.texts("BngOptions.Combo1.items"), (std::vector<std::string>{"1 Board", "2 Boards"}));
        std::vector<std::string> names;
        for (const auto& type : words::GameTypes) names.push_back(type.name);
        EXPECT_EQ(t.texts("BngOptions.Combo2.items"), names);
        EXPECT_EQ(t.texts("BngOptions.cmbSeconds.items"),
                  (std::vector<std::string>{"5 Seconds", "10 Seconds", "15 Seconds"}));
        EXPECT_EQ(t.texts("BngOptions.cmbPlayers.items"),
                  (std::vector<std::string>{"1 Pc player", "2 Pc player", "3 Pc player", "4 Pc player",
                                            "5 Pc player", "6 Pc player"}));
        EXPECT_EQ(t.text("BngOptions.lblInfo.caption"), words::GameTypes[0].explanation);
    });
    t.ok("click Form1.bngPlay");
}

TEST(Texts, HelpViewerButtonsAndContents) {
    DialogTable t;
    t.whileOpen([&] {
        t.expect(HelpViewer);
        for (std::size_t item = 0; item < words::HelpContents.size(); ++item)
            EXPECT_EQ(t.text("frmHelp.lblcontents[" + std::to_string(item) + "].caption"),
                      words::HelpContents[item]);
        // The start page, the game pages and the guide are read in the help viewer's own tests.
    });
    t.ok("click Form1.bngFullhelp");
}

// The board's words through a round: dealt, called, paused, a false claim, and a win.
TEST(Texts, MessageBoardThroughARound) {
    DialogTable t;
    t.play();
    t.expect(MessageBoard);
    const std::string called =
        "You are playing Regular Bingo, Jackpot is $5. There is 1 playing against you.";
    const std::pair<const char*, std::string> steps[] = {
        {"next call", called},
        {"click Form1.bngPause", "Game has been Paused"},
        {"click Form1.bngPause", "Game has been Unpaused"},
        {"next call", called},
        {"click Form1.Command1", "Sorry, Continue Jackpot is $5"}};
    for (const auto& [step, message] : steps) {
        if (std::string(step) == "next call")
            t.nextCall();
        else
            t.ok(step);
        EXPECT_EQ(t.text("Bingomsg.lblMsg.caption"), message) << step;
    }

    DialogTable six;
    six.play({.gameType = 2, .opponents = 5});
    EXPECT_EQ(six.text("Bingomsg.lblMsg.caption"),
              "You are playing Cover All, Jackpot is $30. There is 6 players playing against you.");
    six.nextCall();
    EXPECT_EQ(six.text("Bingomsg.lblMsg.caption"),
              "You are playing Cover All, Jackpot is $30. There is 6 playing against you.");
}

// The outcome dialog in each of its three situations, with the board's message beside it.
TEST(Texts, OutcomeDialogForEachEnding) {
    DialogTable won;
    play::playUntilClaimable(won);
    won.ok("click Form1.Command1");
    won.expect(
        {{"Bingomsg.lblMsg.caption", "You are a Winner your new balance is $5"},
         {"frmGamestatus.caption", ""},
         {"frmGamestatus.lblStatus.caption", "Congradulaton's\n\rYou have B I N G O"},
         {"frmGamestatus.lblStatus2.caption", "If you would like to play the next game press Next Game"},
         {"frmGamestatus.cmdOK.caption", "OK"},
         {"frmGamestatus.cmdTryagain.caption", "&Next game"},
         {"frmGamestatus.cmdEndPlay.caption", "End Play"}});

    DialogTable lostWithMoney;
    lostWithMoney.play();
    lostWithMoney.ok("set state.Balance 1");
    lostWithMoney.callUntilComputerWins();
    lostWithMoney.expect(
        {{"Bingomsg.lblMsg.caption", "The Computer Player #1 has won the jackpot."},
         {"frmGamestatus.lblStatus.caption", "The Computer Player #1 has won the jackpot."},
         {"frmGamestatus.lblStatus2.caption", "If you would like to play the next game press Next Game"},
         {"frmGamestatus.cmdTryagain.caption", "&Next game"}});

    DialogTable gameOver;
    gameOver.play({.opponents = 2});
    gameOver.ok("set state.Balance -7");
    gameOver.callUntilComputerWins();
    const int winner = gameOver.state().PcWinner;
    const std::string number = std::to_string(winner);
    const char* names[] = {"", "Bingo Ben", "Dots Dot", "Money Marcy"};
    gameOver.expect(
        {{"Bingomsg.lblMsg.caption",
          "The Computer Player #" + number + " has won the jackpot.  Your balance is 0 Game Over."},
         {"frmGamestatus.lblStatus.caption", std::string(names[winner]) + ", Computer Player #" + number +
                                                 ",has won the jackpot.  Your balance is 0 Game Over"},
         {"frmGamestatus.lblStatus2.caption", "If you would like to try again press Try Again"},
         {"frmGamestatus.cmdTryagain.caption", "&Try Again"}});
}

} // namespace
