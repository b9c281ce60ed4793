// Writes every picture of the game as <name>.png into a folder, to look at them:
//   daubery-pictures <folder> [scale]
// The scale is the device pixel ratio to paint at, 1 by default; 2 gives the pictures of a screen
// scaled to 200 %.

#include "assets/Pictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <folder> [scale]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    const double scale = argc == 3 ? QString::fromLocal8Bit(argv[2]).toDouble(&ok) : 1.0;
    if (!ok || scale <= 0 || scale > 8) {
        std::fprintf(stderr, "the scale must be a number above 0 and at most 8\n");
        return 2;
    }
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot make the folder %s\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (const std::string& name : daubery::pictures::names()) {
        const QString file = QDir(folder).filePath(QString::fromStdString(name) + ".png");
        if (!daubery::pictures::image(name, scale).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
