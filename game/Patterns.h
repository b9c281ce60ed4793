#pragma once
// The pattern catalogue: the twelve game types with their names, descriptions and winning cell
// sets in trial order. The checks, the example cards and the help pictures all read it.
//
// Cells are numbered 1..24 column by column, top row first (B 1-5, I 6-10, N 11-14, G 15-19,
// O 20-24); the free space in the centre has no number and stands in a set as FreeSpace.

#include <array>
#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

namespace daubery {

inline constexpr int FreeSpace = 0;
inline constexpr int CellCount = 24;
inline constexpr int GameTypeCount = 12;

namespace game_type {
inline constexpr int Regular = 1, FourCorners = 2, CoverAll = 3, PostageStamp = 4, BigDiamond = 5,
                     SmallDiamond = 6, Kite = 7, BigFrame = 8, LittleFrame = 9, Railroad = 10, AnyBingo = 11,
                     RandomPick = 12;
}

// The twelve lines an example card can draw: rows 1-5, columns B-O, then the two diagonals.
namespace example_line {
inline constexpr int Row1 = 0, ColumnB = 5, MainDiagonal = 10, AntiDiagonal = 11, Count = 12;
}

struct CellSet {
    CellSet(std::string_view setName, std::vector<int> setSquares, int line = -1);

    std::string_view name;
    std::vector<int> squares; // cell indexes in the listed order; FreeSpace where the set passes through it
    int exampleLine = -1;     // the example card's line that draws this set, when it is a line of the card
    std::uint32_t cells = 0;  // the numbered cells as a mask, bit c - 1 for cell c
    bool passesFreeSpace = false;

    int size() const { return int(squares.size()); }
    bool hasFreeSpace() const { return passesFreeSpace; }
    std::vector<int> numberedCells() const;
};

// A kite: a diagonal and the two postage stamps at its ends, tried in this order.
struct KiteArm {
    const CellSet* diagonal;
    std::array<const CellSet*, 2> stamps;
};

enum class WinRule {
    AnySet,        // won when any of the sets is complete, tried in order
    Kite,          // a complete diagonal, the first found, with a complete stamp at one of its ends
    AnyOfTheTen,   // the first of types 1..10 that is won
    DrawnPerRound, // replaced by a drawn type before the round is dealt
};

struct GameTypeInfo {
    int number;
    std::string_view name;
    std::string_view description; // the options dialog's explanation
    WinRule rule;
    std::vector<const CellSet*> sets; // trial order; for the kite its diagonals, then its stamps
};

// What a sample card shows for a type: red dots on cells, coloured lines along the card.
struct ExampleMarks {
    std::bitset<CellCount> dots; // bit c - 1 for cell c
    std::bitset<example_line::Count> lines;
    bool operator==(const ExampleMarks&) const = default;
};

const std::array<GameTypeInfo, GameTypeCount>& gameTypes();
const GameTypeInfo& gameType(int number);  // 1..12
int gameTypeNumber(std::string_view name); // 0 when no type has that name

const std::array<CellSet, 12>& cardLines();    // Regular Bingo's lines in trial order
const std::array<CellSet, 4>& postageStamps(); // top-left, bottom-left, top-right, bottom-right
const std::array<KiteArm, 2>& kiteArms();      // main diagonal first

ExampleMarks exampleMarks(int gameTypeNumber);
// The help viewer's pages: 0..9 types 1..10, 10 Random Pick, 11 Any Bingo.
int helpPageGameType(int page);
ExampleMarks helpPictureMarks(int page);

// Random Pick: Int(r x choices + 1), a type 1..choices for r uniform in [0, 1).
int drawnGameType(double r, int choices);

// The column 1..5 (B..O) whose range holds a number 1..75, and the column of a cell 1..24.
constexpr int columnOfNumber(int number) {
    return (number - 1) / 15 + 1;
}
constexpr int columnOfCell(int cell) {
    return cell <= 10 ? (cell - 1) / 5 + 1 : cell <= 14 ? 3 : (cell - 15) / 5 + 4;
}
// Row 1..5 of a cell, the N column skipping the free space's row 3.
constexpr int rowOfCell(int cell) {
    if (cell >= 11 && cell <= 14) return cell <= 12 ? cell - 10 : cell - 9;
    return cell <= 10 ? (cell - 1) % 5 + 1 : (cell - 15) % 5 + 1;
}
constexpr char columnLetter(int column) {
    return "?BINGO"[column >= 1 && column <= 5 ? column : 0];
}

} // namespace daubery
