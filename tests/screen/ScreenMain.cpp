// Widget and picture tests need a QApplication; they run on Qt's offscreen platform with the
// DejaVu faces the game carries and one widget style, so a window renders the same on any machine.
#include "platform/qt/GameFonts.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <gtest/gtest.h>

// The program brings the faces its windows and pictures name, whatever the system has.
TEST(GameFonts, TheProgramCarriesTheFacesItDrawsWith) {
    EXPECT_EQ(daubery::loadGameFonts(),
              QStringList({QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif")}));
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    daubery::loadGameFonts();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
