#include "appicon.h"

#include <QImage>
#include <QPixmap>

QIcon AppIcon::icon()
{
    // Every size the title bar, the taskbar and Alt+Tab ask for; 16 px is the logo pixel for
    // pixel. Read as what they are, so that the reader need not ask the picture plug-ins.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(
            QPixmap::fromImage(QImage(QStringLiteral(":/icons/%1.png").arg(size), "PNG")));
    return icon;
}
