// Writes every picture of the game as <name>.png into a folder, to look at them:
//   daubery-pictures <folder> [scale]
// The scale is the device pixel ratio to paint at, 1 by default; 2 gives the pictures of a screen
// scaled to 200 %.
//
// Or writes the game's icon for the desktop into a folder:
//   daubery-pictures --icons <folder> <pixels>...
// as icon-<pixels>.png for each size asked for, a square picture of that many pixels, icon.svg,
// the same icon as a vector drawing, and icon.ico, the largest size, where Qt can write that format.

#include "assets/Pictures.h"
#include "SvgDrawing.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool writeIcons(const QDir& folder, const std::vector<int>& sizes) {
    bool ok = true;
    for (int pixels : sizes) {
        const QString file = folder.filePath(QStringLiteral("icon-%1.png").arg(pixels));
        if (!daubery::pictures::icon(pixels).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ok = false;
        }
    }
    if (QImageWriter::supportedImageFormats().contains("ico"))
        ok = daubery::pictures::icon(std::min(*std::max_element(sizes.begin(), sizes.end()), 256))
                 .save(folder.filePath(QStringLiteral("icon.ico"))) &&
             ok;

    // Painted in a square of 256 units, so that shown at 256 pixels it is the 256-pixel picture.
    constexpr int units = 256;
    daubery::SvgDrawing drawing(units, units);
    {
        QPainter painter(&drawing);
        daubery::pictures::paintIcon(painter, QRectF(0, 0, units, units));
    }
    QFile svg(folder.filePath(QStringLiteral("icon.svg")));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(drawing.document().toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        ok = false;
    }
    return ok;
}

bool writePictures(const QDir& folder, double scale) {
    bool ok = true;
    for (const std::string& name : daubery::pictures::names()) {
        const QString file = folder.filePath(QString::fromStdString(name) + ".png");
        if (!daubery::pictures::image(name, scale).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ok = false;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    const bool icons = argc >= 2 && QByteArray(argv[1]) == "--icons";
    bool usable = icons ? argc >= 4 : argc == 2 || argc == 3;
    std::vector<int> sizes;
    for (int k = 3; icons && k < argc; ++k) {
        bool number = false;
        sizes.push_back(QByteArray(argv[k]).toInt(&number));
        usable = usable && number && sizes.back() >= 1 && sizes.back() <= 1024;
    }
    if (!usable) {
        std::fprintf(stderr, "usage: %s <folder> [scale]\n       %s --icons <folder> <pixels>...\n", argv[0],
                     argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const char* folderName = argv[icons ? 2 : 1];
    bool ok = true;
    const double scale = argc == 3 && !icons ? QString::fromLocal8Bit(argv[2]).toDouble(&ok) : 1.0;
    if (!ok || scale <= 0 || scale > 8) {
        std::fprintf(stderr, "the scale must be a number above 0 and at most 8\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(folderName);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot make the folder %s\n", folderName);
        return 1;
    }
    return (icons ? writeIcons(QDir(folder), sizes) : writePictures(QDir(folder), scale)) ? 0 : 1;
}
