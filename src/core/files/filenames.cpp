#include "filenames.h"

#include <QDir>
#include <QFileInfo>

namespace {
// A dangling link counts as taken: writing there would follow it.
bool taken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}
} // namespace

QString FileNames::stamped(const QDateTime& when, const QString& extension)
{
    return QStringLiteral("DSO_") + when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) +
           QLatin1Char('.') + extension;
}

QString FileNames::freeIn(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    QString path = dir.filePath(name);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    for (int n = 2; taken(path); ++n)
        path = dir.filePath(base + QLatin1Char('_') + QString::number(n) + extension);
    return path;
}
