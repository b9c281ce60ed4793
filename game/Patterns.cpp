#include "Patterns.h"

#include <algorithm>

namespace daubery {

namespace {

namespace line = example_line;

const std::array<CellSet, 12> kCardLines{{
    {"column B", {1, 2, 3, 4, 5}, line::ColumnB + 0},
    {"column I", {6, 7, 8, 9, 10}, line::ColumnB + 1},
    {"column N", {11, 12, FreeSpace, 13, 14}, line::ColumnB + 2},
    {"column G", {15, 16, 17, 18, 19}, line::ColumnB + 3},
    {"column O", {20, 21, 22, 23, 24}, line::ColumnB + 4},
    {"row 1", {1, 6, 11, 15, 20}, line::Row1 + 0},
    {"row 2", {2, 7, 12, 16, 21}, line::Row1 + 1},
    {"row 3", {3, 8, FreeSpace, 17, 22}, line::Row1 + 2},
    {"row 4", {4, 9, 13, 18, 23}, line::Row1 + 3},
    {"row 5", {5, 10, 14, 19, 24}, line::Row1 + 4},
    {"main diagonal", {1, 7, FreeSpace, 18, 24}, line::MainDiagonal},
    {"anti-diagonal", {5, 9, FreeSpace, 16, 20}, line::AntiDiagonal},
}};

const CellSet& kMainDiagonal = kCardLines[10];
const CellSet& kAntiDiagonal = kCardLines[11];

const std::array<CellSet, 4> kStamps{{
    {"top-left stamp", {1, 2, 6, 7}},
    {"bottom-left stamp", {4, 5, 9, 10}},
    {"top-right stamp", {15, 16, 20, 21}},
    {"bottom-right stamp", {18, 19, 23, 24}},
}};
const CellSet& kTopLeft = kStamps[0];
const CellSet& kBottomLeft = kStamps[1];
const CellSet& kTopRight = kStamps[2];
const CellSet& kBottomRight = kStamps[3];

const CellSet kFourCorners{"four corners", {1, 5, 20, 24}};
const CellSet kWholeCard{
    "whole card", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}};
// The diamond's four points, then the four squares between them; a computer win records them in this order.
const CellSet kBigDiamond{"big diamond", {3, 11, 14, 22, 7, 9, 16, 18}};
const CellSet kSmallDiamond{"small diamond", {8, 12, 13, 17}};
const CellSet kBigFrame{"big picture frame", {1, 2, 3, 4, 5, 6, 10, 11, 14, 15, 19, 20, 21, 22, 23, 24}};
const CellSet kLittleFrame{"little picture frame", {7, 8, 9, 12, 13, 16, 17, 18}};
const CellSet kRailroad{"B and O columns", {1, 2, 3, 4, 5, 20, 21, 22, 23, 24}};

const std::array<KiteArm, 2> kKiteArms{{
    {&kMainDiagonal, {&kTopLeft, &kBottomRight}},
    {&kAntiDiagonal, {&kBottomLeft, &kTopRight}},
}};

std::vector<const CellSet*> all(const auto& sets) {
    std::vector<const CellSet*> pointers;
    for (const CellSet& set : sets) pointers.push_back(&set);
    return pointers;
}

const std::array<GameTypeInfo, GameTypeCount> kGameTypes{{
    {1, "Regular Bingo",
     "To Play this game you need Bingo either up and down, across, or diagnal on 1 of the examples above",
     WinRule::AnySet, all(kCardLines)},
    {2,
     "Four Corners",
     "To play this game you have to have Bingo on all 4 corners",
     WinRule::AnySet,
     {&kFourCorners}},
    {3,
     "Cover All",
     "To play this game you have to have Bingo on the entire board.",
     WinRule::AnySet,
     {&kWholeCard}},
    {4, "Postage Stamp",
     "To play this game you have to have Bingo on 1 of the postage stamp corners like the example above.",
     WinRule::AnySet, all(kStamps)},
    {5,
     "Big Diamond",
     "To Play this game you have to have Bingo on all eight red dotted areas above in the shape of a diamond",
     WinRule::AnySet,
     {&kBigDiamond}},
    {6,
     "Small Diamond",
     "To Play this game you have to have Bingo on all four red dotted areas above in the shape of a small "
     "diamond",
     WinRule::AnySet,
     {&kSmallDiamond}},
    {7,
     "Kite Bingo",
     "To play this game you have to have Bingo on one corner and one connecting diagnal line",
     WinRule::Kite,
     {&kMainDiagonal, &kAntiDiagonal, &kTopLeft, &kBottomLeft, &kTopRight, &kBottomRight}},
    {8,
     "Big Picture Frame",
     "To play this game you have to have Bingo on all red areas",
     WinRule::AnySet,
     {&kBigFrame}},
    {9,
     "Little Picture Frame",
     "To play this game you have to have Bingo on all red areas",
     WinRule::AnySet,
     {&kLittleFrame}},
    {10,
     "B & O Railroad Tracks",
     "To play this game you have to have Bingo on all squares in B and O",
     WinRule::AnySet,
     {&kRailroad}},
    {11,
     "Any Bingo",
     "To play this game you will need to get bingo from : Regular Bingo, PostageStamp, Four corners, "
     "Diamond's, and Picture Frame's",
     WinRule::AnyOfTheTen,
     {}},
    {12,
     "Random Pick",
     "This will radomly pick games for you to play automaticly",
     WinRule::DrawnPerRound,
     {}},
}};

void mark(ExampleMarks& marks, const CellSet& set) {
    if (set.exampleLine >= 0) {
        marks.lines.set(std::size_t(set.exampleLine));
        return;
    }
    for (int cell : set.numberedCells()) marks.dots.set(std::size_t(cell - 1));
}

} // namespace

