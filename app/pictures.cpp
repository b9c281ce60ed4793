// Writes every picture of the game as <name>.png into a folder, to look at them:
//   daubery-pictures <folder> [scale]
// The scale is the device pixel ratio to paint at, 1 by default; 2 gives the pictures of a screen
// scaled to 200 %.
//
// Or writes the game's icon for the desktop into a folder:
//   daubery-pictures --icons <folder> <pixels>...
// as icon-<pixels>.png for each size asked for, a square picture of that many pixels, icon.svg,
// the same icon as a vector drawing, and icon.ico, every size up to 256 pixels, for Windows.

#include "assets/Pictures.h"
#include "SvgDrawing.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

// The icon of a size as an icon file stores it: the largest as PNG, the others as the bitmap every
// Windows tool reads, 32-bit colour bottom row first, then an all-clear mask the alpha overrides.
QByteArray iconEntry(int pixels) {
    QByteArray data;
    const QImage icon = daubery::pictures::icon(pixels).convertToFormat(QImage::Format_ARGB32);
    if (pixels == 256) {
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        icon.save(&buffer, "PNG");
        return data;
    }
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int maskRowBytes = (pixels + 31) / 32 * 4;
    out << quint32(40) << qint32(pixels) << qint32(2 * pixels) << quint16(1) << quint16(32) << quint32(0)
        << quint32(pixels * pixels * 4 + maskRowBytes * pixels) << qint32(0) << qint32(0) << quint32(0)
        << quint32(0);
    for (int y = pixels - 1; y >= 0; --y)
        for (int x = 0; x < pixels; ++x) out << quint32(icon.pixel(x, y)); // B, G, R, A in the file
    data.append(QByteArray(maskRowBytes * pixels, '\0'));
    return data;
}

// A Windows icon file with a picture painted for each size up to 256 pixels, so the title bar, the
// taskbar and the Start menu each show one drawn for their size, not one shrunk.
QByteArray windowsIcon(const std::vector<int>& sizes) {
    std::vector<std::pair<int, QByteArray>> pictures;
    for (int pixels : sizes)
        if (pixels <= 256) pictures.emplace_back(pixels, iconEntry(pixels));
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(pictures.size()); // an icon, not a cursor
    quint32 offset = quint32(6 + 16 * pictures.size());
    for (const auto& [pixels, png] : pictures) {
        const auto side = quint8(pixels == 256 ? 0 : pixels); // 0 stands for 256
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(png.size())
            << offset;
        offset += quint32(png.size());
    }
    for (const auto& [pixels, png] : pictures) out.writeRawData(png.constData(), int(png.size()));
    return file;
}

bool writeIcons(const QDir& folder, const std::vector<int>& sizes) {
    bool ok = true;
    for (int pixels : sizes) {
        const QString file = folder.filePath(QStringLiteral("icon-%1.png").arg(pixels));
        if (!daubery::pictures::icon(pixels).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ok = false;
        }
    }
    QFile ico(folder.filePath(QStringLiteral("icon.ico")));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(windowsIcon(sizes)) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(ico.fileName()));
        ok = false;
    }

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
