#include "ExampleCard.h"

#include "assets/CardGrid.h"
#include "game/Patterns.h"

#include <cassert>

namespace daubery {

namespace {

using K = ControlKind;

// The boxes fill the cells of the example card's even grid, measured in twips from the card
// picture's top-left corner; a circle sits in the middle of its box and a line runs through the
// middles of the boxes it joins.
constexpr card_grid::Grid Grid = card_grid::Example;
constexpr int Twips = card_grid::TwipsPerPixel;
constexpr int BoxSize = Grid.cell * Twips, CircleSize = 150, CircleInset = (BoxSize - CircleSize) / 2;
constexpr int boxLeft(int column) {
    return Grid.columnLeft(column) * Twips;
}
constexpr int boxTop(int row) {
    return Grid.rowTop(row) * Twips;
}
constexpr int boxMiddleX(int column) {
    return boxLeft(column) + BoxSize / 2;
}
constexpr int boxMiddleY(int row) {
    return boxTop(row) + BoxSize / 2;
}
constexpr int LinesLeft = boxMiddleX(1), LinesRight = boxMiddleX(5), LinesTop = boxMiddleY(1),
              LinesBottom = boxMiddleY(5);

constexpr int RowColour = colour::Red, ColumnColour = colour::Yellow;

} // namespace

std::vector<ControlSpec> exampleCardControls(int left, int top, int diagonalColour) {
    std::vector<ControlSpec> specs;
    for (int k = 0; k < CellCount; ++k) {
        specs.push_back({.name = "lblExample",
                         .index = k,
                         .kind = K::Label,
                         .left = left + boxLeft(columnOfCell(k + 1)),
                         .top = top + boxTop(rowOfCell(k + 1)),
                         .width = BoxSize,
                         .height = BoxSize,
                         .flags = look::Centred,
                         .fontSize = 6.75,
                         .foreColor = colour::Black});
    }
    for (int k = 0; k < CellCount; ++k) {
        specs.push_back({.name = "shpExample",
                         .index = k,
                         .kind = K::Circle,
                         .left = left + boxLeft(columnOfCell(k + 1)) + CircleInset,
                         .top = top + boxTop(rowOfCell(k + 1)) + CircleInset,
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
                         .top = top + boxMiddleY(k + 1),
                         .flags = look::Hidden,
                         .foreColor = RowColour,
                         .x2 = left + LinesRight,
                         .y2 = top + boxMiddleY(k + 1)});
    for (int k = 0; k < 5; ++k)
        specs.push_back({.name = "lneExample",
                         .index = example_line::ColumnB + k,
                         .kind = K::Line,
                         .left = left + boxMiddleX(k + 1),
                         .top = top + LinesBottom,
                         .flags = look::Hidden,
                         .foreColor = ColumnColour,
                         .x2 = left + boxMiddleX(k + 1),
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
    const auto& lines = window.elements("lneExample");
    const auto& dots = window.elements("shpExample");
    const auto element = [](const std::vector<Control*>& array, int k) -> Control& {
        assert(std::size_t(k) < array.size() && array[std::size_t(k)]);
        return *array[std::size_t(k)];
    };
    for (int k = 0; k < example_line::Count; ++k) element(lines, k).setVisible(false);
    for (int k = 0; k < CellCount; ++k) element(dots, k).setVisible(false);
    const ExampleMarks marks = exampleMarks(gameType);
    for (int k = 0; k < example_line::Count; ++k)
        if (marks.lines.test(std::size_t(k))) element(lines, k).setVisible(true);
    for (int k = 0; k < CellCount; ++k)
        if (marks.dots.test(std::size_t(k))) element(dots, k).setVisible(true);
}

} // namespace daubery
