#include "appicon.h"

QIcon AppIcon::icon()
{
    // Every size the title bar, the taskbar and Alt+Tab ask for; 16 px is the logo pixel for
    // pixel.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}
