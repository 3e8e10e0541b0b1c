#include "outputnaming.h"

#include "captureoptions.h"

namespace {
constexpr qsizetype ExtensionLength = 4; // ".png", ".bmp"
} // namespace

bool OutputNaming::toStandardOutput() const
{
    return given_ == CaptureOptions::StandardOutput;
}

OutputNaming::Format OutputNaming::format() const
{
    return given_.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ? Format::Bmp : Format::Png;
}

QString OutputNaming::nameFor(int index, const QDateTime& now)
{
    if (given_.isEmpty())
        return unused(timeStamped(now));
    if (toStandardOutput())
        return given_;
    return numbered(given_, index);
}

QString OutputNaming::rawNameFor(int index, const QDateTime& now)
{
    // Raw bytes never go to standard output, where a picture is expected.
    const QString name =
        given_.isEmpty() || toStandardOutput() ? unused(timeStamped(now)) : numbered(given_, index);
    return name + QStringLiteral(".raw");
}

QString OutputNaming::timeStamped(const QDateTime& now)
{
    return QStringLiteral("DSO_") + now.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) +
           QStringLiteral(".png");
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
