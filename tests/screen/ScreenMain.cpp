// Widget and picture tests need a QApplication; they run on Qt's offscreen platform with the
// DejaVu faces loaded from their files and one widget style, so a window renders the same on any
// machine.
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStyleFactory>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    for (const char* face :
         {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf"}) {
        const QString file = QStringLiteral("/usr/share/fonts/truetype/dejavu/") + QString::fromLatin1(face);
        if (QFontDatabase::addApplicationFont(file) < 0)
            qWarning("cannot load the font %s", qPrintable(file));
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
