#pragma once
// The faces the game draws with, carried inside the program so that every system shows the same
// letters, whatever fonts it has of its own.

#include <QStringList>

namespace daubery {

// Makes the carried faces available to every window; answers the families they bring.
QStringList loadGameFonts();

} // namespace daubery
