#include "workingfolder.h"

#include "programfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>

QString WorkingFolder::enter()
{
    const QString current = QDir::currentPath();
    const QString exeDir = ProgramFolder::executableFolder();
    const bool installFolder =
        ProgramFolder::installedAt(exeDir) &&
        QFileInfo(current).canonicalFilePath() == QFileInfo(exeDir).canonicalFilePath();
    const QString localData =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    const QStringList fallbacks{QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                                localData};
    // The local data folder is made only when it comes to be tried.
    const auto takes = [&localData](const QString& folder) {
        if (folder == localData)
            QDir().mkpath(folder);
        return takesNewFiles(folder);
    };
    QDir::setCurrent(choose(current, installFolder, fallbacks, takes));
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
