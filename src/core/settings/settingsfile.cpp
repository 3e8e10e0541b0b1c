#include "settingsfile.h"

#include "inifile.h"
#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {
bool writable(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isWritable();
}
} // namespace

QString SettingsFile::locate()
{
    return locate(ProgramFolder::executableFolder());
}

QString SettingsFile::locate(const QString& exeDir)
{
    return locate(exeDir, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString SettingsFile::locate(const QString& exeDir, const QString& configDir)
{
    const QDir dir(exeDir);
    const QString beside = dir.filePath(FileName);
    const bool portable =
        !ProgramFolder::installedAt(exeDir) && (writable(dir.absolutePath()) || writable(beside));
    // Without a home folder there is no other place to try.
    if (portable || configDir.isEmpty())
        return beside;
    return QDir(configDir).filePath(FileName);
}

bool SettingsFile::meansFirstRun(const QString& iniPath)
{
    const IniFile ini(iniPath);
    return !ini.exists() || meansFirstRun(ini.load().value_or(IniDocument()));
}

bool SettingsFile::meansFirstRun(const IniDocument& existing)
{
    const QList<QByteArray> sections = existing.sectionNames();
    return !sections.isEmpty() &&
           std::all_of(sections.cbegin(), sections.cend(), [](const QByteArray& name) {
               return name.compare("Ports", Qt::CaseInsensitive) == 0;
           });
}
