#include "appicon.h"

#include <QPixmap>

QIcon AppIcon::icon()
{
#ifdef Q_OS_WIN
    return QIcon(QPixmap(QStringLiteral(":/pictures/APPICON")));
#else
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
#endif
}
