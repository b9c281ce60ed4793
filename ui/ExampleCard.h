#pragma once
// The small example card that shows a game type's pattern: a box per numbered cell, a red circle
// on each box and twelve lines along the rows, columns and diagonals. The message board and the
// options dialog each carry one, laid out the same way from the card picture's top-left corner.

#include "platform/Form.h"

#include <vector>

namespace daubery {

// The boxes lblExample(k), circles shpExample(k) and lines lneExample(k) of a card whose picture
// has its top-left corner at (left, top). Rows are red, columns yellow, the diagonals as given.
std::vector<ControlSpec> exampleCardControls(int left, int top, int diagonalColour);

// Hides every line and circle, then shows those of the game type's pattern.
void showExample(Form& window, int gameType);

} // namespace daubery
