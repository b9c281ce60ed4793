#include "ExampleCard.h"

#include "game/Patterns.h"

#include <array>

namespace daubery {

namespace {

using K = ControlKind;

// Offsets from the card picture's corner, in twips, by column B..O and by row 1..5.
constexpr std::array<int, 5> BoxLefts{120, 360, 600, 870, 1200};
constexpr std::array<int, 5> BoxTops{360, 600, 960, 1200, 1560};
constexpr int BoxSize = 255;
constexpr std::array<int, 5> CircleLefts{120, 480, 720, 960, 1320};
constexpr std::array<int, 5> CircleTops{360, 720, 960, 1320, 1560};
constexpr int CircleSize = 135;
constexpr std::array<int, 5> RowLineYs{480, 720, 1080, 1320, 1560};
constexpr std::array<int, 5> ColumnLineXs{240, 480, 720, 1080, 1320};
constexpr int LinesLeft = 240, LinesRight = 1320, LinesTop = 480, LinesBottom = 1560;

constexpr int RowColour = colour::Red, ColumnColour = colour::Yellow;

} // namespace

std::vector<ControlSpec> exampleCardControls(int left, int top, int diagonalColour) {
    std::vector<ControlSpec> specs;
    for (int k = 0; k < CellCount; ++k) {
        const auto column = std::size_t(columnOfCell(k + 1) - 1), row = std::size_t(rowOfCell(k + 1) - 1);
        specs.push_back({.name = "lblExample",
                         .index = k,
                         .kind = K::Label,
                         .left = left + BoxLefts[column],
                         .top = top + BoxTops[row],
                         .width = BoxSize,
                         .height = BoxSize,
                         .flags = look::Bordered | look::Centred,
                         .fontSize = 6.75,
                         .foreColor = colour::Black});
    }
    for (int k = 0; k < CellCount; ++k) {
        const auto column = std::size_t(columnOfCell(k + 1) - 1), row = std::size_t(rowOfCell(k + 1) - 1);
        specs.push_back({.name = "shpExample",
                         .index = k,
                         .kind = K::Circle,
                         .left = left + CircleLefts[column],
                         .top = top + CircleTops[row],
                         .width = CircleSize,
                         .height = CircleSize,
                         .flags = look::Hidden,
                         .foreColor = colour::Red,
                         .backColor = colour::Red});
    }
    for (int k = 0; k < 5; ++k)
        specs.push_back({.name = "lneExample",
                         .index = example_line::Row1 + k,
                         .kind = K::Line,
                         .left = left + LinesLeft,
                         .top = top + RowLineYs[std::size_t(k)],
                         .flags = look::Hidden,
                         .foreColor = RowColour,
                         .x2 = left + LinesRight,
                         .y2 = top + RowLineYs[std::size_t(k)]});
    for (int k = 0; k < 5; ++k)
        specs.push_back({.name = "lneExample",
                         .index = example_line::ColumnB + k,
                         .kind = K::Line,
                         .left = left + ColumnLineXs[std::size_t(k)],
                         .top = top + LinesBottom,
                         .flags = look::Hidden,
                         .foreColor = ColumnColour,
                         .x2 = left + ColumnLineXs[std::size_t(k)],
                         .y2 = top + LinesTop});
    specs.push_back({.name = "lneExample",
                     .index = example_line::MainDiagonal,
                     .kind = K::Line,
                     .left = left + LinesRight,
                     .top = top + LinesBottom,
                     .flags = look::Hidden,
                     .foreColor = diagonalColour,
                     .x2 = left + LinesLeft,
                     .y2 = top + LinesTop});
    specs.push_back({.name = "lneExample",
                     .index = example_line::AntiDiagonal,
                     .kind = K::Line,
                     .left = left + LinesLeft,
                     .top = top + LinesBottom,
                     .flags = look::Hidden,
                     .foreColor = diagonalColour,
                     .x2 = left + LinesRight,
                     .y2 = top + LinesTop});
    return specs;
}

void showExample(Form& window, int gameType) {
    for (int k = 0; k < example_line::Count; ++k) window.control("lneExample", k).setVisible(false);
    for (int k = 0; k < CellCount; ++k) window.control("shpExample", k).setVisible(false);
    const ExampleMarks marks = exampleMarks(gameType);
    for (int k = 0; k < example_line::Count; ++k)
        if (marks.lines.test(std::size_t(k))) window.control("lneExample", k).setVisible(true);
    for (int k = 0; k < CellCount; ++k)
        if (marks.dots.test(std::size_t(k))) window.control("shpExample", k).setVisible(true);
}

} // namespace daubery
