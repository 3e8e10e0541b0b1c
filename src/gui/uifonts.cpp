#include "uifonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

QFont UiFonts::firstPresent(const QStringList& families, const QFont& fallback, int pixelSize)
{
    const QStringList present = QFontDatabase::families();
    QFont font = fallback;
    for (const QString& family : families) {
        if (present.contains(family, Qt::CaseInsensitive)) {
            font = QFont(family);
            break;
        }
    }
    font.setPixelSize(pixelSize);
    return font;
}

QFont UiFonts::dialogFont()
{
    // Liberation Sans has Arial's metrics, the closest to the designed face: texts fit the
    // fixed label sizes.
    return firstPresent({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                         QStringLiteral("Liberation Sans"), QStringLiteral("Arial")},
                        QApplication::font(), 11);
}

QFont UiFonts::logFont()
{
    return firstPresent({QStringLiteral("Fixedsys")},
                        QFontDatabase::systemFont(QFontDatabase::FixedFont), 12);
}

QFont UiFonts::informalFont(int pixelSize, bool bold)
{
    QFont font = firstPresent({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")},
                              QApplication::font(), pixelSize);
    font.setBold(bold);
    return font;
}
