#include "workingfolder.h"

#include "settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>

QString WorkingFolder::enter()
{
    const QString current = QDir::currentPath();
    const QString exeDir = SettingsFile::executableFolder();
    const bool installFolder =
        SettingsFile::installedAt(exeDir) &&
        QFileInfo(current).canonicalFilePath() == QFileInfo(exeDir).canonicalFilePath();
    if (!installFolder && takesNewFiles(current))
        return current;
    const QString localData =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (!localData.isEmpty())
        QDir().mkpath(localData);
    const QStringList fallbacks{QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                                localData};
    QDir::setCurrent(choose(current, installFolder, fallbacks, takesNewFiles));
    return QDir::currentPath();
}

QString WorkingFolder::choose(const QString& current, bool currentIsInstallFolder,
                              const QStringList& fallbacks,
                              const std::function<bool(const QString&)>& takesFiles)
{
    if (!currentIsInstallFolder && takesFiles(current))
        return current;
    for (const QString& folder : fallbacks)
        if (!folder.isEmpty() && takesFiles(folder))
            return folder;
    return current;
}

bool WorkingFolder::takesNewFiles(const QString& folder)
{
    // Only trying tells: permissions, a read-only medium and Windows' folder rights all count.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".orvisnap-XXXXXX")));
    return probe.open();
}
