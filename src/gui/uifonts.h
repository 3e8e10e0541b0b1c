#pragma once

#include <QFont>
#include <QString>

// The fonts the windows were designed with, or the platform's nearest stand-ins.
class UiFonts {
public:
    // "MS Sans Serif" 11 px where present, else a face of its width, else the default sans.
    [[nodiscard]] static QFont dialogFont();
    // "Fixedsys" 12 px where present, else the system's fixed font at that size.
    [[nodiscard]] static QFont logFont();
    // "Comic Sans MS" where present, else an informal face such as Comic Neue.
    [[nodiscard]] static QFont informalFont(int pixelSize, bool bold);

private:
    [[nodiscard]] static QFont firstPresent(const QStringList& families, const QFont& fallback,
                                            int pixelSize);
};
