#include "programfolder.h"

#include "orvisnap_installlayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ProgramFolder::executableFolder()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

bool ProgramFolder::installedAt(const QString& exeDir)
{
    // The install tree holds a marker beside the program that an unpacked folder has not.
    return QFileInfo::exists(
        QDir(exeDir).filePath(QLatin1String(OrvisnapInstall::InstalledMarkerFromBin)));
}
