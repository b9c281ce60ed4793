#include "Pictures.h"

#include "Painting.h"
#include "PictureNames.h"
#include "Style.h"

#include <QPainter>

#include <functional>
#include <map>

namespace daubery::pictures {

namespace {

struct Picture {
    std::string name;
    QSizeF size;
    std::function<void(QPainter&)> paint;
    std::function<QRectF(int column, int row)> square; // for pictures of a card
};

std::vector<Picture> catalogue() {
    using namespace paint;
    std::vector<Picture> all;
    all.push_back({"background", BackgroundSize, background, {}});
    all.push_back({"card", CardSize, cardPanel, cardPanelSquare});
    for (int frame = 0; frame < BallFrameCount; ++frame)
        all.push_back({ballFrameName(0, frame).str(),
                       BallSize,
                       [frame](QPainter& p) {
                           ball(p, QRectF(QPointF(0, 0), BallSize), double(frame) / BallFrameCount,
                                calledBall());
                       },
                       {}});
    // The called ball in its column's colour: "ball-B-0".."ball-O-12".
    for (int column = 1; column <= 5; ++column)
        for (int frame = 0; frame < BallFrameCount; ++frame)
            all.push_back({ballFrameName(column, frame).str(),
                           BallSize,
                           [frame, column](QPainter& p) {
                               ball(p, QRectF(QPointF(0, 0), BallSize), double(frame) / BallFrameCount,
                                    calledBall(style::columnColours[std::size_t(column - 1)]));
                           },
                           {}});
    static_assert(DotNames.size() == style::dotColours.size());
    for (std::size_t k = 0; k < DotNames.size(); ++k)
        all.push_back(
            {std::string(DotNames[k]), DotSize, [k](QPainter& p) { dot(p, style::dotColours[k]); }, {}});
    all.push_back({"example-card", ExampleCardSize,
                   [](QPainter& p) { markedCard(p, ExampleCardSize, {}, Heading::Blank); },
                   [](int column, int row) { return markedCardSquare(ExampleCardSize, column, row); }});
    for (int page = 0; page < GameTypeCount; ++page)
        all.push_back({"help-page-" + std::to_string(page), HelpPageSize,
                       [page](QPainter& p) { markedCard(p, HelpPageSize, helpPictureMarks(page)); },
                       [](int column, int row) { return markedCardSquare(HelpPageSize, column, row); }});
    all.push_back({"help-options", OptionsLikenessSize, optionsLikeness, {}});
    all.push_back({"help-four-corners", FourCornersSampleSize, fourCornersSample, [](int column, int row) {
                       const QRectF square = markedCardSquare(ExampleCardSize, column, row);
                       return QRectF(square.topLeft() * LikenessScale, square.size() * LikenessScale);
                   }});
    return all;
}

const std::vector<Picture>& pictures() {
    static const std::vector<Picture> all = catalogue();
    return all;
}

const Picture* find(std::string_view name) {
    for (const Picture& picture : pictures())
        if (picture.name == name) return &picture;
    return nullptr;
}

} // namespace

QSize size(std::string_view name) {
    const Picture* picture = find(name);
    return picture ? picture->size.toSize() : QSize();
}

QImage image(std::string_view name, qreal devicePixelRatio) {
    const Picture* picture = find(name);
    if (!picture || !(devicePixelRatio > 0)) return {};
    // Pictures are painted on the user-interface thread only, so the cache needs no lock.
    static std::map<std::pair<std::string, qreal>, QImage> painted;
    const auto key = std::make_pair(picture->name, devicePixelRatio);
    if (const auto found = painted.find(key); found != painted.end()) return found->second;

    QImage canvas((picture->size * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(devicePixelRatio);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        picture->paint(painter);
    }
    painted.emplace(key, canvas);
    return canvas;
}

const std::vector<std::string>& names() {
    static const std::vector<std::string> all = [] {
        std::vector<std::string> list;
        for (const Picture& picture : pictures()) list.push_back(picture.name);
        return list;
    }();
    return all;
}

QRectF squareRect(std::string_view name, int column, int row) {
    const Picture* picture = find(name);
    if (!picture || !picture->square || column < 1 || column > 5 || row < 1 || row > 5) return {};
    return picture->square(column, row);
}

} // namespace daubery::pictures
