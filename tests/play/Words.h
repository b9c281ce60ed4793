#pragma once
// The words the player reads, written out as the game must show them, misspellings and double
// spaces included. Tests compare the windows with these, never with the game's own text constants.

#include <array>
#include <string>

namespace play::words {

// The game types in the order of the options list, each with its explanation under the sample card.
struct GameType {
    const char* name;
    const char* explanation;
};
inline const std::array<GameType, 12> GameTypes{{
    {"Regular Bingo",
     "To Play this game you need Bingo either up and down, across, or diagnal on 1 of the examples above"},
    {"Four Corners", "To play this game you have to have Bingo on all 4 corners"},
    {"Cover All", "To play this game you have to have Bingo on the entire board."},
    {"Postage Stamp",
     "To play this game you have to have Bingo on 1 of the postage stamp corners like the example above."},
    {"Big Diamond", "To Play this game you have to have Bingo on all eight red dotted areas above in the "
                    "shape of a diamond"},
    {"Small Diamond", "To Play this game you have to have Bingo on all four red dotted areas above in the "
                      "shape of a small diamond"},
    {"Kite Bingo", "To play this game you have to have Bingo on one corner and one connecting diagnal line"},
    {"Big Picture Frame", "To play this game you have to have Bingo on all red areas"},
    {"Little Picture Frame", "To play this game you have to have Bingo on all red areas"},
    {"B & O Railroad Tracks", "To play this game you have to have Bingo on all squares in B and O"},
    {"Any Bingo", "To play this game you will need to get bingo from : Regular Bingo, PostageStamp, Four "
                  "corners, Diamond's, and Picture Frame's"},
    {"Random Pick", "This will radomly pick games for you to play automaticly"},
}};

// The help viewer's contents list; item i opens page i - 1, item 0 the start page.
inline const std::array<std::string, 13> HelpContents{
    "1) What is Bingo",
    "2) How to play Regular Bingo",
    "3) How to play Four Corners",
    "4) How to play Cover All",
    "5) How to play Postage Stamp",
    "6) How to play Big Diamond",
    "7) How to play Small Diamond ",
    "8) How to play Kite Bingo ",
    "9) How to play Big Picture Frame ",
    "10)  How to play Small Picture Frame ",
    "11)  How to play B and O Rail Road Bingo",
    "12)  How to play Random Bingo",
    "13)  How to play Any Bingo",
};

// The help viewer's game pages: the ten patterns, then Random and Any Bingo.
inline const std::array<std::string, 12> HelpPages{
    "This is Regular Bingo.  To win this game your board needs to have Bingo either horizontally in any of "
    "the rows, vertically in any of the columns, or diagonally across the board. You dont have to dot the "
    "free space in the middle of your board(s) to have Bingo, although you can.  A sample is to the left.",
    "This is Four Corners Bingo.  To win this game your board needs to have Bingo on all four corners.  A "
    "sample is to the left of the screen.",
    "This is Cover All Bingo.  To win this game your board needs to have Bingo in every square.  A sample is "
    "to the left.",
    "This is Postage Stamp Bingo.  To win this game your board needs to have Bingo in the shape of a stamp "
    "in any of the four corners.  A sample is to the left.",
    "This is Big Diamond Bingo.  To win this game your board needs to have Bingo in the shape of a diamond.  "
    "A sample is to the left.",
    "This is Small Diamond Bingo.  To win this game your board needs to have Bingo in the shape of a "
    "diamond.  A sample is to the left.",
    "This is Kite Bingo.  To win this game your board needs to have Bingo in the shape of a Kite.  You must "
    "have bingo on either one of the fours corners in the shape of a Postage Stamp and bingo diagonally "
    "connected to the postage stamp.  A sample is to the left. This sample only show's one of four ways to "
    "win this game.",
    "This is Big Picture Frame Bingo.  To win this game your board needs to have Bingo in the shape of a "
    "Picture Frame.  A sample is to the left.",
    "This is Little Picture Frame Bingo.  To win this game your board needs to have Bingo in the shape of a "
    "little Picture Frame.  A sample is to the left.",
    "This is B & O RailRoad Bingo.  To win this game your board will need to have Bingo vertically in colums "
    "B and O.  A sample is to the left.",
    "This is Random Bingo.  Randomly one of the 10 games that you can play with Daubery will be choosen.  "
    "There is no example for this game. If you would like help on how to play the games that random will be "
    "picking from.  Click on Contents below and choose the game you would like help on.",
    "This game is Any Bingo.  To win this game you will have to have one of the following 6 patterns: "
    "Regular Bingo, Postage Stamp, Four Corners, Big and Small Diamond, or Little Picture Frame.  There is "
    "no example for this game if you would like help on how to play any of the 6 types of games click the "
    "Contents below and choose the game you would like help on.",
};

// What bingo is: the start page, its three paragraphs each indented by five spaces.
inline const std::string HelpStartPage =
    "     Bingo is played on a card with 5 rows and 5 columns or numbers. The letters B I N G O head the "
    "five columns, and each column takes its numbers from its own range: B from 1 to 15, I from 16 to 30, "
    "N from 31 to 45, G from 46 to 60 and O from 61 to 75. The square in the middle of the card is the "
    "free space: it has no number and always counts as covered.\n"
    "     The numbers are called one at a time, at random. Each new number is shown on the rolling ball "
    "in the main window and then lights up on the message board, where the newest number on the board is "
    "shown in red and the numbers called before it in yellow.\n"
    "     When a called number is on your card, click its square to mark it with a dot. When the dots on "
    "your card match the pattern of the game you selected, press the B I N G O button. The first player "
    "to match the selected pattern wins the jackpot.\n"
    "     You can play without the mouse too. Tab moves between your cards and the B I N G O button, the "
    "arrow keys move over the squares of a card, and Space or Enter marks the square you are on, just as a "
    "click does. Press Ctrl+B at any time in the main window to call B I N G O, Ctrl+L to hear the last "
    "calls and the jackpot, and Ctrl+E to hear every number called so far.";

// The guide to the options dialog: the explanation of each of its six areas, then the one shown
// before an area is chosen.
inline const std::array<std::string, 7> OptionsGuide{
    "This area will let you choose either 1 or 2 boards to play with.",
    "This area will let you choose 1 of 12 games and display the example in the area to the right.  If you "
    "would like help on the game you select you can click the example after choosing the game.",
    "This area will let you choose how long the wait is before a new number is picked. Either 5 seconds, 10 "
    "seconds, or max of 15 seconds.",
    "This area lets you choose either 1 or a total of 6 computer players to play against you.  The more "
    "players the bigger the jackpot and the more difficult it will be.",
    "This area will let you either start the game using the opitons you have selected, cancel and not paly, "
    "or visit or website.",
    "This area displays an example of the game you about to play it may be blank if your playing a random "
    "game or All Bingo.  If you want help on the game your about to play click the example after you choose "
    "the game from the options window.",
    "Click the area that you would like hlep on.  If you would like help on how to play any of the Bingo "
    "games just click on the example after selecting the game you would like to play.",
};

inline const std::string WebSite = "https://daubery.org";

} // namespace play::words
