#pragma once
// One look for every picture of the game: the colours, the gloss, the line widths and the type
// faces that all painters share. Lengths are device-independent pixels.

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QStringList>

#include <array>

namespace daubery::pictures::style {

// The table under the cards: green felt, lighter where the lamp hangs, and a wooden rail along
// the bottom where the claim button lies.
inline constexpr QColor feltLamp{38, 128, 84};
inline constexpr QColor feltEdge{8, 46, 30};
inline constexpr QColor woodLight{134, 78, 40};
inline constexpr QColor woodDark{62, 32, 16};
inline constexpr QColor brass{222, 180, 92};
inline constexpr QColor brassDark{150, 108, 40};

// The cards: a crimson frame and heading band round cream squares. The panel that holds a card
// picture should take the frame colour, so the card's border runs on past the picture's edge.
inline constexpr QColor cardFrame{150, 24, 44};
inline constexpr QColor cardFrameDark{96, 10, 26};
inline constexpr QColor paper{255, 252, 240};
inline constexpr QColor paperShade{240, 231, 210};
inline constexpr QColor gridLine{205, 180, 150};
inline constexpr QColor freeSpace{253, 235, 178};
inline constexpr QColor freeStar{226, 164, 30};

// The black-and-white example card of the message board and the options dialog.
inline constexpr QColor exampleInk{20, 20, 20};
inline constexpr QColor exampleGrid{190, 190, 190};

// One colour for each column letter, B I N G O, on the card's heading balls.
inline constexpr std::array<QColor, 5> columnColours{{
    {30, 92, 200},  // B
    {214, 40, 40},  // I
    {120, 60, 190}, // N
    {24, 150, 72},  // G
    {240, 140, 0},  // O
}};

// The called ball: a glossy orange ball with a white face, printed twice, on opposite sides.
inline constexpr QColor ballBody{242, 120, 18};
inline constexpr QColor ballFace{255, 255, 255};
inline constexpr QColor ballFaceRing{30, 60, 150};
inline constexpr double ballFaceRadius = 0.84; // the face's angular radius, radians
inline constexpr double ballRingWidth = 0.09;  // the ring round the face, radians

// Gloss. Light falls from the upper left; positions are in ball radii from the ball's centre.
inline constexpr QPointF lightSpot{-0.36, -0.44};
inline constexpr double highlightSize = 0.44; // radius of the soft highlight, in ball radii
inline constexpr double highlightAlpha = 0.92;
inline constexpr double shadeAlpha = 0.5;   // darkening at the ball's far edge
inline constexpr double bounceAlpha = 0.22; // light thrown back on the lower right

// Pattern marks: red dots on cells; rows red, columns yellow, diagonals blue, as on the message
// board's example card. On cream paper the yellow is a little deeper, so it reads.
inline constexpr QColor markDot{224, 16, 24};
inline constexpr QColor markRow{255, 0, 0};
inline constexpr QColor markColumn{236, 184, 0};
inline constexpr QColor markDiagonal{0, 0, 192};

// The daubs, in the order of the Dotter Color menu.
inline constexpr std::array<QColor, 5> dotColours{{
    {24, 84, 236},  // blue
    {232, 20, 36},  // red
    {16, 168, 64},  // green
    {250, 206, 0},  // yellow
    {146, 52, 210}, // purple
}};
inline constexpr double dotInkAlpha = 0.42; // the daub's middle; its rim is denser
inline constexpr double dotRimAlpha = 0.78;

// The options dialog's likeness.
inline constexpr QColor dialogFace{239, 239, 239};
inline constexpr QColor dialogText{30, 30, 30};
inline constexpr QColor fieldBorder{150, 150, 150};
inline constexpr QColor buttonTop{252, 252, 252};
inline constexpr QColor buttonBottom{222, 222, 222};
inline constexpr QColor linkBlue{0, 64, 200};

// Line widths.
inline constexpr double hairline = 1.0;
inline constexpr double markLine = 2.0; // pattern lines on a help card
inline constexpr double ballOutline = 0.8;

// Type faces: a plain sans serif for numbers and letters, a serif for the title.
inline QFont sans(int pixelSize, bool bold = true) {
    QFont font;
    font.setFamilies({"DejaVu Sans", "Verdana", "Arial", "Helvetica"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

inline QFont serif(int pixelSize, bool bold = true, bool italic = false) {
    QFont font;
    font.setFamilies({"DejaVu Serif", "Georgia", "Times New Roman", "Times"});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace daubery::pictures::style
