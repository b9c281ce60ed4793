#include "GameFonts.h"

#include <QDir>
#include <QFontDatabase>

namespace daubery {

QStringList loadGameFonts() {
    QStringList families;
    const QDir folder(QStringLiteral(":/fonts"));
    for (const QString& face : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name)) {
        const int id = QFontDatabase::addApplicationFont(folder.filePath(face));
        if (id < 0) qWarning("cannot load the font %s", qPrintable(face));
        for (const QString& family : QFontDatabase::applicationFontFamilies(id))
            if (!families.contains(family)) families.append(family);
    }
    return families;
}

} // namespace daubery