CellSet::CellSet(std::string_view setName, std::vector<int> setSquares, int line)
    : name(setName), squares(std::move(setSquares)), exampleLine(line) {
    for (int square : squares) {
        if (square == FreeSpace)
            passesFreeSpace = true;
        else
            cells |= 1u << (square - 1);
    }
}

std::vector<int> CellSet::numberedCells() const {
    std::vector<int> numbered;
    for (int square : squares)
        if (square != FreeSpace) numbered.push_back(square);
    return numbered;
}

const std::array<GameTypeInfo, GameTypeCount>& gameTypes() {
    return kGameTypes;
}

const GameTypeInfo& gameType(int number) {
    return kGameTypes.at(std::size_t(number - 1));
}

int gameTypeNumber(std::string_view name) {
    for (const GameTypeInfo& type : kGameTypes)
        if (type.name == name) return type.number;
    return 0;
}

const std::array<CellSet, 12>& cardLines() {
    return kCardLines;
}
const std::array<CellSet, 4>& postageStamps() {
    return kStamps;
}
const std::array<KiteArm, 2>& kiteArms() {
    return kKiteArms;
}

ExampleMarks exampleMarks(int number) {
    ExampleMarks marks;
    if (number < 1 || number > GameTypeCount) return marks;
    for (const CellSet* set : gameType(number).sets) mark(marks, *set);
    return marks;
}

int helpPageGameType(int page) {
    if (page == 10) return game_type::RandomPick;
    if (page == 11) return game_type::AnyBingo;
    return page >= 0 && page <= 9 ? page + 1 : 0;
}

ExampleMarks helpPictureMarks(int page) {
    const int type = helpPageGameType(page);
    if (type != game_type::Kite) return exampleMarks(type);
    // The kite's page pictures one of its four forms: its first diagonal with that diagonal's first stamp.
    ExampleMarks marks;
    mark(marks, *kKiteArms[0].diagonal);
    mark(marks, *kKiteArms[0].stamps[0]);
    return marks;
}

int drawnGameType(double r, int choices) {
    return int(r * choices + 1);
}

} // namespace daubery
