// A likeness of the options dialog for the help viewer's guide to it: a small window with its
// title bar and shadow, and inside it the four choices with their drop-downs, the link and the
// buttons, and on the right the sample of the game type shown, Four Corners. It is drawn flat and
// a little muted, so it reads as a picture of the dialog rather than as controls to press.

#include "OptionsLayout.h"
#include "Painting.h"
#include "Style.h"

#include <QLinearGradient>
#include <QPainter>

namespace daubery::pictures::paint {

namespace {

namespace area = options_area;

// The dialog's twips on its client area's place in the picture.
QRectF fromTwips(int left, int top, int width, int height) {
    constexpr DialogArea client = area::PictureClient;
    const double sx = double(client.width) / area::ClientWidth,
                 sy = double(client.height) / area::ClientHeight;
    return {client.left + left * sx, client.top + top * sy, width * sx, height * sy};
}
QRectF fromTwips(const DialogArea& part) {
    return fromTwips(part.left, part.top, part.width, part.height);
}

constexpr int TextSize = 8;
const QColor Muted{70, 70, 70};

void label(QPainter& p, const QRectF& box, const QString& text, bool bold = false) {
    p.setFont(style::sans(TextSize, bold));
    p.setPen(Muted);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

// A choice: its heading, and under it a drop-down showing the first item.
void choice(QPainter& p, const DialogArea& part, const QString& heading, const QString& item) {
    label(p, fromTwips(part.left, part.top, part.width, area::ListTop), heading, true);
    const QRectF box = fromTwips(part.left, part.top + area::ListTop, part.width, part.height - area::ListTop)
                           .adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(style::fieldBorder, 1));
    p.setBrush(QColor(252, 252, 252));
    p.drawRect(box);
    const QPointF arrow(box.right() - box.height() / 2, box.center().y());
    QPainterPath chevron;
    chevron.moveTo(arrow + QPointF(-3, -1.5));
    chevron.lineTo(arrow + QPointF(3, -1.5));
    chevron.lineTo(arrow + QPointF(0, 1.5));
    chevron.closeSubpath();
    p.fillPath(chevron, Muted);
    p.setFont(style::sans(TextSize, false));
    p.setPen(Muted);
    p.drawText(box.adjusted(3, 0, -box.height(), 0), Qt::AlignLeft | Qt::AlignVCenter, item);
}

void button(QPainter& p, const QRectF& area, const QString& text, bool bold) {
    const QRectF box = area.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(style::fieldBorder, 1));
    p.setBrush(style::buttonBottom);
    p.drawRoundedRect(box, 2, 2);
    p.setFont(style::sans(TextSize, bold));
    p.setPen(Muted);
    p.drawText(box, Qt::AlignCenter, text);
}

// The window round the client area: a shadow, a frame and a title bar with the dialog's caption.
void window(QPainter& p) {
    constexpr DialogArea client = area::PictureClient;
    const QRectF frame(client.left - 4.5, 1.5, client.width + 8, client.top + client.height);
    QPainterPath outline;
    outline.addRoundedRect(frame, 4, 4);
    for (int k = 3; k >= 1; --k) p.fillPath(outline.translated(k, k), QColor(0, 0, 0, 26));
    // The title bar in the colours the desktop's window manager gives the game's windows.
    QLinearGradient title(frame.topLeft(), QPointF(frame.left(), client.top));
    title.setColorAt(0, QColor(0x99, 0xBA, 0xE3));
    title.setColorAt(0.5, QColor(0x8C, 0xB0, 0xDC));
    title.setColorAt(0.501, QColor(0x86, 0xAB, 0xD9));
    title.setColorAt(1, QColor(0x7A, 0xA1, 0xD1));
    p.fillPath(outline, title);
    p.setPen(QPen(QColor(0x58, 0x5A, 0x5D), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);

    const QRectF bar(client.left + 4, frame.top(), client.width - 24, client.top - frame.top());
    p.setFont(style::sans(9, true));
    p.setPen(Qt::white);
    p.drawText(bar, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Select your options"));
    const QPointF close(client.left + client.width - 8, frame.top() + (client.top - frame.top()) / 2);
    p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(close + QPointF(-3, -3), close + QPointF(3, 3));
    p.drawLine(close + QPointF(-3, 3), close + QPointF(3, -3));

    p.fillRect(QRectF(client.left, client.top, client.width, client.height), style::dialogFace);
}

} // namespace

void fourCornersSample(QPainter& p) {
    p.save();
    p.scale(LikenessScale, LikenessScale);
    markedCard(p, ExampleCardSize, exampleMarks(game_type::FourCorners));
    p.restore();
}

void optionsLikeness(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The viewer's own face round the pictured window, so the picture has no see-through corner.
    p.fillRect(QRectF(QPointF(0, 0), OptionsLikenessSize), style::dialogFace);
    window(p);

    choice(p, area::Boards, QStringLiteral("Number of Boards"), QStringLiteral("1 Board"));
    choice(p, area::GameType, QStringLiteral("Game Type"), QStringLiteral("Four Corners"));
    choice(p, area::Seconds, QStringLiteral("Time Between Ball's"), QStringLiteral("5 Seconds"));
    choice(p, area::Players, QStringLiteral("Number of Pc players"), QStringLiteral("1 Pc player"));

    QFont link = style::sans(TextSize, false);
    link.setUnderline(true);
    p.setFont(link);
    p.setPen(style::linkBlue);
    p.drawText(
        fromTwips(area::StartAndLink.left, area::StartAndLink.top, area::StartAndLink.width, area::ListTop),
        Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Visit us for more games"));

    const QString buttons[] = {QStringLiteral("Start"), QStringLiteral("Cancel"), QStringLiteral("Help")};
    for (int k = 0; k < 3; ++k)
        button(p,
               fromTwips(area::Buttons.left + k * area::ButtonPitch, area::Buttons.top, area::ButtonWidth,
                         area::Buttons.height),
               buttons[k], k == 0);

    const GameTypeInfo& shown = gameType(game_type::FourCorners);
    p.setFont(style::sans(TextSize + 1, true));
    p.setPen(Muted);
    p.drawText(fromTwips(area::Sample.left, area::Sample.top, area::Sample.width, 255), Qt::AlignCenter,
               QString::fromUtf8(shown.name));
    p.save();
    p.translate(fromTwips(area::SampleCard).topLeft());
    fourCornersSample(p);
    p.restore();
    p.setFont(style::sans(TextSize - 1, false));
    p.setPen(Muted);
    p.drawText(fromTwips(area::SampleText), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QString::fromUtf8(shown.description));
}

} // namespace daubery::pictures::paint
