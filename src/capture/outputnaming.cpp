#include "outputnaming.h"

#include "captureoptions.h"
#include "filenames.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr qsizetype ExtensionLength = 4; // ".png", ".bmp"

QString stamped(const QDateTime& now)
{
    return FileNames::stamped(now, QStringLiteral("png"));
}
} // namespace

bool OutputNaming::toStandardOutput() const
{
    return given_ == CaptureOptions::StandardOutput;
}

OutputNaming::Format OutputNaming::format() const
{
    return given_.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ? Format::Bmp : Format::Png;
}

QString OutputNaming::folder() const
{
    if (toStandardOutput())
        return {};
    return given_.isEmpty() ? QDir::currentPath() : QFileInfo(given_).absolutePath();
}

QString OutputNaming::nameFor(int index, const QDateTime& now)
{
    if (given_.isEmpty())
        return unused(stamped(now));
    if (toStandardOutput())
        return given_;
    return numbered(given_, index);
}

QString OutputNaming::rawNameFor(int index, const QDateTime& now)
{
    // Raw bytes never go to standard output, where a picture is expected.
    const QString name =
        given_.isEmpty() || toStandardOutput() ? unused(stamped(now)) : numbered(given_, index);
    return name + QStringLiteral(".raw");
}

QString OutputNaming::numbered(const QString& name, int index)
{
    if (index <= 1)
        return name;
    const qsizetype dot = name.size() - ExtensionLength;
    return name.left(dot) + QLatin1Char('-') + QString::number(index) + name.mid(dot);
}

QString OutputNaming::unused(const QString& name)
{
    QString candidate = name;
    for (int n = 2; used_.contains(candidate); ++n)
        candidate = numbered(name, n);
    used_.insert(candidate);
    return candidate;
}
